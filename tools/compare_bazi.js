#!/usr/bin/env node
// compare_bazi.js: checks the program's four pillars and luck pillars against the
// eight-character chart of the lunar-javascript library.
//
// Usage: node compare_bazi.js [path/to/bazi_dump] [--seed N] [--count N]
//   (default build/bin/bazi_dump beside this folder's parent; 20,000 random moments)
// Needs lunar-javascript where Node can find it (npm install lunar-javascript; set NODE_PATH
// to its node_modules folder when it lies elsewhere). Runs outside the build and CI.
//
// Moments: `count` random birth moments 1901-01-01 00:00 .. 2099-12-31 23:59 with a random
// sex, plus every 2–8 February of 1901–2099 at 00:30 and at 23:30 (sex alternating). The
// library's chart uses sect 2, which keeps 23:00–23:59 on the same day for the day pillar.
//
// The program keeps fixed month windows (4 February starts 寅 …) where the library uses the
// exact jie instants, so some month and year pillars must differ. Every difference is put
// in a class:
//   window   the month/year pillars differ, and the library gives the program's pillars
//            once the moment is moved to the other side of the jie nearest to it (at most
//            two days away): fixed window against real term instant;
//   late-zi  23:00–23:59: the program takes the hour stem from the same day (甲 day 甲子),
//            the library from the next day (丙子), as the program's rule says it must not;
//   follows  the direction or a luck pillar differs only because the year or month pillar
//            does (direction follows the year stem, luck pillars step from the month pillar);
//   other    anything else: a real fault until explained.
// It also compares the start age with the library's exact reckoning (random moments whose
// pillars and direction agree), counts the 节气提示 lines over the random moments, checks
// that a line appears exactly when the library's month or year pillar differs, and shows
// examples.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');
const { Solar } = require('lunar-javascript');

const args = process.argv.slice(2);
function option(name, fallback) {
  const i = args.indexOf(name);
  if (i < 0) return fallback;
  const v = args[i + 1];
  args.splice(i, 2);
  return v;
}
const seed = Number(option('--seed', '20240610'));
const count = Number(option('--count', '20000'));
const dump = args[0] || path.join(__dirname, '..', 'build', 'bin', 'bazi_dump');

