#pragma once

#include <array>
#include <chrono>
#include <span>

#include "engine/animal_sign.h"

namespace zodiac {

// One lunar year: every day from `first` to `last`, both inclusive.
struct NewYearRow {
    std::chrono::year year;
    std::chrono::year_month_day first;
    std::chrono::year_month_day last;
    AnimalSign sign;
    ZodiacElement element;
};

namespace detail {
using namespace std::chrono;
using Sign = AnimalSign;
using Element = ZodiacElement;

// The year lists offer 1936 to 2008. The Wood Boar year of 1935 holds the first
// weeks of January 1936, and the Earth Rat year of 2008 runs into 2009, so that
// every date the lists can form lies in a row.
// clang-format off
inline constexpr std::array<NewYearRow, 74> kLunarYears = {{
    {1935y, 1935y / February / 4d,  1936y / January / 23d,  Sign::Boar,    Element::Wood},
    {1936y, 1936y / January / 24d,  1937y / February / 10d, Sign::Rat,     Element::Fire},
    {1937y, 1937y / February / 11d, 1938y / January / 30d,  Sign::Ox,      Element::Fire},
    {1938y, 1938y / January / 31d,  1939y / February / 18d, Sign::Tiger,   Element::Earth},
    {1939y, 1939y / February / 19d, 1940y / February / 7d,  Sign::Rabbit,  Element::Earth},
    {1940y, 1940y / February / 8d,  1941y / January / 26d,  Sign::Dragon,  Element::Metal},
    {1941y, 1941y / January / 27d,  1942y / February / 14d, Sign::Snake,   Element::Metal},
    {1942y, 1942y / February / 15d, 1943y / February / 4d,  Sign::Horse,   Element::Water},
    {1943y, 1943y / February / 5d,  1944y / January / 24d,  Sign::Sheep,   Element::Water},
    {1944y, 1944y / January / 25d,  1945y / February / 12d, Sign::Monkey,  Element::Wood},
    {1945y, 1945y / February / 13d, 1946y / February / 1d,  Sign::Rooster, Element::Wood},
    {1946y, 1946y / February / 2d,  1947y / January / 21d,  Sign::Dog,     Element::Fire},
    {1947y, 1947y / January / 22d,  1948y / February / 9d,  Sign::Boar,    Element::Fire},
    {1948y, 1948y / February / 10d, 1949y / January / 28d,  Sign::Rat,     Element::Earth},
    {1949y, 1949y / January / 29d,  1950y / February / 16d, Sign::Ox,      Element::Earth},
    {1950y, 1950y / February / 17d, 1951y / February / 5d,  Sign::Tiger,   Element::Metal},
    {1951y, 1951y / February / 6d,  1952y / January / 26d,  Sign::Rabbit,  Element::Metal},
    {1952y, 1952y / January / 27d,  1953y / February / 13d, Sign::Dragon,  Element::Water},
    {1953y, 1953y / February / 14d, 1954y / February / 2d,  Sign::Snake,   Element::Water},
    {1954y, 1954y / February / 3d,  1955y / January / 23d,  Sign::Horse,   Element::Wood},
    {1955y, 1955y / January / 24d,  1956y / February / 11d, Sign::Sheep,   Element::Wood},
    {1956y, 1956y / February / 12d, 1957y / January / 30d,  Sign::Monkey,  Element::Fire},
    {1957y, 1957y / January / 31d,  1958y / February / 17d, Sign::Rooster, Element::Fire},
    {1958y, 1958y / February / 18d, 1959y / February / 7d,  Sign::Dog,     Element::Earth},
    {1959y, 1959y / February / 8d,  1960y / January / 27d,  Sign::Boar,    Element::Earth},
    {1960y, 1960y / January / 28d,  1961y / February / 14d, Sign::Rat,     Element::Metal},
    {1961y, 1961y / February / 15d, 1962y / February / 4d,  Sign::Ox,      Element::Metal},
    {1962y, 1962y / February / 5d,  1963y / January / 24d,  Sign::Tiger,   Element::Water},
    {1963y, 1963y / January / 25d,  1964y / February / 12d, Sign::Rabbit,  Element::Water},
    {1964y, 1964y / February / 13d, 1965y / February / 1d,  Sign::Dragon,  Element::Wood},
    {1965y, 1965y / February / 2d,  1966y / January / 20d,  Sign::Snake,   Element::Wood},
    {1966y, 1966y / January / 21d,  1967y / February / 8d,  Sign::Horse,   Element::Fire},
    {1967y, 1967y / February / 9d,  1968y / January / 29d,  Sign::Sheep,   Element::Fire},
    {1968y, 1968y / January / 30d,  1969y / February / 16d, Sign::Monkey,  Element::Earth},
    {1969y, 1969y / February / 17d, 1970y / February / 5d,  Sign::Rooster, Element::Earth},
    {1970y, 1970y / February / 6d,  1971y / January / 26d,  Sign::Dog,     Element::Metal},
    {1971y, 1971y / January / 27d,  1972y / February / 14d, Sign::Boar,    Element::Metal},
    {1972y, 1972y / February / 15d, 1973y / February / 2d,  Sign::Rat,     Element::Water},
    {1973y, 1973y / February / 3d,  1974y / January / 22d,  Sign::Ox,      Element::Water},
    {1974y, 1974y / January / 23d,  1975y / February / 10d, Sign::Tiger,   Element::Wood},
    {1975y, 1975y / February / 11d, 1976y / January / 30d,  Sign::Rabbit,  Element::Wood},
    {1976y, 1976y / January / 31d,  1977y / February / 17d, Sign::Dragon,  Element::Fire},
    {1977y, 1977y / February / 18d, 1978y / February / 6d,  Sign::Snake,   Element::Fire},
    {1978y, 1978y / February / 7d,  1979y / January / 27d,  Sign::Horse,   Element::Earth},
    {1979y, 1979y / January / 28d,  1980y / February / 15d, Sign::Sheep,   Element::Earth},
    {1980y, 1980y / February / 16d, 1981y / February / 4d,  Sign::Monkey,  Element::Metal},
    {1981y, 1981y / February / 5d,  1982y / January / 24d,  Sign::Rooster, Element::Metal},
    {1982y, 1982y / January / 25d,  1983y / February / 12d, Sign::Dog,     Element::Water},
    {1983y, 1983y / February / 13d, 1984y / February / 1d,  Sign::Boar,    Element::Water},
    {1984y, 1984y / February / 2d,  1985y / February / 19d, Sign::Rat,     Element::Wood},
    {1985y, 1985y / February / 20d, 1986y / February / 8d,  Sign::Ox,      Element::Wood},
    {1986y, 1986y / February / 9d,  1987y / January / 28d,  Sign::Tiger,   Element::Fire},
    {1987y, 1987y / January / 29d,  1988y / February / 16d, Sign::Rabbit,  Element::Fire},
    {1988y, 1988y / February / 17d, 1989y / February / 5d,  Sign::Dragon,  Element::Earth},
    {1989y, 1989y / February / 6d,  1990y / January / 26d,  Sign::Snake,   Element::Earth},
    {1990y, 1990y / January / 27d,  1991y / February / 14d, Sign::Horse,   Element::Metal},
    {1991y, 1991y / February / 15d, 1992y / February / 3d,  Sign::Sheep,   Element::Metal},
    {1992y, 1992y / February / 4d,  1993y / January / 22d,  Sign::Monkey,  Element::Water},
    {1993y, 1993y / January / 23d,  1994y / February / 9d,  Sign::Rooster, Element::Water},
    {1994y, 1994y / February / 10d, 1995y / January / 30d,  Sign::Dog,     Element::Wood},
    {1995y, 1995y / January / 31d,  1996y / February / 18d, Sign::Boar,    Element::Wood},
    {1996y, 1996y / February / 19d, 1997y / February / 6d,  Sign::Rat,     Element::Fire},
    {1997y, 1997y / February / 7d,  1998y / January / 27d,  Sign::Ox,      Element::Fire},
    {1998y, 1998y / January / 28d,  1999y / February / 15d, Sign::Tiger,   Element::Earth},
    {1999y, 1999y / February / 16d, 2000y / February / 4d,  Sign::Rabbit,  Element::Earth},
    {2000y, 2000y / February / 5d,  2001y / January / 23d,  Sign::Dragon,  Element::Metal},
    {2001y, 2001y / January / 24d,  2002y / February / 11d, Sign::Snake,   Element::Metal},
    {2002y, 2002y / February / 12d, 2003y / January / 31d,  Sign::Horse,   Element::Water},
    {2003y, 2003y / February / 1d,  2004y / January / 21d,  Sign::Sheep,   Element::Water},
    {2004y, 2004y / January / 22d,  2005y / February / 8d,  Sign::Monkey,  Element::Wood},
    {2005y, 2005y / February / 9d,  2006y / January / 28d,  Sign::Rooster, Element::Wood},
    {2006y, 2006y / January / 29d,  2007y / February / 17d, Sign::Dog,     Element::Fire},
    {2007y, 2007y / February / 18d, 2008y / February / 6d,  Sign::Boar,    Element::Fire},
    {2008y, 2008y / February / 7d,  2009y / January / 25d,  Sign::Rat,     Element::Earth},
}};
// clang-format on
}  // namespace detail

using detail::kLunarYears;

// The rows the windows' lookup knows: the year that holds January 1936 to the one
// that holds December 2008.
inline constexpr std::span<const NewYearRow> kNewYearTable{kLunarYears};

namespace detail {
// A row's sign follows the twelve-year cycle and its element the last digit of its year.
constexpr bool RowFollowsCycle(const NewYearRow& row) {
    constexpr std::array<ZodiacElement, 10> byLastDigit = {
        Element::Metal, Element::Metal, Element::Water, Element::Water, Element::Wood,
        Element::Wood,  Element::Fire,  Element::Fire,  Element::Earth, Element::Earth};
    const int y = static_cast<int>(row.year);
    return row.first.year() == row.year && Index(row.sign) == static_cast<std::size_t>((y - 1936 + 1200) % 12) &&
           row.element == byLastDigit[static_cast<std::size_t>(y % 10)];
}

constexpr bool TableIsContiguous() {
    for (std::size_t k = 0; k < kLunarYears.size(); ++k) {
        const auto& row = kLunarYears[k];
        if (!row.first.ok() || !row.last.ok() || !RowFollowsCycle(row)) return false;
        const auto span = (sys_days{row.last} - sys_days{row.first}).count() + 1;
        if (span < 353 || span > 385) return false;
        if (k + 1 < kLunarYears.size() && sys_days{kLunarYears[k + 1].first} != sys_days{row.last} + days{1})
            return false;
    }
    return true;
}
}  // namespace detail

static_assert(detail::TableIsContiguous(), "new-year rows must follow the cycle, span a lunar year and leave no gap");
static_assert(detail::sys_days{kNewYearTable.front().first} <= detail::sys_days{detail::year{1936} / 1 / 1} &&
                  detail::sys_days{kNewYearTable.back().last} >= detail::sys_days{detail::year{2008} / 12 / 31},
              "every date from 1936 to 2008 must find a row");

}  // namespace zodiac
