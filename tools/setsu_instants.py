#!/usr/bin/python3
"""Writes engine/setsu_instants.h, the moments of the twelve setsu from the taisetsu of 1899 to the risshun of 2101.

The setsu are the solar terms that begin the twelve solar months: the moments the
sun's apparent geocentric ecliptic longitude of date reaches 285° (shōkan), 315°
(risshun, on which the zodiac year begins), 345° and every 30° on to 255°
(taisetsu). Debian's python3-ephem gives that longitude, each moment is found by
bisection to a small fraction of a second, and the engine keeps it rounded to the
second. Before writing, every moment is checked against a second, unrelated
computation, the npm package lunar-javascript (its jieqi in China Standard Time),
installed with npm into a temporary folder: that needs npm (Debian's npm and nodejs)
and the npm registry, so it is run by hand, not by ctest.

    tools/setsu_instants.py                 cross-checks with lunar-javascript, then writes the header
    tools/setsu_instants.py --cross-check   cross-checks with lunar-javascript and compares with the header
    tools/setsu_instants.py --check         compares the header with what ephem says (offline; a ctest)
"""
import calendar
import collections
import datetime
import math
import pathlib
import sys

import ephem

# The shared helpers beside this script, also when a test loads it by its path.
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from generated import SECOND_CALENDAR, ask_second_calendar, write_or_check  # noqa: E402

FIRST_YEAR, LAST_YEAR = 1900, 2101  # the setsu from the taisetsu before 1900 to the risshun of 2101
OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "engine" / "setsu_instants.h"

# In the order they fall in a calendar year: the name in Hepburn, the name in
# lunar-javascript (simplified Chinese), the sun's longitude in degrees, and a
# day in UTC no more than two days from the term in any year.
TERMS = [
    ("shōkan", "小寒", 285, (1, 6)),
    ("risshun", "立春", 315, (2, 4)),
    ("keichitsu", "惊蛰", 345, (3, 6)),
    ("seimei", "清明", 15, (4, 5)),
    ("rikka", "立夏", 45, (5, 6)),
    ("bōshu", "芒种", 75, (6, 6)),
    ("shōsho", "小暑", 105, (7, 7)),
    ("risshū", "立秋", 135, (8, 7)),
    ("hakuro", "白露", 165, (9, 8)),
    ("kanro", "寒露", 195, (10, 8)),
    ("rittō", "立冬", 225, (11, 7)),
    ("taisetsu", "大雪", 255, (12, 7)),
]
RISSHUN, TAISETSU = 1, 11
# The taisetsu of 1899 leads, so that the first days of 1900, before its shōkan, have
# their month (the ne month of the risshun year 1899) on every clock.
COUNT = 1 + (LAST_YEAR - FIRST_YEAR) * len(TERMS) + RISSHUN + 1

JAPAN = datetime.timezone(datetime.timedelta(hours=9), "JST")
CHINA_TO_JAPAN = datetime.timedelta(hours=1)  # lunar-javascript answers in UTC+8
TOLERANCE = datetime.timedelta(minutes=2)  # between the two computations' instants
UNIX_EPOCH = datetime.datetime(1970, 1, 1, tzinfo=datetime.timezone.utc)
UNIX_EPOCH_IN_EPHEM_DAYS = 25567.5  # ephem.Date counts days from 1899-12-31 12:00 UT


def sun_longitude(when):
    """The sun's apparent geocentric ecliptic longitude of date, in degrees, at ephem date `when` (UT)."""
    # Computed with a date and no observer, ra/dec are ephem's apparent geocentric
    # position for the equinox of date (light time, nutation and aberration applied);
    # a_ra/a_dec are astrometric, without those and in J2000 unless told otherwise,
    # which puts risshun up to a day and a half off (a quarter of an hour even of
    # date). Taken to the ecliptic of the same date, so nothing is precessed.
    sun = ephem.Sun(when)
    return math.degrees(ephem.Ecliptic(ephem.Equatorial(sun.ra, sun.dec, epoch=when), epoch=when).lon)


