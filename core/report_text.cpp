#include "core/report_text.h"

#include <cmath>

#include "core/text.h"

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

}  // namespace

ReportText ComposeReport(const ReportFacts& facts) {
    ReportText report;
    Entry(report, "Name: ", facts.name);
    Entry(report, "Date of Birth: ", facts.birthText);
    if (!facts.reckoning.isEmpty()) Entry(report, "Reckoned: ", facts.reckoning);
    Entry(report, "Japanese Sign: ", facts.japaneseSign);
    Entry(report, "English Name : ", ToQString(facts.sign));
    Label(report, QStringLiteral("Element: "));
    Label(report, ToQString(facts.element) + QStringLiteral(": "));
    Value(report, ToQString(facts.elementDescription));
    for (const ProfileEntry& entry : kProfileEntries) {
        // Without a profile the labels stand alone, one after the other.
        if (facts.profile) {
            Entry(report, entry.label, ToQString((*facts.profile)[entry.field]));
        } else {
            Label(report, QString::fromLatin1(entry.label));
        }
    }
    return report;
}

std::string ReportRtf(const ReportText& runs) {
    RtfDocument document;
    document.fontName = std::string{report_style::kFont};
    document.halfPoints = static_cast<int>(std::lround(report_style::kPoints * 2));
    for (const ReportRun& run : runs) {
        if (!document.runs.empty() && document.runs.back().bold == run.bold &&
            document.runs.back().colour == run.colour) {
            document.runs.back().text += run.text.toStdString();
        } else {
            document.runs.push_back({run.text.toStdString(), run.bold, run.colour});
        }
    }
    return WriteRtf(document);
}

}  // namespace zodiac
