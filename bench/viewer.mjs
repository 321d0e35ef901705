// Timings of the live viewer, in Debian's headless Chromium (run after
// `npm ci` in tests/browser, which brings Playwright's core):
//   node bench/viewer.mjs [BUILD_DIR] [ROUNDS]
// - start: from starting `scenario-compile --serve` to the first complete
//   picture (scene and plan drawn) of the carried scenario (target < 1 s);
// - save: from a save that changes a gradient to the page showing the new
//   scene, keeping the zoom (target < 0.5 s);
// - zoom: one zoom step on the 1,000,000 m line, its drawing time and the
//   browser's long tasks.
// The browser is started before the clock; medians and extremes of ROUNDS.
import { readFileSync, writeFileSync } from 'node:fs';
import { resolve } from 'node:path';

process.env.SCENARIO_BUILD_DIR = resolve(process.argv[2] || 'build');
const rounds = Number(process.argv[3] || 7);
const { scratch, writeTexts, serve, launch, waitDrawn, showRange } = await import('../tests/browser/support.mjs');

const median = xs => xs.slice().sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const show = (name, xs) => console.log(`${name}: median ${median(xs).toFixed(0)} ms, ` +
  `min ${Math.min(...xs).toFixed(0)} ms, max ${Math.max(...xs).toFixed(0)} ms (${xs.length} rounds)`);

const browser = await launch();
const folder = scratch();
const texts = writeTexts(folder.dir);

const starts = [];
for (let i = 0; i < rounds; i++) {
  const page = await browser.newPage({ viewport: { width: 1400, height: 1000 } });
  const started = performance.now();
  const run = serve('scenario-compile', [texts.line, texts.train, texts.out]);
  const { url } = await run.started;
  await page.goto(url);
  await waitDrawn(page);
  starts.push(performance.now() - started);
  await page.close();
  await run.stop();
}
show('start to first complete picture, carried scenario', starts);

const run = serve('scenario-compile', [texts.line, texts.train, texts.out]);
const { url } = await run.started;
const page = await browser.newPage({ viewport: { width: 1400, height: 1000 } });
await page.goto(url);
await waitDrawn(page);
await showRange(page, 190000, 210000);
const good = readFileSync(texts.line, 'latin1');
const saves = [];
for (let i = 0; i < rounds; i++) {
  const scene = await page.evaluate(() => window.viewer.state.sceneVersion);
  const text = i % 2 === 0 ? good.replace(/^(pendenza\s*,\s*4750\s*,\s*)-8/m, '$1-9') : good;
  const saved = performance.now();
  writeFileSync(texts.line, text, 'latin1');
  await waitDrawn(page, scene + 1);
  saves.push(performance.now() - saved);
}
show('save to updated page', saves);
writeFileSync(texts.line, good, 'latin1');
await run.stop();

const long = writeTexts(folder.dir, 1000000);
const longRun = serve('scenario-compile', [long.line, long.train, long.out]);
const longPage = await browser.newPage({ viewport: { width: 1400, height: 1000 } });
await longPage.goto((await longRun.started).url);
await waitDrawn(longPage);
await longPage.evaluate(() => {
  window.longTasks = [];
  new PerformanceObserver(l => { for (const e of l.getEntries()) window.longTasks.push(e.duration); })
    .observe({ entryTypes: ['longtask'] });
});
const zooms = [], draws = [];
await longPage.focus('#chart');
for (let i = 0; i < rounds; i++) {
  const started = performance.now();
  await longPage.keyboard.press(i % 2 === 0 ? '+' : '-');
  await waitDrawn(longPage);
  zooms.push(performance.now() - started);
  draws.push(Number(await longPage.evaluate(() => document.body.dataset.drawMs)));
}
show('zoom step to a settled picture, 1,000,000 m line', zooms);
show('of which drawing the picture (script)', draws);
const tasks = await longPage.evaluate(() => window.longTasks);
console.log(`long tasks during the zoom steps: ${tasks.length ? tasks.map(t => t.toFixed(0) + ' ms').join(', ') : 'none'}`);
await longRun.stop();
await browser.close();
folder.remove();
