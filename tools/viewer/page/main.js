// The live page: shows what the server says through the link all the pages
// of the browser share (link.js: each new status, and each new scene), says
// when the server is gone, and redraws on every zoom, pan and new scene,
// keeping the part in view.
import { el, singular } from './svg.js';
import { Chainage } from './chainage.js';
import { View, LEFT, RIGHT } from './view.js';
import { drawAxis } from './axis.js';
import { drawLanes, lanesHeight, prepareLanes } from './lanes.js';
import { drawProfiles, prepareProfiles, profilesHeight } from './profiles.js';
import { drawPlan, PLAN_HEIGHT } from './plan.js';
import { itemOf, showHover, showServerLost, showSource, showStatus } from './panel.js';
import { askPlan, planQuestion, sameQuestion } from './answers.js';
import { linkToServer } from './link.js';
import { attachControls } from './controls.js';
import { attachOpening, showOpening } from './opening.js';

const state = { instance: null, scene: null, sceneVersion: 0, version: 0, status: null, plan: null,
                asking: null, lost: false };
const view = new View();
const picture = document.getElementById('picture');
const chart = document.getElementById('chart');
let chainage = new Chainage([]);
let frame = 0;

function counts(scene) {
  return scene.lanes.map(l => `${l.objects.length} ${l.objects.length === 1 ? singular(l.name) : l.name}`).join(', ');
}

const currentQuestion = () => planQuestion(state.instance, state.sceneVersion, view);

// Asks for the plan of the view in sight, once per view; an answer for any
// other view (the view moved on while it travelled) is dropped.
async function fetchPlan() {
  const question = currentQuestion();
  if (sameQuestion(question, state.asking)) return;
  state.asking = question;
  let plan = null;
  try {
    plan = await askPlan(question);
  } catch {
    // The server is gone; the question is asked again when it is back.
  }
  if (sameQuestion(question, state.asking)) state.asking = null;
  if (!plan || !sameQuestion(plan.question, currentQuestion())) return;
  state.plan = plan;
  // Only the plan panel changes: the rest of the picture is already drawn.
  if (frame || !planSlot) return redraw();
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
  // The grid goes first, under every marker.
  const grid = el('g', { id: 'grid' });
  const g = el('g', {});
  let y = 10;
  const planReady = Boolean(state.plan) && sameQuestion(state.plan.question, currentQuestion());
  planSlot = null;
  drawPlanSlot(planReady);
  g.appendChild(planSlot);
  y += PLAN_HEIGHT + 12;
  const lanesTop = y;
  y += drawLanes(g, scene, view, y);
  y += drawProfiles(g, scene, view, y);
  drawAxis(g, grid, view, chainage, y + 4, lanesTop);
  // The lanes' ground, under the grid (their frames are drawn unfilled).
  grid.prepend(el('rect', { class: 'ground', x: view.x(view.from), y: lanesTop, width: view.width, height: y - lanesTop }));
  picture.append(grid, g);
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

function loadScene(scene, sceneVersion) {
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

// What the server said (events.js): its instance, status and new scene. A
// server not seen before (a restarted one starts its versions again) is
// followed from scratch: nothing of the last one's answers is kept but the
// picture, until the new scene replaces it.
function follow({ instance, status: doc, scene }) {
  if (instance !== state.instance) {
    Object.assign(state, { instance, version: -1, sceneVersion: 0, plan: null, asking: null });
    document.body.dataset.instance = instance;
  }
  if (scene && scene.version !== state.sceneVersion) {
    const parsed = JSON.parse(scene.text);
    if (parsed) loadScene(parsed, scene.version);
  }
  state.version = doc.version;
  state.status = doc.status;
  showStatus(doc.status);
  showOpening(doc.status);
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
attachOpening(() => state.instance);
window.addEventListener('resize', redraw);
linkToServer(message => {
  const body = document.body.dataset;
  if (message.type === 'lost') {
    state.lost = true;
    body.server = 'lost';
    showServerLost(location.origin + '/');
    return;
  }
  state.lost = false;
  body.server = 'live';
  follow(message);
});
// For tests and the benchmark: the view in route positions.
window.viewer = { view, state, redraw };
