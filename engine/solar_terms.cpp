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

// The days of its month on which each setsu falls in Japan time, 1900 to 2101:
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
        const Days& usual = kUsualDays[i % kSetsuCount];
        if (japan.year() != std::chrono::year{kFirstYear + static_cast<int>(i / kSetsuCount)} ||
            japan.month() != std::chrono::month{static_cast<unsigned>(i % kSetsuCount) + 1} ||
            japan.day() < std::chrono::day{usual.first} || japan.day() > std::chrono::day{usual.last})
            return false;
    }
    return true;
}
static_assert(kSetsuSeconds.size() == (2100 - kFirstYear + 1) * kSetsuCount + 2 && SetsuFollowTheYears(),
              "twelve setsu a year from the shokan of 1900 to the risshun of 2101, in order, each in its days");

}  // namespace

std::optional<sys_seconds> SetsuMoment(int year, Setsu setsu) {
    if (year < kFirstYear) return std::nullopt;
    const std::size_t index =
        static_cast<std::size_t>(year - kFirstYear) * kSetsuCount + static_cast<std::size_t>(setsu);
    if (index >= kSetsuSeconds.size()) return std::nullopt;
    return At(index);
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
    // The month's setsu: risshun begins the tora month, and shōkan the ushi
    // month in the calendar year after the risshun year's.
    const long setsu = static_cast<long>(year - kFirstYear) * static_cast<long>(kSetsuCount) + 1 + index;
    if (setsu < 0 || setsu + 1 >= static_cast<long>(kSetsuSeconds.size())) return std::nullopt;
    const auto at = static_cast<std::size_t>(setsu);
    // The shōkan of 1900 begins the last month of the risshun year 1899.
    const long fromRisshun = setsu - 1;
    const int risshunYear = kFirstYear + static_cast<int>((fromRisshun + 12) / 12) - 1;
    return SolarMonth{risshunYear, static_cast<int>((fromRisshun % 12 + 12) % 12), At(at)};
}

std::optional<SolarMonth> SolarMonthAt(sys_seconds moment) {
    const auto after = std::ranges::upper_bound(kSetsuSeconds, moment.time_since_epoch().count());
    if (after == kSetsuSeconds.begin()) return std::nullopt;
    const auto setsu = static_cast<long>(std::prev(after) - kSetsuSeconds.begin());
    return SolarMonthNumbered(kFirstYear, static_cast<int>(setsu - 1));
}

}  // namespace zodiac
