#include "cli/help.h"

#include "cli/commands.h"
#include "cli/output.h"
#include "core/reading.h"
#include "core/text.h"

namespace zodiac::cli {
namespace {

constexpr int kColumn = 25;  // where an option's explanation starts

// "  NAME" with its explanation beside it from the column on, wrapped.
QString Entry(const QString& name, const QString& explanation) {
    const QString indent(kColumn, u' ');
    QString line = (QStringLiteral("  ") + name).leftJustified(kColumn - 1) + QLatin1Char(' ');
    if (line.size() > kColumn) line += QLatin1Char('\n') + indent;
    return line + WrapText(explanation, kWidth - kColumn, indent) + QLatin1Char('\n');
}

// Each year start, with the days it covers as the engine knows them.
QString YearStartEntries() {
    QString text;
    for (const YearStartInfo& start : YearStarts()) {
        const DateRange range = Coverage(start.start);
        text += Entry(QStringLiteral("--year-start=") + ToQString(start.name),
                      ToQString(start.description) +
                          QStringLiteral("; dates from %1 to %2").arg(IsoDate(range.first), IsoDate(range.last)));
    }
    return text;
}

// A synopsis wrapped to `width` under `indent`, an option kept on one line with
// its value ("-o FILE", "--name NAME").
QString WrappedSynopsis(const QString& synopsis, int width, const QString& indent) {
    constexpr QChar kGlue(0x00A0);
    QStringList words;
    for (const QString& word : synopsis.split(u' ')) {
        const bool value = !words.isEmpty() && words.last().startsWith(u'-') && !words.last().contains(kGlue);
        if (value) {
            words.last() += kGlue + word;
        } else {
            words << word;
        }
    }
    return WrapText(words.join(u' '), width, indent).replace(kGlue, u' ');
}

}  // namespace

QByteArray UsageText() {
    QString text = QStringLiteral(
        "Usage: qorvel-zodiac [COMMAND [OPTIONS] ARGUMENTS]\n"
        "\n"
        "Without a command the windows open. With one, no window opens:\n");
    for (const CommandInfo& command : Commands()) {
        const QString synopsis = Synopsis(command);
        const QString indent(9, u' ');
        text += QStringLiteral("  ") + synopsis.section(u' ', 0, 0).leftJustified(6) + QLatin1Char(' ') +
                WrappedSynopsis(synopsis.section(u' ', 1), kWidth - indent.size(), indent) + QLatin1Char('\n') +
                indent + ToQString(command.summary) + QLatin1Char('\n');
    }
    text += QStringLiteral(
        "\n"
        "DATE is YYYY-MM-DD, or YYYY-MM-DDTHH:MM with the time of birth on the clock\n"
        "of the birthplace, whose zone --zone names (Asia/Tokyo when not given): a\n"
        "name such as America/New_York, or an offset such as UTC-03:30. The time\n"
        "counts under risshun, when the year turns at a moment; the lunar new year\n"
        "and 1 January are days. For sign, - reads the dates from standard input, one\n"
        "a line. --json prints one JSON object a line.\n"
        "\n"
        "Under the eto, sign and match give the almanac of the birth: the eto of the\n"
        "solar month and of the day, and the nine stars of the year and the month.\n"
        "They belong to the solar year, the same under every year start; the month\n"
        "and the stars turn at a setsu (risshun, keichitsu and the others), the day\n"
        "at midnight. For example, noon on 1975-03-05 in Tokyo is month 戊寅, day 庚戌,\n"
        "year star 七赤金星, month star 八白土星.\n"
        "\n");
    text += YearStartEntries() + QLatin1Char('\n');
    text += Entry(QStringLiteral("-h, --help"), QStringLiteral("this help; each command has its own"));
    text += Entry(QStringLiteral("-v, --version"), QStringLiteral("the program's version"));
    text += QStringLiteral(
        "\nExit status: 0 done, 1 the output could not be written or the windows found no\n"
        "display, 2 bad input.\n");
    return text.toUtf8();
}

QByteArray CommandHelp(const CommandInfo& command) {
    // The synopsis wraps under its first word, to keep within 80 columns.
    const QString synopsis = Synopsis(command);
    const QString head = QStringLiteral("Usage: qorvel-zodiac ") + synopsis.section(u' ', 0, 0) + QLatin1Char(' ');
    QString text = head + WrappedSynopsis(synopsis.section(u' ', 1), kWidth - head.size(), QString(head.size(), u' ')) +
                   QStringLiteral("\n\n") + WrapText(ToQString(command.description), kWidth, {}) +
                   QStringLiteral("\n\n");
    for (const OptionUse& use : command.options) {
        const OptionInfo& option = InfoOf(use.option);
        if (use.option == Option::YearStart) {
            text += YearStartEntries();
            continue;
        }
        QString name = OptionSynopsis({use.option, OptionUse::Before});
        if (!option.shortName.empty())
            name = QStringLiteral("-") + ToQString(option.shortName) + QStringLiteral(", --") +
                   ToQString(option.longName) + QLatin1Char(' ') + ToQString(option.value);
        text += Entry(name, ToQString(option.help));
    }
    return text.toUtf8();
}

}  // namespace zodiac::cli