def setsu_instant(year, term):
    """The UTC moment, to the second, the sun reaches term's longitude in `year`."""
    name, _, longitude, (month, day) = TERMS[term]

    def past(when):
        return (sun_longitude(when) - longitude + 180) % 360 - 180 >= 0

    # The sun moves about a degree a day, so two days either side of the usual day
    # bracket the moment with room to spare and the sign changes once in between.
    usual = ephem.Date(datetime.datetime(year, month, day))
    low, high = ephem.Date(usual - 2), ephem.Date(usual + 2)
    assert not past(low) and past(high), f"{name} of {year} is not within two days of {month}-{day}"
    while high - low > 1e-8:  # days: under a thousandth of a second
        middle = (low + high) / 2
        low, high = (low, middle) if past(middle) else (middle, high)
    seconds = round(((low + high) / 2 - UNIX_EPOCH_IN_EPHEM_DAYS) * 86400)
    return UNIX_EPOCH + datetime.timedelta(seconds=seconds)


def setsu_instants():
    """(year, term 0 to 11 from shōkan, UTC moment to the second) for every setsu, in order."""
    rows = []
    for i in range(COUNT):
        year, term = divmod((FIRST_YEAR - 1) * len(TERMS) + TAISETSU + i, len(TERMS))
        rows.append((year, term, setsu_instant(year, term)))
    return rows


def risshun_days():
    """(year, day of risshun in Japan, UTC moment of risshun to the second) for every year, in order."""
    rows = []
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        instant = setsu_instant(year, RISSHUN)
        rows.append((year, instant.astimezone(JAPAN).date(), instant))
    return rows


def header(rows):
    width = max(len(name) for name, *_ in TERMS)

    def line(year, term, instant):
        seconds = f"{(instant - UNIX_EPOCH) // datetime.timedelta(seconds=1)},"
        japan = instant.astimezone(JAPAN)
        return f"    {seconds:<12}  // {year} {TERMS[term][0]:<{width}} {japan:%Y-%m-%d %H:%M:%S} JST"

    lines = "\n".join(line(*row) for row in rows)
    return f"""#pragma once

// Generated by tools/setsu_instants.py from python3-ephem, checked against {SECOND_CALENDAR}; do not edit.
// The twelve setsu, from the taisetsu of {FIRST_YEAR - 1} to the risshun of {LAST_YEAR}: the moments the sun's apparent
// longitude reaches 285°, 315°, 345° and every 30° on to 255°, in seconds since 1970 (UTC).

#include <array>
#include <cstdint>

namespace zodiac::detail {{

// clang-format off
inline constexpr std::array<std::int64_t, {len(rows)}> kSetsuSeconds = {{{{
{lines}
}}}};
// clang-format on

}}  // namespace zodiac::detail
"""


# Prints every term in lunar-javascript's jieqi tables of the lunar years that begin
# in the years asked (China Standard Time, to the second). Each table runs from the
# taisetsu before that lunar year to the keichitsu after it.
SECOND_CALENDAR_SCRIPT = r"""
const {Lunar} = require('lunar-javascript');
const [firstYear, lastYear] = JSON.parse(process.argv[1]);
const out = [];
for (let year = firstYear; year <= lastYear; ++year) {
    for (const [name, s] of Object.entries(Lunar.fromYmd(year, 1, 1).getJieQiTable()))
        out.push({name, china: [s.getYear(), s.getMonth(), s.getDay(), s.getHour(), s.getMinute(), s.getSecond()]});
}
console.log(JSON.stringify(out));
"""
# A table names its own lunar year's terms in Chinese and the neighbouring years' in
# pinyin; the other terms in it (the chūki, 冬至 and so on) are not setsu.
SECOND_NAMES = {chinese: term for term, (_, chinese, _, _) in enumerate(TERMS)} | {
    "XIAO_HAN": 0, "LI_CHUN": 1, "JING_ZHE": 2, "DA_XUE": 11}


