#include "cli/commands.h"

#include <array>

#include "cli/match.h"
#include "cli/report.h"
#include "cli/sign.h"

namespace zodiac::cli {
namespace {

using std::literals::operator""sv;

constexpr std::array<OptionInfo, 5> kOptions = {{
    {Option::Json, {}, "json", {}, "one JSON object a line"},
    {Option::YearStart, {}, "year-start", "START", "where each zodiac year begins (below)"},
    {Option::Zone,
     {},
     "zone",
     "ZONE",
     "the birthplace's time zone, which its clock times of birth are read in: a name from the system's time zone "
     "database, such as America/New_York, or a fixed offset from UTC-12:00 to UTC+14:00, written UTC+H, UTC+HH:MM "
     "or UTC+HH:MM:SS with + or -, such as UTC-03:30 or UTC+9 (Asia/Tokyo when not given)"},
    {Option::Name, {}, "name", "NAME", "the name the report starts with"},
    {Option::Output, "o", "output", "FILE",
     "the file to write, an existing one replaced only once the new one is complete; - for standard output"},
}};

constexpr std::array<OptionUse, 4> kSignOptions = {
    {{Option::Json}, {Option::YearStart}, {Option::Zone}, {Option::Output}}};
constexpr std::array<OptionUse, 3> kMatchOptions = {{{Option::Json}, {Option::YearStart}, {Option::Zone}}};
constexpr std::array<OptionUse, 4> kReportOptions = {
    {{Option::Name, OptionUse::Before}, {Option::YearStart}, {Option::Zone}, {Option::Output, OptionUse::After}}};

constexpr std::array<CommandInfo, 3> kCommands = {{
    {"sign", kSignOptions, "DATE...", "the sign, element, eto, Japanese name and profile of each date",
     "For each DATE (YYYY-MM-DD or YYYY-MM-DDTHH:MM, or - for dates read from standard input, one a line, each "
     "answered as soon as it is read): the animal sign, element, Japanese name and kanji, the eto (the sixty-year "
     "name, with its reading and its place in the cycle), the year of kanreki (the sixtieth birthday), the almanac "
     "of the birth (the eto of its solar month and of its day, and the nine stars of its year and month), its "
     "Japanese calendar, the first and last day of that zodiac year, the sign's profile and the element's "
     "description. The Japanese calendar is that of the date on the birthplace's clock: the era year (wareki, from "
     "ICU: 1989-01-08 is \u5E73\u6210\u5143\u5E741\u67088\u65E5), the old lunisolar date (ky\u016Breki, by the "
     "Tenp\u014D "
     "rules in Japan time: 2033-12-22 begins a leap 11th month, \u958F11\u6708) and its day of the six (rokuy\u014D: "
     "1975-03-05 is \u5927\u5B89, taian), the hour's eto when a time is given (\u5B50 from 23:00, with the next "
     "day's stem while the day's own eto turns at midnight: 1975-03-05T23:30 is \u620A\u5B50) and the main "
     "unlucky years, yakudoshi, of men and of women (born 1975: men 1999, 2016 and 2035, 2016 the great one). A "
     "bad line of standard "
     "input ends the run there, with the answers to the lines before it written; with -o FILE, the old FILE stays "
     "as it was.",
     RunSign},
    {"match", kMatchOptions, "DATE DATE", "how two people's signs go together, the first taking the user's side",
     "Both people's signs and eto, and how well the signs go together, the first DATE taking the user's side: a "
     "number from 2 to 10, a percentage, a rating and a text.",
     RunMatch},
    {"report", kReportOptions, "DATE", "the report the windows save, as RTF (-o - for standard output)",
     "Writes the report the windows save for NAME born on DATE, as RTF, to FILE (or to standard output for -o -). "
     "An existing FILE is replaced only once the new report is complete.",
     RunReport},
}};

constexpr std::array<YearStartInfo, 3> kYearStarts = {{
    {YearStart::Lunar, "lunar", "lunar",
     "each zodiac year begins at the lunar new year, as in Chinese tradition and in the windows (the default)"},
    {YearStart::January, "january", "calendar", "each zodiac year begins on 1 January, as in everyday Japanese use"},
    {YearStart::Risshun, "risshun", "risshun",
     "each zodiac year begins at risshun, the start of spring, as Japanese almanacs count it: at its moment for "
     "a birth given with a time, otherwise on its day at the birthplace, in Japan time by default"},
}};

}  // namespace

std::span<const OptionInfo> Options() { return kOptions; }
std::span<const CommandInfo> Commands() { return kCommands; }
std::span<const YearStartInfo> YearStarts() { return kYearStarts; }

const OptionInfo& InfoOf(Option option) {
    for (const OptionInfo& info : kOptions) {
        if (info.option == option) return info;
    }
    return kOptions.front();
}

const YearStartInfo& InfoOf(YearStart start) {
    for (const YearStartInfo& info : kYearStarts) {
        if (info.start == start) return info;
    }
    return kYearStarts.front();
}

QString YearStartName(YearStart start) {
    const std::string_view name = InfoOf(start).name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

const CommandInfo* FindCommand(std::string_view name) {
    for (const CommandInfo& command : kCommands) {
        if (command.name == name) return &command;
    }
    return nullptr;
}

QString OptionSynopsis(const OptionUse& use) {
    const OptionInfo& info = InfoOf(use.option);
    QString text;
    if (use.option == Option::YearStart) {
        QStringList names;
        for (const YearStartInfo& start : kYearStarts) names << QString::fromUtf8(start.name.data(), start.name.size());
        text = QStringLiteral("--year-start=") + names.join(QLatin1Char('|'));
    } else {
        const std::string_view name = info.shortName.empty() ? info.longName : info.shortName;
        text = QString::fromLatin1(name.size() == 1 ? "-"sv : "--"sv) + QString::fromLatin1(name.data(), name.size());
        // A zone is written as the completion offers it, after an equals sign.
        const QLatin1Char between(use.option == Option::Zone ? '=' : ' ');
        if (!info.value.empty()) text += between + QString::fromLatin1(info.value.data(), info.value.size());
    }
    return use.place == OptionUse::Optional ? QLatin1Char('[') + text + QLatin1Char(']') : text;
}

QString Synopsis(const CommandInfo& command) {
    QStringList words{QString::fromLatin1(command.name.data(), command.name.size())};
    for (const OptionUse::Place place : {OptionUse::Before, OptionUse::Optional}) {
        for (const OptionUse& use : command.options) {
            if (use.place == place) words << OptionSynopsis(use);
        }
    }
    words << QString::fromLatin1(command.arguments.data(), command.arguments.size());
    for (const OptionUse& use : command.options) {
        if (use.place == OptionUse::After) words << OptionSynopsis(use);
    }
    return words.join(QLatin1Char(' '));
}

}  // namespace zodiac::cli
