#pragma once

namespace zodiac::cli {

// The command line's exit statuses.
inline constexpr int kDone = 0;
inline constexpr int kNotWritten = 1;  // a report or standard output that could not be written
inline constexpr int kBadInput = 2;

}  // namespace zodiac::cli
