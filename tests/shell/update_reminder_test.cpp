#include "update_reminder.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "fake_platform.h"
#include "qt_platform.h"
#include "settings.h"
#include "web_links.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

const QString kScrambledKey = QStringLiteral("Settings/") + EncodeSetting(QStringLiteral("Duration"));
const QString kQuestion =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");
const QString kDownload = QStringLiteral("https://zodiac.example.test/qorvel-zodiac/ssd.php?page=download-web-page");
const QDate kToday(2026, 12, 7);

QString StoredDay(QDate day, const QLocale& locale = QLocale::c()) {
    return EncodeSetting(ReminderDateText(day, locale));
}

}  // namespace

class UpdateReminderTest : public QObject {
    Q_OBJECT

private slots:
    void scramblingShiftsBy85AndDropsWhatLeavesTheCodePage() {
        QCOMPARE(EncodeSetting(QStringLiteral("Duration")), QString::fromLatin1("\x99\xCA\xC7\xB6\xC9\xBE\xC4\xC3"));
        QString everyKept;
        for (char16_t code = 0; code <= 170; ++code) everyKept.append(QChar(code));
        QCOMPARE(DecodeSetting(EncodeSetting(everyKept)), everyKept);
        // Codes above 170 would pass 255 once shifted (and anything beyond Latin-1 has no code).
        QCOMPARE(EncodeSetting(QStringLiteral("a\u00AB\u00E9\u65E5b")), QString::fromLatin1("\xB6\xB7"));
        // Decoding drops codes below 85.
        QCOMPARE(DecodeSetting(QString::fromLatin1("A\x55\x54")), QString(QChar(0)));
    }

