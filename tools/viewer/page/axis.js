// The shared axis under the lanes: route position ticks above the line and
// kilometre chainage marks below it, with the chainage sections' starts
// drawn through every lane. Grid and section lines go into `grid`, drawn
// under the markers; every label stays between the plot's edges, clear of
// the row names.
import { el, insideEdges, LabelRows, niceStep, textWidth } from './svg.js';
import { shortChainage } from './chainage.js';

export const AXIS_HEIGHT = 58;

function positionLabel(metres, step) {
  if (step >= 1000) return (metres / 1000) + ' km';
  return metres + ' m';
}

// The chainage marks' step for the view: the same one the plan uses.
export function chainageStep(view) {
  return niceStep(view.metresPerPixel() * 110);
}

// A label of one row at x (its anchor), moved inside the plot; left out
// when it would overlap the row's last label.
function rowLabel(g, rows, x, anchor, y, cls, text) {
  const width = textWidth(text, 10);
  const at = insideEdges(x, width, anchor, rows.left, rows.right);
  if (at === null || rows.place(at, width) < 0) return null;
  return el('text', { class: cls, x: at, y }, g, text);
}

function edgedRows(view) {
  return Object.assign(new LabelRows(1, 8), { left: view.x(view.from), right: view.x(view.to) });
}

export function drawAxis(parent, grid, view, chainage, top, lanesTop) {
  const g = el('g', { id: 'axis' }, parent);
  const right = view.x(view.to);
  el('line', { class: 'axis-line', x1: view.x(view.from), x2: right, y1: top + 20, y2: top + 20 }, g);
  el('text', { class: 'lane-name', x: view.x(view.from) - 8, y: top + 16 }, g, 'route position');
  el('text', { class: 'lane-name', x: view.x(view.from) - 8, y: top + 44 }, g, 'chainage');

  const step = niceStep(view.metresPerPixel() * 90);
  const rows = edgedRows(view);
  for (let m = Math.ceil(view.from / step) * step; m <= view.to; m += step) {
    const x = view.x(m);
    el('line', { class: 'gridline', x1: x, x2: x, y1: lanesTop, y2: top + 20 }, grid);
    el('line', { class: 'tick', x1: x, x2: x, y1: top + 15, y2: top + 20 }, g);
    const t = rowLabel(g, rows, x, 'middle', top + 12, 'tick-label', positionLabel(m, step));
    if (t) t.dataset.at = m;
  }

  const chainageRows = edgedRows(view);
  const markStep = chainageStep(view);
  for (const mark of chainage.marks(view.from, view.to, markStep)) {
    const x = view.x(mark.at);
    el('line', { class: 'chainage-tick', x1: x, x2: x, y1: top + 20, y2: top + 26 }, g);
    const t = rowLabel(g, chainageRows, x, 'middle', top + 38, 'chainage-label', shortChainage(mark.chainage, markStep));
    if (t) {
      t.dataset.chainage = mark.chainage;
      t.dataset.at = mark.at;
    }
  }
  const sectionRows = edgedRows(view);
  for (const section of chainage.sections) {
    if (section.start < view.from || section.start > view.to) continue;
    const x = view.x(section.start);
    el('line', { class: 'section-line', x1: x, x2: x, y1: lanesTop, y2: top + 52 }, grid);
    const label = 'from ' + section.start + ' m: ' + section.chainage;
    // Right of its line, or left of it near the plot's end.
    const width = textWidth(label, 10);
    rowLabel(g, sectionRows, x + 4 + width > right ? x - 4 : x + 4, x + 4 + width > right ? 'end' : 'start',
             top + 54, 'chainage-label', label);
  }
  return AXIS_HEIGHT;
}
