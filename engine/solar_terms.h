#pragma once

#include <chrono>
#include <cstddef>
#include <optional>

namespace zodiac {

// The twelve setsu, each beginning a solar month of the almanac: shōkan the ushi
// (丑) month, risshun the tora (寅) month and the year, and so on, a month each,
// to taisetsu, which begins the ne (子) month.
enum class Setsu { Shokan, Risshun, Keichitsu, Seimei, Rikka, Boshu, Shosho, Risshu, Hakuro, Kanro, Ritto, Taisetsu };
inline constexpr std::size_t kSetsuCount = 12;

// The moment of a setsu in a year: the taisetsu of 1899, every setsu of 1900 to
// 2100, and the shōkan and risshun of 2101; nothing outside them.
std::optional<std::chrono::sys_seconds> SetsuMoment(int year, Setsu setsu);

// The year from one risshun to the next: it begins at the moment `begins` and
// ends just before `ends`, and is numbered by the calendar year it begins in.
struct RisshunYear {
    int number;
    std::chrono::sys_seconds begins;
    std::chrono::sys_seconds ends;
};

// The risshun year that holds a moment: from the risshun of 1900 to the moment
// before that of 2101.
std::optional<RisshunYear> RisshunYearAt(std::chrono::sys_seconds moment);

// The risshun year numbered `year`, 1900 to 2100.
std::optional<RisshunYear> RisshunYearNumbered(int year);

}  // namespace zodiac
