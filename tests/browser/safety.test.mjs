// What the server refuses: other paths, '..', methods other than GET and a
// Host header that does not name the served address; and scenario-inspect's
// page of compiled files alone (no diagnostics, no source lines).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { request } from 'node:http';
import { connect } from 'node:net';
import { scratch, writeTexts, serve, launch, openPage } from './support.mjs';
import { spawnSync } from 'node:child_process';
import { join } from 'node:path';
import { BUILD } from './support.mjs';

let folder, texts, run, port;

before(async () => {
  folder = scratch();
  texts = writeTexts(folder.dir);
  const compiled = spawnSync(join(BUILD, 'scenario-compile'), [texts.line, texts.train, texts.out]);
  assert.equal(compiled.status, 0, String(compiled.stderr));
  run = serve('scenario-inspect', [texts.out]);
  ({ port } = await run.started);
});

after(async () => {
  await run?.stop();
  folder?.remove();
});

// One raw request: the path goes out exactly as written.
function ask(path, { method = 'GET', host = `127.0.0.1:${port}` } = {}) {
  return new Promise((resolve, reject) => {
    const req = request({ host: '127.0.0.1', port, path, method, headers: { Host: host } }, res => {
      let body = '';
      res.on('data', chunk => { body += chunk; });
      res.on('end', () => resolve({ status: res.statusCode, body }));
    });
    req.on('error', reject);
    req.end();
  });
}

test('only the page, its data and its events are answered', async () => {
  for (const path of ['/', '/index.html', '/main.js', '/viewer.css', '/favicon.svg', '/favicon.ico', '/scene', '/status',
                      '/plan?from=0&to=100&px=10']) {
    assert.equal((await ask(path)).status, 200, path);
  }
  for (const path of ['/nothing', '/../etc/passwd', '/%2e%2e/%2e%2e/etc/passwd', '/..%2fmain.js',
                      '/page/main.js', '//etc/passwd', `/${'Corvena_Lidra1_linea.dat'}`]) {
    assert.equal((await ask(path)).status, 404, path);
  }
  assert.equal((await ask('/plan?from=0&to=x&px=10')).status, 400);
});

test('a request without a Host header is refused', async () => {
  const answer = await new Promise((resolve, reject) => {
    let text = '';
    // The request is written without closing our side: a half-closed socket
    // may be taken by the server for a client that has gone away.
    const socket = connect(port, '127.0.0.1', () => socket.write('GET /scene HTTP/1.0\r\n\r\n'));
    socket.on('data', chunk => { text += chunk; });
    socket.on('end', () => resolve(text));
    socket.on('error', reject);
  });
  assert.match(answer, /^HTTP\/1\.[01] 403 /);
});

test('only GET', async () => {
  for (const method of ['POST', 'PUT', 'DELETE', 'OPTIONS']) {
    assert.equal((await ask('/', { method })).status, 405, method);
  }
});

test('a foreign Host header is refused; the loopback names of the address are not', async () => {
  for (const host of ['evil.example', `evil.example:${port}`, `127.0.0.1.evil.example:${port}`,
                      `127.0.0.1:${port + 1}`, `localhost:${port}x`]) {
    const answer = await ask('/scene', { host });
    assert.equal(answer.status, 403, host);
    assert.ok(!answer.body.includes('Corvena'), host);
  }
  for (const host of [`127.0.0.1:${port}`, `localhost:${port}`, `LOCALHOST:${port}`, `[::1]:${port}`]) {
    assert.equal((await ask('/status', { host })).status, 200, host);
  }
});

test('scenario-inspect serves the compiled files alone: no diagnostics, no source lines', async () => {
  const browser = await launch();
  try {
    const page = await openPage(browser, `http://127.0.0.1:${port}/`);
    assert.equal(await page.isVisible('#diagnostics'), false);
    const signal = (await page.$$('#lane-signals [data-kind="signal"]'))[0];
    await signal.click();
    assert.equal(await page.textContent('#source'), 'compiled files alone: no description to point at');
  } finally {
    await browser.close();
  }
});
