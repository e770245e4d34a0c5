#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

namespace zodiac {

class LinkLabel;
class Platform;
class ReportLinks;
class WebLinks;
struct Reading;

// frmSave: the user's report as formatted text, to save as RTF or print. It is
// composed afresh each time the window opens.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportWindow(Platform& platform, WebLinks& links, const Reading& user);
    ~ReportWindow() override;

    void cmdSave_Click();
    void cmdPrint_Click();
    const ReportLinks& reportLinks() const { return *reportLinks_; }

protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;

private:
    void Compose(const Reading& user);

    LinkLabel* Label14;
    LinkLabel* Label1;
    QTextEdit* RTB;
    QPushButton* cmdSave;
    QPushButton* cmdPrint;
    LinkLabel* Label16;

    Platform& platform_;
    ReportLinks* reportLinks_;
};

}  // namespace zodiac
