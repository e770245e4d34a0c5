#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

#include "services/tell_a_friend.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zodiac {

class LinkLabel;
class Platform;
class WebLinks;

// frmNagScreen2: shown when the main or result window closes for good. It asks
// for the user's support, offers the tell-a-friend form, and ends the program
// when the user leaves it.
class ExitScreen : public QWidget {
    Q_OBJECT
public:
    ExitScreen(Platform& platform, WebLinks& links);

    void cmdSubmit_Click();
    void SendTellAFriend();
    const TellAFriend& kept() const { return kept_; }

signals:
    // Close: the user leaves the program.
    void LeaveRequested();
    // The screen has closed, by its button or by the window's own close.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Refuse(const QString& message);

    QLabel* picNagscreen2Icon;
    QLabel* lblNagScreen2Caption;
    QLabel* Label2;
    QCheckBox* Check1;
    QPushButton* cmdClose;
    QGroupBox* Frame2;
    QLineEdit* txtName;
    QLineEdit* txtEmail;
    QLineEdit* txtFriendName;
    QLineEdit* txtFriendEmail;
    QPushButton* cmdSubmit;
    QPlainTextEdit* txtMessage;
    QGroupBox* Frame6;
    QLabel* Label3;
    LinkLabel* lblGoToHome;

    Platform& platform_;
    WebLinks& links_;
    TellAFriend kept_;
};

}  // namespace zodiac
