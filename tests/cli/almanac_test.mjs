// Asks the program the almanac (the month's and day's stem-branch, the year's and
// month's nine star) of a spread of minutes from 1900 to 2100 and compares each with
// the npm package lunar-javascript, a second calendar that shares no code or tables
// with the engine: its moments of the setsu come from its own solar theory.
//
//     node tests/cli/almanac_test.mjs PROGRAM FOLDER
//
// FOLDER is the npm prefix lunar-javascript is installed in (FOLDER/node_modules).
// Exits 77, which ctest counts as skipped, when the package is not there;
// 1 under ZODIAC_REQUIRE_TOOLS=1, which ./run.sh sets.
//
// Both speak China time: lunar-javascript reads every clock time as UTC+8, and the
// program is asked with --zone=UTC+08:00. Where their conventions differ:
//  - The day: lunar-javascript's getDayInGanZhiExact turns the day at 23:00, the
//    start of the rat hour (子時); Japanese almanacs, and so the program, turn it at
//    midnight, which lunar-javascript gives as getDayInGanZhiExact2. From 23:00 to
//    23:59 the program is compared with the latter, elsewhere with the former.
//  - The setsu: the two compute the sun independently and their moments differ by up
//    to a minute (19 s earlier to 57 s later there, 1900 to 2100), so minutes within
//    three minutes of one of lunar-javascript's setsu are left out; the program's
//    minutes around each setsu are checked against python3-ephem by risshun_test.
//  - The nine stars' names: lunar-javascript writes them in simplified Chinese
//    (二黑土, 四绿木); Japanese writes 黒 and 緑 and ends each with 星.
import {askProgram, clockLine, finish, random, secondCalendar, testArguments} from './ask_program.mjs';

const [program, folder] = testArguments('almanac_test', ['PROGRAM', 'FOLDER']);
const {Solar, version} = secondCalendar('almanac_test', folder);

const STEMS = '甲乙丙丁戊己庚辛壬癸';
const BRANCHES = '子丑寅卯辰巳午未申酉戌亥';
// The nine stars, 1 to 9, as Japanese almanacs write them.
const STARS = [null, '一白水星', '二黒土星', '三碧木星', '四緑木星', '五黄土星', '六白金星', '七赤金星', '八白土星', '九紫火星'];
const ELEMENTS = {水: 'Water', 土: 'Earth', 木: 'Wood', 金: 'Metal', 火: 'Fire'};
const JAPANESE_FORMS = {黑: '黒', 绿: '緑'};

// The whole range, as 1 January year starts cover it (the almanac is the same under
// every year start): the days of 1900 before its shōkan too, in the ne month of 1899.
const FIRST = Date.UTC(1900, 0, 1, 0, 0);
const LAST = Date.UTC(2100, 11, 31, 23, 59);
const MINUTE = 60 * 1000;
const COUNT = 2000;
const NEAR_SETSU = 3 * MINUTE;

// A China clock time is kept as milliseconds of a UTC clock showing the same figures:
// UTC+8 keeps no summer time, so minutes count evenly.
const line = clockLine;
const clock = (solar) => Date.UTC(solar.getYear(), solar.getMonth() - 1, solar.getDay(), solar.getHour(),
                                  solar.getMinute(), solar.getSecond());

function cycleNumber(kanji) {  // 甲子 = 1 … 癸亥 = 60
    const stem = STEMS.indexOf(kanji[0]), branch = BRANCHES.indexOf(kanji[1]);
    for (let n = 0; n < 60; ++n) {
        if (n % 10 === stem && n % 12 === branch) return n + 1;
    }
    return null;
}

// lunar-javascript's NineStar as {number, kanji, element}: getIndex() counts 0 (一白) to
// 8 (九紫); getNumber(), getColor() and getWuXing() give the name's three characters.
function japaneseStar(star) {
    const colour = star.getColor(), element = star.getWuXing();
    return {number: star.getIndex() + 1, kanji: `${star.getNumber()}${JAPANESE_FORMS[colour] ?? colour}${element}星`,
            element: ELEMENTS[element]};
}

// What lunar-javascript says of the China clock time t, in the program's terms.
function theirs(t) {
    const d = new Date(t);
    const lunar = Solar.fromYmdHms(d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate(), d.getUTCHours(),
                                   d.getUTCMinutes(), 0).getLunar();
    const ratHour = d.getUTCHours() === 23;
    const day = ratHour ? lunar.getDayInGanZhiExact2() : lunar.getDayInGanZhiExact();
    const month = lunar.getMonthInGanZhiExact();
    // Sect 3: the year and month turn at the exact moment of risshun and of each setsu
    // (sect 1 turns the year at the lunar new year, sect 2 on risshun's day).
    return {
        near: [lunar.getPrevJie(false), lunar.getNextJie(false)].some((jie) => Math.abs(clock(jie.getSolar()) - t) <= NEAR_SETSU),
        ratHour,
        values: {
            'dayEto.kanji': day, 'dayEto.number': cycleNumber(day),
            'monthEto.kanji': month, 'monthEto.number': cycleNumber(month),
            ...Object.fromEntries(Object.entries({yearStar: lunar.getYearNineStar(3), monthStar: lunar.getMonthNineStar(3)})
                .flatMap(([key, star]) => Object.entries(japaneseStar(star)).map(([field, value]) => [`${key}.${field}`, value]))),
        },
    };
}

// The minutes asked: the first and last of the range, the pseudo-random ones, and the
// turn of the day around the first twenty of them (22:59, 23:00, 23:59, 00:00).
const next = random(20240204);
const asked = new Set([FIRST, LAST]);
for (let i = 0; i < COUNT; ++i) {
    const t = FIRST + Math.floor(next() * ((LAST - FIRST) / MINUTE + 1)) * MINUTE;
    asked.add(t);
    if (i < 20) {
        const day = 24 * 60 * MINUTE;
        const midnight = t - (((t % day) + day) % day);  // before 1970 too
        for (const minutes of [22 * 60 + 59, 23 * 60, 23 * 60 + 59, 24 * 60]) {
            const turn = midnight + minutes * MINUTE;
            if (turn <= LAST) asked.add(turn);
        }
    }
}
const instants = [...asked].sort((a, b) => a - b);
const expected = instants.map(theirs);

const answers = askProgram('almanac_test', program, ['--year-start=january', '--zone=UTC+08:00'], instants.map(line));

const problems = [];
let compared = 0, nearSetsu = 0, ratHour = 0;
instants.forEach((t, i) => {
    const found = answers[i];
    const [date, time] = line(t).split('T');
    if (found.date !== date || found.time !== time) {
        problems.push(`${line(t)}: answered for ${found.date} ${found.time}`);
        return;
    }
    const {near, ratHour: late, values} = expected[i];
    if (near) {
        ++nearSetsu;
        return;
    }
    ++compared;
    if (late) ++ratHour;
    for (const [key, value] of Object.entries(values)) {
        const ours = key.split('.').reduce((object, field) => object?.[field], found.almanac);
        if (ours !== value) problems.push(`${line(t)} (UTC+8): ${key} is ${JSON.stringify(ours)}, lunar-javascript ${JSON.stringify(value)}`);
    }
});

const checked = `${compared} minutes from ${line(FIRST)} to ${line(LAST)} (UTC+8) against lunar-javascript ${version}, ` +
    `${ratHour} of them from 23:00, ${nearSetsu} left out within ${NEAR_SETSU / MINUTE} minutes of a setsu`;
finish('almanac_test', problems, checked);
