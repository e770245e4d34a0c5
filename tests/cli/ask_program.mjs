// What the command line's tests under node share: the second calendar,
// lunar-javascript, from the npm prefix ./run.sh installs it in; the program
// asked many dates at once, one JSON answer a line; the same pseudo-random
// dates every run; and a clock time written as the program reads it.
import {createRequire} from 'node:module';
import {spawnSync} from 'node:child_process';
import {existsSync} from 'node:fs';
import path from 'node:path';

// What ctest counts as skipped; under ZODIAC_REQUIRE_TOOLS=1, which ./run.sh
// sets, a missing tool fails instead.
const SKIP = 77;
export function skip(test, why) {
    console.log(`${test}: skipped, ${why}`);
    process.exit(process.env.ZODIAC_REQUIRE_TOOLS === '1' ? 1 : SKIP);
}

// lunar-javascript's Solar and its version, from the npm prefix `folder`.
export function secondCalendar(test, folder) {
    if (!existsSync(path.join(folder, 'node_modules', 'lunar-javascript', 'package.json'))) {
        skip(test, `lunar-javascript is not installed in ${folder} ` +
                   `(npm install --prefix ${folder} lunar-javascript@1.7.7)`);
    }
    const require = createRequire(path.join(path.resolve(folder), 'package.json'));
    return {Solar: require('lunar-javascript').Solar, version: require('lunar-javascript/package.json').version};
}

// The program's answer to each of `dates` given to `sign --json OPTIONS -`, as
// objects ({} for a line that is not JSON); the test fails at once unless
// every date is answered.
export function askProgram(test, program, options, dates) {
    const answer = spawnSync(program, ['sign', '--json', ...options, '-'],
                             {input: dates.map((date) => `${date}\n`).join(''), encoding: 'utf8', timeout: 60000,
                              maxBuffer: 1 << 28});
    const lines = answer.stdout?.split('\n').filter((text) => text !== '') ?? [];
    if (answer.status !== 0 || lines.length !== dates.length) {
        console.error(`${test}: asked ${dates.length} dates, it exited with ${answer.status ?? answer.error} ` +
                      `and answered ${lines.length} lines: ${(answer.stderr ?? '').trim()}`);
        process.exit(1);
    }
    return lines.map((line) => {
        try {
            return JSON.parse(line);
        } catch {
            return {};
        }
    });
}

// mulberry32: a number from 0 to 1, the same sequence for the same seed.
export function random(seed) {
    return () => {
        seed = (seed + 0x6d2b79f5) >>> 0;
        let t = seed;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

// YYYY-MM-DDTHH:MM of a clock time kept as the milliseconds of a UTC clock
// showing the same figures.
const pad = (n, width = 2) => String(n).padStart(width, '0');
export function clockLine(t) {
    const d = new Date(t);
    return `${pad(d.getUTCFullYear(), 4)}-${pad(d.getUTCMonth() + 1)}-${pad(d.getUTCDate())}` +
        `T${pad(d.getUTCHours())}:${pad(d.getUTCMinutes())}`;
}

// The command line's arguments, `names` of them, or the usage and exit 2.
export function testArguments(test, names) {
    const given = process.argv.slice(2);
    if (given.length !== names.length) {
        console.error(`usage: node ${test}.mjs ${names.join(' ')}`);
        process.exit(2);
    }
    return given;
}

// Ends the test: each disagreement on standard error, up to `shown` of them,
// and exit 1; or "all agree" and what was checked.
export function finish(test, problems, checked, shown = Infinity) {
    if (problems.length) {
        for (const problem of problems.slice(0, shown)) console.error(problem);
        if (problems.length > shown) console.error(`... and ${problems.length - shown} more`);
        console.error(`${test}: ${problems.length} disagreements in ${checked}`);
        process.exit(1);
    }
    console.log(`${test}: all agree, ${checked}`);
}
