// One event stream for all the pages of the viewer open in this browser:
// a browser keeps only a few connections to one address, and a stream per
// page would take them all, as would each page asking for every new status
// and scene. Each page connects here and hears what the server said; a page
// that connects late hears at once the last status with the last scene.
import { followServer } from './events.js';

const pages = new Set();
let last = null;
let scene = null;

followServer(message => {
  if (message.type === 'update') {
    if (last && last.instance !== message.instance) scene = null;
    if (message.scene) scene = message.scene;
    last = message;
  } else if (last) {
    last = { ...last, lost: true };
  }
  for (const port of pages) port.postMessage(message);
});

self.onconnect = e => {
  const port = e.ports[0];
  pages.add(port);
  port.onmessage = m => { if (m.data === 'closing') pages.delete(port); };
  port.start();
  if (last) port.postMessage({ type: 'update', instance: last.instance, status: last.status, scene });
  if (last && last.lost) port.postMessage({ type: 'lost' });
};
