#!/usr/bin/python3
"""Writes engine/kyureki_months.h, the months of the old Japanese calendar (kyūreki) from 1900 to 2100.

The months are worked out by the Tenpō rules as Japanese almanacs keep them, in Japan
time (UTC+09:00), with the moon and the sun from Debian's python3-ephem:
- a month begins on the day that holds a new moon (the moment rounded to the second);
- the month that holds the winter solstice (the sun's apparent longitude 270°) is the 11th;
- from one 11th month to the next (a sui), if there are 13 months, the first that holds no
  chūki (a moment the sun's longitude is a multiple of 30°) is a leap month and takes the
  number of the month before it. A month holds a moment whose day in Japan falls on or
  after its first day and before the next month's first day.
These rules make the month from 2033-12-22 a leap 11th month, as most almanacs print it.

The cross-check compares every month from 1900 to 2100 with ICU's Korean calendar
(dangi), through Node.js built with full ICU: a second computation, of the moon and
the sun as well as of the rules. It leaves out the months in which Seoul's standard
time was not Japan's (the zone database's Asia/Seoul), and those whose new moon is so
near midnight that ICU's less exact moon may put it on the other day; it names them.

    tools/kyureki_months.py                 cross-checks with ICU's dangi calendar, then writes the header
    tools/kyureki_months.py --cross-check   cross-checks with ICU's dangi calendar and compares with the header
    tools/kyureki_months.py --check         compares the header with what ephem says (offline; a ctest)
"""
import bisect
import datetime
import json
import pathlib
import subprocess
import sys
import zoneinfo

import ephem

# The shared helpers beside this script, also when a test loads it by its path.
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from generated import write_or_check  # noqa: E402
from setsu_instants import JAPAN, UNIX_EPOCH, UNIX_EPOCH_IN_EPHEM_DAYS, sun_longitude  # noqa: E402

FIRST_DAY, LAST_DAY = datetime.date(1900, 1, 1), datetime.date(2100, 12, 31)
OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "engine" / "kyureki_months.h"

DAY = 86400
JAPAN_OFFSET = 9 * 3600
WINTER_SOLSTICE = 270
TROPICAL_YEAR = 365.2422  # days, for a first guess at each chūki
NEAR_MIDNIGHT = datetime.timedelta(minutes=10)  # closer than this, ICU's new moon may fall on the other day


def seconds_of(when):
    """An ephem date (UT) as whole seconds since 1970 (UTC)."""
    return round((when - UNIX_EPOCH_IN_EPHEM_DAYS) * DAY)


def japan_day(seconds):
    """The day in Japan that holds a moment, in days since 1970-01-01."""
    return (seconds + JAPAN_OFFSET) // DAY


def date_of(day):
    return datetime.date(1970, 1, 1) + datetime.timedelta(days=day)


def japan_time(seconds):
    return (UNIX_EPOCH + datetime.timedelta(seconds=seconds)).astimezone(JAPAN)


def chuki_instant(longitude, guess):
    """The moment, in seconds since 1970, the sun reaches `longitude` within four days of ephem date `guess`."""

    def past(when):
        return (sun_longitude(when) - longitude + 180) % 360 - 180 >= 0

    # Counted from a winter solstice, near perihelion, the mean sun is never much more than two days off the true one.
    low, high = ephem.Date(guess - 4), ephem.Date(guess + 4)
    assert not past(low) and past(high), f"the sun does not reach {longitude}° within four days of {guess}"
    while high - low > 1e-8:  # days: under a thousandth of a second
        middle = (low + high) / 2
        low, high = (low, middle) if past(middle) else (middle, high)
    return seconds_of((low + high) / 2)


def chuki():
    """(longitude, moment in seconds since 1970) of every chūki from the winter solstice of 1899 to that of 2101."""
    first = ephem.next_solstice(ephem.Date(datetime.datetime(1899, 12, 1)))  # the winter one
    rows = []
    for i in range(12 * (2101 - 1899) + 1):
        longitude = (WINTER_SOLSTICE + 30 * i) % 360
        rows.append((longitude, chuki_instant(longitude, ephem.Date(first + i * TROPICAL_YEAR / 12))))
    assert all(a[1] < b[1] for a, b in zip(rows, rows[1:]))
    return rows


