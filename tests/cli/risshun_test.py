#!/usr/bin/python3
"""Asks the program the zodiac year of every day of risshun, 1900 to 2100, and of every day before one,
and of the minute before every risshun and the minute of it; then, for a spread of years, the
almanac's month of the minute before and the minute of all twelve setsu.

The moments are worked out afresh with tools/setsu_instants.py's ephem computation,
not read from the engine's table, and the signs come from the twelve-year cycle typed
below, so a wrong row in the table, a year begun a day or a minute early or late, or
a sign taken from the wrong year all show. Both days just outside coverage must be
refused. Around each setsu the month's branch must turn from the one typed below to
the next, its eto step on by one, the month's nine star fall by one, and at risshun
the year's star too.

    tests/cli/risshun_test.py PROGRAM
"""
import datetime
import json
import os
import pathlib
import runpy
import subprocess
import sys

TOOL = pathlib.Path(__file__).resolve().parent.parent.parent / "tools" / "setsu_instants.py"
SIGNS = ["Rat", "Ox", "Tiger", "Rabbit", "Dragon", "Snake", "Horse", "Sheep", "Monkey", "Rooster", "Dog", "Boar"]
ELEMENTS_BY_LAST_DIGIT = ["Metal", "Metal", "Water", "Water", "Wood", "Wood", "Fire", "Fire", "Earth", "Earth"]
FIRST_MINUTE_YEAR, LAST_MINUTE_YEAR = 1900, 2100  # the minute before 1900's is outside, and refused
ONE_DAY, ONE_MINUTE = datetime.timedelta(days=1), datetime.timedelta(minutes=1)
JAPAN = datetime.timezone(datetime.timedelta(hours=9), "JST")
# Risshun 2021 came at 23:58:38 JST on 3 February, the nearest of any year to
# midnight; the National Astronomical Observatory of Japan's almanac gives 23:59.
TYPED_MINUTES = {"2021-02-03T23:58": {"sign": "Rat", "element": "Metal"},
                 "2021-02-03T23:59": {"sign": "Ox", "element": "Metal"}}
# The branch of the solar month each setsu begins, shōkan (285°) to taisetsu (255°),
# as the tool numbers its terms; the month before taisetsu's is 亥, before shōkan's 子.
MONTH_BRANCHES = "丑寅卯辰巳午未申酉戌亥子"
RISSHUN = 1
# Every seventh year and the last: all twelve setsu of thirty years keep the run short.
SETSU_YEARS = [*range(1900, 2100, 7), 2100]
# The default (lunar) year start's coverage, by the day in Japan; minutes outside it are not asked.
SETSU_FIRST_DAY, SETSU_LAST_DAY = datetime.date(1900, 1, 31), datetime.date(2100, 2, 8)


def risshun_moments():
    """{year: UTC moment of risshun, to the second}, 1900 to 2101."""
    tool = runpy.run_path(str(TOOL))  # its functions, without running its main
    return {year: instant for year, _, instant in tool["risshun_days"]()}


def minutes_around(instant):
    """The whole minute just before `instant` and the first whole minute at or after it, in Japan."""
    local = instant.astimezone(JAPAN)
    whole = local.replace(second=0, microsecond=0)
    return (whole - ONE_MINUTE, whole) if whole == local else (whole, whole + ONE_MINUTE)


def setsu_moments():
    """{(year, term 0 = shōkan to 11 = taisetsu): UTC moment, to the second} for SETSU_YEARS."""
    tool = runpy.run_path(str(TOOL))
    return {(year, term): tool["setsu_instant"](year, term) for year in SETSU_YEARS for term in range(12)}


def one_lower(star):
    """The nine star before `star` in the almanac's falling count: 1 lower, 9 after 1."""
    return (star - 2) % 9 + 1


def year_of(year):
    return {"sign": SIGNS[(year - 1900) % 12], "element": ELEMENTS_BY_LAST_DIGIT[year % 10]}


def run(program, *arguments, lines=None):
    return subprocess.run([program, "sign", *arguments], input=lines, capture_output=True, text=True, timeout=120)


