#pragma once

namespace zodiac {

class Platform;
class WebLinks;

// Reminds the user, at most once in fifteen days, to look for a newer version.
void UpdateReminder(Platform& platform, WebLinks& links);

}  // namespace zodiac
