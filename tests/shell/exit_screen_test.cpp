#include "shell/exit_screen.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrlQuery>
#include <QtTest>

#include "look/link_label.h"
#include "shell/result_window.h"
#include "tests/app/program_fixture.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

// A program whose main window was just closed, leaving the exit screen.
struct AtTheExitScreen : Program {
    ExitScreen* exit = nullptr;
    explicit AtTheExitScreen(double draw = 0.0) {
        platform.draws = {draw};  // the exit screen's draw (start-up has drawn already)
        main()->close();
        exit = app.LoadedExitScreen();
    }
    void Fill(const QString& name, const QString& email, const QString& friendName, const QString& friendEmail) {
        Child<QLineEdit>(exit, "txtName")->setText(name);
        Child<QLineEdit>(exit, "txtEmail")->setText(email);
        Child<QLineEdit>(exit, "txtFriendName")->setText(friendName);
        Child<QLineEdit>(exit, "txtFriendEmail")->setText(friendEmail);
    }
};

}  // namespace

class ExitScreenTest : public QObject {
    Q_OBJECT

private slots:
    void isWhiteOnTopAndTitled() {
        AtTheExitScreen at;
        QVERIFY(at.exit && at.exit->isVisible());
        QVERIFY(at.exit->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(at.exit->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(at.exit->windowTitle(), QStringLiteral("Qorvel Japanese Zodiac v1.15"));
        QCOMPARE(Child<QLabel>(at.exit, "lblNagScreen2Caption")->text(),
                 QStringLiteral("Qorvel Japanese Zodiac v1.15"));
        QCOMPARE(at.exit->size(), QSize(741, 315));
        QVERIFY(Child<QPlainTextEdit>(at.exit, "txtMessage")->y() >=
                Child<QGroupBox>(at.exit, "Frame2")->height());  // below the frame's visible area
    }

    // The draw r in [0, 1) picks message n = integer part of 4r; the texts are typed here.
    void drawsOneOfFourSupportMessages_data() {
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("message");
        const QString messages[4] = {
            "Thank you for using Qorvel Japanese Zodiac. Our discussion forum is where new ideas for this program "
            "come from: drop in regularly, share your findings and help other users along.",
            "Did the zodiac tell you something surprising? Tell the rest of us! Join the Lumora Softwares "
            "discussion forum, ask questions, answer a few, and keep this free program growing.",
            "Free software lives on its users. Please support us by visiting the Lumora Softwares forum "
            "now and then and by taking part in its discussions; every post helps.",
            "Before you go: the Lumora Softwares forum is open to everyone. Visit it regularly, tell us what "
            "you would like to see next, and take part in the conversation with other users.",
        };
        QTest::newRow("0") << 0.0 << messages[0];
        QTest::newRow("just under a quarter") << 0.2499 << messages[0];
        QTest::newRow("a quarter") << 0.25 << messages[1];
        QTest::newRow("a half") << 0.5 << messages[2];
        QTest::newRow("three quarters") << 0.75 << messages[3];
        QTest::newRow("just under 1") << 0.9999 << messages[3];
    }

    void drawsOneOfFourSupportMessages() {
        QFETCH(double, draw);
        QFETCH(QString, message);
        AtTheExitScreen at(draw);
        QCOMPARE(Child<QLabel>(at.exit, "Label2")->text(), message);
    }

    void exitAndTheCloseBoxEndTheProgram() {
        for (const bool closeBox : {false, true}) {
            AtTheExitScreen at;
            Program& program = at;
            program.Run(QStringLiteral("Ann"), 5, 3, 1975);  // a window of each kind loaded
            if (closeBox)
                at.exit->close();
            else
                Child<QPushButton>(at.exit, "cmdClose")->click();
            QCOMPARE(program.platform.ended, 1);
            QTRY_VERIFY(!program.app.LoadedExitScreen() && !program.app.LoadedMainWindow() &&
                        !program.app.LoadedResultWindow());
        }
    }

    void theMainCommandsHidingNeverHandsOver() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        QVERIFY(!program.main()->isVisible());
        QVERIFY(!program.app.LoadedExitScreen());
    }

    void placeholdersClearOnFocusAndComeBackWhenLeftEmpty() {
        AtTheExitScreen at;
        QApplication::setActiveWindow(at.exit);
        Child<QLineEdit>(at.exit, "txtName")->setFocus();
        QCOMPARE(Child<QLineEdit>(at.exit, "txtName")->text(), QString());
        Child<QLineEdit>(at.exit, "txtEmail")->setFocus();
        QCOMPARE(Child<QLineEdit>(at.exit, "txtName")->text(), QStringLiteral("Your Name"));
        Child<QLineEdit>(at.exit, "txtEmail")->setText(QStringLiteral("ann@example.com"));
        Child<QLineEdit>(at.exit, "txtName")->setFocus();
        QCOMPARE(Child<QLineEdit>(at.exit, "txtEmail")->text(), QStringLiteral("ann@example.com"));
        // The message starts with a line break after its placeholder, so it stays.
        Child<QPlainTextEdit>(at.exit, "txtMessage")->setFocus();
        QCOMPARE(Child<QPlainTextEdit>(at.exit, "txtMessage")->toPlainText(), QStringLiteral("Your Message\n"));
    }

    void aTypedBlankIsRefusedInTheAddressBoxes() {
        AtTheExitScreen at;
        for (QLineEdit* box : {Child<QLineEdit>(at.exit, "txtEmail"), Child<QLineEdit>(at.exit, "txtFriendEmail")}) {
            box->setText(QStringLiteral("ann"));
            QTest::keyClick(box, Qt::Key_Space);
            QCOMPARE(box->text(), QStringLiteral("ann"));
        }
        QCOMPARE(at.platform.messages.size(), 2u);
        QCOMPARE(at.platform.messages[0].text, QStringLiteral("Email Address Cannot Contain Space"));
        QVERIFY(at.platform.messages[0].icon == Platform::Icon::Critical);
        QTest::keyClick(Child<QLineEdit>(at.exit, "txtName"), Qt::Key_Space);  // a name may have blanks
        QCOMPARE(at.platform.messages.size(), 2u);
    }

    void theFormIsCheckedInOrder_data() {
        QTest::addColumn<QStringList>("fields");  // name, email, friend's name, friend's email
        QTest::addColumn<QString>("message");
        QTest::newRow("same addresses first")
            << QStringList{"", "a@b.c", "", "a@b.c"} << "Please Enter Distinct Email Addresses";
        QTest::newRow("untouched form") << QStringList{"Your Name", "Your Email Address", "Friend's Name",
                                                       "Friend's Email Address"}
                                        << "Please Enter Proper Email Address";
        QTest::newRow("no @") << QStringList{"Ann", "ann.example.com", "Bob", "bob@example.com"}
                              << "Please Enter Proper Email Address";
        QTest::newRow("no dot") << QStringList{"Ann", "ann@example", "Bob", "bob@example.com"}
                                << "Please Enter Proper Email Address";
        QTest::newRow("name placeholder")
            << QStringList{"Your Name", "ann@x.com", "Bob", "bob@x.com"} << "Please Enter Your Name";
        QTest::newRow("no friend's name")
            << QStringList{"Ann", "ann@x.com", "  ", "bob@x.com"} << "Please Enter Your Friend's Name";
        QTest::newRow("complete") << QStringList{" Ann ", "ann@x.com", "Bob", "bob@x.com"} << "";
    }

    void theFormIsCheckedInOrder() {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        AtTheExitScreen at;
        at.Fill(fields[0], fields[1], fields[2], fields[3]);
        Child<QPushButton>(at.exit, "cmdSubmit")->click();
        if (message.isEmpty()) {
            QVERIFY(at.platform.messages.empty());
            QCOMPARE(at.platform.opened.size(), 1);
            const QUrlQuery query(QUrl(at.platform.opened[0]));
            QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), QStringLiteral("Ann"));
            QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), QStringLiteral("Your Message\r\n"));
            QVERIFY(at.exit->isVisible());  // stays open, form kept
            QCOMPARE(Child<QLineEdit>(at.exit, "txtName")->text(), QStringLiteral(" Ann "));
        } else {
            QCOMPARE(at.platform.messages.size(), 1u);
            QCOMPARE(at.platform.messages[0].text, message);
            QVERIFY(at.platform.messages[0].icon == Platform::Icon::Critical);
            QVERIFY(at.platform.opened.isEmpty());
        }
    }

    void anEmptiedMessageIsRefused() {
        AtTheExitScreen at;
        at.Fill("Ann", "ann@x.com", "Bob", "bob@x.com");
        Child<QPlainTextEdit>(at.exit, "txtMessage")->setPlainText(QStringLiteral("Your Message"));
        Child<QPushButton>(at.exit, "cmdSubmit")->click();
        QCOMPARE(at.platform.messages.at(0).text, QStringLiteral("Please Enter Your Message"));
    }

    void theAddressCarriesEachValueWholeInItsOrder() {
        const TellAFriend form{QStringLiteral("Ann&taf5=x#1 50% +1"), QStringLiteral("ann@x.com"),
                               QStringLiteral("Hi=there\r\n&more"), QStringLiteral("Zo\u00EB \u65E5\u672C"),
                               QStringLiteral("bob+tag@x.com")};
        const QUrl address = TellAFriendAddress(QStringLiteral("https://zodiac.example.test"), form);
        QVERIFY(address.isValid());
        const QUrlQuery query(address);
        const auto items = query.queryItems(QUrl::FullyDecoded);
        QCOMPARE(items.size(), 7);
        const QStringList keys = {"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
        const QStringList values = {"tovi-refer-a-friend",
                                    form.name,
                                    form.email,
                                    form.message,
                                    form.friendName,
                                    form.friendEmail,
                                    "https://zodiac.example.test/qorvel-zodiac/"};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(items[i].first, keys[i]);
            QCOMPARE(items[i].second, values[i]);
        }
        QVERIFY(address.toString(QUrl::FullyEncoded).contains(QStringLiteral("bob%2Btag")));
        QVERIFY(address.toString(QUrl::FullyEncoded)
                    .startsWith(QStringLiteral(
                        "https://zodiac.example.test/qorvel-zodiac/ssd.php?page=tovi-refer-a-friend&taf1=")));
    }

    void theCheckBoxOpensTheHomePageOnceAndUnticks() {
        AtTheExitScreen at;
        Child<QCheckBox>(at.exit, "Check1")->click();
        QVERIFY(!Child<QCheckBox>(at.exit, "Check1")->isChecked());
        QCOMPARE(at.platform.opened, QStringList{Page("home-page")});
    }

    void theLinkOpensTheOtherProgramsPage() {
        AtTheExitScreen at;
        QTest::mouseClick(Child<LinkLabel>(at.exit, "lblGoToHome"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(at.platform.opened, QStringList{Page("lumorasoftwares")});
    }
};

QTEST_MAIN(ExitScreenTest)
#include "exit_screen_test.moc"
