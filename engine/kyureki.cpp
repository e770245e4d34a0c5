#include "engine/kyureki.h"

#include <algorithm>
#include <iterator>

#include "engine/kyureki_months.h"

namespace zodiac {
namespace {

using detail::kKyurekiMonths;
using detail::KyurekiMonth;
using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr sys_days kFirstDay{std::chrono::year{1900} / 1 / 1};
constexpr sys_days kLastDay{std::chrono::year{2100} / 12 / 31};

constexpr sys_days FirstDay(const KyurekiMonth& month) { return sys_days{days{month.first}}; }

// Each month begins the day after the one before ends, is a true lunar month and
// has a number; the whole run holds every day of the years covered.
constexpr bool MonthsFollowOneAnother() {
    for (std::size_t i = 0; i < kKyurekiMonths.size(); ++i) {
        const KyurekiMonth& month = kKyurekiMonths[i];
        if ((month.length != 29 && month.length != 30) || month.number < 1 || month.number > 12) return false;
        if (i > 0) {
            const KyurekiMonth& before = kKyurekiMonths[i - 1];
            if (before.first + before.length != month.first) return false;
            // The next number, or the same for a leap month; never two leap months running.
            if (month.leap ? before.leap || month.number != before.number : month.number != before.number % 12 + 1)
                return false;
        }
    }
    const KyurekiMonth& last = kKyurekiMonths.back();
    return FirstDay(kKyurekiMonths.front()) <= kFirstDay && FirstDay(last) <= kLastDay &&
           FirstDay(last) + days{last.length} > kLastDay;
}
// The 73,414 days are 2,486 mean months of 29.53 days, and the last month runs on into 2101.
static_assert(kKyurekiMonths.size() == 2487, "the months from 1900 to 2100");
static_assert(MonthsFollowOneAnother(), "the months must run unbroken over 1900 to 2100, each numbered after the last");

}  // namespace

std::optional<KyurekiDate> KyurekiOf(year_month_day day) {
    if (!day.ok()) return std::nullopt;
    const sys_days wanted{day};
    if (wanted < kFirstDay || wanted > kLastDay) return std::nullopt;
    // The last month that begins on or before the day.
    const auto after =
        std::ranges::upper_bound(kKyurekiMonths, wanted.time_since_epoch().count(), {}, &KyurekiMonth::first);
    const KyurekiMonth& month = *std::prev(after);
    return KyurekiDate{month.number, static_cast<int>((wanted - FirstDay(month)).count()) + 1, month.leap};
}

std::string KyurekiKanji(const KyurekiDate& date) {
    // 閏, 月, 日
    return (date.leap ? "\u958F" : "") + std::to_string(date.month) + "\u6708" + std::to_string(date.day) + "\u65E5";
}

}  // namespace zodiac
