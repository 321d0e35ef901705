// The server followed for one browser: its event stream, and the status and
// scene each new version of it calls for, asked for once and passed on.
// Every event says which run of the server this is (its instance) and its
// versions; the server repeats them every second, so a silence, like a
// closed stream, means the server is gone. Then the stream is opened again
// every second until a server answers on the address. `post` hears
// {type: 'update', instance, status, scene} (scene: {version, text}, or null
// when it has not changed) and {type: 'lost'}.
import { askScene, askStatus } from './answers.js';

const SILENCE_MS = 2500;
const RETRY_MS = 1000;

export function followServer(post) {
  let source = null;
  let watchdog = 0;
  let retry = 0;
  let lost = false;
  let known = { instance: null, version: -1, sceneVersion: 0 };
  let queue = Promise.resolve();

  // One version at a time: a quick second save waits for the first.
  async function update({ instance, version, scene_version: sceneVersion }) {
    if (instance !== known.instance) known = { instance, version: -1, sceneVersion: 0 };
    if (version === known.version && sceneVersion === known.sceneVersion) return;
    const [status, scene] = await Promise.all([
      askStatus(instance),
      sceneVersion !== known.sceneVersion && sceneVersion > 0 ? askScene(instance) : null]);
    // Another run of the server answered: its own events follow.
    if (!status || instance !== known.instance) return;
    known.version = status.version;
    const fresh = scene && scene.version !== known.sceneVersion ? scene : null;
    if (fresh) known.sceneVersion = fresh.version;
    post({ type: 'update', instance, status, scene: fresh });
  }

  const loseIt = () => {
    clearTimeout(watchdog);
    if (source) source.close();
    source = null;
    if (!lost) post({ type: 'lost' });
    lost = true;
    clearTimeout(retry);
    retry = setTimeout(open, RETRY_MS);
  };
  const listen = () => {
    clearTimeout(watchdog);
    watchdog = setTimeout(loseIt, SILENCE_MS);
  };
  function open() {
    source = new EventSource('/events');
    listen();
    source.onmessage = e => {
      listen();
      const versions = JSON.parse(e.data);
      if (lost) {
        lost = false;
        // The last word may have been 'lost': say again what holds.
        known.version = -1;
      }
      queue = queue.then(() => update(versions)).catch(() => {});
    };
    source.onerror = loseIt;
  }
  open();
}
