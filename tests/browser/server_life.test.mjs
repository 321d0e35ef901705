// The server's life under the page: killed, the page says so within 2 s and
// keeps its picture; a new server on the same address (whose versions start
// again at the same numbers) is followed from scratch, its scene loaded and
// the band cleared.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { scratch, writeTexts, serve, launch, openPage, waitDrawn } from './support.mjs';

let folder, texts, run, browser, page;

before(async () => {
  folder = scratch();
  texts = writeTexts(folder.dir);
  run = serve('scenario-compile', [texts.line, texts.train, texts.out]);
  const { url } = await run.started;
  browser = await launch();
  page = await openPage(browser, url);
});

after(async () => {
  await browser?.close();
  await run?.stop();
  folder?.remove();
});

const stopNames = () => page.$$eval('#lane-stops text.label', nodes => nodes.map(n => n.textContent));
const markers = () => page.$$eval('#picture [data-kind]', nodes => nodes.length);

test('a killed server is reported within 2 s over the last picture; a restarted one is followed anew', async () => {
  const { port } = await run.started;
  const before = { instance: await page.evaluate(() => document.body.dataset.instance),
                   version: await page.evaluate(() => window.viewer.state.version),
                   markers: await markers(), names: await stopNames() };
  assert.ok(before.names.includes('VALMERA'), before.names.join(', '));

  const killed = Date.now();
  run.child.kill('SIGKILL');
  await run.stop();
  await page.waitForSelector('#band:not([hidden])', { timeout: 2000 });
  console.log(`server loss shown ${Date.now() - killed} ms after the kill`);
  assert.match(await page.textContent('#band'), new RegExp(`127\\.0\\.0\\.1:${port}.*does not answer`));
  assert.equal(await markers(), before.markers);

  // The same texts but one stop renamed, served anew on the same port: its
  // first versions are the very numbers the page has already seen.
  const train = readFileSync(texts.train, 'latin1');
  assert.ok(train.includes(' VALMERA\r\n'));
  writeFileSync(texts.train, train.replace(' VALMERA\r\n', ' VALMORA\r\n'), 'latin1');
  run = serve('scenario-compile', [texts.line, texts.train, texts.out], port);
  await run.started;
  await page.waitForFunction(i => document.body.dataset.instance !== i, before.instance, { timeout: 10000 });
  await page.waitForFunction(() => document.getElementById('band').hidden, null, { timeout: 10000 });
  await waitDrawn(page);
  await page.waitForFunction(() => [...document.querySelectorAll('#lane-stops text.label')]
    .some(n => n.textContent === 'VALMORA'), null, { timeout: 10000 });
  assert.equal(await page.evaluate(() => window.viewer.state.version), before.version);
  assert.ok(!(await stopNames()).includes('VALMERA'));
});
