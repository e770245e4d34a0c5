#pragma once

#include <QString>
#include <chrono>
#include <optional>

namespace zodiac {

// A day's Japanese era year, as ICU's Japanese calendar counts it: a new era
// comes with the system's ICU data, not with this program.
struct Wareki {
    QString era;         // 昭和
    QString eraReading;  // Shōwa, ICU's English name of the era
    int year;            // 50; 1 for the era's first year
    QString kanji;       // 昭和50年3月5日; the first year is written 元年: 平成元年1月8日
};

// The era year of a proleptic-Gregorian calendar day (a date, in no time zone);
// nothing for a day that does not exist, one before the first era, or when ICU fails.
std::optional<Wareki> WarekiOf(std::chrono::year_month_day day);

}  // namespace zodiac
