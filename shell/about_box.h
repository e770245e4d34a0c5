#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QFrame;

namespace zodiac {

class LinkLabel;
class WebLinks;

// frmAbout: what the program is, with links to the maker's site.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(WebLinks& links, QWidget* parent = nullptr);

private:
    QLabel* Picture1;
    QLabel* Label2;
    QLabel* Label1;
    LinkLabel* lblHomePage;
    QLabel* Label3;
    LinkLabel* lblCoBrand;
    QFrame* Line1;
    QPushButton* cmdOK;
};

}  // namespace zodiac