def cross_check(rows):
    """Fails loudly unless lunar-javascript agrees with every moment; prints what is worth knowing."""
    version, answer = ask_second_calendar(SECOND_CALENDAR_SCRIPT, [FIRST_YEAR, LAST_YEAR])
    theirs = collections.defaultdict(set)  # (year, term): the moments named so, in China time
    for entry in answer:
        if entry["name"] in SECOND_NAMES:
            china = datetime.datetime(*entry["china"])
            theirs[china.year, SECOND_NAMES[entry["name"]]].add(china)

    disagreements, china_days_differ, japan_days_differ, their_japan = [], [], [], {}
    largest = (datetime.timedelta(0), None)
    for year, term, instant in rows:
        name, _, _, (month, _) = TERMS[term]
        found = sorted(theirs.get((year, term), ()))
        if len(found) != 1:
            disagreements.append(f"{year} {name}: lunar-javascript gave {len(found)} moments {found}")
            continue
        china, ours = found[0], instant.astimezone(JAPAN).replace(tzinfo=None)
        japan = their_japan[year, term] = china + CHINA_TO_JAPAN
        gap = abs(japan - ours)
        largest = max(largest, (gap, f"{year} {name}"))
        if china.month != month or ours.month != month:
            disagreements.append(f"{year} {name} is {ours:%Y-%m-%d} JST here, {china:%Y-%m-%d} in China there, "
                                 f"not both in {calendar.month_name[month]}")
        if gap > TOLERANCE:
            disagreements.append(f"{year} {name} is {ours:%Y-%m-%d %H:%M:%S} JST here but {japan:%Y-%m-%d %H:%M:%S} "
                                 f"JST in lunar-javascript ({gap.total_seconds():.0f} s apart)")
        if japan.date() != ours.date():
            # Risshun's day in Japan begins the zodiac year of a date given without a time.
            (disagreements if term == RISSHUN else japan_days_differ).append(
                f"{year} {name} falls on {ours:%Y-%m-%d %H:%M:%S} JST here, {japan:%Y-%m-%d %H:%M:%S} there")
        if term == RISSHUN and china.date() != ours.date():
            china_days_differ.append(f"{year} ({china:%m-%d %H:%M} in Beijing, {ours:%m-%d %H:%M} in Tokyo)")
    if len(rows) != COUNT:
        disagreements.append(f"{len(rows)} moments here, not {COUNT}")
    if disagreements:
        sys.exit("python3-ephem and lunar-javascript disagree:\n  " + "\n  ".join(disagreements))

    def from_midnight(row):
        local = row[2].astimezone(JAPAN)
        since = local - local.replace(hour=0, minute=0, second=0)
        return min(since, datetime.timedelta(days=1) - since)

    def describe(row):
        year, term, instant = row
        return (f"{year} {TERMS[term][0]}, {instant.astimezone(JAPAN):%Y-%m-%d %H:%M:%S} JST, "
                f"{from_midnight(row).total_seconds():.0f} s from midnight ({their_japan[year, term]:%H:%M:%S} there)")

    print(f"all {len(rows)} setsu agree with lunar-javascript {version}; the moments are at most "
          f"{largest[0].total_seconds():.0f} s apart ({largest[1]})")
    print("the day in Japan differs between the two in " + (", ".join(japan_days_differ) or "no setsu"))
    print("risshun's day in Japan is not its day in China in " + (", ".join(china_days_differ) or "no year"))
    print(f"nearest to midnight in Japan: {describe(min(rows, key=from_midnight))}; of risshun: "
          f"{describe(min((row for row in rows if row[1] == RISSHUN), key=from_midnight))}")
    days = collections.defaultdict(list)  # for the ranges the engine's own checks allow
    for _, term, instant in rows:
        days[term].append(instant.astimezone(JAPAN).day)
    print("days in Japan: " + ", ".join(f"{name} {min(days[term])} to {max(days[term])} {calendar.month_name[month]}"
                                         for term, (name, _, _, (month, _)) in enumerate(TERMS)))


def main():
    rows = setsu_instants()
    write_or_check(OUTPUT, header(rows), lambda: cross_check(rows), "python3-ephem", __doc__)


if __name__ == "__main__":
    main()
