#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>
#include <string>

#include "core/birthplace.h"
#include "core/report_text.h"
#include "engine/compatibility.h"
#include "engine/eto.h"
#include "engine/profiles.h"
#include "engine/zodiac_year.h"

namespace zodiac {

// Everything the program tells of one person born on one day.
struct Reading {
    QString name;       // blanks trimmed
    Birth birth;        // the day, and the time when one was given, on the birthplace's clock
    QString birthText;  // "5 March 1975", as the windows write it
    YearStart yearStart;
    BirthYear year;  // its sign and element, first and last day on the birthplace's clock
    Eto eto;         // the zodiac year's sixty-year name
    BirthAlmanac almanac;
    int kanreki;  // the year of the sixtieth birthday
    JapaneseSign japanese;
    SignProfile profile;
    std::string elementDescription;
};

// The reading for a birth on its birthplace's clock; nothing for one outside
// what `start` covers or a date that does not exist. It keeps nothing between calls.
std::optional<Reading> ReadingOf(const QString& name, const Birth& birth, YearStart start, const Birthplace& place);
// The same, for a birth whose zodiac year has been found already.
Reading ReadingOf(const QString& name, const Birth& birth, const BirthYear& year, YearStart start,
                  const Birthplace& place);

// How two people's signs go together, the first taking the user's side.
struct Match {
    Reading first;
    Reading second;
    CompatibilityResult compatibility;
};

Match MatchOf(Reading first, Reading second);

// YYYY-MM-DD.
QString IsoDate(std::chrono::year_month_day day);

// The months' English names, as the windows' list offers them and a birth text
// writes them: the one spelling of each.
const QStringList& MonthNames();

// The day, the month's English name and the four-digit year, as the windows' lists give them.
QString BirthText(std::chrono::year_month_day birth);

// What the report tells of the person.
ReportFacts FactsOf(const Reading& reading);

}  // namespace zodiac
