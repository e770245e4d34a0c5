#pragma once

#include <QLocale>

namespace zodiac {

class Platform;
class WebLinks;

// At most once in fifteen days, asks whether to look for a newer version and
// opens the download page on Yes. The first start only notes the day.
void UpdateReminder(Platform& platform, WebLinks& links, const QLocale& locale = QLocale());

}  // namespace zodiac
