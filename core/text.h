#pragma once

#include <QString>
#include <string_view>

namespace zodiac {

// The engine's texts are UTF-8; the windows and the command line speak QString.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zodiac
