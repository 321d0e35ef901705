// Ten pages of the viewer open in one browser: a browser keeps only six
// connections to one address, so the pages must share what they hold open.
// Every page shows a save within 1 s, and no page asks for anything the
// server does not have.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { scratch, writeTexts, serve, launch, waitDrawn } from './support.mjs';

const TABS = 10;
let folder, texts, run, browser, pages, failed;

before(async () => {
  folder = scratch();
  texts = writeTexts(folder.dir);
  run = serve('scenario-compile', [texts.line, texts.train, texts.out]);
  const { url } = await run.started;
  browser = await launch();
  const context = await browser.newContext({ viewport: { width: 1200, height: 800 } });
  failed = [];
  context.on('response', response => { if (response.status() >= 400) failed.push(response.url()); });
  pages = await Promise.all(Array.from({ length: TABS }, async () => {
    const page = await context.newPage();
    await page.goto(url);
    await waitDrawn(page);
    return page;
  }));
});

after(async () => {
  await browser?.close();
  await run?.stop();
  folder?.remove();
});

test('ten pages each show a save within 1 s', async () => {
  // Each page notes when its status changes, on the clock the test reads.
  await Promise.all(pages.map(page => page.evaluate(() => {
    window.shownAt = [];
    new MutationObserver(() => window.shownAt.push(performance.timeOrigin + performance.now()))
      .observe(document.body, { attributes: true, attributeFilter: ['data-version'] });
  })));
  // A save that renames a stop.
  const train = readFileSync(texts.train, 'latin1');
  assert.ok(train.includes(' VALMERA\r\n'));
  const saved = Date.now();
  writeFileSync(texts.train, train.replace(' VALMERA\r\n', ' VALMORA\r\n'), 'latin1');
  const delays = await Promise.all(pages.map(async page => {
    await page.waitForFunction(() => window.shownAt.length > 0, null, { timeout: 10000 });
    return (await page.evaluate(() => window.shownAt[0])) - saved;
  }));
  console.log(`save shown after ${delays.map(d => d.toFixed(0)).join(', ')} ms`);
  for (const delay of delays) assert.ok(delay < 1000, `a page showed the save after ${delay.toFixed(0)} ms`);
  assert.deepEqual(failed, []);
});
