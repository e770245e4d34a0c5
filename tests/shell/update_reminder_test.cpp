#include "shell/update_reminder.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/qt_platform.h"
#include "services/settings.h"
#include "services/web_links.h"
#include "tests/platform/fake_platform.h"

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

// Language, script and territory: unique among Qt's locales, unlike name() or bcp47Name().
QString LocaleTag(const QLocale& locale) {
    QStringList parts{QLocale::languageToCode(locale.language()), QLocale::scriptToCode(locale.script()),
                      QLocale::territoryToCode(locale.territory())};
    parts.removeAll(QString());
    return parts.join(u'_');
}

// Locales whose digits lie beyond the Basic Multilingual Plane, and some that never did.
void AddReminderLocaleRows() {
    QTest::addColumn<QLocale>("locale");
    for (const char* name : {"ccp_BD", "ccp_IN", "ff_Adlm_SN", "ff_Adlm_GN", "en_US", "de_DE", "ar_EG"}) {
        QTest::newRow(name) << QLocale(QString::fromLatin1(name));
    }
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
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("script");  // the script the name must give, so a row cannot quietly test another
        const struct {
            const char* name;
            QLocale::Script script;
        } named[] = {
            {"C", QLocale::AnyScript},
            {"en_US", QLocale::LatinScript},
            {"de_DE", QLocale::LatinScript},
            {"ja_JP", QLocale::JapaneseScript},
            {"ko_KR", QLocale::KoreanScript},
            {"ar_EG", QLocale::ArabicScript},
            {"fa_IR", QLocale::ArabicScript},
            {"hu_HU", QLocale::LatinScript},
            {"bg_BG", QLocale::CyrillicScript},
            {"ccp_BD", QLocale::ChakmaScript},
            {"ccp_IN", QLocale::ChakmaScript},
            {"ff_Adlm_SN", QLocale::AdlamScript},
            {"ff_Adlm_GN", QLocale::AdlamScript},
            {"ff_Adlm_NG", QLocale::AdlamScript},
        };
        for (const auto& row : named) {
            QTest::newRow(row.name) << QLocale(QString::fromLatin1(row.name)) << int(row.script);
        }
        const auto every = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QVERIFY(every.size() > 500);
        for (const QLocale& locale : every) {
            QTest::addRow("every %s", qPrintable(LocaleTag(locale))) << locale << int(QLocale::AnyScript);
        }
    }

    void theDateReadsBackAsWrittenInEveryLocale() {
        QFETCH(QLocale, locale);
        QFETCH(int, script);
        if (script != QLocale::AnyScript) QCOMPARE(locale.script(), QLocale::Script(script));
        const QDate today = QDate::currentDate();
        for (const QDate day : {kToday, QDate(2026, 1, 1), QDate(2028, 2, 29), QDate(2026, 12, 31), QDate(1999, 1, 31),
                                QDate(1999, 7, 4), QDate(2030, 2, 28), QDate(2030, 10, 9), QDate(2001, 11, 3), today}) {
            const QString written = ReminderDateText(day, locale);
            const QByteArray where =
                (LocaleTag(locale) + QStringLiteral(" (") + locale.dateFormat(QLocale::ShortFormat) +
                 QStringLiteral("), ") + day.toString(Qt::ISODate) + QStringLiteral(" written as \"") + written + u'"')
                    .toUtf8();
            // Nothing may be lost to the scrambling, and every digit is a plain one.
            QVERIFY2(DecodeSetting(EncodeSetting(written)) == written, where.constData());
            for (const char32_t code : QStringView(written).toUcs4()) {
                QVERIFY2(!QChar::isDigit(code) || (code >= u'0' && code <= u'9'), where.constData());
            }
            const auto read = ReadReminderDate(DecodeSetting(StoredDay(day, locale)), locale, today);
            QVERIFY2(read, where.constData());
            QVERIFY2(*read == day, (where + " read as " + read->toString(Qt::ISODate).toUtf8()).constData());
        }
    }

    void theWrittenDateKeepsTheLocalesOrderAndSeparators_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("layout");  // the same text as QDate writes it
        QTest::newRow("en_US") << QLocale(QStringLiteral("en_US")) << QStringLiteral("M/d/yyyy");
        QTest::newRow("de_DE") << QLocale(QStringLiteral("de_DE")) << QStringLiteral("dd.MM.yyyy");
        QTest::newRow("ja_JP") << QLocale(QStringLiteral("ja_JP")) << QStringLiteral("yyyy/MM/dd");
        QTest::newRow("ko_KR") << QLocale(QStringLiteral("ko_KR")) << QStringLiteral("yyyy. M. d.");
        QTest::newRow("hu_HU") << QLocale(QStringLiteral("hu_HU")) << QStringLiteral("yyyy. MM. dd.");
        // The quoted Cyrillic letter is lost to the scrambling; the rest stays.
        QTest::newRow("bg_BG") << QLocale(QStringLiteral("bg_BG")) << QStringLiteral("d.MM.yyyy .");
        // Right-to-left marks go, Arabic-Indic digits become plain ones.
        QTest::newRow("ar_EG") << QLocale(QStringLiteral("ar_EG")) << QStringLiteral("d/M/yyyy");
        QTest::newRow("fa_IR") << QLocale(QStringLiteral("fa_IR")) << QStringLiteral("yyyy/M/d");
        QTest::newRow("ccp_BD") << QLocale(QStringLiteral("ccp_BD")) << QStringLiteral("d/M/yyyy");
        QTest::newRow("ccp_IN") << QLocale(QStringLiteral("ccp_IN")) << QStringLiteral("d/M/yyyy");
        QTest::newRow("ff_Adlm_SN") << QLocale(QStringLiteral("ff_Adlm_SN")) << QStringLiteral("d-M-yyyy");
        // The month's English abbreviation survives the scrambling as it is.
        QTest::newRow("C") << QLocale::c() << QStringLiteral("d MMM yyyy");
    }

    void theWrittenDateKeepsTheLocalesOrderAndSeparators() {
        QFETCH(QLocale, locale);
        QFETCH(QString, layout);
        for (const QDate day : {kToday, QDate(2028, 2, 29), QDate(1999, 1, 1), QDate(2030, 10, 31)}) {
            QCOMPARE(ReminderDateText(day, locale), day.toString(layout));
        }
    }

    void whatEarlierVersionsStoredStillReads_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QDate>("day");  // invalid: nothing to read
        const QLocale c = QLocale::c();
        QTest::newRow("C, month name") << c << QStringLiteral("7 Dec 2026") << kToday;
        QTest::newRow("C, leap day") << c << QStringLiteral("29 Feb 2028") << QDate(2028, 2, 29);
        QTest::newRow("C, not a month") << c << QStringLiteral("7 Foo 2026") << QDate();
        QTest::newRow("en_US") << QLocale(QStringLiteral("en_US")) << QStringLiteral("12/7/2026") << kToday;
        QTest::newRow("de_DE") << QLocale(QStringLiteral("de_DE")) << QStringLiteral("07.12.2026") << kToday;
        QTest::newRow("de_DE, two-digit year")
            << QLocale(QStringLiteral("de_DE")) << QStringLiteral("07.12.26") << kToday;
        QTest::newRow("bg_BG, lost letter")
            << QLocale(QStringLiteral("bg_BG")) << QStringLiteral("7.12.2026 .") << kToday;
        QTest::newRow("ko_KR, two-digit year")
            << QLocale(QStringLiteral("ko_KR")) << QStringLiteral("99. 1. 31.") << QDate(1999, 1, 31);
        QTest::newRow("ja_JP") << QLocale(QStringLiteral("ja_JP")) << QStringLiteral("2026/12/07") << kToday;
        QTest::newRow("fa_IR") << QLocale(QStringLiteral("fa_IR")) << QStringLiteral("2026/12/7") << kToday;
        // The Chakma date as the locale itself writes it: digits beyond the Basic Multilingual Plane.
        QTest::newRow("ccp_BD, own digits")
            << QLocale(QStringLiteral("ccp_BD")) << QLocale(QStringLiteral("ccp_BD")).toString(kToday, u"d/M/yyyy")
            << kToday;
        QTest::newRow("ff_Adlm_SN, own digits")
            << QLocale(QStringLiteral("ff_Adlm_SN"))
            << QLocale(QStringLiteral("ff_Adlm_SN")).toString(kToday, u"d-M-yyyy") << kToday;
        // What the faulty versions left behind holds no date at all.
        QTest::newRow("ccp_BD, digits lost") << QLocale(QStringLiteral("ccp_BD")) << QStringLiteral("//") << QDate();
    }

    void whatEarlierVersionsStoredStillReads() {
        QFETCH(QLocale, locale);
        QFETCH(QString, stored);
        QFETCH(QDate, day);
        QCOMPARE(ReadReminderDate(stored, locale, kToday), day.isValid() ? std::optional(day) : std::nullopt);
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

    void aDayStoredTwentyDaysAgoAsksInEveryScriptOfDigits_data() { AddReminderLocaleRows(); }

    void aDayStoredTwentyDaysAgoAsksInEveryScriptOfDigits() {
        QFETCH(QLocale, locale);
        FakePlatform platform;
        platform.todayIs = kToday;
        platform.settings[kScrambledKey] = StoredDay(kToday.addDays(-20), locale);
        WebLinks links(platform, QStringLiteral("https://zodiac.example.test"));
        UpdateReminder(platform, links, locale);
        QCOMPARE(platform.questions.size(), 1u);
        QCOMPARE(platform.questions[0].text, kQuestion);
        QCOMPARE(ReadReminderDate(DecodeSetting(platform.settings[kScrambledKey]), locale, kToday),
                 std::optional(kToday));
    }

    void aFirstStartThenTwentyDaysLaterAsksInEveryScriptOfDigits_data() { AddReminderLocaleRows(); }

    void aFirstStartThenTwentyDaysLaterAsksInEveryScriptOfDigits() {
        QFETCH(QLocale, locale);
        FakePlatform platform;
        platform.todayIs = QDate(2028, 2, 29);
        WebLinks links(platform, QStringLiteral("https://zodiac.example.test"));
        UpdateReminder(platform, links, locale);
        QVERIFY(platform.questions.empty());
        platform.todayIs = platform.todayIs.addDays(20);
        UpdateReminder(platform, links, locale);
        QCOMPARE(platform.questions.size(), 1u);
        // The day of that question was noted: the next start stays quiet.
        platform.todayIs = platform.todayIs.addDays(14);
        UpdateReminder(platform, links, locale);
        QCOMPARE(platform.questions.size(), 1u);
        platform.todayIs = platform.todayIs.addDays(1);
        UpdateReminder(platform, links, locale);
        QCOMPARE(platform.questions.size(), 2u);
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

    // Earlier versions lost the digits of Chakma and Adlam dates and stored only
    // the separators; such a value counts as never written, so reminding starts again.
    void separatorsLeftByAnEarlierVersionCountAsAFirstStart_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("Chakma") << QStringLiteral("//");
        QTest::newRow("Adlam") << QStringLiteral("--");
        QTest::newRow("blanks and dots") << QStringLiteral(" . ");
    }

    void separatorsLeftByAnEarlierVersionCountAsAFirstStart() {
        QFETCH(QString, stored);
        FakePlatform platform;
        platform.settings[kScrambledKey] = EncodeSetting(stored);
        WebLinks links(platform, QStringLiteral("https://zodiac.example.test"));
        const QLocale chakma(QStringLiteral("ccp_BD"));
        UpdateReminder(platform, links, chakma);
        QVERIFY(platform.questions.empty());
        QCOMPARE(ReadReminderDate(DecodeSetting(platform.settings[kScrambledKey]), chakma, platform.todayIs),
                 std::optional(platform.todayIs));
        platform.todayIs = platform.todayIs.addDays(15);
        UpdateReminder(platform, links, chakma);
        QCOMPARE(platform.questions.size(), 1u);
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
        const auto read = ReadReminderDate(DecodeSetting(again.SettingValue("Settings", EncodeSetting("Duration"))),
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
            QCOMPARE(platform.SettingValue(QStringLiteral("Other"), QStringLiteral("kept")), QStringLiteral("yes"));
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