def months():
    """(first day, number, leap, moment of its new moon, length in days) for every month from the 11th month
    before 1900 to the 11th month of 2101, numbered by the rules; days since 1970-01-01."""
    terms = chuki()

    def next_new_moon(seconds):
        return seconds_of(ephem.next_new_moon(ephem.Date(seconds / DAY + UNIX_EPOCH_IN_EPHEM_DAYS + 1)))

    # From a new moon well before the winter solstice of 1899 to the one after the last chūki.
    new_moons = [seconds_of(ephem.previous_new_moon(ephem.Date(datetime.datetime(1899, 11, 20))))]
    while new_moons[-1] <= terms[-1][1]:
        new_moons.append(next_new_moon(new_moons[-1]))
    firsts = [japan_day(moment) for moment in new_moons]
    assert all(b - a in (29, 30) for a, b in zip(firsts, firsts[1:]))

    # The chūki each month holds, by the day they fall on in Japan.
    held = [[] for _ in firsts]
    for longitude, moment in terms:
        held[bisect.bisect_right(firsts, japan_day(moment)) - 1].append(longitude)
    elevenths = [i for i, longitudes in enumerate(held) if WINTER_SOLSTICE in longitudes]
    assert len(elevenths) == 2101 - 1899 + 1 and elevenths[-1] < len(firsts) - 1

    numbers, leaps = {elevenths[0]: 11}, {elevenths[0]: False}
    for start, end in zip(elevenths, elevenths[1:]):
        assert end - start in (12, 13), f"a sui of {end - start} months from {date_of(firsts[start])}"
        leap = next(i for i in range(start + 1, end) if not held[i]) if end - start == 13 else None
        for i in range(start + 1, end + 1):
            numbers[i], leaps[i] = (numbers[i - 1], True) if i == leap else (numbers[i - 1] % 12 + 1, False)
        assert numbers[end] == 11
    return [(firsts[i], numbers[i], leaps[i], new_moons[i], firsts[i + 1] - firsts[i]) for i in sorted(numbers)]


def covered(rows):
    """The months that hold a day from FIRST_DAY to LAST_DAY."""
    first, last = ((day - datetime.date(1970, 1, 1)).days for day in (FIRST_DAY, LAST_DAY))
    chosen = [row for row in rows if row[0] <= last and row[0] + row[4] > first]
    assert chosen[0][0] <= first and chosen[-1][0] + chosen[-1][4] > last
    return chosen


def name(number, leap):
    return f"{'閏' if leap else ''}{number}月"


def header(rows):
    def line(first, number, leap, new_moon, length):
        fields = f"{{{first}, {number}, {'true' if leap else 'false'}, {length}}},"
        moment = f"new moon {japan_time(new_moon):%H:%M:%S} JST"
        return f"    {fields:<24}  // {date_of(first)} {name(number, leap)}, {moment}"

    lines = "\n".join(line(*row) for row in rows)
    return f"""#pragma once

// Generated by tools/kyureki_months.py from python3-ephem, checked against ICU's dangi calendar; do not edit.
// The months of the old calendar (kyūreki) that hold the days from {FIRST_DAY} to {LAST_DAY}, by the Tenpō
// rules in Japan time: each begins on the day of a new moon, the one that holds the winter solstice is the 11th,
// and in a year of 13 months from one 11th month to the next, the first that holds no chūki is a leap month.

#include <array>
#include <cstdint>

namespace zodiac::detail {{

struct KyurekiMonth {{
    std::int32_t first;  // its first day, in days since 1970-01-01
    std::int8_t number;  // 1 to 12
    bool leap;           // a leap month, which has the number of the month before it
    std::int8_t length;  // 29 or 30 days
}};

// clang-format off
inline constexpr std::array<KyurekiMonth, {len(rows)}> kKyurekiMonths = {{{{
{lines}
}}}};
// clang-format on

}}  // namespace zodiac::detail
"""


