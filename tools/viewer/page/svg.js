// Small helpers to build the picture's SVG elements.
const NS = 'http://www.w3.org/2000/svg';

export function el(tag, attrs, parent, text) {
  const node = document.createElementNS(NS, tag);
  for (const name in attrs) node.setAttribute(name, attrs[name]);
  if (text !== undefined) node.textContent = text;
  if (parent) parent.appendChild(node);
  return node;
}

// A group that collects a panel's elements before it joins the picture, so
// the page lays them out once.
export function group(attrs) {
  return el('g', attrs || {});
}

// The width of a label in the picture's font (sans-serif at fontSize px),
// measured, so that labels placed side by side never overlap.
const measure = document.createElement('canvas').getContext('2d');
let measuredSize = 0;
export function textWidth(text, fontSize) {
  if (fontSize !== measuredSize) measure.font = `${fontSize}px sans-serif`;
  measuredSize = fontSize;
  return Math.ceil(measure.measureText(String(text)).width) + 1;
}

// The left edge of a label of `width` meant to sit at `x` (`anchor`:
// 'start', 'middle' or 'end'), moved inside [left, right] when it would
// cross an edge; null when it cannot fit.
export function insideEdges(x, width, anchor, left, right) {
  if (width > right - left) return null;
  const start = anchor === 'middle' ? x - width / 2 : anchor === 'end' ? x - width : x;
  return Math.min(Math.max(start, left), right - width);
}

// "1 tunnel", "2 tunnels": the lanes' names are plurals in -s.
export function singular(name) {
  return name.replace(/s$/, '');
}

// Places labels on a few rows so that none overlaps another: each row keeps
// where its last label ends. A label that fits on no row is left out (its
// object's hover still tells everything).
export class LabelRows {
  constructor(rows, gap) {
    this.ends = new Array(rows).fill(-Infinity);
    this.gap = gap === undefined ? 4 : gap;
  }
  place(x, width) {
    for (let row = 0; row < this.ends.length; row++) {
      if (x >= this.ends[row] + this.gap) {
        this.ends[row] = x + width;
        return row;
      }
    }
    return -1;
  }
}

// The index of the first item whose key is >= value, in a sorted array.
export function lowerBound(items, value, key) {
  let lo = 0;
  let hi = items.length;
  while (lo < hi) {
    const mid = (lo + hi) >> 1;
    if (key(items[mid]) < value) lo = mid + 1;
    else hi = mid;
  }
  return lo;
}

// A round step for ticks: 1, 2 or 5 times a power of ten, at least `least`.
export function niceStep(least) {
  const power = Math.pow(10, Math.floor(Math.log10(Math.max(least, 1e-9))));
  for (const factor of [1, 2, 5, 10]) {
    if (factor * power >= least) return factor * power;
  }
  return 10 * power;
}
