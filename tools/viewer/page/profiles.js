// The profiles as step lines: gradient, speed limit and adhesion, each value
// written on its step where the step is wide enough for it (never on top of
// another). Steps narrower than a pixel are drawn as the range of values in
// that pixel column.
import { el, LabelRows, lowerBound, textWidth } from './svg.js';

const HEIGHTS = { 'gradient': 90, 'speed-limit': 74, 'adhesion': 56 };

export function prepareProfiles(scene) {
  for (const p of scene.profiles) {
    p.steps.forEach((s, i) => { s.index = i; });
    // A scale that stays put while zooming: the largest value of the line.
    const largest = p.steps.reduce((m, s) => Math.max(m, Math.abs(s.value)), 1);
    const round = p.id === 'gradient' ? 5 : 20;
    p.high = Math.ceil(largest / round) * round;
    p.low = p.signed ? -p.high : 0;
  }
}

export function profilesHeight(scene) {
  return scene.profiles.reduce((sum, p) => sum + (HEIGHTS[p.id] || 60), 0);
}

export function stepText(profile, value) {
  return profile.unit ? value + ' ' + profile.unit : String(value);
}

function drawProfile(parent, p, view, top) {
  const height = HEIGHTS[p.id] || 60;
  const g = el('g', { id: 'profile-' + p.id }, parent);
  el('rect', { class: 'lane-frame', x: view.x(view.from), y: top, width: view.width, height }, g);
  el('text', { class: 'lane-name', x: view.x(view.from) - 8, y: top + height / 2 + 4 }, g, p.name);
  const inner = height - 24;
  const y = v => top + 16 + (p.high - v) / (p.high - p.low) * inner;
  if (p.low < 0) el('line', { class: 'zero-line', x1: view.x(view.from), x2: view.x(view.to), y1: y(0), y2: y(0) }, g);
  // The scale's ends, under the profile's name: not a value of the line.
  el('text', { class: 'scale-label', x: view.x(view.from) - 8, y: top + height / 2 + 17 }, g,
     (p.low < 0 ? '±' : '0 .. ') + stepText(p, p.high));

  const steps = p.steps;
  let d = '';
  let column = null;  // the pixel column whose steps are merged: {x, min, max}
  const flush = () => {
    if (column) d += `M${column.x},${y(column.max)}V${y(column.min)}`;
    column = null;
  };
  const labels = new LabelRows(1, 6);
  let previous = null;
  for (let i = lowerBound(steps, view.from, s => s.to); i < steps.length && steps[i].from <= view.to; i++) {
    const s = steps[i];
    const x0 = view.x(Math.max(s.from, view.from));
    const x1 = view.x(Math.min(s.to, view.to));
    if (x1 - x0 < 1) {
      const x = Math.floor(x0) + 0.5;
      if (column && column.x !== x) flush();
      if (!column) column = { x, min: s.value, max: s.value };
      column.min = Math.min(column.min, s.value);
      column.max = Math.max(column.max, s.value);
      previous = null;
      continue;
    }
    flush();
    d += previous === null ? `M${x0},${y(s.value)}` : `V${y(s.value)}`;
    d += `H${x1}`;
    previous = s;
    if (x1 - x0 >= 3) {
      const hit = el('rect', { class: 'step-hit', x: x0, y: top, width: x1 - x0, height }, g);
      hit.dataset.profile = p.id;
      hit.dataset.index = s.index;
      const text = stepText(p, s.value);
      const width = textWidth(text, 10);
      const centre = (x0 + x1) / 2 - width / 2;
      if (width + 4 <= x1 - x0 && labels.place(centre, width) >= 0) {
        el('text', { class: 'step-value', x: (x0 + x1) / 2, y: Math.max(top + 10, y(s.value) - 3) }, g, text);
      }
    }
  }
  flush();
  el('path', { class: 'step-line ' + p.id, d }, g);
  return height;
}

export function drawProfiles(parent, scene, view, top) {
  let y = top;
  for (const p of scene.profiles) y += drawProfile(parent, p, view, y);
  return y - top;
}
