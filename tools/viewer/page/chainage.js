// The chainage marks of a view, from the line's chainage sections: from a
// section's start on, the chainage is the route position plus the section's
// offset; before the first start it is the route position. The marks depend
// on the view's zoom, so the page finds them as it draws; every chainage
// that is a text (an object's, a step's, a section's) comes from the server.
export class Chainage {
  constructor(sections) {
    this.sections = (sections || []).slice().sort((a, b) => a.start - b.start);
  }

  offsetAt(position) {
    let offset = 0;
    for (const s of this.sections) if (s.start <= position) offset = s.offset;
    return offset;
  }

  // The stretches [from, to) of one offset each, within [from, to).
  pieces(from, to) {
    const starts = [from];
    for (const s of this.sections) if (s.start > from && s.start < to) starts.push(s.start);
    return starts.map((start, i) => ({ from: start, to: i + 1 < starts.length ? starts[i + 1] : to,
                                       offset: this.offsetAt(start) }));
  }

  // Route positions in [from, to] where the chainage is a whole multiple of
  // `step` metres, with that chainage: the marks of the axis and of the plan.
  marks(from, to, step) {
    const out = [];
    const pieces = this.pieces(from, to);
    pieces.forEach((piece, i) => {
      const last = i === pieces.length - 1;
      const first = Math.ceil((piece.from + piece.offset) / step) * step;
      for (let c = first; last ? c - piece.offset <= piece.to : c - piece.offset < piece.to; c += step) {
        out.push({ at: c - piece.offset, chainage: c });
        if (out.length > 2000) return;
      }
    });
    return out;
  }
}

// A short mark label, exact for marks `step` metres apart: "km 219" on whole
// kilometres, otherwise kilometres with as many decimals as the step needs
// ("219.2" every 100 m, "219.25" every 10 m, "503.005" every 5 m).
export function shortChainage(metres, step) {
  if (metres % 1000 === 0) return 'km ' + metres / 1000;
  const decimals = step >= 100 ? 1 : step >= 10 ? 2 : 3;
  const m = Math.abs(metres);
  const rest = String(m % 1000).padStart(3, '0').slice(0, decimals);
  return (metres < 0 ? '-' : '') + Math.floor(m / 1000) + '.' + rest;
}