# Prints, for every day from the first to the last asked that begins a month in ICU's
# Korean calendar, the day and the month's name ("11", or "윤11" for a leap month).
# Each day is given at noon UTC and formatted in UTC, so that it is that day's own
# date the calendar is asked about, whatever zone ICU computes the moon in.
SECOND_CALENDAR_SCRIPT = r"""
const [first, last] = JSON.parse(process.argv[1]);
const format = new Intl.DateTimeFormat('ko-u-ca-dangi', {month: 'numeric', day: 'numeric', timeZone: 'UTC'});
const starts = [];
for (let day = first; day <= last; ++day) {
    const parts = Object.fromEntries(format.formatToParts(new Date(day * 86400000 + 43200000))
                                         .map(part => [part.type, part.value]));
    if (parts.day === '1') starts.push([day, parts.month]);
}
console.log(JSON.stringify({icu: process.versions.icu, starts}));
"""


def korea_differs(seconds):
    """Whether Seoul's standard time at a moment was not Japan's, by the zone database."""
    seoul = (UNIX_EPOCH + datetime.timedelta(seconds=seconds)).astimezone(zoneinfo.ZoneInfo("Asia/Seoul"))
    return seoul.utcoffset() - seoul.dst() != datetime.timedelta(seconds=JAPAN_OFFSET)


def cross_check(rows):
    """Fails loudly unless ICU's dangi calendar agrees with every month it is compared on; names the rest."""
    first, last = rows[0][0], rows[-1][0] + rows[-1][4] - 1
    answer = json.loads(subprocess.run(["node", "-e", SECOND_CALENDAR_SCRIPT, json.dumps([first, last])],
                                       check=True, capture_output=True, text=True).stdout)
    theirs = {day: (int(month.lstrip("윤")), month.startswith("윤")) for day, month in answer["starts"]}

    def from_midnight(new_moon):
        since = datetime.timedelta(seconds=(new_moon + JAPAN_OFFSET) % DAY)
        return min(since, datetime.timedelta(days=1) - since)

    compared, skipped, seoul_runs, disagreements, first_day_before = 0, [], [], [], None
    for first_day, number, leap, new_moon, _ in rows:
        what = f"{date_of(first_day)} {name(number, leap)}"
        if korea_differs(new_moon) or from_midnight(new_moon) < NEAR_MIDNIGHT:
            if not korea_differs(new_moon):
                skipped.append(f"{what} (new moon {japan_time(new_moon):%H:%M:%S} JST)")
            elif seoul_runs and seoul_runs[-1][-1] == first_day_before:  # named by the first and last of a run
                seoul_runs[-1][1:] = [what, seoul_runs[-1][2] + 1, first_day]
            else:
                seoul_runs.append([what, what, 1, first_day])
            # ICU's month may begin a day earlier or later there, so its start is not looked for either.
            for day in (first_day - 1, first_day, first_day + 1):
                theirs.pop(day, None)
        else:
            compared += 1
            found = theirs.pop(first_day, None)
            if found != (number, leap):
                disagreements.append(f"{what}: ICU's dangi has " + (name(*found) if found else "no month beginning"))
        first_day_before = first_day
    disagreements += [f"{date_of(day)}: ICU's dangi begins {name(*month)} where no month begins here"
                      for day, month in sorted(theirs.items())]
    if disagreements:
        sys.exit(f"python3-ephem and ICU {answer['icu']}'s dangi calendar disagree:\n  " + "\n  ".join(disagreements))
    skipped += [f"{first} to {last}, {count} months (Seoul's standard time was not Japan's)"
                for first, last, count, _ in seoul_runs]
    print(f"{compared} of {len(rows)} months agree with ICU {answer['icu']}'s dangi calendar in their first day, "
          f"number and leap; left out:\n  " + "\n  ".join(sorted(skipped)))


def main():
    rows = covered(months())
    write_or_check(OUTPUT, header(rows), lambda: cross_check(rows), "python3-ephem", __doc__)


if __name__ == "__main__":
    main()
