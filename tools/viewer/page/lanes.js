// The lanes of objects along the shared axis. Only what is in view is drawn,
// and objects closer together than a marker is wide share one marker (its
// data-count says how many it stands for), so the longest line draws as
// fast as a short one. Labels are thinned out so that none overlaps another.
import { el, insideEdges, LabelRows, lowerBound, textWidth } from './svg.js';
import { drawMarker, LANE_STYLES } from './markers.js';

// Adds what the page needs to every lane once per scene: objects in order of
// position, and the longest span, to find the spans reaching into the view.
export function prepareLanes(scene) {
  for (const lane of scene.lanes) {
    lane.objects.forEach((o, i) => { o.index = i; });
    lane.objects.sort((a, b) => a.at - b.at);
    lane.longest = 0;
    for (const o of lane.objects) {
      const end = o.end !== undefined ? o.end : (o.zone ? Math.max(o.at, o.zone[1]) : o.at);
      const start = o.zone ? Math.min(o.at, o.zone[0]) : o.at;
      o.first = start;
      o.last = end;
      lane.longest = Math.max(lane.longest, end - start);
    }
  }
}

export function lanesHeight(scene) {
  return scene.lanes.reduce((sum, lane) => sum + (LANE_STYLES[lane.id] || LANE_STYLES.default).height, 0);
}

function drawLane(parent, lane, view, top) {
  const style = LANE_STYLES[lane.id] || LANE_STYLES.default;
  const g = el('g', { id: 'lane-' + lane.id }, parent);
  el('rect', { class: 'lane-frame', x: view.x(view.from), y: top, width: view.width, height: style.height }, g);
  el('text', { class: 'lane-name', x: view.x(view.from) - 8, y: top + style.height / 2 + 4 }, g,
     lane.name + ' (' + lane.objects.length + ')');
  const objects = lane.objects;
  const first = lowerBound(objects, view.from - lane.longest, o => o.at);
  const labels = new LabelRows(style.labelRows, 6);
  let shared = null;  // the marker of the pixel column drawn last
  for (let i = first; i < objects.length && objects[i].first <= view.to; i++) {
    const o = objects[i];
    if (o.last < view.from) continue;
    const x = view.x(Math.max(o.first, view.from));
    const column = Math.floor(x / style.column);
    const wide = view.x(Math.min(o.last, view.to)) - x >= 2;
    if (shared && !wide && shared.column === column && shared.kind === o.kind) {
      shared.count += 1;
      shared.node.dataset.count = shared.count;
      continue;
    }
    const node = drawMarker(g, lane.id, o, view, top, style.height);
    node.classList.add('marker');
    node.dataset.lane = lane.id;
    node.dataset.index = o.index;
    node.dataset.kind = o.kind;
    node.dataset.count = 1;
    shared = { column, kind: o.kind, node, count: 1 };
    if (o.label && style.labelRows > 0) {
      const width = textWidth(o.label, 10);
      const x = view.x(Math.max(o.at, view.from));
      // Right of the marker, or left of it near the end of the plot; never
      // past the plot's edges.
      const left = x + 4 + width > view.x(view.to);
      const at = insideEdges(left ? x - 4 : x + 4, width, left ? 'end' : 'start', view.x(view.from), view.x(view.to));
      const row = at === null ? -1 : labels.place(at, width);
      if (row >= 0) {
        el('text', { class: 'label', x: at, y: top + style.labelTop + row * 11 }, g, o.label);
      }
    }
  }
  return style.height;
}

export function drawLanes(parent, scene, view, top) {
  let y = top;
  for (const lane of scene.lanes) y += drawLane(parent, lane, view, y);
  return y - top;
}
