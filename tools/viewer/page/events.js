// The server's event stream, followed for one browser: every message says
// which run of the server this is (its instance) and its versions; the
// server repeats them every second, so a silence, like a closed stream,
// means the server is gone. Then the stream is opened again every second
// until a server answers on the address. `post` hears
// {type: 'versions', instance, version, scene_version} and {type: 'lost'}.
const SILENCE_MS = 2500;
const RETRY_MS = 1000;

export function followServer(post) {
  let source = null;
  let watchdog = 0;
  let retry = 0;
  let lost = false;

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
      lost = false;
      post({ type: 'versions', ...JSON.parse(e.data) });
    };
    source.onerror = loseIt;
  }
  open();
}
