#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zodiac {

// The order matters: it orders the new-year rows' cycle and every per-sign table.
enum class AnimalSign : std::uint8_t {
    Rat,
    Ox,
    Tiger,
    Rabbit,
    Dragon,
    Snake,
    Horse,
    Sheep,
    Monkey,
    Rooster,
    Dog,
    Boar
};

enum class ZodiacElement : std::uint8_t { Metal, Water, Wood, Fire, Earth };

inline constexpr std::size_t kSignCount = 12;
inline constexpr std::size_t kElementCount = 5;

// Signs and elements travel between the windows and the engine as these exact,
// case-sensitive display names.
inline constexpr std::array<std::string_view, kSignCount> kSignNames = {
    "Rat", "Ox", "Tiger", "Rabbit", "Dragon", "Snake", "Horse", "Sheep", "Monkey", "Rooster", "Dog", "Boar"};

inline constexpr std::array<std::string_view, kElementCount> kElementNames = {"Metal", "Water", "Wood", "Fire",
                                                                              "Earth"};

constexpr std::size_t Index(AnimalSign sign) { return static_cast<std::size_t>(sign); }
constexpr std::size_t Index(ZodiacElement element) { return static_cast<std::size_t>(element); }

constexpr std::string_view Name(AnimalSign sign) { return kSignNames[Index(sign)]; }
constexpr std::string_view Name(ZodiacElement element) { return kElementNames[Index(element)]; }

// The sign and element of a year, lunar or calendar, counted from 1900: the signs
// go round every twelve years from a Rat year, the element by the year's last digit.
constexpr AnimalSign SignOfYear(int year) { return static_cast<AnimalSign>(((year - 1900) % 12 + 12) % 12); }
constexpr ZodiacElement ElementOfYear(int year) {
    constexpr std::array<ZodiacElement, 5> byPair = {ZodiacElement::Metal, ZodiacElement::Water, ZodiacElement::Wood,
                                                     ZodiacElement::Fire, ZodiacElement::Earth};
    return byPair[static_cast<std::size_t>((year % 10 + 10) % 10 / 2)];
}

constexpr std::optional<AnimalSign> FindSign(std::string_view name) {
    for (std::size_t i = 0; i < kSignCount; ++i) {
        if (kSignNames[i] == name) return static_cast<AnimalSign>(i);
    }
    return std::nullopt;
}

constexpr std::optional<ZodiacElement> FindElement(std::string_view name) {
    for (std::size_t i = 0; i < kElementCount; ++i) {
        if (kElementNames[i] == name) return static_cast<ZodiacElement>(i);
    }
    return std::nullopt;
}

}  // namespace zodiac
