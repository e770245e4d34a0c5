#include "core/wareki.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <map>
#include <memory>
#include <unordered_map>
#include <utility>

namespace zodiac {
namespace {

QString FromIcu(const icu::UnicodeString& text) { return QString::fromUtf16(text.getBuffer(), text.length()); }

// ICU's Japanese calendar and its era names, made once for each thread that
// asks: making them takes a hundred times longer than reading a day.
class EraCalendar {
public:
    EraCalendar() {
        UErrorCode status = U_ZERO_ERROR;
        calendar_.reset(icu::Calendar::createInstance(icu::Locale("ja_JP@calendar=japanese"), status));
        if (U_FAILURE(status) || !calendar_) return;
        // The day is a date, not a moment: its midnight in UTC, read back in UTC.
        calendar_->setTimeZone(*icu::TimeZone::getGMT());
        // And it is proleptic Gregorian, where ICU's calendars turn Julian before 1582.
        auto* gregorian = dynamic_cast<icu::GregorianCalendar*>(calendar_.get());
        if (!gregorian) return;
        gregorian->setGregorianChange(U_DATE_MIN, status);
        // The era's full name as each language writes it. DateFormatSymbols of the
        // locale alone would give the Gregorian calendar's BC and AD.
        japanese_ = EraFormat("ja_JP@calendar=japanese", status);
        english_ = EraFormat("en@calendar=japanese", status);
        ready_ = U_SUCCESS(status) && japanese_ && english_;
    }

    std::optional<Wareki> Of(std::chrono::year_month_day day) {
        if (!ready_ || !day.ok()) return std::nullopt;
        const EraYear known = EraYearOf(day);
        // ICU counts the days before its first era, Taika, back from that era's year 1.
        if (!known.ok || known.year < 1) return std::nullopt;
        const int era = known.era, year = known.year;
        const auto names = NamesOf(era, MidnightOf(day));
        if (!names) return std::nullopt;
        const QString number = year == 1 ? QStringLiteral("\u5143") : QString::number(year);  // 元
        return Wareki{names->first, names->second, year,
                      QStringLiteral("%1%2\u5E74%3\u6708%4\u65E5")  // 年 月 日
                          .arg(names->first, number)
                          .arg(static_cast<unsigned>(day.month()))
                          .arg(static_cast<unsigned>(day.day()))};
    }

private:
    struct EraYear {
        int era = 0;
        int year = 0;
        bool ok = false;
    };

    static UDate MidnightOf(std::chrono::year_month_day day) {
        return static_cast<UDate>(std::chrono::sys_days{day}.time_since_epoch().count()) * U_MILLIS_PER_DAY;
    }

    EraYear Ask(std::chrono::year_month_day day) {
        UErrorCode status = U_ZERO_ERROR;
        calendar_->setTime(MidnightOf(day), status);
        EraYear found{calendar_->get(UCAL_ERA, status), calendar_->get(UCAL_YEAR, status), false};
        found.ok = U_SUCCESS(status);
        return found;
    }

    // A month lies within one era and one of its years, but for the few months
    // an era began in: an era's year turns on 1 January or with the era. So
    // ICU is asked once a month, at its first and last days, and day by day only
    // in a month the two differ in.
    EraYear EraYearOf(std::chrono::year_month_day day) {
        using namespace std::chrono;
        const int key = static_cast<int>(day.year()) * 12 + static_cast<int>(static_cast<unsigned>(day.month()));
        auto [entry, isNew] = months_.try_emplace(key);
        if (isNew) {
            const EraYear first = Ask(day.year() / day.month() / 1);
            const EraYear last = Ask(year_month_day{day.year() / day.month() / std::chrono::last});
            if (first.ok && last.ok && first.era == last.era && first.year == last.year) entry->second = first;
        }
        return entry->second.ok ? entry->second : Ask(day);
    }

    std::unique_ptr<icu::SimpleDateFormat> EraFormat(const char* locale, UErrorCode& status) const {
        auto format = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(u"GGGG"), icu::Locale(locale), status);
        if (U_FAILURE(status)) return nullptr;
        format->setCalendar(*calendar_);
        return format;
    }

    // The Japanese and English names of ICU's era `era`, which the moment `at` is in.
    const std::pair<QString, QString>* NamesOf(int era, UDate at) {
        if (const auto known = names_.find(era); known != names_.end()) return &known->second;
        icu::UnicodeString japanese, english;
        japanese_->format(at, japanese);
        english_->format(at, english);
        if (japanese.isEmpty() || english.isEmpty()) return nullptr;
        return &names_.emplace(era, std::pair{FromIcu(japanese), FromIcu(english)}).first->second;
    }

    std::unique_ptr<icu::Calendar> calendar_;
    std::unique_ptr<icu::SimpleDateFormat> japanese_, english_;
    std::map<int, std::pair<QString, QString>> names_;  // by ICU's number of the era
    std::unordered_map<int, EraYear> months_;           // by year and month; not ok where an era began
    bool ready_ = false;
};

}  // namespace

std::optional<Wareki> WarekiOf(std::chrono::year_month_day day) {
    thread_local EraCalendar calendar;
    return calendar.Of(day);
}

}  // namespace zodiac
