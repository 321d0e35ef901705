// How each lane's objects look, and each lane's height, label rows and the
// width in pixels within which objects share one marker (stops get one each
// while they are a pixel apart, so every stop keeps its name on hover).
import { el } from './svg.js';

export const LANE_STYLES = {
  'curves': { height: 34, labelRows: 1, labelTop: 30, column: 2 },
  'tunnels': { height: 20, labelRows: 0, column: 2 },
  'stops': { height: 62, labelRows: 3, labelTop: 30, column: 1 },
  'signals': { height: 22, labelRows: 0, column: 3 },
  'speed-boards': { height: 34, labelRows: 1, labelTop: 30, column: 3 },
  'sign-boards': { height: 46, labelRows: 2, labelTop: 29, column: 3 },
  'slowdowns': { height: 34, labelRows: 1, labelTop: 30, column: 3 },
  'code-reductions': { height: 34, labelRows: 1, labelTop: 30, column: 3 },
  'default': { height: 26, labelRows: 0, column: 3 },
};

function span(view, from, to) {
  const x0 = view.x(Math.max(from, view.from));
  const x1 = view.x(Math.min(to, view.to));
  return { x: x0, width: Math.max(1, x1 - x0) };
}

function rect(g, cls, x, y, width, height) {
  return el('rect', { class: cls, x, y, width, height }, g);
}

export function drawMarker(parent, laneId, o, view, top, height) {
  const x = view.x(o.at);
  const mid = top + height / 2;
  switch (laneId) {
    case 'curves': {
      const s = span(view, o.at, o.end);
      const right = o.hand !== 'left';
      return rect(parent, right ? 'curve-right' : 'curve-left', s.x, right ? top + 4 : top + 12, s.width, 8);
    }
    case 'tunnels': {
      const s = span(view, o.at, o.end);
      return rect(parent, 'tunnel', s.x, top + 4, s.width, height - 8);
    }
    case 'stops': {
      const g = el('g', {}, parent);
      const s = span(view, o.zone[0], o.zone[1]);
      rect(g, 'stop-zone', s.x, top + 6, s.width, 8);
      if (o.kind === 'stop') rect(g, 'stop-cell', x - 1.5, top + 2, 3, 18);
      else el('circle', { class: 'passing-point', cx: x, cy: top + 10, r: 3.5 }, g);
      return g;
    }
    case 'signals':
      return el('circle', { class: 'signal', cx: x, cy: mid, r: 4 }, parent);
    case 'speed-boards':
      return rect(parent, 'speed-board', x - 3, top + 4, 6, 14);
    case 'sign-boards':
      return rect(parent, 'sign-board', x - 4, top + 4, 8, 10);
    case 'slowdowns': {
      const tall = o.kind !== 'slowdown prewarning';
      return rect(parent, 'slowdown', x - 1.5, tall ? top + 3 : top + 9, 3, tall ? 16 : 8);
    }
    case 'code-reductions':
      return el('path', { class: o.kind === 'code zero' ? 'code-zero' : 'code-reduction',
                          d: `M${x},${top + 3} l5,7 l-5,7 l-5,-7 z` }, parent);
    default:
      return el('circle', { cx: x, cy: mid, r: 3 }, parent);
  }
}
