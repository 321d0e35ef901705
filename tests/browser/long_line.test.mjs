// The generated 1,000,000 m line: the page loads it, asks the server only
// for the plan rows its width can show, a zoom step redraws a bounded
// picture, and a plan answered for a view already left is never drawn. The
// long tasks of the zoom step are measured and reported; the timings
// themselves belong to the benchmark (bench/viewer.mjs).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { scratch, writeTexts, serve, launch, openPage, viewRange, waitDrawn } from './support.mjs';

let folder, run, browser, page, planRequests;

before(async () => {
  folder = scratch();
  const texts = writeTexts(folder.dir, 1000000);
  run = serve('scenario-compile', [texts.line, texts.train, texts.out]);
  const { url } = await run.started;
  browser = await launch();
  const context = await browser.newContext({ viewport: { width: 1400, height: 1000 } });
  planRequests = [];
  context.on('response', async response => {
    if (!response.url().includes('/plan?')) return;
    planRequests.push({ url: new URL(response.url()), body: await response.json() });
  });
  page = await context.newPage();
  await page.goto(url);
  await waitDrawn(page);
});

after(async () => {
  await browser?.close();
  await run?.stop();
  folder?.remove();
});

test('the whole line loads, its plan thinned to two rows a pixel', async () => {
  assert.deepEqual(await viewRange(page), [0, 1000000]);
  assert.ok(planRequests.length >= 1);
  for (const { url, body } of planRequests) {
    const pixels = Number(url.searchParams.get('px'));
    assert.ok(body.points.length <= 2 * pixels + 1, `${body.points.length} rows for ${pixels} px`);
    assert.equal(body.points[0][0], Number(url.searchParams.get('from')));
  }
});

test('a zoom step redraws a bounded picture', async () => {
  await page.evaluate(() => {
    window.longTasks = [];
    new PerformanceObserver(list => {
      for (const entry of list.getEntries()) window.longTasks.push(entry.duration);
    }).observe({ entryTypes: ['longtask'] });
  });
  const before = await viewRange(page);
  await page.focus('#chart');
  const started = Date.now();
  await page.keyboard.press('+');
  await waitDrawn(page);
  const took = Date.now() - started;
  const after = await viewRange(page);
  assert.ok(after[1] - after[0] < before[1] - before[0]);
  // Every lane draws at most one marker per pixel column.
  const { elements, width } = await page.evaluate(() => ({
    elements: document.querySelectorAll('#picture *').length,
    width: window.viewer.view.width,
  }));
  assert.ok(elements < 12 * width, `${elements} elements for ${width} px`);
  const longTasks = await page.evaluate(() => window.longTasks);
  console.log(`zoom step: ${took} ms to a settled picture, ${elements} elements, ` +
              `long tasks: ${longTasks.length ? longTasks.map(t => t.toFixed(0) + ' ms').join(', ') : 'none'}`);
});

test('a plan answered for an older view is never drawn, nor marks the page settled', async () => {
  const held = [];
  await page.route('**/plan?*', route => { held.push(route); });
  const frames = () => page.evaluate(() => new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r))));
  const settled = () => page.evaluate(() => document.body.dataset.settled);
  const drawnView = () => page.evaluate(() => window.viewer.state.plan && window.viewer.state.plan.question.view);
  const show = (from, to) => page.evaluate(([a, b]) => { window.viewer.view.set(a, b); window.viewer.redraw(); }, [from, to]);
  const heldCount = async n => {
    for (let i = 0; i < 100 && held.length < n; i++) await new Promise(r => setTimeout(r, 50));
    assert.equal(held.length, n);
  };
  try {
    await show(100000, 900000);
    await heldCount(1);
    // Zoomed to one 50 m cell while the wide view's plan travels; any redraw
    // meanwhile must not take the plan in hand for this view.
    await show(503000, 503050);
    await heldCount(2);
    await page.evaluate(() => window.viewer.redraw());
    await frames();
    assert.equal(await settled(), '0');
    const px = await page.evaluate(() => Math.round(window.viewer.view.width));

    const older = page.waitForResponse(r => r.url().includes('from=100000'));
    await held[0].continue();
    await older;
    await frames();
    assert.equal(await settled(), '0');
    assert.notEqual(await drawnView(), `100000 900000 ${px}`);

    await held[1].continue();
    await waitDrawn(page);
    assert.equal(await drawnView(), `503000 503050 ${px}`);
  } finally {
    await page.unroute('**/plan?*');
    for (const route of held.slice(2)) await route.continue().catch(() => {});
  }
});
