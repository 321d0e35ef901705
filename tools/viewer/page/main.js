// The live page: loads the scene and the status, follows the server's events
// (a new version: refetch the status, and the scene only when it changed),
// and redraws on every zoom, pan and new scene, keeping the part in view.
import { el } from './svg.js';
import { Chainage } from './chainage.js';
import { View, LEFT, RIGHT } from './view.js';
import { drawAxis } from './axis.js';
import { drawLanes, lanesHeight, prepareLanes } from './lanes.js';
import { drawProfiles, prepareProfiles, profilesHeight } from './profiles.js';
import { drawPlan, PLAN_HEIGHT } from './plan.js';
import { itemOf, showHover, showSource, showStatus } from './panel.js';
import { attachControls } from './controls.js';

const state = { scene: null, sceneVersion: 0, version: 0, status: null, plan: null, planKey: '', planAsked: 0 };
const view = new View();
const picture = document.getElementById('picture');
const chart = document.getElementById('chart');
let chainage = new Chainage([]);
let frame = 0;

function counts(scene) {
  return scene.lanes.map(l => `${l.objects.length} ${l.name}`).join(', ');
}

function planKey() {
  return `${state.sceneVersion}:${Math.round(view.from)}:${Math.round(view.to)}:${Math.round(view.width)}`;
}

async function fetchPlan() {
  const key = planKey();
  if (key === state.planKey) return;
  state.planKey = key;
  const asked = ++state.planAsked;
  const query = `from=${Math.floor(view.from)}&to=${Math.ceil(view.to)}&px=${Math.round(view.width)}&v=${state.sceneVersion}`;
  const response = await fetch('/plan?' + query);
  const plan = await response.json();
  if (asked !== state.planAsked) return;  // a later view asked again meanwhile
  state.plan = plan;
  // Only the plan panel changes: the rest of the picture is already drawn.
  if (frame || !planSlot || key !== planKey()) return redraw();
  drawPlanSlot(true);
}

let planSlot = null;

function drawPlanSlot(ready) {
  const slot = el('g', { id: 'plan-slot' });
  drawPlan(slot, ready ? state.plan : null, state.scene, view, chainage, 10);
  if (planSlot && planSlot.parentNode) planSlot.replaceWith(slot);
  planSlot = slot;
  const body = document.body.dataset;
  body.settled = ready ? '1' : '0';
  if (ready) body.drawnScene = state.sceneVersion;
}

function draw() {
  const started = performance.now();
  frame = 0;
  const scene = state.scene;
  if (!scene) return;
  view.width = Math.max(200, chart.clientWidth - LEFT - RIGHT);
  picture.textContent = '';
  const height = 10 + PLAN_HEIGHT + 12 + lanesHeight(scene) + profilesHeight(scene) + 70;
  picture.setAttribute('width', view.width + LEFT + RIGHT);
  picture.setAttribute('height', height);
  const g = el('g', {});
  let y = 10;
  const planReady = Boolean(state.plan) && state.planKey === planKey();
  planSlot = null;
  drawPlanSlot(planReady);
  g.appendChild(planSlot);
  y += PLAN_HEIGHT + 12;
  const lanesTop = y;
  y += drawLanes(g, scene, view, y);
  y += drawProfiles(g, scene, view, y);
  drawAxis(g, view, chainage, y + 4, lanesTop);
  picture.appendChild(g);
  document.getElementById('range').textContent =
    `${Math.round(view.from)} m to ${Math.round(view.to)} m (${(view.span / 1000).toFixed(view.span < 10000 ? 2 : 0)} km in view)`;
  const body = document.body.dataset;
  body.draws = Number(body.draws || 0) + 1;
  body.drawMs = (performance.now() - started).toFixed(1);
  // Settled (drawPlanSlot): the picture shows the current view with its plan.
  if (!planReady) fetchPlan();
}

export function redraw() {
  document.body.dataset.settled = '0';
  if (!frame) frame = requestAnimationFrame(draw);
}

// The scene's JSON, asked for as soon as its version is known, so that it
// travels beside the status rather than after it.
function fetchScene() {
  return fetch('/scene').then(async r => ({ version: Number(r.headers.get('X-Scene-Version')), scene: await r.json() }));
}

async function loadScene(sceneVersion, asked) {
  let answer = await asked;
  // The scene may have been compiled again between the two answers.
  if (answer.version !== sceneVersion) answer = await fetchScene();
  const scene = answer.scene;
  sceneVersion = answer.version;
  if (!scene) return;
  const first = state.scene === null;
  prepareLanes(scene);
  prepareProfiles(scene);
  chainage = new Chainage(scene.chainage);
  state.scene = scene;
  state.sceneVersion = sceneVersion;
  view.setExtent(scene.extent, !first);
  document.getElementById('title').textContent = `Route ${scene.route}, train ${scene.train}`;
  document.getElementById('counts').textContent = `${scene.length} m: ${counts(scene)}`;
  // The plan of the new scene is asked for now, while the rest is drawn.
  view.width = Math.max(200, chart.clientWidth - LEFT - RIGHT);
  fetchPlan();
  redraw();
}

// version and sceneVersion come from the event (unknown on the first look).
async function follow(version, sceneVersion) {
  if (version === state.version) return;
  // On the first look (sceneVersion 0) the scene is asked for at once too.
  const early = sceneVersion !== state.sceneVersion ? fetchScene() : null;
  const doc = await (await fetch('/status')).json();
  state.version = doc.version;
  state.status = doc.status;
  if (doc.scene_version !== state.sceneVersion && doc.scene_version > 0) {
    await loadScene(doc.scene_version, early || fetchScene());
  }
  showStatus(doc.status);
  document.body.dataset.version = doc.version;
}

let chosen = null;
picture.addEventListener('mouseover', e => {
  const node = e.target.closest('[data-lane], [data-profile]');
  if (node) showHover(itemOf(state.scene, node));
});
picture.addEventListener('click', e => {
  const node = e.target.closest('[data-lane], [data-profile]');
  if (!node) return;
  const item = itemOf(state.scene, node);
  showHover(item);
  showSource(item, state.status ? state.status.mode : 'inspect');
  if (chosen) chosen.classList.remove('chosen');
  chosen = node;
  node.classList.add('chosen');
});

attachControls(chart, view, redraw);
window.addEventListener('resize', redraw);
const events = new EventSource('/events');
// One event at a time: a quick second save waits for the first to be shown.
// The first look does not wait for the event stream to open.
let following = follow(-1, 0).catch(() => {});
events.onmessage = e => {
  const { version, scene_version: sceneVersion } = JSON.parse(e.data);
  following = following.then(() => follow(version, sceneVersion)).catch(() => {});
};
// For tests and the benchmark: the view in route positions.
window.viewer = { view, state, redraw };
