#include "update_reminder.h"

#include "platform.h"
#include "settings.h"
#include "web_links.h"

namespace zodiac {
namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Duration");
constexpr qint64 kQuietDays = 14;

}  // namespace

void UpdateReminder(Platform& platform, WebLinks& links, const QLocale& locale) {
    const QString scrambledKey = EncodeSetting(kKey);
    const QDate today = platform.today();
    const auto storeToday = [&] {
        platform.setSettingValue(kSection, scrambledKey, EncodeSetting(ReminderDateText(today, locale)));
    };

    const QString stored = DecodeSetting(platform.settingValue(kSection, scrambledKey));
    if (stored.isEmpty()) {
        storeToday();
        return;
    }
    const auto last = ReadReminderDate(stored, locale, today);
    if (!last) return;  // not a date: leave it be and start as usual
    const qint64 difference = today.daysTo(*last);
    if (difference >= -kQuietDays && difference <= kQuietDays) return;

    const bool check = platform.askYesNo(
        nullptr,
        QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"),
        Platform::Icon::Information);
    storeToday();
    if (check) links.OpenDownloadPage();
}

}  // namespace zodiac
