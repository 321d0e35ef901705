// One event stream for all the pages of the viewer open in this browser:
// a browser keeps only a few connections to one address, and a stream per
// page would take them all. Each page connects here and hears what the
// stream says; a page that connects late hears the last message at once.
import { followServer } from './events.js';

const pages = new Set();
let last = null;

followServer(message => {
  last = message;
  for (const port of pages) port.postMessage(message);
});

self.onconnect = e => {
  const port = e.ports[0];
  pages.add(port);
  port.onmessage = m => { if (m.data === 'closing') pages.delete(port); };
  port.start();
  if (last) port.postMessage(last);
};
