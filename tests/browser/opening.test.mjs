// "Open as descriptions" in folder mode: the button writes line.txt and
// train.txt beside the compiled files, texts that compile back to them byte
// for byte, and the same page goes on as the live compile; a folder that
// already holds the author's line.txt gets nothing written and says so. The
// request is refused without this run's instance.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync, readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { scratch, writeTexts, serve, launch, openPage, BUILD } from './support.mjs';

const FILES = ['Corvena_Lidra1_linea.dat', 'Corvena_Lidra1_7304.sim', 'Corvena_Lidra1_7304.dat'];

let folder, browser;

function compile(line, train, out) {
  const done = spawnSync(join(BUILD, 'scenario-compile'), [line, train, out]);
  assert.equal(done.status, 0, String(done.stderr));
}

// A folder of the carried scenario's compiled files alone.
function compiledFolder(name) {
  const texts = writeTexts(folder.dir);
  const out = join(folder.dir, name);
  compile(texts.line, texts.train, out);
  return out;
}

async function status(url) {
  return (await fetch(new URL('status', url))).json();
}

before(async () => {
  folder = scratch();
  browser = await launch();
});

after(async () => {
  await browser?.close();
  folder?.remove();
});

test('the button opens the folder as descriptions that compile back, and the page compiles them live', async () => {
  const served = compiledFolder('opened');
  const run = serve('scenario-inspect', [served]);
  try {
    const { url } = await run.started;
    const stranger = await fetch(new URL('open-descriptions?instance=0000000000000000', url));
    assert.equal(stranger.status, 403);
    assert.ok(!existsSync(join(served, 'line.txt')));
    const page = await openPage(browser, url);
    assert.equal((await status(url)).status.mode, 'inspect');
    await page.click('#open-descriptions');
    await page.waitForFunction(() => window.viewer.state.status?.mode === 'compile', null, { timeout: 20000 });
    assert.match(await page.textContent('#open-note'), /round trip exact: 3 files/);
    const now = await status(url);
    assert.equal(now.status.mode, 'compile');
    assert.equal(now.status.failed, false);
    assert.ok(await page.isHidden('#opening'));
    // The texts written give the files back, byte for byte.
    const again = join(folder.dir, 'again');
    compile(join(served, 'line.txt'), join(served, 'train.txt'), again);
    for (const name of FILES) assert.ok(readFileSync(join(again, name)).equals(readFileSync(join(served, name))), name);
    await page.close();
  } finally {
    await run.stop();
  }
});

test('a folder that holds the author\'s line.txt is not written to, and the page says so', async () => {
  const served = compiledFolder('authored');
  writeFileSync(join(served, 'line.txt'), 'the author\'s own text\n');
  const run = serve('scenario-inspect', [served]);
  try {
    const { url } = await run.started;
    const page = await openPage(browser, url);
    await page.click('#open-descriptions');
    await page.waitForFunction(() => /Not opened as descriptions/.test(document.getElementById('band').textContent));
    assert.match(await page.textContent('#band'), /line\.txt is already there: nothing was written/);
    assert.equal(readFileSync(join(served, 'line.txt'), 'latin1'), 'the author\'s own text\n');
    assert.deepEqual(readdirSync(served).sort(), [...FILES, 'line.txt'].sort());
    assert.equal((await status(url)).status.mode, 'inspect');
    await page.close();
  } finally {
    await run.stop();
  }
});
