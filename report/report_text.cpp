#include "report_text.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include "zodiac_state.h"

namespace zodiac {
namespace {

const QString kEndOfEntry = QStringLiteral("\r\n\r\n");

struct ProfileEntry {
    const char* label;
    ProfileField field;
};

// The report's own order of the profile fields.
constexpr ProfileEntry kProfileEntries[] = {
    {"Ruling Planet: ", ProfileField::RulingPlanet},
    {"Western Zodiac Sign: ", ProfileField::WesternZodiacSign},
    {"Positive Traits: ", ProfileField::PositiveTraits},
    {"Negative Traits: ", ProfileField::NegativeTraits},
    {"GemStone: ", ProfileField::GemStone},
    {"Lucky Color: ", ProfileField::LuckyColour},
    {"Energy: ", ProfileField::Energy},
    {"Lucky Seasons: ", ProfileField::LuckySeasons},
    {"Favourable Month: ", ProfileField::LuckyMonth},
    {"Lucky Number: ", ProfileField::LuckyNumber},
    {"Most Compatible Sign: ", ProfileField::MostCompatibleSign},
    {"Least Compatible Sign: ", ProfileField::LeastCompatibleSign},
    {"Famous Persons of this Star Sign are: ", ProfileField::FamousPersons},
};

void Label(ReportText& report, const QString& text) { report.push_back({text, true, report_style::kLabel}); }
void Value(ReportText& report, const QString& text) {
    report.push_back({text + kEndOfEntry, false, report_style::kValue});
}
void Entry(ReportText& report, const char* label, const QString& value) {
    Label(report, QString::fromLatin1(label));
    Value(report, value);
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

ReportText ComposeReport(const ZodiacState& state, const QString& japaneseSign) {
    ReportText report;
    Entry(report, "Name: ", state.userName);
    Entry(report, "Date of Birth: ", state.userBirthText);
    Entry(report, "Japanese Sign: ", japaneseSign);
    Entry(report, "English Name : ", Text(state.userSign));
    Label(report, QStringLiteral("Element: "));
    Label(report, Text(state.userElement) + QStringLiteral(": "));
    Value(report, Text(state.userElementDescription));
    for (const ProfileEntry& entry : kProfileEntries) {
        // Without a profile the labels stand alone, one after the other.
        if (state.userProfile) {
            Entry(report, entry.label, Text((*state.userProfile)[entry.field]));
        } else {
            Label(report, QString::fromLatin1(entry.label));
        }
    }
    return report;
}

ReportText RunsOf(const QTextDocument& document) {
    ReportText runs;
    const auto append = [&runs](const QString& text, bool bold, const QColor& colour) {
        if (!runs.empty() && runs.back().bold == bold && runs.back().colour == colour) {
            runs.back().text += text;
        } else {
            runs.push_back({text, bold, colour});
        }
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        ReportRun last{{}, false, report_style::kValue};
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            last = {{}, format.fontWeight() >= QFont::Bold, format.foreground().color()};
            append(fragment.text(), last.bold, last.colour);
        }
        // The box keeps an empty paragraph after the last line break.
        if (block.next().isValid()) append(QStringLiteral("\r\n"), last.bold, last.colour);
    }
    return runs;
}

}  // namespace zodiac
