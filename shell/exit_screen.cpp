#include "shell/exit_screen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "core/program_name.h"
#include "look/accessible_roles.h"
#include "look/colours.h"
#include "look/fonts.h"
#include "look/image_list.h"
#include "look/label_fitting.h"
#include "look/link_label.h"
#include "look/text_boxes.h"
#include "look/twips.h"
#include "look/window_chrome.h"
#include "platform/platform.h"
#include "services/web_links.h"

namespace zodiac {
namespace {

// The four ways the exit screen asks for the user's support; one is drawn at random.
const QString kSupportMessages[4] = {
    QStringLiteral(
        "Thank you for using Qorvel Japanese Zodiac. Our discussion forum is where new ideas for this program "
        "come from: drop in regularly, share your findings and help other users along."),
    QStringLiteral("Did the zodiac tell you something surprising? Tell the rest of us! Join the Lumora Softwares "
                   "discussion forum, ask questions, answer a few, and keep this free program growing."),
    QStringLiteral("Free software lives on its users. Please support us by visiting the Lumora Softwares forum "
                   "now and then and by taking part in its discussions; every post helps."),
    QStringLiteral("Before you go: the Lumora Softwares forum is open to everyone. Visit it regularly, tell us what "
                   "you would like to see next, and take part in the conversation with other users."),
};

const QString kNamePlaceholder = QStringLiteral("Your Name");
const QString kEmailPlaceholder = QStringLiteral("Your Email Address");
const QString kFriendNamePlaceholder = QStringLiteral("Friend's Name");
const QString kFriendEmailPlaceholder = QStringLiteral("Friend's Email Address");
const QString kMessagePlaceholder = QStringLiteral("Your Message");

// Only blanks are trimmed: the message's line break stays part of it.
QString TrimBlanks(const QString& text) {
    qsizetype start = 0, end = text.size();
    while (start < end && text[start] == QLatin1Char(' ')) ++start;
    while (end > start && text[end - 1] == QLatin1Char(' ')) --end;
    return text.mid(start, end - start);
}

}  // namespace

ExitScreen::ExitScreen(Platform& platform, WebLinks& links) : platform_(platform), links_(links) {
    DressWindow(this,
                {"frmNagScreen2", WindowKind::OnTop, Qt::black, Qt::white, VerdanaFont(8.25, false), 11115, 4725});

    // clang-format off
    picNagscreen2Icon    = Place(new QLabel,                                    this,   "picNagscreen2Icon",    {360, 120, 540, 540});
    lblNagScreen2Caption = Place(new QLabel,                                    this,   "lblNagScreen2Caption", {1080, 180, 6000, 360});
    Label2               = Place(new QLabel,                                    this,   "Label2",               {1080, 720, 6000, 1200});
    Check1               = Place(new QCheckBox("Yes, take me to the Lumora Softwares forum now"),
                                                                                this,   "Check1",               {30, 2040, 7185, 555});
    cmdClose             = Place(new QPushButton("E&xit"),                      this,   "cmdClose",             {6000, 2760, 1245, 375});
    Frame2               = Place(new QGroupBox("Refer A Friend"),               this,   "Frame2",               {120, 3240, 7065, 1455});
    txtName              = Place(new QLineEdit(kNamePlaceholder),               Frame2, "txtName",              {85, 360, 3375, 285});
    txtEmail             = Place(new QLineEdit(kEmailPlaceholder),              Frame2, "txtEmail",             {3600, 360, 3375, 285});
    txtFriendName        = Place(new QLineEdit(kFriendNamePlaceholder),         Frame2, "txtFriendName",        {85, 720, 3375, 285});
    txtFriendEmail       = Place(new QLineEdit(kFriendEmailPlaceholder),        Frame2, "txtFriendEmail",       {3600, 720, 3375, 285});
    cmdSubmit            = Place(new QPushButton("Refer A Friend &Now"),        Frame2, "cmdSubmit",            {1920, 1080, 3375, 285});
    txtMessage           = Place(new QPlainTextEdit(kMessagePlaceholder + QStringLiteral("\r\n")),
                                                                                Frame2, "txtMessage",           {4800, 3600, 1815, 495});
    Frame6               = Place(new QGroupBox("Download Lumora Softwares"),    this,   "Frame6",               {7320, 120, 3735, 4575});
    Label3               = Place(new QLabel,                                    Frame6, "Label3",               {120, 360, 3495, 2880});
    lblGoToHome          = Place(new LinkLabel("Click Here To Visit Lumora Softwares"),
                                                                                Frame6, "lblGoToHome",          {120, 3480, 3495, 600});
    // clang-format on

    // Loading: the title and icon, one support message drawn at random.
    lblNagScreen2Caption->setText(kWindowCaption);
    lblNagScreen2Caption->setFont(VerdanaFont(12, true));
    picNagscreen2Icon->setPixmap(CompiledPng(QStringLiteral(":/app_icon_32.png")));
    picNagscreen2Icon->setAlignment(Qt::AlignCenter);
    platform_.SeedRandom();
    const int drawn = static_cast<int>(4 * platform_.Random());
    Label2->setText(kSupportMessages[std::clamp(drawn, 0, 3)]);
    Label2->setWordWrap(true);
    Label3->setText(QStringLiteral(
        "Enjoyed this program? Lumora Softwares makes more free tools for your desktop: calculators, organisers "
        "and fun programs for the whole family. Each one is small, quick to learn and free to try."));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lblGoToHome->setWordWrap(true);
    lblGoToHome->setAlignment(Qt::AlignCenter);
    txtMessage->setTabChangesFocus(true);
    txtName->setAccessibleName(kNamePlaceholder);
    txtEmail->setAccessibleName(kEmailPlaceholder);
    txtFriendName->setAccessibleName(kFriendNamePlaceholder);
    txtFriendEmail->setAccessibleName(kFriendEmailPlaceholder);
    txtMessage->setAccessibleName(kMessagePlaceholder);
    picNagscreen2Icon->setAccessibleName(QStringLiteral("Program icon"));
    // Heard as a window with what it is for; its caption is the program's, as every window's is.
    SetAccessibleRole(this, QAccessible::Window);
    setAccessibleDescription(QStringLiteral("Tell a friend and leave"));
    // The tick box opens the forum, not the page of lblGoToHome: Tab reaches it last.
    FocusAfter(txtMessage, {lblGoToHome});
    FitTexts(this);

    for (QObject* box : std::initializer_list<QObject*>{txtName, txtEmail, txtFriendName, txtFriendEmail, txtMessage}) {
        box->installEventFilter(this);
    }
    connect(cmdSubmit, &QPushButton::clicked, this, &ExitScreen::cmdSubmit_Click);
    connect(cmdClose, &QPushButton::clicked, this, &ExitScreen::LeaveRequested);
    connect(lblGoToHome, &LinkLabel::Clicked, this, [this] { links_.OpenSoftwarePage(); });
    connect(Check1, &QCheckBox::toggled, this, [this](bool ticked) {
        if (!ticked) return;  // unticking below comes back here and does nothing
        Check1->setChecked(false);
        links_.OpenHomePage();
    });
}

bool ExitScreen::eventFilter(QObject* watched, QEvent* event) {
    const QString* placeholder = watched == txtName          ? &kNamePlaceholder
                                 : watched == txtEmail       ? &kEmailPlaceholder
                                 : watched == txtFriendName  ? &kFriendNamePlaceholder
                                 : watched == txtFriendEmail ? &kFriendEmailPlaceholder
                                 : watched == txtMessage     ? &kMessagePlaceholder
                                                             : nullptr;
    if (!placeholder) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn:
            if (TrimBlanks(BoxText(watched)) == *placeholder) SetBoxText(watched, {});
            break;
        case QEvent::FocusOut:
            if (TrimBlanks(BoxText(watched)).isEmpty()) SetBoxText(watched, *placeholder);
            break;
        case QEvent::KeyPress:
            if ((watched == txtEmail || watched == txtFriendEmail) &&
                static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
                platform_.ShowMessage(this, QStringLiteral("Email Address Cannot Contain Space"),
                                      Platform::Icon::Critical);
                static_cast<QWidget*>(watched)->setFocus();
                return true;  // the blank never reaches the box
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void ExitScreen::Refuse(const QString& message) { platform_.ShowMessage(this, message, Platform::Icon::Critical); }

void ExitScreen::cmdSubmit_Click() {
    // The message's lines are sent separated by CR LF, as typed in a Windows text box.
    const QString message = txtMessage->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    kept_ = {TrimBlanks(txtName->text()), TrimBlanks(txtEmail->text()), TrimBlanks(message),
             TrimBlanks(txtFriendName->text()), TrimBlanks(txtFriendEmail->text())};
    if (kept_.email == kept_.friendEmail) return Refuse(QStringLiteral("Please Enter Distinct Email Addresses"));
    for (const QString& address : {kept_.email, kept_.friendEmail}) {
        if (!address.contains(QLatin1Char('@'))) return Refuse(QStringLiteral("Please Enter Proper Email Address"));
    }
    for (const QString& address : {kept_.email, kept_.friendEmail}) {
        if (!address.contains(QLatin1Char('.'))) return Refuse(QStringLiteral("Please Enter Proper Email Address"));
    }
    SendTellAFriend();
}

void ExitScreen::SendTellAFriend() {
    struct Check {
        const QString& value;
        const QString& placeholder;
        const char* message;
    };
    const Check checks[] = {
        {kept_.name, kNamePlaceholder, "Please Enter Your Name"},
        {kept_.email, kEmailPlaceholder, "Please Enter Your Email"},
        {kept_.message, kMessagePlaceholder, "Please Enter Your Message"},
        {kept_.friendName, kFriendNamePlaceholder, "Please Enter Your Friend's Name"},
        {kept_.friendEmail, kFriendEmailPlaceholder, "Please Enter Your Friend's Email"},
    };
    for (const Check& check : checks) {
        if (check.value.isEmpty() || check.value == check.placeholder)
            return Refuse(QString::fromLatin1(check.message));
    }
    platform_.OpenWebAddress(TellAFriendAddress(links_.siteBase(), kept_));
}

void ExitScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    emit Closed();
}

}  // namespace zodiac
