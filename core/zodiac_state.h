#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <string>

#include "engine/compatibility.h"
#include "engine/profiles.h"

namespace zodiac {

// One person's entries as the main command reads them.
struct PersonEntry {
    QString name;                                          // trimmed
    QString day;                                           // "1" to "31"
    QString month;                                         // "January" to "December"
    QString year;                                          // "1936" to "2008"
    QString birthText;                                     // for example "5 March 1975"
    std::optional<std::chrono::year_month_day> birthDate;  // absent when the entries name no real day
};

// What the last run of the main command found; the result window and the report read it.
struct ZodiacState {
    QString userName, partnerName;
    QString userBirthText, partnerBirthText;
    std::string userSign, partnerSign;
    std::string userElement, partnerElement;
    std::optional<SignProfile> userProfile, partnerProfile;
    std::string userElementDescription, partnerElementDescription;
    CompatibilityResult compatibility;
};

}  // namespace zodiac
