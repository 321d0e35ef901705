// The server among clients that hold connections without finishing a
// request: 200 idle connections, 40 clients sending a byte at a time and
// 200 requests at once leave an ordinary request answered within 1 s, and are cut off after the
// server's limits (5 s idle, 5 s for a request head); a request that will be
// refused is answered at once, without its body or the rest of its line
// being read. Loopback only; every socket is closed when the test ends.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { request } from 'node:http';
import { connect } from 'node:net';
import { readFileSync } from 'node:fs';
import { spawnSync } from 'node:child_process';
import { join } from 'node:path';
import { scratch, writeTexts, serve, BUILD } from './support.mjs';

let folder, run, port;
const sockets = [];

before(async () => {
  folder = scratch();
  const texts = writeTexts(folder.dir);
  const compiled = spawnSync(join(BUILD, 'scenario-compile'), [texts.line, texts.train, texts.out]);
  assert.equal(compiled.status, 0, String(compiled.stderr));
  run = serve('scenario-inspect', [texts.out]);
  ({ port } = await run.started);
});

after(async () => {
  for (const s of sockets) s.destroy();
  await run?.stop();
  folder?.remove();
});

// A connection that records what it hears and when it closes.
function open() {
  const socket = connect(port, '127.0.0.1');
  const state = { socket, heard: '', closed: false };
  socket.on('data', chunk => { state.heard += chunk; });
  socket.on('error', () => {});
  socket.on('close', () => { state.closed = true; });
  sockets.push(socket);
  return state;
}

const sleep = ms => new Promise(r => setTimeout(r, ms));

async function until(done, ms) {
  for (const end = Date.now() + ms; !done() && Date.now() < end;) await sleep(50);
  return done();
}

function timedGet(path) {
  return new Promise((resolve, reject) => {
    const started = Date.now();
    const req = request({ host: '127.0.0.1', port, path, agent: false, timeout: 10000 }, res => {
      res.resume();
      res.on('end', () => resolve({ status: res.statusCode, ms: Date.now() - started }));
    });
    req.on('timeout', () => req.destroy(new Error('no answer in 10 s')));
    req.on('error', reject);
    req.end();
  });
}

test('idle and slow clients leave a request answered within 1 s, and are cut off', async () => {
  const idle = Array.from({ length: 200 }, open);
  const slow = Array.from({ length: 40 }, open);
  const head = `GET /status HTTP/1.1\r\nHost: 127.0.0.1:${port}\r\n\r\n`;
  let sent = 0;
  const trickle = setInterval(() => {
    for (const s of slow) if (!s.closed) s.socket.write(head[sent % head.length]);
    sent++;
  }, 200);
  try {
    await until(() => [...idle, ...slow].every(s => s.socket.readyState === 'open' || s.closed), 5000);
    await sleep(300);
    // 200 more requests at once, and one more among them.
    const burst = Array.from({ length: 200 }, () => timedGet('/status'));
    const answer = await timedGet('/status');
    const answers = await Promise.all(burst);
    console.log(`answered in ${answer.ms} ms beside 200 idle and 40 slow connections and 200 requests ` +
                `(answered within ${Math.max(...answers.map(a => a.ms))} ms)`);
    assert.ok(answers.every(a => a.status === 200));
    assert.equal(answer.status, 200);
    assert.ok(answer.ms < 1000, `answered after ${answer.ms} ms`);
    // The head is sent a byte at a time and never whole within 5 s.
    assert.ok(await until(() => [...idle, ...slow].every(s => s.closed), 9000), 'connections left open');
    assert.ok(slow.every(s => s.heard.startsWith('HTTP/1.1 408 ')), slow[0].heard);
    assert.ok(idle.every(s => s.heard === ''));
  } finally {
    clearInterval(trickle);
  }
});

test('a refused request is answered at once, its body unread', async () => {
  const peak = () => Number(/VmHWM:\s+(\d+) kB/.exec(readFileSync(`/proc/${run.child.pid}/status`, 'utf8'))[1]);
  const before = peak();
  const hostile = open();
  hostile.socket.write('GET /scene HTTP/1.1\r\nHost: elsewhere.example\r\nContent-Length: 104857600\r\n\r\n');
  const zeros = Buffer.alloc(65536);
  const started = Date.now();
  let written = 0;
  // Sends the body as fast as the connection takes it, up to 100 MB.
  const pump = () => {
    while (!hostile.closed && !hostile.heard && written < 104857600 && hostile.socket.write(zeros)) written += zeros.length;
  };
  hostile.socket.on('drain', pump);
  pump();
  assert.ok(await until(() => hostile.heard.includes('\r\n'), 2000), 'no answer within 2 s');
  console.log(`403 after ${Date.now() - started} ms and ${(written / 1048576).toFixed(1)} MB of body`);
  assert.match(hostile.heard, /^HTTP\/1\.1 403 /);
  assert.ok(peak() - before < 16384, `the server's peak memory grew by ${peak() - before} kB`);

  const long = open();
  long.socket.write('GET /' + 'a'.repeat(9000));
  assert.ok(await until(() => long.heard.includes('\r\n'), 2000), 'no answer within 2 s');
  assert.match(long.heard, /^HTTP\/1\.1 414 /);
});
