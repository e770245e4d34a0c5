#!/usr/bin/python3
"""Asks the program the zodiac year of every day of risshun, 1900 to 2100, and of every day before one.

The days are worked out afresh with tools/risshun_days.py's ephem computation, not
read from the engine's table, and the signs come from the twelve-year cycle typed
below, so a wrong row in the table, a year begun a day early or late, or a sign
taken from the wrong year all show. Both days just outside coverage must be refused.

    tests/cli/risshun_test.py PROGRAM
"""
import datetime
import json
import os
import pathlib
import runpy
import subprocess
import sys

TOOL = pathlib.Path(__file__).resolve().parent.parent.parent / "tools" / "risshun_days.py"
SIGNS = ["Rat", "Ox", "Tiger", "Rabbit", "Dragon", "Snake", "Horse", "Sheep", "Monkey", "Rooster", "Dog", "Boar"]
ELEMENTS_BY_LAST_DIGIT = ["Metal", "Metal", "Water", "Water", "Wood", "Wood", "Fire", "Fire", "Earth", "Earth"]
ONE_DAY = datetime.timedelta(days=1)


def risshun_days():
    tool = runpy.run_path(str(TOOL))  # its functions, without running its main
    return {year: day for year, day, _ in tool["risshun_days"]()}


def year_of(year):
    return {"sign": SIGNS[(year - 1900) % 12], "element": ELEMENTS_BY_LAST_DIGIT[year % 10]}


def run(program, *arguments, lines=None):
    return subprocess.run([program, "sign", *arguments], input=lines, capture_output=True, text=True, timeout=120)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    program = sys.argv[1]
    if not os.access(program, os.X_OK):
        sys.exit(f"risshun_test: {program} is not a program that can be run")
    days = risshun_days()
    first, last = min(days.values()), max(days.values()) - ONE_DAY

    # (day asked, what the program must answer for it), in the order asked.
    asked = []
    for year, day in days.items():
        if day <= last:
            asked.append((day, {"yearBegins": str(day), "yearEnds": str(days[year + 1] - ONE_DAY), **year_of(year)}))
        if day > first:
            asked.append((day - ONE_DAY, {"yearBegins": str(days[year - 1]), "yearEnds": str(day - ONE_DAY),
                                          **year_of(year - 1)}))
    problems = []
    answer = run(program, "--json", "--year-start=risshun", "-", lines="".join(f"{day}\n" for day, _ in asked))
    lines = answer.stdout.splitlines()
    if answer.returncode != 0:
        problems.append(f"asked {len(asked)} days, it exited with {answer.returncode}: {answer.stderr.strip()}")
    elif len(lines) != len(asked):
        problems.append(f"asked {len(asked)} days, it answered {len(lines)} lines")
    else:
        for (day, expected), line in zip(asked, lines):
            try:
                found = json.loads(line)
            except json.JSONDecodeError:
                found = {"the line": line}
            expected = {"date": str(day), "yearStart": "risshun", **expected}
            problems += [f"{day}: {key} is {found.get(key)!r}, expected {value!r}"
                         for key, value in expected.items() if found.get(key) != value]

    for outside in (first - ONE_DAY, last + ONE_DAY):
        refusal = run(program, "--year-start=risshun", str(outside))
        message = refusal.stderr.strip()
        if refusal.returncode != 2 or len(message.splitlines()) != 1 or str(first) not in message \
                or str(last) not in message:
            problems.append(f"{outside}: expected exit 2 and one line naming {first} to {last}, "
                            f"got exit {refusal.returncode} and {message!r}")

    checked = f"{len(asked)} days of risshun and days before, {first} to {last}, and the two days outside"
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        sys.exit(f"risshun_test: {len(problems)} disagreements in {checked}")
    print(f"risshun_test: all agree, {checked}")


if __name__ == "__main__":
    main()
