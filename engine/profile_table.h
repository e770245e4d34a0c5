#pragma once

#include <array>
#include <string_view>

#include "engine/animal_sign.h"

namespace zodiac {

// The short, fixed texts of each sign's profile. The long ones (traits, famous
// persons) live with the other prose under content/.
struct ShortProfileFields {
    std::string_view rulingPlanet;
    std::string_view mostCompatibleSign;
    std::string_view leastCompatibleSign;
    std::string_view luckyColour;
    std::string_view gemStone;
    std::string_view energy;
    std::string_view luckySeasons;
    std::string_view luckyMonth;
    std::string_view westernZodiacSign;  // also the key of the result window's pictures
    std::string_view luckyNumber;
};

// clang-format off
inline constexpr std::array<ShortProfileFields, kSignCount> kShortProfileFields = {{
    // ruling     most compatible      least           lucky colour      gem stone                energy                    seasons          month        western         lucky numbers
    {"Jupiter", "Dragon, Monkey",    "Horse",        "Light Blue",     "Carbuncle, Red Garnet", "Yin (positive)",        "Winter",        "December",  "Sagittarius", "1, 4, 5, 10, 11, 14, 41, 45, 51, and 54"},
    {"Saturn",  "Snake, Rooster",    "Sheep",        "Violet",         "White Onyx",            "Yin (positive)",        "End of Winter", "January",   "Capricorn",   "1, 3, 5, 12, 15, 33, 35, 51 and 53"},
    {"Uranus",  "Horse, Dog",        "Monkey",       "Green",          "Sapphire",              "Yang (Negative)",       "Early Spring",  "February",  "Aquarius",    "4, 5, 7, 9, 13, 34, 44, 45 and 54"},
    {"Jupiter", "Sheep, Boar",       "Rooster",      "Pale Green",     "Chrysolite",            "Yin (positive)",        "Mid Spring",    "March",     "Pisces",      "1, 3, 5, 9, 15, 19 and 35"},
    {"Mars",    "Rat, Monkey",       "Dog",          "Turquoise",      "Amethyst",              "Yang (Negative)",       "End of Spring", "April",     "Aries",       "3, 4, 5, 6, 15, 21, 34, 35, 36 and 45"},
    {"Venus",   "Ox, Rooster",       "Tiger, Boar",  "Red",            "Mossagate",             "Yin (Positive Energy)", "Early Summer",  "May",       "Taurus",      "1, 2, 4, 6, 13, 24, 42 and 46"},
    {"Mercury", "Tiger, Dog",        "Rat",          "Orange",         "Beryl",                 "Yang (Negative)",       "Mid Summer",    "June",      "Gemini",      "1, 3, 4, 8, 13, 14, 41 and 43"},
    {"Moon",    "Rabbit, Boar",      "Ox",           "Pink, Purple",   "Emerald",               "Yin (Positive)",        "End of Summer", "July",      "Cancer",      "3, 4, 5, 12, 34, 45 and 54"},
    {"Sun",     "Rat, Dragon",       "Tiger",        "Yellow, Gold",   "Emerald",               "Yang (Negative)",       "Early Autumn",  "August",    "Leo",         "3, 4, 5, 7, 16, 23, 34, 45 and 54"},
    {"Mercury", "Ox, Dragon, Snake", "Rabbit",       "Peach, Apricot", "Pin Jasper",            "Yin (Positive)",        "Mid Autumn",    "September", "Virgo",       "1, 5, 6, 12, 15, 16, 24 and 51"},
    {"Venus",   "Tiger, Horse",      "Dragon",       "Pale Yellow",    "Diamond",               "Yang (Negative)",       "Winter",        "October",   "Libra",       "1, 4, 5, 9, 10, 14, 19, 28, 30, 41, 45 and 54"},
    {"Mars",    "Rabbit, Sheep",     "Snake",        "Dark Blue",      "Topaz",                 "Yin (Positive)",        "Early Winter",  "October",   "Scorpio",     "1, 3, 4, 5, 8, 16, 18, 34, 41 and 48"},
}};
// clang-format on

}  // namespace zodiac
