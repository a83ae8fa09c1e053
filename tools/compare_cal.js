#!/usr/bin/env node
// compare_cal.js: checks the calendar window's engine and the 吉日 list against the
// lunar-javascript library.
//
// Usage:
//   cal_dump | node compare_cal.js lunar            lunar month and day of every day
//   cal_dump | node compare_cal.js terms [jq.tsv]   solar-term days; with refdata's jq.tsv
//                                                   (chncal) as a third opinion
//   velmora-cli jiri --from 2026-01-01 --days 730 | node compare_cal.js jiri
//                                                   lunar date, day pillar, 建除, spirit,
//                                                   黄道/黑道
// Each mode also reads a file given after the optional argument ("-" for stdin).
// Needs lunar-javascript where Node can find it (npm install lunar-javascript; set NODE_PATH
// to its node_modules folder when it lies elsewhere). Runs outside the build and CI.
'use strict';

const fs = require('fs');
const { Solar } = require('lunar-javascript');

const TERMS = ['', '小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨', '立夏', '小满', '芒种', '夏至',
  '小暑', '大暑', '立秋', '处暑', '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至'];

// The months the window's table once had one day off (corrected in 1989 and 2013; the
// birth chart's table was corrected in 1906 and 1914): the first day of each as
// lunar-javascript reads it, so a stretch there is reported as a return of an old fault.
const KNOWN = { '1906-04-23': 330, '1914-11-17': 1001, '1989-08-01': 630, '2013-06-08': 501 };

function readLines(path) {
  return fs.readFileSync(path && path !== '-' ? path : 0, 'utf8').split('\n').filter((l) => l.trim());
}

function lunarOf(date) {
  const [y, m, d] = date.split('-').map(Number);
  return Solar.fromYmd(y, m, d).getLunar();
}

function codeText(code) {
  const c = Number(code);
  if (c === 0) return '0 (outside the table)';
  const m = Math.trunc(Math.abs(c) / 100);
  return `${c < 0 ? 'leap ' : ''}month ${m} day ${Math.abs(c) % 100}`;
}

// Consecutive differing days as stretches: { first, last, count, ... }.
function stretchesOf(rows) {
  const out = [];
  let open = null;
  for (const r of rows) {
    if (!r.differs) {
      open = null;
      continue;
    }
    if (open) {
      open.last = r;
      open.count += 1;
    } else {
      open = { first: r, last: r, count: 1 };
      out.push(open);
    }
  }
  return out;
}

function compareLunar(lines) {
  const rows = lines.map((line) => {
    const [date, code] = line.trim().split(/\s+/);
    const l = lunarOf(date);
    const theirs = l.getMonth() < 0 ? l.getMonth() * 100 - l.getDay() : l.getMonth() * 100 + l.getDay();
    return { date, ours: Number(code), theirs, differs: Number(code) !== theirs };
  });
  const stretches = stretchesOf(rows);
  for (const s of stretches) {
    const o = s.first.ours;
    const t = s.first.theirs;
    // The usual cause: a month boundary one day apart, so one table gives the month before
    // 30 days where the other gives it 29 (a new moon close to midnight).
    let cause = 'other';
    if (Math.abs(o) % 100 === 1 && Math.abs(t) % 100 >= 29) cause = `this table begins the month one day early (${codeText(t)} there)`;
    else if (Math.abs(t) % 100 === 1 && Math.abs(o) % 100 >= 29) cause = `this table begins the month one day late (${codeText(o)} here)`;
    const known = s.first.date in KNOWN ? '; a month corrected before, wrong again' : '';
    console.log(`${s.first.date} .. ${s.last.date}  ${s.count} day(s): ours ${codeText(o)}, lunar-javascript ${codeText(t)}`);
    console.log(`  cause: ${cause}${known}`);
  }
  for (const [date, code] of Object.entries(KNOWN)) {
    const row = rows.find((r) => r.date === date);
    if (!row) continue;
    console.log(`corrected month ${date}: lunar-javascript ${codeText(row.theirs)}, here ${codeText(row.ours)}` +
                `${row.ours === code ? '' : ' (expected ' + codeText(code) + ')'}`);
  }
  const differing = rows.filter((r) => r.differs).length;
  console.log(`${rows.length} days compared, ${differing} differ, in ${stretches.length} stretch(es)`);
  return differing;
}

function compareTerms(lines, jqPath) {
  const chncal = {};
  if (jqPath) {
    for (const l of readLines(jqPath)) {
      const [, name, instant] = l.split('\t');
      if (/^\d{4}-/.test(instant || '')) chncal[instant.slice(0, 10)] = { name, time: instant.slice(11) };
    }
  }
  let differing = 0;
  const wrong = [];
  for (const line of lines) {
    const [date, , term] = line.trim().split(/\s+/);
    const ours = TERMS[Number(term)] || '';
    const theirs = lunarOf(date).getJieQi() || '';
    if (ours === theirs) continue;
    differing += 1;
    const third = chncal[date] ? `${chncal[date].name} ${chncal[date].time}` : '-';
    console.log(`${date}  ours ${ours || '-'}  lunar-javascript ${theirs || '-'}  chncal ${jqPath ? third : 'n/a'}`);
    if (theirs) wrong.push({ date, name: theirs, agrees: !jqPath || (chncal[date] && chncal[date].name === theirs), time: chncal[date] ? chncal[date].time : '' });
  }
  for (const w of wrong) {
    const verdict = w.agrees ? 'the table is wrong' : 'sources disagree';
    console.log(`term ${w.name} falls on ${w.date}${w.time ? ' at ' + w.time + ' Beijing time' : ''}: ${verdict}`);
  }
  console.log(`${lines.length} days compared, ${differing} differ (${wrong.length} terms on another day)`);
  return differing;
}

function compareJiri(lines) {
  let differing = 0;
  let days = 0;
  for (const line of lines) {
    const f = line.split('\t');
    if (f.length < 7 || !/^\d{4}-\d{2}-\d{2}$/.test(f[0])) continue;
    days += 1;
    const l = lunarOf(f[0]);
    const theirs = [`${l.getMonthInChinese()}月${l.getDayInChinese()}`, l.getDayInGanZhi(), l.getZhiXing(),
      l.getDayTianShen(), l.getDayTianShenType()];
    const ours = [f[2], f[3], f[4], f[5], f[6]];
    if (ours.join() !== theirs.join()) {
      differing += 1;
      console.log(`${f[0]}  ours ${ours.join(' ')}  lunar-javascript ${theirs.join(' ')}`);
    }
  }
  console.log(`${days} days compared (lunar date, day pillar, 建除, spirit, 黄道/黑道), ${differing} differ`);
  return differing;
}

const [mode, a, b] = process.argv.slice(2);
let result;
if (mode === 'lunar') result = compareLunar(readLines(a));
else if (mode === 'terms') result = compareTerms(readLines(b), a);
else if (mode === 'jiri') result = compareJiri(readLines(a));
else {
  console.error('usage: node compare_cal.js lunar|terms [jq.tsv]|jiri [file]');
  process.exit(2);
}
process.exitCode = result === 0 ? 0 : 1;
