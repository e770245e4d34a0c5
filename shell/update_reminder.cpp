#include "update_reminder.h"

namespace zodiac {

void UpdateReminder(Platform&, WebLinks&) {
    // Nothing is stored yet, so there is nothing to remind of.
}

}  // namespace zodiac
