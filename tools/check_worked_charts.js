#!/usr/bin/env node
// check_worked_charts.js: the pillars of the worked charts that tests/bazi/favourable_test.cpp
// judges, recomputed from their birth moments with lunar-javascript, an independent
// calendar library. Runs outside the build and CI.
//
// Usage: node tools/check_worked_charts.js [tests/bazi/favourable_test.cpp]
// Needs lunar-javascript where Node finds it (npm install lunar-javascript; NODE_PATH to
// its node_modules folder when it lies elsewhere).
//
// The birth moments are those the sources give (local time, 时辰 as its middle hour); the
// 穷通宝鉴 cases carry their own date in the test. Prints each chart with the library's
// pillars and exits 1 when any differs from the test's row.
'use strict';

const fs = require('fs');
const path = require('path');
const { Solar } = require('lunar-javascript');

// who → [year, month, day, hour] of the birth as published.
const births = {
  '乾隆': [1711, 9, 25, 0],
  '毛泽东': [1893, 12, 26, 8],
  '蒋介石': [1887, 10, 31, 12],
  '曾国藩': [1811, 11, 26, 22],
  '孙中山': [1866, 11, 12, 4],
  '邓小平': [1904, 8, 22, 16],
  '雍正': [1678, 12, 13, 4],
  '康熙': [1654, 5, 4, 10],
  '李鸿章': [1823, 2, 15, 6],
  '袁世凯': [1859, 9, 16, 14],
};

const testFile = process.argv[2] || path.join(__dirname, '..', 'tests', 'bazi', 'favourable_test.cpp');
const rows = [...fs.readFileSync(testFile, 'utf8').matchAll(/\{"([^"]+)", "([^"]+)", (true|false), "/g)];
let bad = 0;
for (const [, pillars, who] of rows) {
  let ymdh = births[who];
  const dated = who.match(/^(\d{4})-(\d{2})-(\d{2}) (\d+)时$/);
  if (dated) ymdh = dated.slice(1).map(Number);
  if (!ymdh) {
    console.log(`${who}: no birth moment known to this script`);
    bad++;
    continue;
  }
  const [y, m, d, h] = ymdh;
  const ec = Solar.fromYmdHms(y, m, d, h, 0, 0).getLunar().getEightChar();
  const theirs = [ec.getYear(), ec.getMonth(), ec.getDay(), ec.getTime()].join(' ');
  const ok = theirs === pillars;
  if (!ok) bad++;
  console.log(`${ok ? 'ok  ' : 'DIFF'} ${who}\t${y}-${m}-${d} ${h}时\ttest ${pillars}\tlunar-javascript ${theirs}`);
}
console.log(`${rows.length} charts, ${bad} differ`);
process.exit(bad ? 1 : 0);
