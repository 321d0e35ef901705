// The plan of the track for the part in view, from the rows the server sends
// for it (about two per pixel, never the whole route file). The piece is
// turned so that its start lies left and its end right, at one scale in both
// directions. Its marks are the chainage marks of the axis; the stops where
// the train stops are named.
import { el, lowerBound, textWidth } from './svg.js';
import { shortChainage } from './chainage.js';
import { chainageStep } from './axis.js';

export const PLAN_HEIGHT = 210;
const PAD = 24;

// Where route position `at` lies between the rows sent, or null.
function pointAt(points, at) {
  const i = lowerBound(points, at, p => p[0]);
  if (i >= points.length) return null;
  const b = points[i];
  if (b[1] === null) return null;
  if (b[0] === at || i === 0) return { x: b[1], y: b[2] };
  const a = points[i - 1];
  if (a[1] === null) return null;
  const t = (at - a[0]) / (b[0] - a[0]);
  return { x: a[1] + (b[1] - a[1]) * t, y: a[2] + (b[2] - a[2]) * t };
}

// Boxes of labels already placed, so that plan labels never overlap.
function fits(placed, box) {
  for (const p of placed) {
    if (box.x < p.x + p.w && p.x < box.x + box.w && box.y < p.y + p.h && p.y < box.y + box.h) return false;
  }
  placed.push(box);
  return true;
}

export function drawPlan(parent, plan, scene, view, chainage, top) {
  const g = el('g', { id: 'plan' }, parent);
  el('rect', { class: 'lane-frame', x: view.x(view.from), y: top, width: view.width, height: PLAN_HEIGHT }, g);
  el('text', { class: 'lane-name', x: view.x(view.from) - 8, y: top + PLAN_HEIGHT / 2 }, g, 'plan');
  const points = plan ? plan.points : [];
  const real = points.filter(p => p[1] !== null);
  if (real.length < 2) {
    el('text', { class: 'note', x: view.x(view.from) + 10, y: top + 20 }, g, 'no plan for this part of the route');
    return;
  }
  const first = real[0], last = real[real.length - 1];
  const angle = Math.atan2(last[2] - first[2], last[1] - first[1]);
  const c = Math.cos(angle), s = Math.sin(angle);
  const u = p => p.x * c + p.y * s;
  const v = p => -p.x * s + p.y * c;
  let minU = Infinity, maxU = -Infinity, minV = Infinity, maxV = -Infinity;
  for (const p of real) {
    const q = { x: p[1], y: p[2] };
    minU = Math.min(minU, u(q)); maxU = Math.max(maxU, u(q));
    minV = Math.min(minV, v(q)); maxV = Math.max(maxV, v(q));
  }
  const scale = Math.min((view.width - 2 * PAD) / Math.max(maxU - minU, 1e-6),
                         (PLAN_HEIGHT - 2 * PAD) / Math.max(maxV - minV, 1e-6));
  const left = view.x(view.from) + PAD + ((view.width - 2 * PAD) - (maxU - minU) * scale) / 2;
  const middle = top + PLAN_HEIGHT / 2 + ((maxV + minV) / 2) * scale;
  const page = q => ({ x: left + (u(q) - minU) * scale, y: middle - v(q) * scale });

  // The track, the part past the route's end dashed; a row without a point
  // breaks the line.
  let track = '', overrun = '', pen = false;
  for (const p of points) {
    if (p[1] === null) { pen = false; continue; }
    const q = page({ x: p[1], y: p[2] });
    const cmd = (pen ? 'L' : 'M') + q.x.toFixed(1) + ',' + q.y.toFixed(1);
    if (p[0] <= scene.length) track += cmd; else overrun += (overrun ? 'L' : 'M') + q.x.toFixed(1) + ',' + q.y.toFixed(1);
    pen = true;
  }
  el('path', { class: 'track', d: track }, g);
  if (overrun) el('path', { class: 'overrun', d: overrun }, g);

  // Labels stay inside the frame.
  const placed = [];
  const inside = box => box.x >= view.x(view.from) + 2 && box.x + box.w <= view.x(view.to) - 2 &&
                        box.y >= top + 2 && box.y + box.h <= top + PLAN_HEIGHT - 2;
  const markStep = chainageStep(view);
  for (const mark of chainage.marks(view.from, view.to, markStep)) {
    const at = pointAt(points, mark.at);
    if (!at) continue;
    const q = page(at);
    el('circle', { class: 'plan-mark', cx: q.x, cy: q.y, r: 2.5 }, g);
    const label = shortChainage(mark.chainage, markStep);
    const box = { x: q.x + 4, y: q.y - 14, w: textWidth(label, 10), h: 12 };
    if (inside(box) && fits(placed, box)) {
      el('text', { class: 'plan-mark-label', x: q.x + 4, y: q.y - 4 }, g, label);
    }
  }
  const stops = scene.lanes.find(l => l.id === 'stops');
  for (const o of stops ? stops.objects : []) {
    if (o.kind !== 'stop' || o.at < view.from || o.at > view.to) continue;
    const at = pointAt(points, o.at);
    if (!at) continue;
    const q = page(at);
    el('circle', { class: 'plan-stop', cx: q.x, cy: q.y, r: 3.5 }, g);
    const box = { x: q.x + 5, y: q.y + 4, w: textWidth(o.label, 11), h: 13 };
    if (inside(box) && fits(placed, box)) {
      el('text', { x: q.x + 5, y: q.y + 15 }, g, o.label);
    }
  }
}
