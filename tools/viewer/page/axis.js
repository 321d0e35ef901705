// The shared axis under the lanes: route position ticks above the line and
// kilometre chainage marks below it, with the chainage sections' starts
// drawn through every lane.
import { el, LabelRows, niceStep, textWidth } from './svg.js';
import { formatChainage, shortChainage } from './chainage.js';

export const AXIS_HEIGHT = 58;

function positionLabel(metres, step) {
  if (step >= 1000) return (metres / 1000) + ' km';
  return metres + ' m';
}

// The chainage marks' step for the view: the same one the plan uses.
export function chainageStep(view) {
  return niceStep(view.metresPerPixel() * 110);
}

export function drawAxis(parent, view, chainage, top, lanesTop) {
  const g = el('g', { id: 'axis' }, parent);
  const right = view.x(view.to);
  el('line', { class: 'axis-line', x1: view.x(view.from), x2: right, y1: top + 20, y2: top + 20 }, g);
  el('text', { class: 'lane-name', x: view.x(view.from) - 8, y: top + 16 }, g, 'route position');
  el('text', { class: 'lane-name', x: view.x(view.from) - 8, y: top + 44 }, g, 'chainage');

  const step = niceStep(view.metresPerPixel() * 90);
  const rows = new LabelRows(1, 8);
  for (let m = Math.ceil(view.from / step) * step; m <= view.to; m += step) {
    const x = view.x(m);
    el('line', { class: 'gridline', x1: x, x2: x, y1: lanesTop, y2: top + 20 }, g);
    el('line', { class: 'tick', x1: x, x2: x, y1: top + 15, y2: top + 20 }, g);
    const label = positionLabel(m, step);
    const fitsRight = x + textWidth(label, 10) / 2 <= right + 14;
    if (fitsRight && rows.place(x - textWidth(label, 10) / 2, textWidth(label, 10)) >= 0) {
      el('text', { class: 'tick-label', x, y: top + 12 }, g, label);
    }
  }

  const chainageRows = new LabelRows(1, 8);
  for (const mark of chainage.marks(view.from, view.to, chainageStep(view))) {
    const x = view.x(mark.at);
    el('line', { class: 'chainage-tick', x1: x, x2: x, y1: top + 20, y2: top + 26 }, g);
    const label = shortChainage(mark.chainage);
    if (x + textWidth(label, 10) / 2 <= right + 14 && chainageRows.place(x - textWidth(label, 10) / 2, textWidth(label, 10)) >= 0) {
      const t = el('text', { class: 'chainage-label', x, y: top + 38, 'data-chainage': mark.chainage }, g, label);
      t.dataset.at = mark.at;
    }
  }
  const sectionRows = new LabelRows(1, 8);
  for (const section of chainage.sections) {
    if (section.start < view.from || section.start > view.to) continue;
    const x = view.x(section.start);
    el('line', { class: 'section-line', x1: x, x2: x, y1: lanesTop, y2: top + 52 }, g);
    const label = 'from ' + section.start + ' m: ' + formatChainage(section.start + section.offset);
    const width = textWidth(label, 10);
    const at = x + 4 + width > view.x(view.to) ? x - 4 - width : x + 4;
    if (sectionRows.place(at, width) >= 0) {
      el('text', { class: 'chainage-label', x: at, y: top + 54, 'text-anchor': 'start' }, g, label);
    }
  }
  return AXIS_HEIGHT;
}
