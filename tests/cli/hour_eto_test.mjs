// Asks the program the eto of the birth hour for a spread of clock times from 1900 to
// 2100, and for every turn of the hour over twenty days (all ten stems of the day),
// and compares each with the npm package lunar-javascript, a second calendar that
// shares no code or tables with the engine.
//
//     node tests/cli/hour_eto_test.mjs PROGRAM FOLDER
//
// FOLDER is the npm prefix lunar-javascript is installed in (FOLDER/node_modules).
// Exits 77, which ctest counts as skipped, when the package is not there;
// 1 under ZODIAC_REQUIRE_TOOLS=1, which ./run.sh sets.
//
// The hour's eto depends on the clock time alone, not on the sun: the program is
// asked in Japan time (--zone=UTC+09:00) and lunar-javascript given the same figures.
// Both count the 子 hour from 23:00 with the next day's stem (lunar-javascript's
// getTimeInGanZhi takes its stem from the day that turns at 23:00), while the
// program's day eto turns at midnight: almanac_test checks that one.
import {askProgram, clockLine, finish, random, secondCalendar, testArguments} from './ask_program.mjs';

const [program, folder] = testArguments('hour_eto_test', ['PROGRAM', 'FOLDER']);
const {Solar, version} = secondCalendar('hour_eto_test', folder);

const STEMS = '甲乙丙丁戊己庚辛壬癸';
const BRANCHES = '子丑寅卯辰巳午未申酉戌亥';

const FIRST = Date.UTC(1900, 0, 1, 0, 0);
const LAST = Date.UTC(2100, 11, 31, 23, 59);
const MINUTE = 60 * 1000;
const DAY = 24 * 60 * MINUTE;
const COUNT = 500;
const RUNS = [2, 10];  // runs of days whose every turn of the hour is asked: how many, how long

// A Japan clock time is kept as milliseconds of a UTC clock showing the same figures.
const line = clockLine;

function cycleNumber(kanji) {  // 甲子 = 1 … 癸亥 = 60
    const stem = STEMS.indexOf(kanji[0]), branch = BRANCHES.indexOf(kanji[1]);
    for (let n = 0; n < 60; ++n) {
        if (n % 10 === stem && n % 12 === branch) return n + 1;
    }
    return null;
}

function theirs(t) {
    const d = new Date(t);
    const kanji = Solar.fromYmdHms(d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate(), d.getUTCHours(),
                                   d.getUTCMinutes(), 0).getLunar().getTimeInGanZhi();
    return {kanji, number: cycleNumber(kanji)};
}

// The minutes asked: the first and last of the range, the pseudo-random ones, and in
// each run of days the first and last minute of every two-hour period (00:59, 01:00,
// ... 22:59, 23:00, 23:59 and the next day's 00:00).
const next = random(19750305);
const randomMinute = () => FIRST + Math.floor(next() * ((LAST - FIRST) / MINUTE + 1)) * MINUTE;
const asked = new Set([FIRST, LAST]);
for (let i = 0; i < COUNT; ++i) asked.add(randomMinute());
const [runs, length] = RUNS;
for (let run = 0; run < runs; ++run) {
    const start = randomMinute();
    const midnight = start - (((start % DAY) + DAY) % DAY);  // before 1970 too
    for (let day = 0; day < length; ++day) {
        for (let hour = 0; hour < 24; ++hour) {
            for (const minute of [0, 59]) {
                const t = midnight + day * DAY + (hour * 60 + minute) * MINUTE;
                if (t <= LAST) asked.add(t);
            }
        }
    }
}
const instants = [...asked].sort((a, b) => a - b);

const answers = askProgram('hour_eto_test', program, ['--year-start=january', '--zone=UTC+09:00'], instants.map(line));

const problems = [];
let late = 0;
instants.forEach((t, i) => {
    const found = answers[i];
    const [date, time] = line(t).split('T');
    if (found.date !== date || found.time !== time) {
        problems.push(`${line(t)}: answered for ${found.date} ${found.time}`);
        return;
    }
    if (time >= '23:00') ++late;
    const ours = found.hourEto;
    for (const [key, value] of Object.entries(theirs(t))) {
        if (ours?.[key] !== value) {
            problems.push(`${line(t)} (UTC+9): hourEto.${key} is ${JSON.stringify(ours?.[key])}, ` +
                          `lunar-javascript ${JSON.stringify(value)}`);
        }
    }
});

const checked = `${instants.length} minutes from ${line(FIRST)} to ${line(LAST)} (UTC+9), ${late} of them from 23:00, ` +
    `against lunar-javascript ${version}`;
finish('hour_eto_test', problems, checked, 40);
