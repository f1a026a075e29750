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
const { chosenBy, linkFor, namesIn } = await import(pathToFileURL(path.join(site, 'link.js')));

test('the whole table through the WebAssembly core is the pinned answers', () => {
  const pinned = fs.readFileSync(answersTsv);
  const text = Buffer.from(core.ruleBaseText(), 'utf8');
  assert.ok(text.equals(pinned), 'ruleBaseText() differs from answers.tsv');
});

test('the page works out the fingerprint velmora-cli shows', async () => {
  const digest = await crypto.subtle.digest('SHA-256', new TextEncoder().encode(core.ruleBaseText()));
  const page = Buffer.from(digest).toString('hex').slice(0, 8);
  const version = spawnSync(cli, ['--version'], { encoding: 'utf8' });
  assert.equal(version.status, 0);
  assert.equal(version.stdout.split('\n')[1], `规则库指纹：${page}`);
  assert.equal(page, createHash('sha256').update(fs.readFileSync(answersTsv)).digest('hex').slice(0, 8));
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
      return;
    }
    assert.ok(run.status === 0 || run.status === 1, run.stderr);
    const answered = JSON.parse(run.stdout)[0];
    assert.equal(found.material, answered.materials[0]);
    assert.equal(found.readAs, answered.translations?.[0].text ?? '');
  });
}

test('a link carries the designations and back', () => {
  const designations = ['10#,20#(管)', '15CrMo(G、R)'];
  const read = namesIn(linkFor(designations));
  assert.deepEqual(read.names, designations);
  assert.deepEqual(chosenBy(read.names, core.lookUp), { designations, readAs: ['', ''] });
  assert.deepEqual(chosenBy(namesIn('#Q345R&s30408').names, core.lookUp), {
    designations: ['16MnR', '0Cr18Ni9(304)'],
    readAs: ['Q345R 按 GB/T 713-2008 及以后版本 即 16MnR', 'S30408 按 GB/T 20878-2007 即 0Cr18Ni9(304)'],
  });
  assert.equal(linkFor(['Q235-B,C']), '#Q235-B%2CC');
});

// Links as people write them by hand choose what they name.
for (const [fragment, designations] of [
  ['#16MnR&&304', ['16MnR', '0Cr18Ni9(304)']],
  ['#16MnR&', ['16MnR']],
  ['#%2016MnR%20&%E3%80%80304', ['16MnR', '0Cr18Ni9(304)']],
  ['#16MnR&16MnR', ['16MnR']],
  ['#316L&00cr17ni14mo2(316l)', ['00Cr17Ni14Mo2(316L)']],
  ['#&', []],
]) {
  test(`a link ${fragment} chooses ${designations.join(' and ') || 'nothing'}`, () => {
    const read = namesIn(fragment);
    assert.deepEqual(chosenBy(read.names, core.lookUp).designations, designations);
  });
}

for (const [fragment, problem] of [
  ['#16MnR&nothing', 'unknown'],
  ['#16MnR&20g&40Cr', 'tooMany'],
  ['#16MnR&%E7%AE', 'broken'],
  ['#%', 'broken'],
]) {
  test(`a link ${fragment} chooses nothing: ${problem}`, () => {
    const read = namesIn(fragment);
    const chosen = read.broken ? { problem: 'broken' } : chosenBy(read.names, core.lookUp);
    assert.equal(chosen.problem, problem);
    assert.equal(chosen.designations, undefined);
  });
}
