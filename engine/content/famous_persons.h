#pragma once

#include <array>
#include <chrono>
#include <span>
#include <string_view>

#include "engine/animal_sign.h"

namespace zodiac::content {

// Only the names are shown; the birth dates let a test confirm each person's sign.
struct FamousPerson {
    std::string_view name;
    std::chrono::year_month_day born;
};

namespace famous {

inline constexpr FamousPerson kRat[] = {
    {"Ben Affleck", std::chrono::year{1972} / std::chrono::August / 15},
};
inline constexpr FamousPerson kOx[] = {
    {"Jack Nicholson", std::chrono::year{1937} / std::chrono::April / 22},
    {"Dustin Hoffman", std::chrono::year{1937} / std::chrono::August / 8},
    {"Meryl Streep", std::chrono::year{1949} / std::chrono::June / 22},
    {"Bruce Springsteen", std::chrono::year{1949} / std::chrono::September / 23},
    {"Barack Obama", std::chrono::year{1961} / std::chrono::August / 4},
    {"George Clooney", std::chrono::year{1961} / std::chrono::May / 6},
    {"Ichiro Suzuki", std::chrono::year{1973} / std::chrono::October / 22},
};
inline constexpr FamousPerson kTiger[] = {
    {"Stevie Wonder", std::chrono::year{1950} / std::chrono::May / 13},
    {"Tom Cruise", std::chrono::year{1962} / std::chrono::July / 3},
    {"Jodie Foster", std::chrono::year{1962} / std::chrono::November / 19},
    {"Leonardo DiCaprio", std::chrono::year{1974} / std::chrono::November / 11},
    {"Lady Gaga", std::chrono::year{1986} / std::chrono::March / 28},
    {"Hideki Matsui", std::chrono::year{1974} / std::chrono::June / 12},
};
inline constexpr FamousPerson kRabbit[] = {
    {"Johnny Depp", std::chrono::year{1963} / std::chrono::June / 9},
    {"Brad Pitt", std::chrono::year{1963} / std::chrono::December / 18},
    {"Angelina Jolie", std::chrono::year{1975} / std::chrono::June / 4},
    {"David Beckham", std::chrono::year{1975} / std::chrono::May / 2},
    {"Hideo Kojima", std::chrono::year{1963} / std::chrono::August / 24},
    {"Lionel Messi", std::chrono::year{1987} / std::chrono::June / 24},
};
inline constexpr FamousPerson kDragon[] = {
    {"John Lennon", std::chrono::year{1940} / std::chrono::October / 9},
    {"Bruce Lee", std::chrono::year{1940} / std::chrono::November / 27},
    {"Shigeru Miyamoto", std::chrono::year{1952} / std::chrono::November / 16},
};
inline constexpr FamousPerson kSnake[] = {
    {"Bob Dylan", std::chrono::year{1941} / std::chrono::May / 24},
    {"Pierce Brosnan", std::chrono::year{1953} / std::chrono::May / 16},
    {"Robert Downey Jr.", std::chrono::year{1965} / std::chrono::April / 4},
    {"Tadao Ando", std::chrono::year{1941} / std::chrono::September / 13},
    {"Daniel Radcliffe", std::chrono::year{1989} / std::chrono::July / 23},
    {"Taylor Swift", std::chrono::year{1989} / std::chrono::December / 13},
};
inline constexpr FamousPerson kHorse[] = {
    {"Paul McCartney", std::chrono::year{1942} / std::chrono::June / 18},
    {"Harrison Ford", std::chrono::year{1942} / std::chrono::July / 13},
    {"Jackie Chan", std::chrono::year{1954} / std::chrono::April / 7},
    {"Shinzo Abe", std::chrono::year{1954} / std::chrono::September / 21},
    {"Emma Watson", std::chrono::year{1990} / std::chrono::April / 15},
};
inline constexpr FamousPerson kSheep[] = {
    {"Mick Jagger", std::chrono::year{1943} / std::chrono::July / 26},
    {"Robert De Niro", std::chrono::year{1943} / std::chrono::August / 17},
    {"Bill Gates", std::chrono::year{1955} / std::chrono::October / 28},
    {"Akira Toriyama", std::chrono::year{1955} / std::chrono::April / 5},
    {"Nicole Kidman", std::chrono::year{1967} / std::chrono::June / 20},
    {"Julia Roberts", std::chrono::year{1967} / std::chrono::October / 28},
};
inline constexpr FamousPerson kMonkey[] = {
    {"Diana Ross", std::chrono::year{1944} / std::chrono::March / 26},
    {"Michael Douglas", std::chrono::year{1944} / std::chrono::September / 25},
    {"Tom Hanks", std::chrono::year{1956} / std::chrono::July / 9},
    {"Celine Dion", std::chrono::year{1968} / std::chrono::March / 30},
    {"Will Smith", std::chrono::year{1968} / std::chrono::September / 25},
    {"Hideo Nomo", std::chrono::year{1968} / std::chrono::August / 31},
};
inline constexpr FamousPerson kRooster[] = {
    {"Eric Clapton", std::chrono::year{1945} / std::chrono::March / 30},
    {"Masayoshi Son", std::chrono::year{1957} / std::chrono::August / 11},
    {"Roger Federer", std::chrono::year{1981} / std::chrono::August / 8},
    {"Serena Williams", std::chrono::year{1981} / std::chrono::September / 26},
};
inline constexpr FamousPerson kDog[] = {
    {"Freddie Mercury", std::chrono::year{1946} / std::chrono::September / 5},
    {"Bill Clinton", std::chrono::year{1946} / std::chrono::August / 19},
    {"Sylvester Stallone", std::chrono::year{1946} / std::chrono::July / 6},
    {"Steven Spielberg", std::chrono::year{1946} / std::chrono::December / 18},
    {"Sharon Stone", std::chrono::year{1958} / std::chrono::March / 10},
    {"Michael Jackson", std::chrono::year{1958} / std::chrono::August / 29},
    {"Matt Damon", std::chrono::year{1970} / std::chrono::October / 8},
    {"Yuzuru Hanyu", std::chrono::year{1994} / std::chrono::December / 7},
};
inline constexpr FamousPerson kBoar[] = {
    {"Elton John", std::chrono::year{1947} / std::chrono::March / 25},
    {"Arnold Schwarzenegger", std::chrono::year{1947} / std::chrono::July / 30},
    {"Stephen King", std::chrono::year{1947} / std::chrono::September / 21},
    {"Hillary Clinton", std::chrono::year{1947} / std::chrono::October / 26},
    {"Ken Watanabe", std::chrono::year{1959} / std::chrono::October / 21},
};
}  // namespace famous

inline constexpr std::array<std::span<const FamousPerson>, kSignCount> kFamousPersons = {
    famous::kRat, famous::kOx, famous::kTiger, famous::kRabbit, famous::kDragon, famous::kSnake,
    famous::kHorse, famous::kSheep, famous::kMonkey, famous::kRooster, famous::kDog, famous::kBoar,
};

}  // namespace zodiac::content
