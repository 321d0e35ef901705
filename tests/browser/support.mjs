// What the browser tests share: description texts in a scratch folder, a
// --serve run of one of the commands on a free port, and Debian's Chromium
// started the way this machine allows (no sandbox as root, nothing that
// reaches out to the network).
import { spawn, spawnSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { chromium } from 'playwright-core';

export const BUILD = resolve(process.env.SCENARIO_BUILD_DIR || '../../build');

export function scratch() {
  const dir = mkdtempSync(join(tmpdir(), 'viewer-test-'));
  return { dir, remove: () => rmSync(dir, { recursive: true, force: true }) };
}

// Writes the carried texts (or a generated line of `length` m) as
// line.txt and train.txt into dir.
export function writeTexts(dir, length) {
  const args = length ? ['generated', String(length)] : ['carried'];
  const done = spawnSync(join(BUILD, 'scenario-viewer-texts'),
                         [...args, join(dir, 'line.txt'), join(dir, 'train.txt')]);
  if (done.status !== 0) throw new Error('scenario-viewer-texts failed: ' + done.stderr);
  return { line: join(dir, 'line.txt'), train: join(dir, 'train.txt'), out: join(dir, 'out') };
}

// Starts `command --serve PORT ...args` (port 0: a free one) and waits for
// the line that names the address it serves.
export function serve(command, args, port = 0) {
  const child = spawn(join(BUILD, command), ['--serve', String(port), ...args], { stdio: ['ignore', 'ignore', 'pipe'] });
  let stderr = '';
  const started = new Promise((resolvePromise, reject) => {
    const timer = setTimeout(() => reject(new Error('no address after 20 s:\n' + stderr)), 20000);
    child.stderr.on('data', chunk => {
      stderr += chunk;
      const found = /serving (http:\/\/127\.0\.0\.1:(\d+)\/)/.exec(stderr);
      if (found) {
        clearTimeout(timer);
        resolvePromise({ url: found[1], port: Number(found[2]) });
      }
    });
    child.on('exit', code => reject(new Error(`${command} ended with ${code}:\n${stderr}`)));
  });
  return {
    child,
    started,
    stderr: () => stderr,
    stop: () => new Promise(done => {
      if (child.exitCode !== null) return done(child.exitCode);
      child.on('exit', code => done(code));
      child.kill('SIGTERM');
    }),
  };
}

export function launch() {
  return chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
           '--no-first-run', '--disable-sync'],
  });
}

// Opens the page and waits until the scene of that version (or any) and its
// plan are drawn.
export async function openPage(browser, url, width = 1400, height = 1000) {
  const page = await browser.newPage({ viewport: { width, height } });
  await page.goto(url);
  await waitDrawn(page);
  return page;
}

export async function waitDrawn(page, sceneVersion) {
  await page.waitForFunction(v => {
    const drawn = document.body.dataset.drawnScene;
    return drawn !== undefined && (v === undefined || Number(drawn) >= v) && document.body.dataset.settled === '1';
  }, sceneVersion, { timeout: 15000 });
}

// Sets the part in view, as zoom and pan would, and waits for its picture.
export async function showRange(page, from, to) {
  await page.evaluate(([a, b]) => { window.viewer.view.set(a, b); window.viewer.redraw(); }, [from, to]);
  await waitDrawn(page);
}

export function viewRange(page) {
  return page.evaluate(() => [window.viewer.view.from, window.viewer.view.to]);
}

// The scenario-inspect --json of the compiled folder's three files.
export function inspectJson(outDir, files) {
  const done = spawnSync(join(BUILD, 'scenario-inspect'), ['--json', ...files.map(f => join(outDir, f))]);
  if (done.status !== 0) throw new Error('scenario-inspect failed: ' + done.stderr);
  return JSON.parse(done.stdout);
}
