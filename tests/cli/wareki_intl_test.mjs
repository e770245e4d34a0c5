// Asks the program the era year (wareki) of every first day of an era from 1900 to
// 2100 with the days either side of it, the first and last days of that range and a
// spread of days between, and compares each with node's Intl.DateTimeFormat. Node
// carries its own ICU, a build and version of its own apart from the system's
// ICU the program reads, so the two agree only where both calendars do.
//
//     node tests/cli/wareki_intl_test.mjs PROGRAM
//
// Exits 77, which ctest counts as skipped, when this node's Intl has no Japanese
// calendar (a build with English only); 1 under ZODIAC_REQUIRE_TOOLS=1, which
// ./run.sh sets.
//
// Intl writes an era's first year as 1 (平成1/1/8); the program's kanji writes it
// 元年, as Japanese does (平成元年1月8日), and its year as the number 1. The kanji
// expected is made from Intl's parts: era, year (元 for 1), 年, month, 月, day, 日.
import {askProgram, finish, random, skip, testArguments} from './ask_program.mjs';

const [program] = testArguments('wareki_intl_test', ['PROGRAM']);

const japanese = new Intl.DateTimeFormat('ja-JP-u-ca-japanese',
                                         {era: 'long', year: 'numeric', month: 'numeric', day: 'numeric', timeZone: 'UTC'});
const english = new Intl.DateTimeFormat('en-u-ca-japanese', {era: 'long', timeZone: 'UTC'});
for (const format of [japanese, english]) {
    const {locale, calendar} = format.resolvedOptions();
    if (calendar !== 'japanese' || !['ja', 'en'].includes(locale.split('-')[0])) {
        skip('wareki_intl_test', `node ${process.version}'s Intl has no Japanese calendar for ${locale} (it gave ${calendar})`);
    }
}

const DAY = 24 * 60 * 60 * 1000;
const FIRST = Date.UTC(1900, 0, 1);
const LAST = Date.UTC(2100, 11, 31);
const SPREAD = 200;

const part = (parts, type) => parts.find((p) => p.type === type)?.value;
const iso = (t) => new Date(t).toISOString().slice(0, 10);

// What Intl says of the day t (a UTC midnight), in the program's terms.
function theirs(t) {
    const parts = japanese.formatToParts(t);
    const era = part(parts, 'era');
    const yearText = part(parts, 'year');
    const year = yearText === '元' ? 1 : Number(yearText);
    return {
        era,
        eraReading: part(english.formatToParts(t), 'era'),
        kanji: `${era}${year === 1 ? '元' : year}年${Number(part(parts, 'month'))}月${Number(part(parts, 'day'))}日`,
        year,
    };
}

// The first days of eras as Intl finds them, walking the range a day at a time,
// so that an era Intl knows and the program does not is asked about too.
const asked = new Set([FIRST, LAST]);
const firstDays = [];
let previousEra = part(japanese.formatToParts(FIRST - DAY), 'era');
for (let t = FIRST; t <= LAST; t += DAY) {
    const era = part(japanese.formatToParts(t), 'era');
    if (era !== previousEra) {
        firstDays.push(t);
        for (const day of [t - DAY, t, t + DAY]) asked.add(day);
    }
    previousEra = era;
}
// Taishō, Shōwa, Heisei and Reiwa began within the range: fewer means Intl's calendar is not the Japanese one.
if (firstDays.length < 4) {
    console.error(`wareki_intl_test: Intl found only ${firstDays.length} eras beginning from ${iso(FIRST)} to ${iso(LAST)}`);
    process.exit(1);
}
const next = random(19890108);
for (let i = 0; i < SPREAD; ++i) asked.add(FIRST + Math.floor(next() * ((LAST - FIRST) / DAY + 1)) * DAY);
const days = [...asked].sort((a, b) => a - b);

const answers = askProgram('wareki_intl_test', program, ['--year-start=january', '--zone=UTC+09:00'], days.map(iso));

const problems = [];
days.forEach((t, i) => {
    const found = answers[i];
    if (found.date !== iso(t)) {
        problems.push(`${iso(t)}: answered for ${found.date}`);
        return;
    }
    const ours = found.wareki;
    for (const [key, value] of Object.entries(theirs(t))) {
        if (ours?.[key] !== value) {
            problems.push(`${iso(t)}: wareki.${key} is ${JSON.stringify(ours?.[key])}, Intl ${JSON.stringify(value)}`);
        }
    }
});

const checked = `${days.length} days from ${iso(FIRST)} to ${iso(LAST)}, ${firstDays.length} eras' first days among them ` +
    `(${firstDays.map(iso).join(', ')}), against node ${process.version}'s Intl (ICU ${process.versions.icu})`;
finish('wareki_intl_test', problems, checked, 40);
