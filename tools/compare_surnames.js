#!/usr/bin/env node
// compare_surnames.js: checks refdata/sources/curated/surname_readings.tsv against the
// pinyin-pro library's surname mode.
//
// Usage: node tools/compare_surnames.js [surname_readings.tsv]
// Needs pinyin-pro where Node can find it (npm install pinyin-pro; set NODE_PATH to its
// node_modules folder when it lies elsewhere). Runs outside the build and CI.
//
// Each surname is read by pinyin-pro as the head of a name (surname: 'head', the surname
// followed by 明) and compared syllable by syllable. Rows where the two differ are printed
// with both readings; the list's note says why it keeps its own. Ends with totals.
'use strict';

const fs = require('fs');
const path = require('path');
const { pinyin } = require('pinyin-pro');

const file = process.argv[2] || path.join(__dirname, '..', 'refdata', 'sources', 'curated', 'surname_readings.tsv');
const lines = fs.readFileSync(file, 'utf8').split('\n').filter((l) => l && !l.startsWith('#'));
const header = lines.shift().split('\t');
const at = (name) => header.indexOf(name);
let same = 0;
const differing = [];
for (const line of lines) {
  const f = line.split('\t');
  const xing = f[at('xing')];
  const ours = f[at('pinyin')];
  const theirs = pinyin(xing + '明', { surname: 'head', type: 'array' }).slice(0, [...xing].length).join(' ');
  if (theirs === ours) same += 1;
  else differing.push(`${xing}\tours ${ours}\tpinyin-pro ${theirs}\t${f[at('note')]}`);
}
for (const d of differing) console.log(d);
console.log(`${lines.length} surnames: ${same} agree, ${differing.length} differ`);