def ask(program, asked, what):
    """Problems in the program's answers to `asked`, (line, expected keys) pairs, in one run."""
    answer = run(program, "--json", "--year-start=risshun", "-", lines="".join(f"{line}\n" for line, _ in asked))
    lines = answer.stdout.splitlines()
    if answer.returncode != 0:
        return [f"asked {len(asked)} {what}, it exited with {answer.returncode}: {answer.stderr.strip()}"]
    if len(lines) != len(asked):
        return [f"asked {len(asked)} {what}, it answered {len(lines)} lines"]
    problems = []
    for (line, expected), text in zip(asked, lines):
        try:
            found = json.loads(text)
        except json.JSONDecodeError:
            found = {"the line": text}
        problems += [f"{line}: {key} is {found.get(key)!r}, expected {value!r}"
                     for key, value in expected.items() if found.get(key) != value]
    return problems


def ask_setsu_minutes(program, moments):
    """Problems in the almanac of the minutes before and of each setsu in `moments`, in one run, and how many asked."""
    names = ["shōkan", "risshun", "keichitsu", "seimei", "rikka", "bōshu", "shōsho", "risshū", "hakuro", "kanro",
             "rittō", "taisetsu"]
    pairs = []  # (what, minute before, minute of, term), each minute None when outside coverage
    for (year, term), instant in sorted(moments.items()):
        around = [minute if SETSU_FIRST_DAY <= minute.date() <= SETSU_LAST_DAY else None
                  for minute in minutes_around(instant)]
        if any(around):
            pairs.append((f"{year} {names[term]} ({instant.astimezone(JAPAN):%Y-%m-%d %H:%M:%S} JST)", *around, term))
    lines = [f"{minute:%Y-%m-%dT%H:%M}" for _, *minutes, _ in pairs for minute in minutes if minute]
    # A fixed UTC+9: Asia/Tokyo, the default, kept summer time from 1948 to 1951, an hour off JST.
    answer = run(program, "--json", "--zone=UTC+09:00", "-", lines="".join(f"{line}\n" for line in lines))
    if answer.returncode != 0:
        return [f"asked {len(lines)} setsu minutes, it exited with {answer.returncode}: {answer.stderr.strip()}"], 0
    if len(answer.stdout.splitlines()) != len(lines):
        return [f"asked {len(lines)} setsu minutes, it answered {len(answer.stdout.splitlines())} lines"], 0
    almanacs = {}
    problems = []
    for line, text in zip(lines, answer.stdout.splitlines()):
        try:
            found = json.loads(text)
        except json.JSONDecodeError:
            found = {}
        if (found.get("date"), found.get("time")) != tuple(line.split("T")):
            problems.append(f"{line}: answered for {found.get('date')} {found.get('time')}")
        almanacs[line] = found.get("almanac", {})

    def value(minute, *keys):
        found = almanacs[f"{minute:%Y-%m-%dT%H:%M}"]
        for key in keys:
            found = found.get(key, {}) if isinstance(found, dict) else {}
        return found if found != {} else None

    for what, before, of, term in pairs:
        for minute, branch, which in ((before, MONTH_BRANCHES[term - 1], "before"), (of, MONTH_BRANCHES[term], "of")):
            kanji = minute and value(minute, "monthEto", "kanji")
            if minute and (not isinstance(kanji, str) or kanji[1:] != branch):
                problems.append(f"{minute:%Y-%m-%dT%H:%M}, the minute {which} {what}: month eto {kanji!r}, "
                                f"expected the branch {branch}")
        if not (before and of):
            continue
        # The months' sixty-name cycle runs on unbroken, across years too (5 years of 12 months, 60).
        eto_before, eto_of = value(before, "monthEto", "number"), value(of, "monthEto", "number")
        if not isinstance(eto_before, int) or eto_of != eto_before % 60 + 1:
            problems.append(f"{what}: month eto number {eto_before!r} the minute before ({before:%H:%M}), "
                            f"{eto_of!r} the minute of ({of:%H:%M}), expected the next")
        # The month's star falls by one at every setsu, risshun included (3 years of 12 months, 36 = 4 × 9).
        stars = [("monthStar", value(before, "monthStar", "number"), value(of, "monthStar", "number"))]
        if term == RISSHUN:
            stars.append(("yearStar", value(before, "yearStar", "number"), value(of, "yearStar", "number")))
        for key, star_before, star_of in stars:
            if not isinstance(star_before, int) or star_of != one_lower(star_before):
                problems.append(f"{what}: {key} {star_before!r} the minute before ({before:%H:%M}), {star_of!r} "
                                f"the minute of ({of:%H:%M}), expected one lower")
    return problems, len(lines)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    program = sys.argv[1]
    if not os.access(program, os.X_OK):
        sys.exit(f"risshun_test: {program} is not a program that can be run")
    moments = risshun_moments()
    days = {year: instant.astimezone(JAPAN).date() for year, instant in moments.items()}
    first, last = min(days.values()), max(days.values()) - ONE_DAY

    # (day asked, what the program must answer for it), in the order asked.
    asked = []
    for year, day in days.items():
        if day <= last:
            asked.append((day, {"yearBegins": str(day), "yearEnds": str(days[year + 1] - ONE_DAY), **year_of(year)}))
        if day > first:
            asked.append((day - ONE_DAY, {"yearBegins": str(days[year - 1]), "yearEnds": str(day - ONE_DAY),
                                          **year_of(year - 1)}))
    asked = [(day, {"date": str(day), "yearStart": "risshun", **expected}) for day, expected in asked]
    problems = ask(program, asked, "days")

    # The minute before each risshun still belongs to the year before; the minute of it begins the new one.
    asked_minutes = []
    for year in range(FIRST_MINUTE_YEAR, LAST_MINUTE_YEAR + 1):
        for minute, zodiac_year in zip(minutes_around(moments[year]), (year - 1, year)):
            if zodiac_year < FIRST_MINUTE_YEAR:
                continue
            asked_minutes.append((f"{minute:%Y-%m-%dT%H:%M}", {"date": f"{minute:%Y-%m-%d}", "time": f"{minute:%H:%M}",
                                                               **year_of(zodiac_year)}))
    for line, typed in TYPED_MINUTES.items():
        if not any(asked_line == line and typed.items() <= expected.items() for asked_line, expected in asked_minutes):
            problems.append(f"{line} is not among the minutes asked as {typed['element']} {typed['sign']}")
    problems += ask(program, asked_minutes, "minutes")

    # Refused, with the range named: the days just outside, and the minute before the first risshun.
    first_minute = minutes_around(moments[FIRST_MINUTE_YEAR])
    refused = [(str(first - ONE_DAY), (str(first), str(last))), (str(last + ONE_DAY), (str(first), str(last))),
               (f"{first_minute[0]:%Y-%m-%dT%H:%M}", (f"{moments[FIRST_MINUTE_YEAR].astimezone(JAPAN):%Y-%m-%d %H:%M}",))]
    for outside, named in refused:
        refusal = run(program, "--year-start=risshun", outside)
        message = refusal.stderr.strip()
        if refusal.returncode != 2 or len(message.splitlines()) != 1 or not all(text in message for text in named):
            problems.append(f"{outside}: expected exit 2 and one line naming {' and '.join(named)}, "
                            f"got exit {refusal.returncode} and {message!r}")

    setsu_problems, setsu_minutes = ask_setsu_minutes(program, setsu_moments())
    problems += setsu_problems

    checked = (f"{len(asked)} days of risshun and days before, {first} to {last}, the two days and the minute outside, "
               f"{len(asked_minutes)} minutes before and of risshun, {FIRST_MINUTE_YEAR} to {LAST_MINUTE_YEAR}, "
               f"and the almanac of {setsu_minutes} minutes before and of the twelve setsu of {len(SETSU_YEARS)} years")
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        sys.exit(f"risshun_test: {len(problems)} disagreements in {checked}")
    print(f"risshun_test: all agree, {checked}")


if __name__ == "__main__":
    main()
