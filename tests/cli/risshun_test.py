#!/usr/bin/python3
"""Asks the program the zodiac year of every day of risshun, 1900 to 2100, and of every day before one,
and of the minute before every risshun and the minute of it.

The moments are worked out afresh with tools/setsu_instants.py's ephem computation,
not read from the engine's table, and the signs come from the twelve-year cycle typed
below, so a wrong row in the table, a year begun a day or a minute early or late, or
a sign taken from the wrong year all show. Both days just outside coverage must be
refused.

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


def risshun_moments():
    """{year: UTC moment of risshun, to the second}, 1900 to 2101."""
    tool = runpy.run_path(str(TOOL))  # its functions, without running its main
    return {year: instant for year, _, instant in tool["risshun_days"]()}


def minutes_around(instant):
    """The whole minute just before `instant` and the first whole minute at or after it, in Japan."""
    local = instant.astimezone(JAPAN)
    whole = local.replace(second=0, microsecond=0)
    return (whole - ONE_MINUTE, whole) if whole == local else (whole, whole + ONE_MINUTE)


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

    checked = (f"{len(asked)} days of risshun and days before, {first} to {last}, the two days and the minute outside, "
               f"and {len(asked_minutes)} minutes before and of risshun, {FIRST_MINUTE_YEAR} to {LAST_MINUTE_YEAR}")
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        sys.exit(f"risshun_test: {len(problems)} disagreements in {checked}")
    print(f"risshun_test: all agree, {checked}")


if __name__ == "__main__":
    main()
