#include "shell/result_window.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "core/zodiac_state.h"
#include "engine/profiles.h"
#include "look/image_list.h"
#include "look/text_boxes.h"
#include "shell/exit_screen.h"
#include "tests/app/program_fixture.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

bool SamePicture(const QLabel* box, const QPixmap& expected) {
    return !expected.isNull() && box->pixmap().toImage() == expected.toImage();
}

}  // namespace

class ResultWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Typed here: each animal's picture and Japanese sign, and a birthday in one of its years.
    void eachSignShowsItsOwnPictureAndSymbol_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("japanese");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("symbol");
        const struct {
            int year;
            const char *sign, *japanese, *file;
        } rows[] = {
            {1948, "Rat", "Nezumi", "rat"},      {1961, "Ox", "Ushi", "ox"},
            {1974, "Tiger", "Tora", "tiger"},    {1987, "Rabbit", "Usagi", "rabbit"},
            {2000, "Dragon", "Tatsu", "dragon"}, {1953, "Snake", "Hebi", "snake"},
            {1966, "Horse", "Uma", "horse"},     {1979, "Sheep", "Hitsuji", "sheep"},
            {1992, "Monkey", "Saru", "monkey"},  {2005, "Rooster", "Tori", "rooster"},
            {1946, "Dog", "Inu", "dog"},         {1959, "Boar", "Inoshishi", "boar"},
        };
        for (const auto& row : rows) {
            QTest::newRow(row.sign) << row.year << row.sign << row.japanese
                                    << QStringLiteral(":/animals/%1.png").arg(QLatin1String(row.file))
                                    << QStringLiteral(":/symbols/%1.png").arg(QLatin1String(row.file));
        }
    }

    void eachSignShowsItsOwnPictureAndSymbol() {
        QFETCH(int, year);
        QFETCH(QString, sign);
        QFETCH(QString, japanese);
        QFETCH(QString, picture);
        QFETCH(QString, symbol);
        Program program;
        program.Run(QStringLiteral("Ann"), 15, 6, year);  // mid-June lies well inside the lunar year
        ResultWindow* r = program.app.LoadedResultWindow();
        QVERIFY(r && r->isVisible());
        QCOMPARE(Child<QLabel>(r, "lblMaleChinesesign")->text(), sign);
        QCOMPARE(Child<QLabel>(r, "lblJapaneseSign")->text(), japanese);
        QVERIFY2(SamePicture(Child<QLabel>(r, "YourPicture"), QPixmap(picture)), qPrintable(picture));
        QVERIFY2(SamePicture(Child<QLabel>(r, "picJapaneseSignSymbol"), QPixmap(symbol)), qPrintable(symbol));
    }

    void backFollowedAtOnceByTheMainCommandShowsAFreshWindowThatStays() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        QPointer<ResultWindow> first = program.app.LoadedResultWindow();
        Child<QPushButton>(first, "cmdBack")->click();
        // Faster than a hand: before the event loop has deleted the closed window.
        program.Run(QStringLiteral("Bob"), 10, 8, 1990);
        QPointer<ResultWindow> second = program.app.LoadedResultWindow();
        QVERIFY(second && second != first);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(second && second->isVisible());
        QCOMPARE(Child<QLabel>(second, "lblMaleChinesesign")->text(), QStringLiteral("Horse"));
        QVERIFY(!program.main()->isVisible());
    }

    void theRoadOfOneRequest() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* r = program.app.LoadedResultWindow();
        QVERIFY(r && r->isVisible());
        QVERIFY(!program.main()->isVisible());
        QCOMPARE(Child<QGroupBox>(r, "Framale")->title(), QStringLiteral("Ann's Characteristic"));
        QCOMPARE(Child<QLabel>(r, "lblMaleChinesesign")->text(), QStringLiteral("Rabbit"));
        QCOMPARE(Child<QLabel>(r, "lblMaleChineseElements")->text(), QStringLiteral("Wood"));
        QCOMPARE(Child<QLabel>(r, "lblJapaneseSign")->text(), QStringLiteral("Usagi"));
        QVERIFY(SamePicture(Child<QLabel>(r, "picJapaneseSignSymbol"), JapaneseSymbols().Picture(7)));
        QCOMPARE(JapaneseSymbols().entry(7).key, QStringLiteral("Rabbit"));
        QCOMPARE(Child<QLineEdit>(r, "txtMaleWesternZodiacSign")->text(), QStringLiteral("Pisces"));
        QVERIFY(
            SamePicture(Child<QLabel>(r, "YourPicture"), AnimalPictures().Picture(*AnimalPictures().Find("Pisces"))));
        QCOMPARE(Child<QLineEdit>(r, "txtMaleRulingPlanet")->text(), QStringLiteral("Jupiter"));
        QCOMPARE(Child<QLineEdit>(r, "txtMaleLuckyNumber")->text(), QStringLiteral("1, 3, 5, 9, 15, 19 and 35"));
        QCOMPARE(Child<QLineEdit>(r, "txtMAleLeastCompatibleSign")->text(), QStringLiteral("Rooster"));
        QVERIFY(Child<QPlainTextEdit>(r, "txtMalePositiveTraits")->toPlainText().startsWith(QStringLiteral("You")));
        QVERIFY(!Child<QPlainTextEdit>(r, "txtMaleElementDescription")->toPlainText().isEmpty());
        QCOMPARE(program.app.state().user->birthText, QStringLiteral("5 March 1975"));
    }

    void everyOneLineBoxShowsTheStartOfItsText() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        const auto boxes = program.app.LoadedResultWindow()->findChildren<QLineEdit*>();
        QVERIFY(boxes.size() >= 22);  // eleven one-line fields a person
        for (const QLineEdit* box : boxes) QVERIFY2(box->cursorPosition() == 0, qPrintable(box->objectName()));
    }

    // The frames are drawn on the windows' background, RGB(14, 41, 128): inside
    // their edge, where no control lies, as outside them.
    void theFramesAreFilledWithTheWindowsBlue() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* r = program.app.LoadedResultWindow();
        for (QGroupBox* frame : {Child<QGroupBox>(r, "Framale"), Child<QGroupBox>(r, "Frame1")}) {
            const QImage drawn = frame->grab().toImage();
            const int middle = frame->height() / 2;
            QCOMPARE(drawn.pixelColor(4, middle), QColor(14, 41, 128));
            QCOMPARE(drawn.pixelColor(frame->width() - 5, frame->height() - 5), QColor(14, 41, 128));
            QVERIFY(drawn.pixelColor(1, middle) != QColor(14, 41, 128));  // the edge itself still shows
        }
    }

    void theHiddenSectionIsBelowTheClientAreaAndFilled() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* r = program.app.LoadedResultWindow();
        QCOMPARE(r->centralWidget()->size(), QSize(666, 531));
        QVERIFY(Child<QTabWidget>(r, "SSTab")->geometry().top() >= r->centralWidget()->height());
        QCOMPARE(Child<QTabWidget>(r, "SSTab")->currentIndex(), 0);
        QCOMPARE(Child<QTabWidget>(r, "SSTab")->tabText(0), QStringLiteral("Chinese Compatibility  "));
        // The untouched partner section: 1 January 1936, before that year's new year.
        QCOMPARE(Child<QLabel>(r, "lblFemaleChineseSign")->text(), QStringLiteral("Boar"));
        QCOMPARE(Child<QLabel>(r, "lblFemaleChineseElements")->text(), QStringLiteral("Wood"));
        QCOMPARE(Child<QGroupBox>(r, "Frafemale")->title(), QString());
        QCOMPARE(Child<QLineEdit>(r, "txtFemaleWesternZodiacSign")->text(), QStringLiteral("Scorpio"));
        QVERIFY(SamePicture(Child<QLabel>(r, "YourPartnerPicture"),
                            AnimalPictures().Picture(*AnimalPictures().Find("Scorpio"))));
        QCOMPARE(Child<QLabel>(r, "lblChineseCompatibilityNumber")->text(), QStringLiteral("9"));
        QCOMPARE(Child<QLabel>(r, "lblChinesePercentage")->text(), QStringLiteral("90%"));
        QCOMPARE(Child<QLabel>(r, "lblChineseRating")->text(), QStringLiteral("A Great Match"));
        QCOMPARE(Child<QLabel>(r, "lblMatchingDescription")->text(),
                 QStringLiteral("Compatibility Of Rabbit With  Boar :-"));
        QVERIFY(Child<QPlainTextEdit>(r, "txtMatchingDescription")->toPlainText().endsWith(QStringLiteral("nine.")));
    }

    // Both people's thirteen boxes, each against its own field of that person's profile.
    void everyProfileBoxShowsItsOwnField() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* r = program.app.LoadedResultWindow();
        const ZodiacState& state = program.app.state();
        QVERIFY(state.user && state.partner);
        const struct {
            ProfileField field;
            QWidget *user, *partner;
        } boxes[] = {
            {ProfileField::RulingPlanet, Child<QLineEdit>(r, "txtMaleRulingPlanet"),
             Child<QLineEdit>(r, "txtFemaleRulingPlanet")},
            {ProfileField::PositiveTraits, Child<QPlainTextEdit>(r, "txtMalePositiveTraits"),
             Child<QPlainTextEdit>(r, "txtFemalePositiveTraits")},
            {ProfileField::NegativeTraits, Child<QPlainTextEdit>(r, "txtMaleNegativeTraits"),
             Child<QPlainTextEdit>(r, "txtFemaleNegativeTraits")},
            {ProfileField::MostCompatibleSign, Child<QLineEdit>(r, "txtMaleMostCompatibleSign"),
             Child<QLineEdit>(r, "txtFemaleMostCompatibleSign")},
            {ProfileField::LeastCompatibleSign, Child<QLineEdit>(r, "txtMAleLeastCompatibleSign"),
             Child<QLineEdit>(r, "txtFemaleLeastCompitibleSign")},
            {ProfileField::LuckyColour, Child<QLineEdit>(r, "txtMaleLuckycolour"),
             Child<QLineEdit>(r, "txtFemaleLuckycolour")},
            {ProfileField::GemStone, Child<QLineEdit>(r, "txtMaleGemStone"), Child<QLineEdit>(r, "txtFemaleGemStone")},
            {ProfileField::Energy, Child<QLineEdit>(r, "txtMaleEnergy"), Child<QLineEdit>(r, "txtFemaleEnergy")},
            {ProfileField::LuckySeasons, Child<QLineEdit>(r, "txtMaleLuckySeasons"),
             Child<QLineEdit>(r, "txtFemaleLuckySeasons")},
            {ProfileField::LuckyMonth, Child<QLineEdit>(r, "txtMaleLuckyMonth"),
             Child<QLineEdit>(r, "txtFemaleLuckyMonth")},
            {ProfileField::FamousPersons, Child<QLineEdit>(r, "txtMaleFamousPersonBorn"),
             Child<QLineEdit>(r, "txtFemaleFamousPerson")},
            {ProfileField::WesternZodiacSign, Child<QLineEdit>(r, "txtMaleWesternZodiacSign"),
             Child<QLineEdit>(r, "txtFemaleWesternZodiacSign")},
            {ProfileField::LuckyNumber, Child<QLineEdit>(r, "txtMaleLuckyNumber"),
             Child<QLineEdit>(r, "txtFemaleLuckyNumber")},
        };
        for (const auto& [field, user, partner] : boxes) {
            QCOMPARE(BoxText(user), QString::fromStdString(state.user->profile[field]));
            QCOMPARE(BoxText(partner), QString::fromStdString(state.partner->profile[field]));
        }
    }

    void aNameOfBlanksGivesACaptionStartingWithTheApostrophe() {
        Program program;
        program.Run(QStringLiteral("   "), 1, 7, 1980);
        QCOMPARE(Child<QGroupBox>(program.app.LoadedResultWindow(), "Framale")->title(),
                 QStringLiteral("'s Characteristic"));
    }

    void backThenASecondRunLeavesNothingOfTheFirst() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        QPointer<ResultWindow> first = program.app.LoadedResultWindow();
        Child<QPushButton>(first, "cmdBack")->click();
        QVERIFY(program.main()->isVisible());
        QCOMPARE(Child<QLineEdit>(program.main(), "txtMaleName")->text(), QStringLiteral("Ann"));
        QTRY_VERIFY(!first);                       // unloaded
        QVERIFY(!program.app.LoadedExitScreen());  // Back never hands over
        QCOMPARE(program.platform.ended, 0);

        program.Run(QStringLiteral("Bob"), 10, 8, 1990);
        ResultWindow* second = program.app.LoadedResultWindow();
        QCOMPARE(Child<QGroupBox>(second, "Framale")->title(), QStringLiteral("Bob's Characteristic"));
        QCOMPARE(Child<QLabel>(second, "lblMaleChinesesign")->text(), QStringLiteral("Horse"));
        QCOMPARE(Child<QLabel>(second, "lblMaleChineseElements")->text(), QStringLiteral("Metal"));
        QCOMPARE(Child<QLabel>(second, "lblJapaneseSign")->text(), QStringLiteral("Uma"));
        QCOMPARE(Child<QLineEdit>(second, "txtMaleWesternZodiacSign")->text(), QStringLiteral("Gemini"));
        QVERIFY(SamePicture(Child<QLabel>(second, "YourPicture"),
                            AnimalPictures().Picture(*AnimalPictures().Find("Gemini"))));
        QVERIFY(SamePicture(Child<QLabel>(second, "picJapaneseSignSymbol"), JapaneseSymbols().Picture(4)));
        QCOMPARE(Child<QLineEdit>(second, "txtMaleGemStone")->text(), QStringLiteral("Beryl"));
    }

    void backThroughTheMenuKeepsTheProgramRunning() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        Child<QAction>(program.app.LoadedResultWindow(), "mnuBack")->trigger();
        QVERIFY(program.main()->isVisible());
        QTRY_VERIFY(!program.app.LoadedResultWindow());
        QCOMPARE(program.platform.ended, 0);
    }

    void exitAndTheCloseBoxHandOverToTheExitScreen() {
        for (int way = 0; way < 3; ++way) {
            Program program;
            program.Run(QStringLiteral("Ann"), 5, 3, 1975);
            ResultWindow* r = program.app.LoadedResultWindow();
            if (way == 0) Child<QPushButton>(r, "cmdExit")->click();
            if (way == 1) Child<QAction>(r, "mnuExit")->trigger();
            if (way == 2) r->close();
            QVERIFY(program.app.LoadedExitScreen() && program.app.LoadedExitScreen()->isVisible());
            QTRY_VERIFY(!program.app.LoadedResultWindow());
            QVERIFY(program.app.LoadedMainWindow());  // loaded, hidden
            QVERIFY(!program.app.LoadedMainWindow()->isVisible());
            QCOMPARE(program.platform.ended, 0);
        }
    }

    void theRunLeavesTheClipboardAloneAndTheCompatibilityTextCannotBeCopied() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("copied elsewhere"));
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        QPlainTextEdit* box = Child<QPlainTextEdit>(program.app.LoadedResultWindow(), "txtMatchingDescription");
        QTest::mouseClick(box->viewport(), Qt::LeftButton);
        QTest::mouseDClick(box->viewport(), Qt::LeftButton);
        QCOMPARE(clipboard->text(), QStringLiteral("copied elsewhere"));
        QCOMPARE(box->textInteractionFlags(), Qt::NoTextInteraction);
        QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!box->textCursor().hasSelection());
    }

    void everyPictureIsCompiledIn() {
        for (const ImageList* list : {&AnimalPictures(), &JapaneseSymbols()}) {
            QCOMPARE(list->count(), 12);
            for (int position = 1; position <= 12; ++position) {
                const QPixmap picture = list->Picture(position);
                QVERIFY2(!picture.isNull(), qPrintable(list->entry(position).resource));
                if (list == &AnimalPictures()) QCOMPARE(picture.size(), QSize(200, 200));
            }
        }
    }
};

QTEST_MAIN(ResultWindowTest)
#include "result_window_test.moc"
