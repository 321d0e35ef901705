// The page's questions to the server, each answer checked against what it
// was asked for: a run of the server other than the one followed (its
// instance), another scene or another view. An answer that does not match
// is dropped (null) and never drawn: the question it would answer has
// been asked again.
export async function askStatus(instance) {
  const doc = await (await fetch('/status')).json();
  return doc.instance === instance ? doc : null;
}

// The scene as its JSON text, passed on to the pages as it is.
export async function askScene(instance) {
  const response = await fetch('/scene');
  const text = await response.text();
  if (response.headers.get('X-Instance') !== instance) return null;
  return { version: Number(response.headers.get('X-Scene-Version')), text };
}

// The plan of one view: route positions from .. to over px pixels, for the
// scene of that version.
export function planQuestion(instance, sceneVersion, view) {
  const from = Math.floor(view.from), to = Math.ceil(view.to), px = Math.round(view.width);
  return { instance, sceneVersion, view: `${from} ${to} ${px}`, query: `from=${from}&to=${to}&px=${px}` };
}

export function sameQuestion(a, b) {
  return Boolean(a && b) && a.instance === b.instance && a.sceneVersion === b.sceneVersion && a.view === b.view;
}

export async function askPlan(question) {
  const response = await fetch(`/plan?${question.query}&v=${question.sceneVersion}`);
  const plan = await response.json();
  const answered = {
    instance: response.headers.get('X-Instance'),
    sceneVersion: Number(response.headers.get('X-Scene-Version')),
    view: response.headers.get('X-View'),
  };
  if (!sameQuestion(answered, question)) return null;
  plan.question = question;
  return plan;
}
