// Parses an ADIF file with adif-parser-ts and, independently, walks its tags by
// their declared lengths; both must give exactly the expected records.
'use strict';

const fs = require('fs');
const { AdifParser } = require('adif-parser-ts');

const [adiPath, expectedPath] = process.argv.slice(2);
const bytes = fs.readFileSync(adiPath);
// Read as UTF-8, as logbook programs do: a byte above 127 would decode to a
// replacement character and throw every length after it off.
const text = bytes.toString('utf8');
const expected = JSON.parse(fs.readFileSync(expectedPath, 'utf8'));
const failures = [];
const fail = (what) => failures.push(what);

// The whole file is ASCII.
bytes.forEach((b, i) => {
  if (b >= 0x80 && failures.length < 10) fail(`byte ${b} at offset ${i} is not ASCII`);
});

// The tags as written: name, declared length, value of that length, and what
// separates the value from the next tag.
function scanTags(adi) {
  const records = [];
  let current = null;
  let pos = adi.indexOf('<EOH>');
  if (pos < 0) {
    fail('no <EOH>');
    return records;
  }
  pos += 5;
  while (true) {
    const open = adi.indexOf('<', pos);
    if (open < 0) {
      if (adi.slice(pos).trim() !== '') fail(`text after the last tag: ${JSON.stringify(adi.slice(pos))}`);
      break;
    }
    const gap = adi.slice(pos, open);
    const close = adi.indexOf('>', open);
    const parts = adi.slice(open + 1, close).split(':');
    const name = parts[0];
    if (name === 'eor') {
      if (gap !== '\r\n') fail(`record ${records.length + 1}: <eor> not on its own line`);
      records.push(current || []);
      current = null;
      pos = close + 1;
      continue;
    }
    const length = Number(parts[1]);
    if (!Number.isInteger(length)) fail(`bad length in <${parts.join(':')}>`);
    const value = adi.substr(close + 1, length);
    if (value.length !== length) fail(`<${name}> runs past the end of the file`);
    if (current === null) {
      current = [];
      if (records.length > 0 && gap !== '\r\n\r\n') fail(`record ${records.length + 1}: no empty line before it`);
    } else if (gap !== ' ' && gap !== '\r\n') {
      fail(`record ${records.length + 1}: <${name}> separated by ${JSON.stringify(gap)}`);
    }
    current.push({ name, length, type: parts[2], value });
    pos = close + 1 + length;
  }
  if (current !== null) fail('last record has no <eor>');
  return records;
}

const parsed = AdifParser.parseAdi(text);
const parsedRecords = parsed.records || [];
const scanned = scanTags(text);

if (!parsed.header || parsed.header.text !== expected.headerText) {
  fail(`header text ${JSON.stringify(parsed.header && parsed.header.text)}`);
}
if (parsedRecords.length !== expected.records.length) {
  fail(`parser found ${parsedRecords.length} records, expected ${expected.records.length}`);
}
if (scanned.length !== expected.records.length) {
  fail(`tag scan found ${scanned.length} records, expected ${expected.records.length}`);
}

let fields = 0;
expected.records.forEach((want, i) => {
  const got = parsedRecords[i] || {};
  const tags = scanned[i] || [];
  const n = i + 1;
  const wantKeys = Object.keys(want);
  if (JSON.stringify(Object.keys(got).sort()) !== JSON.stringify([...wantKeys].sort())) {
    fail(`record ${n}: fields ${Object.keys(got)} expected ${wantKeys}`);
  }
  if (tags.length !== wantKeys.length) {
    fail(`record ${n}: ${tags.length} tags written, expected ${wantKeys.length}`);
  }
  for (const key of wantKeys) {
    if (got[key] !== want[key]) {
      fail(`record ${n} ${key}: parsed ${JSON.stringify(got[key])}, expected ${JSON.stringify(want[key])}`);
    }
  }
  for (const tag of tags) {
    const key = tag.name.toLowerCase();
    if (want[key] === undefined) {
      fail(`record ${n}: unexpected <${tag.name}>`);
      continue;
    }
    if (tag.length !== want[key].length || tag.value !== want[key]) {
      fail(`record ${n} <${tag.name}:${tag.length}>: value ${JSON.stringify(tag.value)}`);
    }
    if ((key === 'qso_date') !== (tag.type === 'd')) {
      fail(`record ${n} <${tag.name}>: type ${tag.type}`);
    }
    ++fields;
  }
});

if (failures.length > 0) {
  for (const f of failures) console.error(`FAIL: ${f}`);
  console.error(`adif check FAILED: ${failures.length} problem(s) in ${adiPath}`);
  process.exit(1);
}
console.log(`adif check: ${scanned.length} records, ${fields} fields read back as written`);
