// The part of the route in view: route positions from .. to over the plot's
// width. Zoom goes from the whole line down to one 50 m cell.
export const LEFT = 140;   // the lane names
export const RIGHT = 16;
export const MIN_SPAN = 50;

export class View {
  constructor() {
    this.extent = 1;
    this.from = 0;
    this.to = 1;
    this.width = 800;  // the plot's width in pixels
  }

  get span() {
    return this.to - this.from;
  }

  x(metres) {
    return LEFT + (metres - this.from) / this.span * this.width;
  }

  metresAt(pixel) {
    return this.from + (pixel - LEFT) / this.width * this.span;
  }

  // A new extent (a new scene) keeps the window, clamped to the new line.
  setExtent(extent, keepWindow) {
    this.extent = Math.max(1, extent);
    if (!keepWindow) this.whole();
    else this.set(this.from, this.to);
  }

  whole() {
    this.set(0, this.extent);
  }

  set(from, to) {
    let span = Math.min(Math.max(to - from, MIN_SPAN), this.extent);
    from = Math.min(Math.max(from, 0), this.extent - span);
    this.from = from;
    this.to = from + span;
  }

  // factor < 1 zooms in, keeping the route position under `pixel` in place.
  zoom(factor, pixel) {
    const anchor = pixel === undefined ? (this.from + this.to) / 2 : this.metresAt(pixel);
    const share = (anchor - this.from) / this.span;
    const span = Math.min(Math.max(this.span * factor, MIN_SPAN), this.extent);
    this.set(anchor - share * span, anchor - share * span + span);
  }

  pan(pixels) {
    const metres = pixels / this.width * this.span;
    this.set(this.from + metres, this.to + metres);
  }

  // The cells and metres one pixel stands for.
  metresPerPixel() {
    return this.span / this.width;
  }
}
