// The WebAssembly core in Node: the page's answers are the desktop's, byte for byte,
// and its names mean what velmora-cli takes them to mean.
//   node core_test.mjs SITE ANSWERS_TSV VELMORA_CLI
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

const [site, answersTsv, cli] = process.argv.slice(2);
assert.ok(site && answersTsv && cli, 'usage: core_test.mjs SITE ANSWERS_TSV VELMORA_CLI');

const { default: createVelmora } = await import(pathToFileURL(path.join(site, 'velmora.js')));
// Emscripten 3.1.6's glue cannot fetch its .wasm in Node 18 and later: hand it the bytes.
const core = await createVelmora({ wasmBinary: fs.readFileSync(path.join(site, 'velmora.wasm')) });

test('the whole table through the WebAssembly core is the pinned answers', () => {
  const pinned = fs.readFileSync(answersTsv);
  const text = Buffer.from(core.ruleBaseText(), 'utf8');
  assert.ok(text.equals(pinned), 'ruleBaseText() differs from answers.tsv');
});

test('the core gives the page the fingerprint velmora-cli shows, that of the pinned answers', () => {
  const page = core.fingerprint();
  const version = spawnSync(cli, ['--version'], { encoding: 'utf8' });
  assert.equal(version.status, 0);
  assert.equal(version.stdout.split('\n')[1], `规则库指纹：${page}`);
  assert.equal(page, createHash('sha256').update(fs.readFileSync(answersTsv)).digest('hex').slice(0, 8));
});

// Every day of every month, at hours and minutes of one and two digits, as the page's
// sheet and foot give them.
test('the sheet gives the moment it is handed, every day of the year', () => {
  const two = (n) => String(n).padStart(2, '0');
  for (let month = 1; month <= 12; month += 1) {
    for (let day = 1; day <= 31; day += 1) {
      const [hour, minute] = [day % 24, (day * 7) % 60];
      const wanted = `2026-${two(month)}-${two(day)} ${two(hour)}:${two(minute)}`;
      assert.equal(core.sheetMoment(2026, month, day, hour, minute), wanted);
      const sheet = core.sheet('16MnR', '', 2026, month, day, hour, minute);
      assert.equal(sheet.heading[0], `日期：${wanted}`);
    }
  }
  assert.ok(core.sheet('16MnR', '', 2026, 1, 9, 8, 5).edition.endsWith(` · ${core.fingerprint()}`));
});

// Names as people type them: each resolves to the material velmora-cli answers for, and
// is read as it says, or is refused by both in the same words.
const typedNames = [
  '16MnR', '16mnr', ' 16MnR ', '\u3000316L', '316L', '３１６ｌ', '316', '304', 'q345', 'N08367',
  'UNS N08367', 'uns　n08367', '16Mn（Q345）', 'Ｑ２３５－Ｂ，Ｃ', 'Q235-B,C', '15CrMo(G、R)', '15crmo(g,r)',
  '0Cr18Ni9', 'C-276', 'AL-6XN', 'Inconel625', '904L', 'Q235-A', '12Cr1MoV', '1Cr23Ni13', 'f', '管',
  'G', '-', 'tsg1', 'Q345R', 'S30408', '316x', 'q235bc', '', '\uFFFD', 'x'.repeat(300),
  '06cr19ni10', 'Q235A·F', 'alloy 625', 'Q235', '420', 's42020', 'SUS405',
];

for (const typed of typedNames) {
  test(`“${typed.slice(0, 20)}” means what velmora-cli takes it to mean`, () => {
    const run = spawnSync(cli, ['answer', '--format', 'json', '--process', 'smaw', typed], { encoding: 'utf8' });
    const found = core.lookUp(typed);
    if (run.status === 2) {
      assert.equal(found.material, '', `velmora-cli refuses it: ${run.stderr}`);
      assert.equal(run.stderr, `${found.problem}\n`);
      assert.equal(found.refused, run.stderr.includes('不能作为目录中的材料'));
      return;
    }
    assert.ok(run.status === 0 || run.status === 1, run.stderr);
    const answered = JSON.parse(run.stdout)[0];
    assert.equal(found.material, answered.materials[0]);
    assert.equal(found.readAs, answered.translations?.[0].text ?? '');
  });
}

// The page reads and writes its address through the core, which knows links (the
// link's own cases are the core's tests).
test('a link carries the designations and back through the core', () => {
  const designations = ['10#,20#(管)', 'Q235-B,C'];
  assert.equal(core.linkFor(designations), '#10%23%2C20%23(%E7%AE%A1)&Q235-B%2CC');
  assert.deepEqual(core.readLink(core.linkFor(designations)),
    { materials: designations, readAs: ['', ''], problem: '' });
  assert.deepEqual(core.readLink('#Q345R&16MnR&20g'), {
    materials: [], readAs: [],
    problem: '这个链接给出的材料多于两种：选择的材料不能超过两种。未选择任何材料。',
  });
});

// Every joint of the pinned answers as the page gets it: each process's outcome and
// texts, three dashes marked as no consumable, the notice of each kind of missing
// answer, and what copying gives, as the results window copies it.
test('the page gets the answers, notices and copies of every joint from the core', () => {
  const captions = ['焊条电弧焊(SMAW)', '气体保护焊(MAG)', '手工氩弧焊(GTAW)', '埋弧焊(SAW)'];
  const notices = {
    not_found: '注意,这两种材料使用该种焊接方法未查询到合适的焊材！',
    no_entry: '注意,该材料使用该种焊接方法未查询到合适的焊材！',
  };
  const rows = fs.readFileSync(answersTsv, 'utf8').trimEnd().split('\n').slice(1).map((l) => l.split('\t'));
  const joints = rows.filter((r) => r[0] === 'smaw' && r[1] !== '');
  let dashes = 0;
  for (const [, material1, material2] of joints) {
    const answers = core.answers(material1, material2);
    answers.forEach((answer, p) => {
      const [, , , outcome, ...texts] = rows.find((r) => r[0] === answer.key && r[1] === material1 && r[2] === material2);
      assert.equal(answer.caption, captions[p]);
      assert.equal(answer.outcome, outcome);
      const copied = core.copiedAnswer(material1, material2, p);
      if (outcome !== 'answer') {
        assert.equal(answer.notice.text, notices[outcome]);
        assert.equal(copied, '');
        return;
      }
      assert.deepEqual(answer.texts, texts);
      assert.equal(answer.dash, texts.every((t) => t.endsWith('：--')));
      dashes += answer.dash ? 1 : 0;
      assert.equal(copied, [[material1, material2].filter(Boolean).join('    '), captions[p], ...texts].join('\n'));
    });
  }
  assert.ok(dashes > 0);
  assert.deepEqual(core.notices().tooMany, { text: '选择的材料不能超过两种', title: '注意！' });
  assert.deepEqual(core.notices().nothingChosen, { text: '请先选择材料（一种或两种组合）', title: '提示' });
});

// How a list's bytes are decoded: the core's rule, handed over with the names the
// browser's TextDecoder knows.
for (const [bytes, encoding, from] of [
  [[0xef, 0xbb, 0xbf, 0xe7, 0xae, 0xa1], 'utf-8', 3],
  [[0x31, 0xb9, 0xdc], 'gb18030', 0],
  [[0xef, 0xbb, 0xbf, 0xb9, 0xdc], '', 3],
]) {
  test(`list bytes ${bytes.slice(0, 4).join(' ')} are read as ${encoding || 'nothing'}`, () => {
    assert.deepEqual(core.listEncoding(new Uint8Array(bytes)), { encoding, from });
  });
}
