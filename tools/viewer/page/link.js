// The page's link to the server's events: through the worker shared by all
// the viewer's pages of this browser, or, where a browser has no shared
// workers, through a stream of the page's own.
import { followServer } from './events.js';

export function linkToServer(hear) {
  if (typeof SharedWorker === 'undefined') {
    followServer(hear);
    return;
  }
  const worker = new SharedWorker('events-worker.js', { type: 'module', name: 'scenario-viewer-events' });
  worker.port.onmessage = e => hear(e.data);
  worker.port.start();
  window.addEventListener('pagehide', e => { if (!e.persisted) worker.port.postMessage('closing'); });
}
