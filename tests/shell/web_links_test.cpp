#include "services/web_links.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "look/link_label.h"
#include "shell/about_box.h"
#include "shell/exit_screen.h"
#include "shell/result_window.h"
#include "tests/app/program_fixture.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

void Click(QWidget* label) { QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2)); }

}  // namespace

class WebLinksTest : public QObject {
    Q_OBJECT

    // Runs `open` and expects exactly one page opened, the one with `key`.
    void ExpectOpens(FakePlatform& platform, const std::function<void()>& open, const char* key) {
        platform.opened.clear();
        open();
        QCOMPARE(platform.opened, QStringList{Page(key)});
    }

private slots:
    void eachOperationOpensItsPage() {
        FakePlatform platform;
        WebLinks links(platform, QString::fromLatin1(kSiteBase));
        ExpectOpens(
            platform, [&] { links.OpenHomePage(); }, "home-page");
        ExpectOpens(
            platform, [&] { links.OpenHelpPage(); }, "help-web-page");
        ExpectOpens(
            platform, [&] { links.OpenDownloadPage(); }, "download-web-page");
        ExpectOpens(
            platform, [&] { links.OpenDonatePage(); }, "donate");
        ExpectOpens(
            platform, [&] { links.OpenCoBrandPage(); }, "co-brand");
        ExpectOpens(
            platform, [&] { links.OpenFullyBrandedPage(); }, "fully-branded");
        ExpectOpens(
            platform, [&] { links.OpenSoftwarePage(); }, "lumorasoftwares");
    }

    void theBuiltInSiteHasNoPath() {
        const QUrl site(BuiltInSiteBase());
        QVERIFY(site.isValid());
        QVERIFY(!site.host().isEmpty());
        QVERIFY(site.path().isEmpty());
    }

    void mainWindowMenusAndLinks() {
        Program program;
        MainWindow* w = program.main();
        FakePlatform& p = program.platform;
        ExpectOpens(
            p, [&] { Child<QAction>(w, "mnuOnline")->trigger(); }, "help-web-page");
        ExpectOpens(
            p, [&] { Child<QAction>(w, "mnuVisit")->trigger(); }, "home-page");
        ExpectOpens(
            p, [&] { Child<QAction>(w, "mnuUpdate")->trigger(); }, "download-web-page");
        ExpectOpens(
            p, [&] { Child<QAction>(w, "mnuDonate")->trigger(); }, "donate");
        ExpectOpens(
            p, [&] { Click(Child<LinkLabel>(w, "Label1")); }, "home-page");
        ExpectOpens(
            p, [&] { Click(Child<LinkLabel>(w, "Label2")); }, "home-page");
        ExpectOpens(
            p, [&] { Click(Child<LinkLabel>(w, "lblCobrand")); }, "co-brand");
        ExpectOpens(
            p, [&] { Click(Child<LinkLabel>(w, "lblFullBrand")); }, "fully-branded");
    }

    void resultWindowMenusAndLinks() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* r = program.app.LoadedResultWindow();
        FakePlatform& p = program.platform;
        QCOMPARE(Child<QAction>(r, "mnuUpdate")->text(), QStringLiteral("Check For Software &Update"));
        QVERIFY(!Child<QAction>(r, "mnumakemoney")->isEnabled());
        ExpectOpens(
            p, [&] { Child<QAction>(r, "mnuOnline")->trigger(); }, "help-web-page");
        ExpectOpens(
            p, [&] { Child<QAction>(r, "mnuVisit")->trigger(); }, "home-page");
        ExpectOpens(
            p, [&] { Child<QAction>(r, "mnuUpdate")->trigger(); }, "download-web-page");
        ExpectOpens(
            p, [&] { Child<QAction>(r, "mnuDonate")->trigger(); }, "donate");
        ExpectOpens(
            p, [&] { Click(Child<LinkLabel>(r, "Label1")); }, "home-page");
        ExpectOpens(
            p, [&] { Click(Child<LinkLabel>(r, "lblCobrand")); }, "co-brand");
        ExpectOpens(
            p, [&] { Click(Child<LinkLabel>(r, "lblFullBrand")); }, "fully-branded");
    }

    void aRightClickOpensNothing() {
        Program program;
        QTest::mouseClick(Child<LinkLabel>(program.main(), "Label1"), Qt::RightButton, {}, QPoint(2, 2));
        QVERIFY(program.platform.opened.isEmpty());
    }

    void theMouseOverALinkShowsTheHand() {
        Program program;
        LinkLabel* link = Child<LinkLabel>(program.main(), "Label1");
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(link->cursor().hotSpot(), QPoint(11, 1));
    }

    void pressingAndDraggingOffALinkOpensNothing() {
        Program program;
        QTest::mousePress(Child<LinkLabel>(program.main(), "Label1"), Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(Child<LinkLabel>(program.main(), "Label1"), Qt::LeftButton, {}, QPoint(-20, -20));
        QVERIFY(program.platform.opened.isEmpty());
    }

    // A double or triple click on a link, as the window system delivers it (press,
    // release, double click, release, and a press again for the third), opens
    // one page, in every window with links.
    void aDoubleOrTripleClickOpensOnePage_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("page");
        for (const char* link : {"main window's forum line", "About's home page", "exit screen's home page"}) {
            const QString page = Page(QByteArrayView(link).startsWith("exit") ? "lumorasoftwares" : "home-page");
            QTest::addRow("%s, double click", link) << link << 2 << page;
            QTest::addRow("%s, triple click", link) << link << 3 << page;
        }
    }

    void aDoubleOrTripleClickOpensOnePage() {
        QFETCH(QString, link);
        QFETCH(int, clicks);
        QFETCH(QString, page);
        Program program;
        AboutBox about(program.app.links());
        ExitScreen exit(program.platform, program.app.links());
        QWidget* label = link.startsWith(u"main")    ? static_cast<QWidget*>(Child<LinkLabel>(program.main(), "Label1"))
                         : link.startsWith(u"About") ? Child<LinkLabel>(&about, "lblHomePage")
                                                     : Child<LinkLabel>(&exit, "lblGoToHome");
        label->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(label->window()));
        QWindow* window = label->window()->windowHandle();
        const QPoint at = label->mapTo(label->window(), QPoint(2, 2));
        QTest::mouseDClick(window, Qt::LeftButton, {}, at);
        for (int click = 3; click <= clicks; ++click) {
            // QTest spaces its clicks apart so that they never make a double click; a triple click's come close.
            QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
            QTest::mouseClick(window, Qt::LeftButton, {}, at);
        }
        QCOMPARE(program.platform.opened, QStringList{page});
    }

    void theAboutBoxIsModalAndItsLinksOpenTheirPages() {
        Program program;
        bool sawModalAbout = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
            sawModalAbout = about != nullptr;
            if (!about) return;
            ExpectOpens(
                program.platform, [&] { Click(Child<LinkLabel>(about, "lblHomePage")); }, "home-page");
            ExpectOpens(
                program.platform, [&] { Click(Child<LinkLabel>(about, "lblCoBrand")); }, "fully-branded");
            QCOMPARE(Child<LinkLabel>(about, "lblHomePage")->text(),
                     QStringLiteral("Click here to visit zodiac.example.test"));
            Child<QPushButton>(about, "cmdOK")->click();
        });
        Child<QAction>(program.main(), "mnuAbout")->trigger();  // returns once OK closed it
        QVERIFY(sawModalAbout);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(WebLinksTest)
#include "web_links_test.moc"
