#include "engine/solar_terms.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/almanac.h"
#include "engine/setsu_instants.h"

namespace zodiac {
namespace {

using detail::kSetsuSeconds;
using std::chrono::days;
using std::chrono::seconds;
using std::chrono::sys_days;
using std::chrono::sys_seconds;
using std::chrono::year_month_day;

constexpr int kFirstYear = 1900;
// The table opens with the taisetsu of 1899, so that the days of 1900 before its
// shōkan have their month, the ne month of the risshun year 1899; every setsu of
// 1900 on stands one place further.
constexpr std::size_t kLeading = 1;

// The days of its month on which each setsu falls in Japan time, 1899 to 2101:
// shōkan in January, risshun in February, and so on to taisetsu in December.
struct Days {
    unsigned first, last;
};
constexpr std::array<Days, kSetsuCount> kUsualDays = {{
    {4, 7},
    {3, 5},
    {4, 7},
    {4, 6},
    {4, 7},
    {4, 7},
    {6, 8},
    {6, 9},
    {6, 9},
    {7, 9},
    {6, 8},
    {6, 8},
}};

constexpr sys_seconds At(std::size_t index) { return sys_seconds{seconds{kSetsuSeconds[index]}}; }

// Twelve a year, each after the one before and in its own days of its own month.
constexpr bool SetsuFollowTheYears() {
    for (std::size_t i = 0; i < kSetsuSeconds.size(); ++i) {
        if (i > 0 && kSetsuSeconds[i] <= kSetsuSeconds[i - 1]) return false;
        const year_month_day japan{std::chrono::floor<days>(At(i) + std::chrono::hours{9})};
        const std::size_t since = kFirstYear * kSetsuCount + i - kLeading;  // counted from shōkan of year 0
        const Days& usual = kUsualDays[since % kSetsuCount];
        if (japan.year() != std::chrono::year{static_cast<int>(since / kSetsuCount)} ||
            japan.month() != std::chrono::month{static_cast<unsigned>(since % kSetsuCount) + 1} ||
            japan.day() < std::chrono::day{usual.first} || japan.day() > std::chrono::day{usual.last})
            return false;
    }
    return true;
}
static_assert(kSetsuSeconds.size() == kLeading + (2100 - kFirstYear + 1) * kSetsuCount + 2 && SetsuFollowTheYears(),
              "twelve setsu a year from the taisetsu of 1899 to the risshun of 2101, in order, each in its days");

}  // namespace

std::optional<sys_seconds> SetsuMoment(int year, Setsu setsu) {
    const long index = static_cast<long>(year - kFirstYear) * static_cast<long>(kSetsuCount) +
                       static_cast<long>(setsu) + static_cast<long>(kLeading);
    if (index < 0 || index >= static_cast<long>(kSetsuSeconds.size())) return std::nullopt;
    return At(static_cast<std::size_t>(index));
}

std::optional<RisshunYear> RisshunYearNumbered(int year) {
    const auto begins = SetsuMoment(year, Setsu::Risshun), ends = SetsuMoment(year + 1, Setsu::Risshun);
    if (!begins || !ends) return std::nullopt;
    return RisshunYear{year, *begins, *ends};
}

std::optional<RisshunYear> RisshunYearAt(sys_seconds moment) {
    // The year of the solar month that holds the moment.
    const auto month = SolarMonthAt(moment);
    return month ? RisshunYearNumbered(month->year) : std::nullopt;
}

std::optional<SolarMonth> SolarMonthNumbered(int year, int index) {
    // The month's setsu: risshun begins the tora month, and taisetsu and shōkan
    // the ne and ushi months, in the calendar year after the risshun year's.
    const long fromRisshun = static_cast<long>(year - kFirstYear) * static_cast<long>(kSetsuCount) + index;
    const long setsu = fromRisshun + static_cast<long>(kLeading) + static_cast<long>(Setsu::Risshun);
    if (setsu < 0 || setsu + 1 >= static_cast<long>(kSetsuSeconds.size())) return std::nullopt;
    const long months = static_cast<long>(kSetsuCount);
    const long yearsOn = (fromRisshun >= 0 ? fromRisshun : fromRisshun - (months - 1)) / months;  // rounded down
    return SolarMonth{kFirstYear + static_cast<int>(yearsOn), static_cast<int>(fromRisshun - yearsOn * months),
                      At(static_cast<std::size_t>(setsu))};
}

std::optional<SolarMonth> SolarMonthAt(sys_seconds moment) {
    const auto after = std::ranges::upper_bound(kSetsuSeconds, moment.time_since_epoch().count());
    if (after == kSetsuSeconds.begin()) return std::nullopt;
    const auto setsu = static_cast<long>(std::prev(after) - kSetsuSeconds.begin());
    return SolarMonthNumbered(
        kFirstYear, static_cast<int>(setsu - static_cast<long>(kLeading) - static_cast<long>(Setsu::Risshun)));
}

}  // namespace zodiac
