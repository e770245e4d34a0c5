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
using namespace std::chrono;

inline constexpr FamousPerson kRat[] = {
    {"Ben Affleck", 1972y / August / 15d},
};
inline constexpr FamousPerson kOx[] = {
    {"Jack Nicholson", 1937y / April / 22d},
    {"Dustin Hoffman", 1937y / August / 8d},
    {"Meryl Streep", 1949y / June / 22d},
    {"Bruce Springsteen", 1949y / September / 23d},
    {"Barack Obama", 1961y / August / 4d},
    {"George Clooney", 1961y / May / 6d},
    {"Ichiro Suzuki", 1973y / October / 22d},
};
inline constexpr FamousPerson kTiger[] = {
    {"Stevie Wonder", 1950y / May / 13d},
    {"Tom Cruise", 1962y / July / 3d},
    {"Jodie Foster", 1962y / November / 19d},
    {"Leonardo DiCaprio", 1974y / November / 11d},
    {"Lady Gaga", 1986y / March / 28d},
    {"Hideki Matsui", 1974y / June / 12d},
};
inline constexpr FamousPerson kRabbit[] = {
    {"Johnny Depp", 1963y / June / 9d},
    {"Brad Pitt", 1963y / December / 18d},
    {"Angelina Jolie", 1975y / June / 4d},
    {"David Beckham", 1975y / May / 2d},
    {"Hideo Kojima", 1963y / August / 24d},
    {"Lionel Messi", 1987y / June / 24d},
};
inline constexpr FamousPerson kDragon[] = {
    {"John Lennon", 1940y / October / 9d},
    {"Bruce Lee", 1940y / November / 27d},
    {"Shigeru Miyamoto", 1952y / November / 16d},
};
inline constexpr FamousPerson kSnake[] = {
    {"Bob Dylan", 1941y / May / 24d},
    {"Pierce Brosnan", 1953y / May / 16d},
    {"Robert Downey Jr.", 1965y / April / 4d},
    {"Tadao Ando", 1941y / September / 13d},
    {"Daniel Radcliffe", 1989y / July / 23d},
    {"Taylor Swift", 1989y / December / 13d},
};
inline constexpr FamousPerson kHorse[] = {
    {"Paul McCartney", 1942y / June / 18d},
    {"Harrison Ford", 1942y / July / 13d},
    {"Jackie Chan", 1954y / April / 7d},
    {"Shinzo Abe", 1954y / September / 21d},
    {"Emma Watson", 1990y / April / 15d},
};
inline constexpr FamousPerson kSheep[] = {
    {"Mick Jagger", 1943y / July / 26d},
    {"Robert De Niro", 1943y / August / 17d},
    {"Bill Gates", 1955y / October / 28d},
    {"Akira Toriyama", 1955y / April / 5d},
    {"Nicole Kidman", 1967y / June / 20d},
    {"Julia Roberts", 1967y / October / 28d},
};
inline constexpr FamousPerson kMonkey[] = {
    {"Diana Ross", 1944y / March / 26d},
    {"Michael Douglas", 1944y / September / 25d},
    {"Tom Hanks", 1956y / July / 9d},
    {"Celine Dion", 1968y / March / 30d},
    {"Will Smith", 1968y / September / 25d},
    {"Hideo Nomo", 1968y / August / 31d},
};
inline constexpr FamousPerson kRooster[] = {
    {"Eric Clapton", 1945y / March / 30d},
    {"Masayoshi Son", 1957y / August / 11d},
    {"Roger Federer", 1981y / August / 8d},
    {"Serena Williams", 1981y / September / 26d},
};
inline constexpr FamousPerson kDog[] = {
    {"Freddie Mercury", 1946y / September / 5d},
    {"Bill Clinton", 1946y / August / 19d},
    {"Sylvester Stallone", 1946y / July / 6d},
    {"Steven Spielberg", 1946y / December / 18d},
    {"Sharon Stone", 1958y / March / 10d},
    {"Michael Jackson", 1958y / August / 29d},
    {"Matt Damon", 1970y / October / 8d},
    {"Yuzuru Hanyu", 1994y / December / 7d},
};
inline constexpr FamousPerson kBoar[] = {
    {"Elton John", 1947y / March / 25d},
    {"Arnold Schwarzenegger", 1947y / July / 30d},
    {"Stephen King", 1947y / September / 21d},
    {"Hillary Clinton", 1947y / October / 26d},
    {"Ken Watanabe", 1959y / October / 21d},
};
}  // namespace famous

inline constexpr std::array<std::span<const FamousPerson>, kSignCount> kFamousPersons = {
    famous::kRat, famous::kOx, famous::kTiger, famous::kRabbit, famous::kDragon, famous::kSnake,
    famous::kHorse, famous::kSheep, famous::kMonkey, famous::kRooster, famous::kDog, famous::kBoar,
};

}  // namespace zodiac::content
