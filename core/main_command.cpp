#include "core/main_command.h"

namespace zodiac {
namespace {

// The windows count on Japan's clock; for a day without a time under the lunar
// year start a fixed UTC+9 tells the same, where the system lacks the zone.
Birthplace JapansClock() {
    if (auto tokyo = Birthplace::Named(QString::fromLatin1(Birthplace::kDefault))) return *std::move(tokyo);
    return *Birthplace::Named(QStringLiteral("UTC+09:00"));
}

}  // namespace

MainCommand::MainCommand() : place_(JapansClock()) {}

void MainCommand::Run(const PersonEntry& user, const PersonEntry& partner, ZodiacState& state) const {
    const auto read = [this](const PersonEntry& person, std::optional<Reading>& kept) {
        // The last run's reading stands, under the name typed now, as the section's
        // other results always have.
        if (!person.birthDate) {
            if (kept) kept->name = person.name;
            return;
        }
        if (auto reading = ReadingOf(person.name, Birth{*person.birthDate}, YearStart::Lunar, place_)) {
            kept = std::move(*reading);
        }
    };
    read(user, state.user);
    read(partner, state.partner);
    if (state.user && state.partner) state.compatibility = MatchOf(*state.user, *state.partner).compatibility;
}

}  // namespace zodiac
