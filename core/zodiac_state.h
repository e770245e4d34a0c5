#pragma once

#include <QString>
#include <chrono>
#include <optional>

#include "core/reading.h"
#include "engine/compatibility.h"

namespace zodiac {

// One person's entries as the main command reads them.
struct PersonEntry {
    QString name;
    std::optional<std::chrono::year_month_day> birthDate;  // absent when the entries name no real day
};

// What the main command has found so far; the result window and the report read it.
struct ZodiacState {
    std::optional<Reading> user;     // absent before the first run
    std::optional<Reading> partner;  // absent until the partner's entries name a real day
    // The pair's, whenever both readings are there.
    std::optional<CompatibilityResult> compatibility;
};

}  // namespace zodiac
