// The carried scenario on the live page: every object scenario-inspect finds
// in the compiled files is on the page, the stop rows by name, a signal's
// hover and its record; and the screenshot in the author's guide.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { scratch, writeTexts, serve, launch, openPage, inspectJson, showRange, viewRange, waitDrawn, BUILD } from './support.mjs';

const ROUTE = 'Corvena_Lidra1_linea.dat';
const SCENARIO = 'Corvena_Lidra1_7304.sim';
const GRID = 'Corvena_Lidra1_7304.dat';

let folder, texts, run, url, browser, page, inspected;

before(async () => {
  folder = scratch();
  texts = writeTexts(folder.dir);
  run = serve('scenario-compile', [texts.line, texts.train, texts.out]);
  ({ url } = await run.started);
  browser = await launch();
  page = await openPage(browser, url);
  const [route, scenario, grid] = inspectJson(texts.out, [ROUTE, SCENARIO, GRID]);
  inspected = { route, scenario, grid };
});

after(async () => {
  await browser?.close();
  await run?.stop();
  folder?.remove();
});

// Objects drawn per kind: a marker that stands for several objects closer
// than a pixel says how many in data-count.
function drawnCounts() {
  return page.evaluate(() => {
    const counts = {};
    for (const node of document.querySelectorAll('#picture [data-kind]')) {
      counts[node.dataset.kind] = (counts[node.dataset.kind] || 0) + Number(node.dataset.count);
    }
    return counts;
  });
}

test('the page shows every object the compiled files hold', async () => {
  const { route, scenario, grid } = inspected;
  const cellsOf = type => grid.objects.filter(o => o.type === type).length;
  const stopRows = scenario.rows.filter(r => r.role === 'stop');
  const expected = {
    'curve': route.curves.length,
    'tunnel': grid.tunnel_kind_stretches.length,
    'signal': cellsOf('signal'),
    'speed board': cellsOf('speed_board'),
    'sign board': scenario.sign_board_rows,
    'stops and passing points': stopRows.length,
  };
  const drawn = await drawnCounts();
  drawn['stops and passing points'] = (drawn['stop'] || 0) + (drawn['passing point'] || 0);
  for (const kind of Object.keys(expected)) assert.equal(drawn[kind], expected[kind], kind);
  assert.equal(stopRows.length, 33);
});

test('the 33 stop rows by name, the 9 with a stop cell apart from the passing points', async () => {
  const { scenario, grid } = inspected;
  const withCell = new Set(grid.objects.filter(o => o.type === 'station_stop').map(o => o.value_a));
  const expected = scenario.rows.filter(r => r.role === 'stop')
    .map(r => ({ name: r.name, kind: withCell.has(r.row) ? 'stop' : 'passing point' }));
  assert.equal(expected.filter(s => s.kind === 'stop').length, 9);
  const shown = [];
  for (const marker of await page.$$('#lane-stops [data-kind]')) {
    assert.equal(await marker.getAttribute('data-count'), '1');
    await marker.hover();
    const hover = await page.textContent('#hover');
    shown.push({ name: /^name (.*)$/m.exec(hover)[1], kind: await marker.getAttribute('data-kind') });
  }
  assert.deepEqual(shown, expected);
});

test('the signal at 20500 m: chainage and written fields on hover, its line on a click', async () => {
  await showRange(page, 20000, 21000);
  const markers = await page.$$('#lane-signals [data-kind="signal"]');
  assert.equal(markers.length, 1);
  await markers[0].hover();
  const hover = await page.textContent('#hover');
  assert.match(hover, /^signal at 20500 m$/m);
  assert.match(hover, /^chainage km 20\+500, cell 411$/m);
  // segnale, 20500, sx 2, s1 4, s2 0, s3 0, rapp 0, dx 2, d1 1, d2 0, d3 0, tempo 0
  for (const field of ['sx 2', 's1 4', 's2 0', 's3 0', 'rapp 0', 'dx 2', 'd1 1', 'd2 0', 'd3 0', 'tempo 0']) {
    assert.match(hover, new RegExp(`^${field}$`, 'm'));
  }
  await markers[0].click();
  const lines = readFileSync(texts.train, 'latin1').split('\r\n');
  const line = lines.findIndex(l => l.startsWith('segnale,  20500,')) + 1;
  assert.ok(line > 0);
  assert.equal(await page.textContent('#source'), `${texts.train}:${line}\n${lines[line - 1]}`);
});

test('the screenshot of the carried scenario (the author\'s guide shows it)', async () => {
  // The pointer leaves the picture first, so that the side panel keeps the
  // signal at 20500 m that the test before chose.
  await page.mouse.move(2, 2);
  await page.focus('#chart');
  await page.keyboard.press('0');
  await waitDrawn(page);
  assert.deepEqual(await viewRange(page), [0, 270000]);
  // Only a refresh asked for rewrites the committed picture; pixels that
  // differ from it never fail a test.
  const path = process.env.SCENARIO_UPDATE_SCREENSHOT
    ? resolve('../../tools/viewer/viewer.png') : join(BUILD, 'viewer.png');
  await page.screenshot({ path });
  assert.ok(readFileSync(path).length > 10000);
});
