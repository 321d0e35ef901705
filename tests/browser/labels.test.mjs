// The labels of the picture on the 1,000,000 m line, swept over zooms from
// the whole line to one 50 m cell, at its start, middle and end, in windows
// from 800 to 2560 px wide: no two labels of one row overlap, none leaves
// the plot (over the row names or past the chart's edge), and every
// chainage and route position label names its mark exactly, to the metre.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { scratch, writeTexts, serve, launch, showRange } from './support.mjs';

let folder, run, browser, page;

before(async () => {
  folder = scratch();
  const texts = writeTexts(folder.dir, 1000000);
  run = serve('scenario-compile', [texts.line, texts.train, texts.out]);
  const { url } = await run.started;
  browser = await launch();
  page = await browser.newPage({ viewport: { width: 1920, height: 1000 } });
  await page.goto(url);
  await page.waitForFunction(() => document.body.dataset.settled === '1', null, { timeout: 30000 });
});

after(async () => {
  await browser?.close();
  await run?.stop();
  folder?.remove();
});

// What is wrong with the labels drawn now, in words.
function labelFaults() {
  const faults = [];
  const box = n => n.getBoundingClientRect();
  const frame = box(document.querySelector('#plan .lane-frame'));
  const chart = box(document.getElementById('chart'));
  const names = [...document.querySelectorAll('#picture .lane-name')].map(box);
  const rows = [document.getElementById('plan'), document.getElementById('axis'),
                ...document.querySelectorAll('#picture [id^="lane-"], #picture [id^="profile-"]')];
  for (const row of rows) {
    const labels = [...row.querySelectorAll('text:not(.lane-name):not(.scale-label):not(.note)')];
    const boxes = labels.map(n => ({ text: n.textContent, y: n.getAttribute('y'), ...box(n).toJSON() }));
    for (const [i, b] of boxes.entries()) {
      if (b.left < frame.left - 0.5 || b.right > frame.right + 0.5 || b.right > chart.right) {
        faults.push(`${row.id}: "${b.text}" leaves the plot (${b.left.toFixed(1)}..${b.right.toFixed(1)})`);
      }
      for (const n of names) {
        if (b.left < n.right && n.left < b.right && b.top < n.bottom && n.top < b.bottom) {
          faults.push(`${row.id}: "${b.text}" crosses a row name`);
        }
      }
      for (const c of boxes.slice(i + 1)) {
        // The axis rows are its label lines; in a lane or profile any two.
        const sameRow = row.id !== 'axis' || c.y === b.y;
        if (sameRow && b.left < c.right - 0.5 && c.left < b.right - 0.5 && b.top < c.bottom - 0.5 && c.top < b.bottom - 0.5) {
          faults.push(`${row.id}: "${b.text}" overlaps "${c.text}"`);
        }
      }
    }
  }
  const marks = [...document.querySelectorAll('#axis .chainage-label[data-chainage]')];
  for (const n of marks) {
    const t = n.textContent;
    const metres = t.startsWith('km ') ? Number(t.slice(3)) * 1000 : Math.round(Number(t) * 1000);
    if (metres !== Number(n.dataset.chainage)) faults.push(`chainage ${n.dataset.chainage} labelled "${t}"`);
  }
  for (const n of document.querySelectorAll('#axis .tick-label')) {
    const t = n.textContent;
    const metres = t.endsWith(' km') ? Number(t.slice(0, -3)) * 1000 : Number(t.slice(0, -2));
    if (metres !== Number(n.dataset.at)) faults.push(`route position ${n.dataset.at} labelled "${t}"`);
  }
  return faults;
}

test('labels never overlap, never leave the plot and name their marks exactly', async () => {
  const extent = await page.evaluate(() => window.viewer.view.extent);
  const spans = [extent, 100000, 5000, 200, 50];
  let views = 0;
  for (const width of [800, 1920, 2560]) {
    await page.setViewportSize({ width, height: 1000 });
    for (const span of spans) {
      for (const from of [0, 503000 - span / 2, extent - span]) {
        await showRange(page, Math.max(0, from), Math.max(0, from) + span);
        const faults = await page.evaluate(labelFaults);
        assert.deepEqual(faults.slice(0, 5), [], `${width} px, ${span} m from ${from}`);
        views++;
      }
    }
  }
  console.log(`${views} views swept`);
});
