// Zoom and pan with the mouse and the keys: the wheel zooms around the
// pointer, a drag pans, + and - zoom around the middle, the arrow keys pan
// by a tenth of the view, 0 (or Home) shows the whole line.
const STEP = 1.6;

export function attachControls(chart, view, redraw) {
  chart.addEventListener('wheel', e => {
    e.preventDefault();
    const rect = chart.getBoundingClientRect();
    view.zoom(e.deltaY < 0 ? 1 / STEP : STEP, e.clientX - rect.left);
    redraw();
  }, { passive: false });

  let drag = null;
  chart.addEventListener('mousedown', e => {
    if (e.button !== 0) return;
    drag = { x: e.clientX, moved: false };
    chart.focus();
  });
  window.addEventListener('mousemove', e => {
    if (!drag) return;
    const dx = e.clientX - drag.x;
    if (Math.abs(dx) < 2 && !drag.moved) return;
    drag.moved = true;
    chart.classList.add('dragging');
    view.pan(-dx);
    drag.x = e.clientX;
    redraw();
  });
  window.addEventListener('mouseup', () => {
    drag = null;
    chart.classList.remove('dragging');
  });

  chart.addEventListener('keydown', e => {
    const actions = {
      '+': () => view.zoom(1 / STEP), '=': () => view.zoom(1 / STEP), '-': () => view.zoom(STEP),
      'ArrowLeft': () => view.pan(-view.width / 10), 'ArrowRight': () => view.pan(view.width / 10),
      '0': () => view.whole(), 'Home': () => view.whole(),
    };
    const action = actions[e.key];
    if (!action) return;
    e.preventDefault();
    action();
    redraw();
  });
}
