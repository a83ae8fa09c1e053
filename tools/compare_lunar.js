#!/usr/bin/env node
// compare_lunar.js: checks lunar_dump's output against the lunar-javascript library.
//
// Usage: lunar_dump | node compare_lunar.js            (or: node compare_lunar.js dump.txt)
// Needs lunar-javascript where Node can find it (npm install lunar-javascript; set NODE_PATH
// to its node_modules folder when it lies elsewhere). Runs outside the build and CI.
//
// lunar-javascript computes new moons and solar terms astronomically; the program converts by
// its own packed table of month lengths. The report lists each stretch of consecutive days on
// which the two disagree, with both readings of its first and last day, and ends with totals.
'use strict';

const fs = require('fs');
const { Solar } = require('lunar-javascript');

function fmt(y, m, d, leap) {
  return `${y}-${String(m).padStart(2, '0')}-${String(d).padStart(2, '0')}${leap ? ' 闰' : ''}`;
}

const input = fs.readFileSync(process.argv[2] || 0, 'utf8');
const stretches = [];
let open = null;
let days = 0;
let differing = 0;

for (const line of input.split('\n')) {
  if (!line.trim()) continue;
  const [date, ys, ms, ds, ls] = line.trim().split(/\s+/);
  const [gy, gm, gd] = date.split('-').map(Number);
  const ours = { y: Number(ys), m: Number(ms), d: Number(ds), leap: ls === '1' };
  const lunar = Solar.fromYmd(gy, gm, gd).getLunar();
  const theirMonth = lunar.getMonth();  // negative for a leap month
  const theirs = { y: lunar.getYear(), m: Math.abs(theirMonth), d: lunar.getDay(), leap: theirMonth < 0 };
  days += 1;
  const same = ours.y === theirs.y && ours.m === theirs.m && ours.d === theirs.d && ours.leap === theirs.leap;
  if (same) {
    open = null;
    continue;
  }
  differing += 1;
  const entry = { date, ours: fmt(ours.y, ours.m, ours.d, ours.leap), theirs: fmt(theirs.y, theirs.m, theirs.d, theirs.leap) };
  if (open) {
    open.last = entry;
    open.count += 1;
  } else {
    open = { first: entry, last: entry, count: 1 };
    stretches.push(open);
  }
}

for (const s of stretches) {
  console.log(`${s.first.date} .. ${s.last.date}  ${s.count} day(s)`);
  console.log(`  first day: ours ${s.first.ours}  lunar-javascript ${s.first.theirs}`);
  if (s.count > 1) console.log(`  last day:  ours ${s.last.ours}  lunar-javascript ${s.last.theirs}`);
}
console.log(`${days} days compared, ${differing} differ, in ${stretches.length} stretch(es)`);
process.exitCode = differing === 0 ? 0 : 1;
