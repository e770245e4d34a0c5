#include "shell/web_links.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "look/link_label.h"
#include "shell/about_box.h"
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
            p, [&] { w->mnuOnline->trigger(); }, "help-web-page");
        ExpectOpens(
            p, [&] { w->mnuVisit->trigger(); }, "home-page");
        ExpectOpens(
            p, [&] { w->mnuUpdate->trigger(); }, "download-web-page");
        ExpectOpens(
            p, [&] { w->mnuDonate->trigger(); }, "donate");
        ExpectOpens(
            p, [&] { Click(w->Label1); }, "home-page");
        ExpectOpens(
            p, [&] { Click(w->Label2); }, "home-page");
        ExpectOpens(
            p, [&] { Click(w->lblCobrand); }, "co-brand");
        ExpectOpens(
            p, [&] { Click(w->lblFullBrand); }, "fully-branded");
    }

    void resultWindowMenusAndLinks() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* r = program.app.loadedResultWindow();
        FakePlatform& p = program.platform;
        QCOMPARE(r->mnuUpdate->text(), QStringLiteral("Check For Software &Update"));
        QVERIFY(!r->mnumakemoney->isEnabled());
        ExpectOpens(
            p, [&] { r->mnuOnline->trigger(); }, "help-web-page");
        ExpectOpens(
            p, [&] { r->mnuVisit->trigger(); }, "home-page");
        ExpectOpens(
            p, [&] { r->mnuUpdate->trigger(); }, "download-web-page");
        ExpectOpens(
            p, [&] { r->mnuDonate->trigger(); }, "donate");
        ExpectOpens(
            p, [&] { Click(r->Label1); }, "home-page");
        ExpectOpens(
            p, [&] { Click(r->lblCobrand); }, "co-brand");
        ExpectOpens(
            p, [&] { Click(r->lblFullBrand); }, "fully-branded");
    }

    void aRightClickOpensNothing() {
        Program program;
        QTest::mouseClick(program.main()->Label1, Qt::RightButton, {}, QPoint(2, 2));
        QVERIFY(program.platform.opened.isEmpty());
    }

    void theMouseOverALinkShowsTheHand() {
        Program program;
        LinkLabel* link = program.main()->Label1;
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(link->cursor().hotSpot(), QPoint(11, 1));
    }

    void pressingAndDraggingOffALinkOpensNothing() {
        Program program;
        QTest::mousePress(program.main()->Label1, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(program.main()->Label1, Qt::LeftButton, {}, QPoint(-20, -20));
        QVERIFY(program.platform.opened.isEmpty());
    }

    void theAboutBoxIsModalAndItsLinksOpenTheirPages() {
        Program program;
        bool sawModalAbout = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
            sawModalAbout = about != nullptr;
            if (!about) return;
            ExpectOpens(
                program.platform, [&] { Click(about->lblHomePage); }, "home-page");
            ExpectOpens(
                program.platform, [&] { Click(about->lblCoBrand); }, "fully-branded");
            QCOMPARE(about->lblHomePage->text(), QStringLiteral("Click here to visit zodiac.example.test"));
            about->cmdOK->click();
        });
        program.main()->mnuAbout->trigger();  // returns once OK closed it
        QVERIFY(sawModalAbout);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(WebLinksTest)
#include "web_links_test.moc"