    void theDateReadsBackAsWrittenInEveryLocale_data() {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"C", "en_US", "de_DE", "ja_JP", "ko_KR", "ar_EG", "fa_IR", "hu_HU", "bg_BG"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    void theDateReadsBackAsWrittenInEveryLocale() {
        QFETCH(QString, locale);
        const QLocale here(locale);
        for (const QDate day : {kToday, QDate(1999, 1, 31), QDate(2030, 2, 28), QDate(2001, 11, 3)}) {
            const QString stored = StoredDay(day, here);
            const auto read = ReadReminderDate(DecodeSetting(stored), here, kToday);
            QVERIFY2(read, qPrintable(ReminderDateText(day, here)));
            QCOMPARE(*read, day);
        }
    }

    void twoDigitYearsAreReadInTheNearestCentury() {
        const QLocale us(QStringLiteral("en_US"));
        QCOMPARE(ReadReminderDate(QStringLiteral("12/7/26"), us, kToday), std::optional(kToday));
        QCOMPARE(ReadReminderDate(QStringLiteral("1/1/99"), us, kToday), std::optional(QDate(1999, 1, 1)));
        QCOMPARE(ReadReminderDate(QStringLiteral("3/4/70"), us, kToday), std::optional(QDate(2070, 3, 4)));
        QCOMPARE(ReadReminderDate(QStringLiteral("not a date"), us, kToday), std::nullopt);
        QCOMPARE(ReadReminderDate(QStringLiteral("13/45/2026"), us, kToday), std::nullopt);
    }

    void remindsFromTheFifteenthDayEitherWay_data() {
        QTest::addColumn<int>("daysAgo");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asks");
        QTest::newRow("today") << 0 << true << false;
        QTest::newRow("14 days ago") << 14 << true << false;
        QTest::newRow("14 days ahead") << -14 << true << false;
        QTest::newRow("15 days ago, yes") << 15 << true << true;
        QTest::newRow("15 days ago, no") << 15 << false << true;
        QTest::newRow("15 days ahead, yes") << -15 << true << true;
        QTest::newRow("15 days ahead, no") << -15 << false << true;
        QTest::newRow("a year ago") << 365 << false << true;
    }

    void remindsFromTheFifteenthDayEitherWay() {
        QFETCH(int, daysAgo);
        QFETCH(bool, answer);
        QFETCH(bool, asks);
        FakePlatform platform;
        platform.todayIs = kToday;
        platform.answers = {answer};
        const QString stored = StoredDay(kToday.addDays(-daysAgo));
        platform.settings[kScrambledKey] = stored;
        WebLinks links(platform, QStringLiteral("https://zodiac.example.test"));
        UpdateReminder(platform, links, QLocale::c());
        if (!asks) {
            QVERIFY(platform.questions.empty());
            QCOMPARE(platform.settings[kScrambledKey], stored);
            QVERIFY(platform.opened.isEmpty());
            return;
        }
        QCOMPARE(platform.questions.size(), 1u);
        QCOMPARE(platform.questions[0].text, kQuestion);
        QVERIFY(platform.questions[0].icon == Platform::Icon::Information);
        QCOMPARE(platform.settings[kScrambledKey], StoredDay(kToday));
        QCOMPARE(platform.opened, answer ? QStringList{kDownload} : QStringList{});
    }

    void theFirstStartOnlyNotesTheDay() {
        FakePlatform platform;
        WebLinks links(platform, QStringLiteral("https://zodiac.example.test"));
        UpdateReminder(platform, links, QLocale::c());
        QVERIFY(platform.questions.empty());
        QCOMPARE(platform.settings.keys(), QStringList{kScrambledKey});
        QCOMPARE(platform.settings[kScrambledKey], StoredDay(platform.todayIs));
    }

    void aStoredValueThatIsNoDateIsLeftAlone() {
        FakePlatform platform;
        platform.settings[kScrambledKey] = EncodeSetting(QStringLiteral("soon"));
        WebLinks links(platform, QStringLiteral("https://zodiac.example.test"));
        UpdateReminder(platform, links, QLocale::c());
        QVERIFY(platform.questions.empty());
        QCOMPARE(platform.settings[kScrambledKey], EncodeSetting(QStringLiteral("soon")));
    }

    void theStoreNeverHoldsThePlainKeyOrDate() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("settings.ini"));
        {
            QtPlatform platform(file);
            WebLinks links(platform, QStringLiteral("https://zodiac.example.test"));
            UpdateReminder(platform, links, QLocale(QStringLiteral("en_US")));
        }
        QFile stored(file);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        const QByteArray content = stored.readAll();
        QVERIFY(content.contains("[Settings]"));
        QVERIFY(!content.contains("Duration"));
        const QString today = ReminderDateText(QDate::currentDate(), QLocale(QStringLiteral("en_US")));
        QVERIFY(!content.contains(today.toUtf8()));
        // And it reads back as today: a second start asks nothing.
        QtPlatform again(file);
        WebLinks links(again, QStringLiteral("https://zodiac.example.test"));
        const auto read = ReadReminderDate(DecodeSetting(again.settingValue("Settings", EncodeSetting("Duration"))),
                                           QLocale(QStringLiteral("en_US")), QDate::currentDate());
        QCOMPARE(read, std::optional(QDate::currentDate()));
    }

    void aDamagedSettingsFileNeitherStopsTheStartNorLosesItsOtherContent() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("settings.ini"));
        const QByteArray damage("[Other]\nkept=yes\n\x01\x02\xFF\xFE garbage ]]] [[[\n=\n[Settings\nno end\0here", 55);
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(damage);
        damaged.close();
        {
            QtPlatform platform(file);
            WebLinks links(platform, QStringLiteral("https://zodiac.example.test"));
            UpdateReminder(platform, links, QLocale::c());
            QCOMPARE(platform.settingValue(QStringLiteral("Other"), QStringLiteral("kept")), QStringLiteral("yes"));
        }
        QVERIFY(damaged.open(QIODevice::ReadOnly));
        QCOMPARE(damaged.readAll(), damage);
    }

    void otherContentOfAGoodFileIsKept() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("settings.ini"));
        QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("Other/kept"), QStringLiteral("yes"));
        {
            QtPlatform platform(file);
            WebLinks links(platform, QStringLiteral("https://zodiac.example.test"));
            UpdateReminder(platform, links, QLocale::c());
        }
        QSettings read(file, QSettings::IniFormat);
        QCOMPARE(read.value(QStringLiteral("Other/kept")).toString(), QStringLiteral("yes"));
        QVERIFY(!read.value(kScrambledKey).toString().isEmpty());
    }
};

QTEST_GUILESS_MAIN(UpdateReminderTest)
#include "update_reminder_test.moc"