// A small seeded generator (mulberry32), so every run checks the same moments.
function generator(a) {
  return function () {
    a |= 0;
    a = (a + 0x6d2b79f5) | 0;
    let t = Math.imul(a ^ (a >>> 15), 1 | a);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const random = generator(seed);
const moments = [];
const first = Date.UTC(1901, 0, 1);
const days = Math.round((Date.UTC(2099, 11, 31) - first) / 86400000) + 1;
for (let i = 0; i < count; i++) {
  const d = new Date(first + Math.floor(random() * days) * 86400000);
  moments.push({ y: d.getUTCFullYear(), m: d.getUTCMonth() + 1, d: d.getUTCDate(),
                 h: Math.floor(random() * 24), min: Math.floor(random() * 60), male: random() < 0.5, random: true });
}
let alternate = false;
for (let y = 1901; y <= 2099; y++) {
  for (let d = 2; d <= 8; d++) {
    for (const [h, min] of [[0, 30], [23, 30]]) {
      alternate = !alternate;
      moments.push({ y, m: 2, d, h, min, male: alternate, random: false });
    }
  }
}

// The program's charts.
const input = moments.map((t) => `${t.y} ${t.m} ${t.d} ${t.h} ${t.min} ${t.male ? 1 : 0}`).join('\n') + '\n';
const run = spawnSync(dump, [], { input, maxBuffer: 1 << 28, encoding: 'utf8' });
if (run.status !== 0) {
  console.error(`bazi_dump failed: ${run.stderr || run.error}`);
  process.exit(2);
}
const lines = run.stdout.split('\n').filter((l) => l.length > 0);
if (lines.length !== moments.length) {
  console.error(`bazi_dump gave ${lines.length} lines for ${moments.length} moments`);
  process.exit(2);
}

function theirChart(solar) {
  const ec = solar.getLunar().getEightChar();
  ec.setSect(2);
  return ec;
}
function shifted(solar, minutes) {
  return Solar.fromJulianDay(solar.getJulianDay() + minutes / 1440);
}

const GAN = '甲乙丙丁戊己庚辛壬癸';
const counts = { moments: moments.length, random: 0, differ: 0, differRandom: 0, differFeb: 0 };
const classes = { window: [], 'late-zi': [], follows: [], other: [] };
const perSet = Object.fromEntries(Object.keys(classes).map((c) => [c, { random: 0, february: 0 }]));
const pillarDiffs = { year: 0, month: 0, day: 0, hour: 0 };
const pillarDiffsRandom = { year: 0, month: 0, day: 0, hour: 0 };
const hint = { lines: 0, examples: [], agree: 0, disagree: [] };
const startAge = { compared: 0, far: [] };
let luckCompared = 0;
let luckSame = 0;
let directionSame = 0;

moments.forEach((t, i) => {
  const f = lines[i].split('\t');
  const id = `${t.y}-${String(t.m).padStart(2, '0')}-${String(t.d).padStart(2, '0')} ` +
             `${String(t.h).padStart(2, '0')}:${String(t.min).padStart(2, '0')} ${t.male ? '男' : '女'}`;
  if (f[1] === 'refused') {
    classes.other.push(`${id}: refused by the program`);
    return;
  }
  const ours = { year: f[1], month: f[2], day: f[3], hour: f[4], backward: f[5] === 'backward',
                 startAge: Number(f[6]), luck: f[7].split(' '), hint: f[9] || '' };
  const solar = Solar.fromYmdHms(t.y, t.m, t.d, t.h, t.min, 0);
  const ec = theirChart(solar);
  const theirs = { year: ec.getYear(), month: ec.getMonth(), day: ec.getDay(), hour: ec.getTime() };
  const yun = ec.getYun(t.male ? 1 : 0, 1);
  const daYun = yun.getDaYun(10);
  const theirLuck = daYun.map((dy, k) => (k === 0 ? theirs.month : dy.getGanZhi()));

  if (t.random) counts.random += 1;
  const diff = ['year', 'month', 'day', 'hour'].filter((k) => ours[k] !== theirs[k]);
  diff.forEach((k) => {
    pillarDiffs[k] += 1;
    if (t.random) pillarDiffsRandom[k] += 1;
  });
  const monthOrYear = diff.includes('year') || diff.includes('month');
  if (t.random) {
    if (ours.hint) {
      hint.lines += 1;
      if (hint.examples.length < 3) hint.examples.push(`${id}: ${ours.hint}`);
    }
    if (!!ours.hint === monthOrYear) hint.agree += 1;
    else hint.disagree.push(`${id}: library ${theirs.year} ${theirs.month}, ours ${ours.year} ${ours.month}, line "${ours.hint}"`);
  }

  const explain = [];
  if (monthOrYear) {
    // Moved to the other side of the nearest jie, does the library give our pillars?
    const lunar = solar.getLunar();
    const near = [lunar.getPrevJie(false), lunar.getNextJie(false)]
      .map((j) => ({ j, gap: Math.abs(j.getSolar().getJulianDay() - solar.getJulianDay()) }))
      .sort((a, b) => a.gap - b.gap)[0];
    const js = near.j.getSolar();
    const before = theirChart(shifted(js, -1));
    const after = theirChart(shifted(js, 1));
    const matches = (e) => e.getYear() === ours.year && e.getMonth() === ours.month;
    if (near.gap <= 2 && (matches(before) || matches(after))) {
      explain.push('window');
    } else {
      explain.push('other');
    }
  }
  if (diff.includes('day')) explain.push('other');
  if (diff.includes('hour')) {
    const nextDayStem = GAN[(GAN.indexOf(ours.day[0]) + 1) % 10];
    const lateZi = t.h === 23 && ours.hour[1] === theirs.hour[1] &&
                   theirs.hour[0] === GAN[(GAN.indexOf(nextDayStem) % 5) * 2];
    explain.push(lateZi ? 'late-zi' : 'other');
  }
  const sameDirection = ours.backward === !yun.isForward();
  const sameLuck = ours.luck.join(' ') === theirLuck.join(' ');
  if (sameDirection) directionSame += 1;
  luckCompared += 1;
  if (sameLuck) luckSame += 1;
  // The start age: the program counts whole days to the jie by the mean-year terms, three
  // to a year, a part year as a whole one, at most 10; the library reckons the exact
  // instants. Within a year of each other is the method; two years or more is a fault.
  if (t.random && !monthOrYear && sameDirection) {
    const exact = yun.getStartYear() + yun.getStartMonth() / 12 + yun.getStartDay() / 365;
    startAge.compared += 1;
    if (Math.abs(ours.startAge - exact) >= 2) {
      startAge.far.push(`${id}: ours ${ours.startAge}, library ${yun.getStartYear()}y${yun.getStartMonth()}m${yun.getStartDay()}d`);
    }
  }
  if (!sameDirection || !sameLuck) explain.push(monthOrYear ? 'follows' : 'other');

  if (explain.length === 0) return;
  counts.differ += 1;
  if (t.random) counts.differRandom += 1;
  else counts.differFeb += 1;
  const text = `${id}: ours ${ours.year} ${ours.month} ${ours.day} ${ours.hour} ${ours.backward ? '逆' : '顺'} [${ours.luck.join(' ')}]` +
               ` | library ${theirs.year} ${theirs.month} ${theirs.day} ${theirs.hour} ${yun.isForward() ? '顺' : '逆'} [${theirLuck.join(' ')}]`;
  for (const c of new Set(explain)) {
    classes[c].push(text);
    perSet[c][t.random ? 'random' : 'february'] += 1;
  }
});

console.log(`moments: ${counts.moments} (${counts.random} random, ${counts.moments - counts.random} on 2-8 February)`);
console.log(`moments with any difference: ${counts.differ} (random ${counts.differRandom}, February ${counts.differFeb})`);
console.log(`pillar differences: year ${pillarDiffs.year}, month ${pillarDiffs.month}, day ${pillarDiffs.day}, hour ${pillarDiffs.hour}` +
            ` (random moments: year ${pillarDiffsRandom.year}, month ${pillarDiffsRandom.month},` +
            ` day ${pillarDiffsRandom.day}, hour ${pillarDiffsRandom.hour})`);
console.log(`luck direction equal: ${directionSame} of ${luckCompared}; ten luck pillars equal: ${luckSame} of ${luckCompared}`);
console.log(`start age two years or more from the library's exact one: ${startAge.far.length} of ${startAge.compared}` +
            ' random moments with the same month, year and direction');
for (const line of startAge.far.slice(0, 5)) console.log(`  ${line}`);
for (const [name, list] of Object.entries(classes)) {
  console.log(`class ${name}: ${list.length} (random ${perSet[name].random}, February ${perSet[name].february})`);
  const shown = name === 'other' ? list : list.slice(0, 3);
  for (const line of shown) console.log(`  ${line}`);
}
console.log(`节气提示 lines over the ${counts.random} random moments: ${hint.lines}` +
            ` (${(100 * hint.lines / counts.random).toFixed(2)} %)`);
for (const line of hint.examples) console.log(`  ${line}`);
console.log(`line present exactly when the library's month or year pillar differs: ${hint.agree} of ${counts.random}`);
for (const line of hint.disagree) console.log(`  disagrees: ${line}`);
process.exitCode = classes.other.length === 0 ? 0 : 1;
