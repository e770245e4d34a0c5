#pragma once

#include <QString>

#include "core/version.h"

namespace zodiac {

// The title of every message box and dialog.
inline const QString kApplicationTitle = QStringLiteral("Qorvel Japanese Zodiac");
// The caption of every window.
inline const QString kWindowCaption = kApplicationTitle + QStringLiteral(" v") + QLatin1String(version::kVersion);

}  // namespace zodiac
