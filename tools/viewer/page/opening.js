// "Open as descriptions", offered in folder mode: the server writes line.txt
// and train.txt beside the compiled files and goes on as the live compile of
// them, which the page then follows over its event stream as any new status
// and scene. The request carries the server's instance, which only a page of
// this server knows, so that no other page or crawler can make it. When the
// texts are not written (either file is already there) or do not give the
// files back exactly, the page stays in folder mode and its band says why.
const $ = id => document.getElementById(id);

let failure = null;

export function attachOpening(instanceOf) {
  $('open-descriptions').addEventListener('click', async () => {
    const button = $('open-descriptions');
    button.disabled = true;
    failure = null;
    try {
      const response = await fetch(`/open-descriptions?instance=${encodeURIComponent(instanceOf())}`);
      const reply = response.headers.get('content-type') === 'application/json'
        ? await response.json() : { opened: false, message: (await response.text()).trim() };
      $('open-note').textContent = reply.message;
      if (!reply.opened) failure = `Not opened as descriptions: ${reply.message}`;
    } catch (e) {
      failure = `Not opened as descriptions: the server does not answer (${e.message})`;
    }
    button.disabled = false;
    showFailure();
  });
}

// The opening section only in folder mode; the band keeps the reason the
// last opening failed while the folder reads well.
export function showOpening(status) {
  const folderMode = !!status && status.mode === 'inspect';
  $('opening').hidden = !folderMode;
  if (!folderMode) failure = null;
  else if (!status.failed) showFailure();
}

function showFailure() {
  if (!failure) return;
  const band = $('band');
  band.hidden = false;
  band.textContent = failure;
}
