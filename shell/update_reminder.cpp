#include "shell/update_reminder.h"

#include <algorithm>

#include "platform/platform.h"
#include "services/settings.h"
#include "services/web_links.h"

namespace zodiac {
namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Duration");
constexpr qint64 kQuietDays = 14;

// Earlier versions wrote Chakma and Adlam dates without their digits, leaving
// only separators such as "//": that is no date at all, as if none were stored.
bool HoldsAnything(const QString& stored) {
    const auto codes = stored.toUcs4();
    return std::any_of(codes.cbegin(), codes.cend(), [](char32_t c) { return QChar::isLetterOrNumber(c); });
}

}  // namespace

void UpdateReminder(Platform& platform, WebLinks& links, const QLocale& locale) {
    const QString scrambledKey = EncodeSetting(kKey);
    const QDate today = platform.Today();
    const auto storeToday = [&] {
        platform.SetSettingValue(kSection, scrambledKey, EncodeSetting(ReminderDateText(today, locale)));
    };

    const QString stored = DecodeSetting(platform.SettingValue(kSection, scrambledKey));
    if (!HoldsAnything(stored)) {
        storeToday();
        return;
    }
    const auto last = ReadReminderDate(stored, locale, today);
    if (!last) return;  // not a date: leave it be and start as usual
    const qint64 difference = today.daysTo(*last);
    if (difference >= -kQuietDays && difference <= kQuietDays) return;

    const bool check = platform.AskYesNo(
        nullptr,
        QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"),
        Platform::Icon::Information);
    storeToday();
    if (check) links.OpenDownloadPage();
}

}  // namespace zodiac
