// The side panel and the band: what the pointer is on, the record behind a
// clicked object, and the diagnostics of the last compile. A failed compile
// shows a red band over the last good picture until the next good one.
import { stepText } from './profiles.js';

const $ = id => document.getElementById(id);

function objectText(o, lane, count) {
  const lines = [];
  const where = o.end !== undefined ? `from ${o.at} m to ${o.end} m` : `at ${o.at} m`;
  lines.push(`${o.kind} ${where}`);
  lines.push(`chainage ${o.chainage}, cell ${o.cell}`);
  for (const [name, value] of o.values) lines.push(`${name} ${value}`);
  if (o.raw.length) lines.push('stored: ' + o.raw.map(([n, v]) => `${n} ${v}`).join(', '));
  if (count > 1) lines.push(`(${count} ${lane.name} within this pixel: zoom in to tell them apart)`);
  return lines.join('\n');
}

function stepTextOf(p, s) {
  return [`${p.name} ${stepText(p, s.value)}`,
          `from ${s.from} m to ${s.to} m`,
          `chainage ${s.chainage}`,
          `cells ${s.first_cell} .. ${s.last_cell}`,
          `stored ${s.stored}`].join('\n');
}

// The object or profile step an element of the picture stands for.
export function itemOf(scene, node) {
  if (!scene || !node) return null;
  if (node.dataset.lane !== undefined) {
    const lane = scene.lanes.find(l => l.id === node.dataset.lane);
    const o = lane && lane.objects.find(x => x.index === Number(node.dataset.index));
    return o ? { text: objectText(o, lane, Number(node.dataset.count)), source: o.source } : null;
  }
  if (node.dataset.profile !== undefined) {
    const p = scene.profiles.find(x => x.id === node.dataset.profile);
    const s = p && p.steps[Number(node.dataset.index)];
    return s ? { text: stepTextOf(p, s), source: s.source } : null;
  }
  return null;
}

export function showHover(item) {
  if (item) $('hover').textContent = item.text;
}

export function showSource(item, mode) {
  const box = $('source');
  if (!item) { box.textContent = ''; return; }
  if (mode !== 'compile') box.textContent = 'compiled files alone: no description to point at';
  else if (!item.source) box.textContent = 'no record of the descriptions made this (the compile step added it)';
  else box.textContent = `${item.source.file}:${item.source.line}\n${item.source.text}`;
}

// Control characters (a line break in a file name) written as \xNN, so that
// the band stays one readable line.
function visible(text) {
  return text.replace(/[\x00-\x1f\x7f]/g, c => '\\x' + c.charCodeAt(0).toString(16).padStart(2, '0'));
}

export function showStatus(status) {
  const band = $('band');
  const list = $('diagnostic-list');
  list.textContent = '';
  if (!status) return;
  if (status.mode === 'inspect') {
    $('diagnostics').hidden = true;
    band.hidden = !status.failed;
    band.textContent = status.failed ? `The folder cannot be read: ${status.message}. The last good picture stays.` : '';
    return;
  }
  $('status-line').textContent = status.summary;
  let first = null;
  for (const d of status.diagnostics) {
    const item = document.createElement('li');
    item.className = d.severity;
    const head = document.createElement('div');
    const where = document.createElement('span');
    where.className = 'where';
    where.textContent = d.location;
    head.append(where, `: ${d.severity}: ${d.message} ${d.tag}`);
    item.append(head);
    if (d.source !== undefined) {
      const pre = document.createElement('pre');
      pre.textContent = d.source + (d.caret !== undefined ? '\n' + d.caret : '');
      item.append(pre);
    }
    list.append(item);
    if (!first && d.severity === 'error') first = d;
  }
  band.hidden = !status.failed;
  // A compile that never got to its diagnostics (a description that cannot
  // be read) says why in its summary.
  const reason = visible(first ? `${first.location}: ${first.message} ${first.tag}` : status.summary);
  band.textContent = status.failed
    ? `The last compile failed${reason ? `: ${reason}` : ''}. The picture is the last good one.`
    : '';
}

// The server is gone: the band says so over the last picture until the
// server answers again (then showStatus gives the band back to the status).
export function showServerLost(url) {
  const band = $('band');
  band.hidden = false;
  band.textContent = `The server at ${url} does not answer: the picture is the last one it sent. ` +
    'The page follows the server again as soon as it is back.';
}
