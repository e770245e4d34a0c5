#include "cli/help.h"

namespace zodiac::cli {
namespace {

constexpr const char* kYearStart =
    "  --year-start=lunar     each zodiac year starts at the lunar new year, as in\n"
    "                         Chinese tradition and in the windows (the default);\n"
    "                         dates from 1900-01-31 to 2100-02-08\n"
    "  --year-start=january   each zodiac year starts on 1 January, as in Japan\n"
    "                         since the calendar reform; dates from 1900-01-01 to\n"
    "                         2100-12-31\n";

}  // namespace

QByteArray UsageText() {
    return QByteArray(
               "Usage: qorvel-zodiac [COMMAND [OPTIONS] ARGUMENTS]\n"
               "\n"
               "Without a command the windows open. With one, no window opens:\n"
               "  sign   [--json] [--year-start=lunar|january] DATE...\n"
               "         the sign, element, Japanese name and profile of each date\n"
               "  match  [--json] [--year-start=lunar|january] DATE DATE\n"
               "         how two people's signs go together, the first taking the user's side\n"
               "  report --name NAME [--year-start=lunar|january] DATE -o FILE\n"
               "         the report the windows save, as RTF (-o - for standard output)\n"
               "\n"
               "DATE is YYYY-MM-DD. For sign, - reads the dates from standard input, one a\n"
               "line. --json prints one JSON object a line.\n"
               "\n") +
           kYearStart +
           "\n"
           "  -h, --help             this help; each command has its own\n"
           "  -v, --version          the program's version\n"
           "\n"
           "Exit status: 0 done, 1 the output could not be written, 2 bad input.\n";
}

QByteArray CommandHelp(const QString& command) {
    if (command == u"sign") {
        return QByteArray(
                   "Usage: qorvel-zodiac sign [--json] [--year-start=lunar|january] DATE...\n"
                   "\n"
                   "For each DATE (YYYY-MM-DD, or - for dates read from standard input, one a\n"
                   "line): the animal sign, element, Japanese name and kanji, the first and last\n"
                   "day of that zodiac year, the sign's profile and the element's description.\n"
                   "\n"
                   "  --json                 one JSON object a date, one a line\n") +
               kYearStart;
    }
    if (command == u"match") {
        return QByteArray(
                   "Usage: qorvel-zodiac match [--json] [--year-start=lunar|january] DATE DATE\n"
                   "\n"
                   "Both people's signs and how well they go together, the first DATE taking the\n"
                   "user's side: a number from 2 to 10, a percentage, a rating and a text.\n"
                   "\n"
                   "  --json                 one JSON object\n") +
               kYearStart;
    }
    return QByteArray(
               "Usage: qorvel-zodiac report --name NAME [--year-start=lunar|january] DATE -o FILE\n"
               "\n"
               "Writes the report the windows save for NAME born on DATE, as RTF, to FILE (or\n"
               "to standard output for -o -). An existing FILE is replaced only once the new\n"
               "report is complete.\n"
               "\n"
               "  --name NAME            the name the report starts with\n"
               "  -o, --output FILE      where the report goes\n") +
           kYearStart;
}

}  // namespace zodiac::cli
