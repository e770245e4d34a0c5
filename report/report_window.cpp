#include "report/report_window.h"

#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include "core/reading.h"
#include "core/report_text.h"
#include "look/colours.h"
#include "look/fonts.h"
#include "look/label_fitting.h"
#include "look/link_label.h"
#include "look/twips.h"
#include "look/window_chrome.h"
#include "platform/platform.h"
#include "report/report_links.h"
#include "report/report_output.h"
#include "services/advertising.h"
#include "services/web_links.h"

namespace zodiac {
namespace {

// In points, not pixels: the report is printed as well as shown.
QColor ToQt(const RtfColour& colour) { return {colour.red, colour.green, colour.blue}; }

QFont ReportFont() {
    QFont font = Verdana();
    font.setPointSizeF(report_style::kPoints);
    return font;
}

}  // namespace

ReportWindow::ReportWindow(Platform& platform, WebLinks& links, const Reading& user)
    : platform_(platform), reportLinks_(new ReportLinks(platform)) {
    reportLinks_->setParent(this);
    DressWindow(this,
                {"frmSave", WindowKind::Dialog, Qt::white, colour::kWindow, VerdanaFont(8.25, false), 7725, 7575});

    // clang-format off
    Label14  = Place(new LinkLabel(kForumLine),      this, "Label14",  {1440, 0, 4830, 195});
    Label1   = Place(new LinkLabel(kVisitLine),      this, "Label1",   {1620, 180, 4470, 195});
    RTB      = Place(new QTextEdit,                  this, "RTB",      {30, 390, 7665, 6135});
    cmdSave  = Place(new QPushButton("&Save"),       this, "cmdSave",  {5400, 6570, 1125, 345});
    cmdPrint = Place(new QPushButton("&Print"),      this, "cmdPrint", {6555, 6570, 1125, 345});
    Label16  = Place(new LinkLabel(kFullBrandOffer), this, "Label16",  {0, 6960, 7665, 615});
    // clang-format on

    for (LinkLabel* label : {Label14, Label1, Label16}) label->setAlignment(Qt::AlignCenter);
    Label16->setWordWrap(true);
    for (QPushButton* button : {cmdSave, cmdPrint}) {
        SetColours(button, Qt::black, colour::kButtonFace);
        button->setFont(QFont(QStringLiteral("Sans Serif"), 8));
        button->setAutoDefault(false);
    }
    RTB->setAcceptRichText(false);
    // Tab moves on to Save and Print, as in every other box, so that the window
    // works from the keyboard alone; a tab typed into the report served nobody.
    RTB->setTabChangesFocus(true);
    RTB->setAccessibleName(QStringLiteral("Report"));
    RTB->document()->setDefaultFont(ReportFont());
    SetColours(RTB, ToQt(report_style::kValue), Qt::white);
    FitTexts(this);
    setAccessibleDescription(user.name + QStringLiteral("'s report"));
    // The window has no menu to open the links' pages: Tab reaches them after Print.
    FocusAfter(cmdPrint, {Label14, Label1, Label16});

    connect(Label14, &LinkLabel::Clicked, this, [&links] { links.OpenHomePage(); });
    connect(Label1, &LinkLabel::Clicked, this, [&links] { links.OpenHomePage(); });
    connect(Label16, &LinkLabel::Clicked, this, [&links] { links.OpenFullyBrandedPage(); });
    connect(cmdSave, &QPushButton::clicked, this, &ReportWindow::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &ReportWindow::cmdPrint_Click);

    reportLinks_->EnableReportLinks(RTB);
    Compose(user);
}

ReportWindow::~ReportWindow() { reportLinks_->DisableReportLinks(); }

void ReportWindow::Compose(const Reading& user) {
    QTextCursor cursor(RTB->document());
    for (const ReportRun& run : ComposeReport(FactsOf(user))) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setForeground(ToQt(run.colour));
        QString text = run.text;
        cursor.insertText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")), format);
    }
    RTB->setTextCursor(cursor);  // at the end, nothing selected
}

void ReportWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The insertion point waits at the end for anything typed, but the reader starts with the name.
    RTB->verticalScrollBar()->setValue(RTB->verticalScrollBar()->minimum());
}

void ReportWindow::cmdSave_Click() { SaveReport(platform_, this, *RTB); }

void ReportWindow::cmdPrint_Click() {
    QPrinter printer;
    PrintReport(platform_, this, *RTB, printer);
    // Back to Print once the dialog and any message have gone, not wherever the window system puts it.
    cmdPrint->setFocus(Qt::OtherFocusReason);
}

void ReportWindow::done(int result) {
    reportLinks_->DisableReportLinks();
    QDialog::done(result);
}

}  // namespace zodiac
