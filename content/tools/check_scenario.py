#!/usr/bin/env python3
"""Checks the carried scenario texts without the C++ build.

Reads the five documents from the string literals of content/*.cc, reads the
two descriptions the way the packager's readers do (field stream, keyword and
comment fields, cell writers, stop rows) and checks the counts, exact lines,
cell placement and document layouts the carried scenario must keep.

Usage: content/tools/check_scenario.py [content-dir]   (exit status 1 on a fault)
"""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
L = 270000
N = round((L + 7000) / 50)
END_MARKER = "riferimento fine del file"

FUNCTIONS = {
    "line": ("carried_line_description.cc", "CarriedLineDescription"),
    "train": ("carried_train_description.cc", "CarriedTrainDescription"),
    "notes": ("notes_document.cc", "NotesDocument"),
    "slowdowns": ("slowdowns_notice.cc", "SlowdownsNotice"),
    "sheet": ("timetable_sheet.cc", "TimetableSheet"),
}

faults = []


def fault(message):
    faults.append(message)


def expect(condition, message):
    if not condition:
        fault(message)
    return condition


# ------------------------------------------------------------ C++ literals
LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')


def unescape(body):
    out, i = bytearray(), 0
    while i < len(body):
        c = body[i]
        if c != "\\":
            out += c.encode("latin-1")
            i += 1
            continue
        e = body[i + 1]
        if e == "x":
            m = re.match(r"[0-9A-Fa-f]+", body[i + 2:])
            out.append(int(m.group(0), 16))
            i += 2 + len(m.group(0))
        else:
            out += {"n": b"\n", "t": b"\t", "\\": b"\\", '"': b'"', "'": b"'"}[e]
            i += 2
    return bytes(out)


def read_document(directory, file_name, function):
    """The document's lines (bytes), up to and without the end marker."""
    source = open(os.path.join(directory, file_name), encoding="latin-1").read()
    start = source.index(function + "()")
    body = source[source.index("{", start):]
    items, current, depth, i = [], None, 0, 0
    while i < len(body):
        c = body[i]
        if c == '"':
            m = LITERAL.match(body, i)
            current = (current or b"") + unescape(m.group(1))
            i = m.end()
            continue
        if c == "/" and body.startswith("//", i):
            i = body.index("\n", i)
            continue
        if c == "{":
            depth += 1
        elif c == "}":
            depth -= 1
            if depth == 0:
                break
        elif c == "," and current is not None:
            items.append(current)
            current = None
        elif body.startswith("kEndMarker", i):
            current = END_MARKER.encode()
        i += 1
    if current is not None:
        items.append(current)
    marker = END_MARKER.encode()
    expect(marker in items, f"{function}: no end marker")
    return items[: items.index(marker)] if marker in items else items


# ------------------------------------------------------------ field stream
class FieldStream:
    def __init__(self, lines):
        self.text = b"".join(line + b"\r\n" for line in lines).decode("latin-1")
        self.pos = 0

    def at_end(self):
        return self.pos >= len(self.text)

    def _skip_blanks(self):
        while self.pos < len(self.text) and self.text[self.pos] in " \t":
            self.pos += 1

    def _line_end(self):
        if self.text.startswith("\r\n", self.pos):
            self.pos += 2
            return True
        if self.text.startswith("\n", self.pos):
            self.pos += 1
            return True
        return False

    def field(self):
        if self.at_end():
            raise ValueError("read past the end")
        self._skip_blanks()
        start = self.pos
        while self.pos < len(self.text) and self.text[self.pos] not in ",\r\n":
            self.pos += 1
        value = self.text[start:self.pos]
        if self.pos < len(self.text) and self.text[self.pos] == ",":
            self.pos += 1
        else:
            self._line_end()
        return value

    def number(self):
        if self.at_end():
            raise ValueError("read past the end")
        self._skip_blanks()
        m = re.compile(r"[+-]?\d+").match(self.text, self.pos)
        if not m:
            raise ValueError("not a number at %r" % self.text[self.pos:self.pos + 20])
        self.pos = m.end()
        self._skip_blanks()
        if self.pos < len(self.text) and self.text[self.pos] == ",":
            self.pos += 1
        else:
            self._line_end()
        return int(m.group(0))

    def numbers(self, count):
        return [self.number() for _ in range(count)]


# ------------------------------------------------------------ grid and readers
SIGNAL, SPEED_BOARD, STATION_STOP, TUNNEL_MARKER, CODE_REDUCTION, CODE_ZERO, SIGN_BOARD = 1, 6, 10, 11, 12, 13, 14


class Compiled:
    """What the two readers leave: cells, stop rows, board rows, records read."""

    def __init__(self):
        self.cell_type = [0] * (N + 1)
        self.value_a = [0] * (N + 1)
        self.error = None
        self.board_rows = {}
        self.stop_rows = {}
        self.records = {}
        self.board_row_cursor = 80

    def note(self, kind, values):
        self.records.setdefault(kind, []).append(values)

    def free(self, cell):
        return 0 <= cell <= N and self.cell_type[cell] in (0, TUNNEL_MARKER)

    def fail(self, code, where):
        if self.error is None:
            self.error = (code, where)

    def place(self, cell, kind, value, code, where):
        if not self.free(cell):
            self.fail(code, "%s at %s: cell %d holds type %d" % (kind, where, cell, self.cell_type[cell]))
            return
        self.cell_type[cell] = kind
        self.value_a[cell] = value


def contains(field, word):
    return word in field.lower()


def read_line(lines, grid):
    s = FieldStream(lines)
    while True:
        field = s.field()
        if "[generale]" in field.lower():
            break
    while True:
        if s.at_end():
            return
        field = s.field()
        if s.at_end():
            return
        for _ in range(10):
            if "-" in field:
                field = s.field()
        if contains(field, "lunghezza") and contains(field, "percorso"):
            grid.note("length", s.numbers(1))
        for word in ("tre", "due", "uno"):
            if "progressiva" in field and word in field:
                grid.note("chainage " + word, s.numbers(3))
        for word in ("uno", "due", "tre"):
            if "sfondo" in field and word in field:
                grid.note("background " + word, s.numbers(1))
        if "segnali" in field and "ripetizione" in field:
            grid.note("repetition", s.numbers(2))
        if "[" in field and "]" in field and not field.lstrip().startswith("-"):
            break
    while not s.at_end():
        field = s.field()
        if s.at_end():
            return
        for _ in range(2):
            if "-" in field:
                field = s.field()
                if s.at_end():
                    return
        if contains(field, "pendenza"):
            grid.note("gradient", s.numbers(2))
        if contains(field, "curva"):
            digits = [d for d in "123456" if d in field]
            expect(digits, "curve without a class: %r" % field)
            grid.note("curve", [field.strip().lower()] + s.numbers(2))
        if contains(field, "montagna"):
            start, end, kind = s.numbers(3)
            grid.note("tunnel", [start, end, kind])
            marker = kind > 10
            first, last = round(start / 50), round(end / 50 - 1)
            for count, c in enumerate(range(first, last + 1), 1):
                if marker and count % 4 == 0 and grid.cell_type[c] == 0:
                    grid.cell_type[c] = TUNNEL_MARKER
        if contains(field, "indicatori_v"):
            values = s.numbers(9)
            grid.note("speed board", values)
            grid.place(round(values[0] / 50 + 1), SPEED_BOARD, 0, 21, values[0])
        if contains(field, "indicat") and contains(field, "cartello"):
            position = s.number()
            text = s.field()
            grid.note("sign", [position, text])
            grid.place(round(position / 50 + 1), SIGN_BOARD, grid.board_row_cursor, 6, position)
            grid.board_rows[grid.board_row_cursor] = text
            grid.board_row_cursor -= 1


def stop_zone(position, kind, length, mar):
    if kind in (5, 6):
        return position - length, position + 150
    if kind in (7, 8):
        return position - length, position + length
    return round(position - length / 2), round(position + length / 2 + (50 if mar else 0))


def read_train(lines, grid):
    s = FieldStream(lines)
    while not s.at_end():
        if "[generale]" in s.field().lower():
            break
    row = 1
    while not s.at_end():
        field = s.field()
        if s.at_end():
            return
        for _ in range(2):
            if "-" in field:
                field = s.field()
                if s.at_end():
                    return
        if contains(field, "frenata") and contains(field, "massa"):
            grid.note("braked mass", s.numbers(1))
        if contains(field, "vetture"):
            grid.note("carriages", s.numbers(1))
        if contains(field, "velocit"):
            grid.note("speed limit", s.numbers(2))
        if contains(field, "aderenza"):
            grid.note("adhesion", s.numbers(2))
        if contains(field, "orologio"):
            grid.note("clock", s.numbers(3))
        if contains(field, "sabbia"):
            grid.note("sand", s.numbers(1))
        if contains(field, "segnale"):
            values = s.numbers(11)
            grid.note("signal", values)
            expect(values[0] + 100 <= 50 * N, "signal beyond the grid")
            cell = round(values[0] / 50 + 1)
            grid.place(cell, SIGNAL, values[2] * 10 + values[7], 16, values[0])
        if contains(field, "rallentamento"):
            grid.note("slowdown", s.numbers(6))
        if contains(field, "abbattimento"):
            position, value = s.numbers(2)
            grid.note("code", [position, value])
            grid.place(round(position / 50), CODE_REDUCTION if value > 0 else CODE_ZERO, value, 7, position)
        if contains(field, "stazione"):
            v = s.numbers(16)
            name = s.field()
            position, kind, length = v[0], v[1], v[2]
            mar = 0 if kind in (5, 6, 7, 8) or row == 1 else v[5]
            start, end = stop_zone(position, kind, length, v[5] if kind not in (5, 6, 7, 8) else 0)
            grid.note("stop", v + [name])
            expect(position % 50 == 0 and length % 100 == 0, "stop %s: position or length" % name)
            expect(position + 800 <= 50 * N, "stop %s beyond the grid" % name)
            if kind < 25:
                expect(end / 50 - 1 > 1, "stop %s: stop cell too low" % name)
                cell = round(end / 50 - 1)
                if grid.cell_type[cell] not in (0, TUNNEL_MARKER):
                    fault("stop cell %d of %s replaces type %d" % (cell, name, grid.cell_type[cell]))
                grid.cell_type[cell] = STATION_STOP
                grid.value_a[cell] = row
            if row > 1:
                expect(start - 350 >= grid.stop_rows[row - 1]["end"], "stop %s: zones closer than 350 m" % name)
            grid.stop_rows[row] = dict(position=position, kind=kind, length=length, mar=mar,
                                       start=start, end=end, name=name,
                                       time=(v[13] * 60 + v[14]) * 60 + v[15])
            row += 1
            expect(row < grid.board_row_cursor, "stop rows reach the sign rows")


# ------------------------------------------------------------ line description
def text(lines):
    return [line.decode("latin-1") for line in lines]


def check_exact(t, number, expected, what):
    got = t[number - 1] if number <= len(t) else None
    expect(got == expected, "%s line %d: %r, expected %r" % (what, number, got, expected))


def multiple(value, step):
    return value % step == 0


def check_line_description(t, grid):
    expect(len(t) == 306, "line description: %d lines, expected 306" % len(t))
    if len(t) != 306:
        return
    for n in (11, 19, 24, 29, 34, 142, 143, 223):
        check_exact(t, n, "", "line description")
    fixed = {35: "inizio dati", 36: " " * 5, 37: "[generale]" + " " * 24,
             38: "lunghezza percorso,    270000",
             39: "progressiva chilometrica uno,    263600,    46500,    0",
             40: "progressiva chilometrica due,    206200,    -6550,    0",
             41: "progressiva chilometrica tre,    190600,    28600,    0",
             42: "sfondo uno,    1", 43: "sfondo due,    250000", 44: "sfondo tre,    0",
             45: "ripetizione segnali 9 codici,    4900,    266650",
             46: "[pendenze]", 47: "pendenza  , 500    , -7", 144: "[curve]",
             224: "[cartelli]", 225: "indicatori_vmax,  1050, 85, 90, 95, 0, 85, 90, 95, 0",
             246: "[montagne]", 247: "montagna, 19400,21300,11", 290: "[indicazioni]",
             291: "cartello indicatore,  6200,     ( DOPPIO  ) ( BIVIO  ) (CALVENTO )",
             305: "[fine]", 306: " " * 16}
    for n, line in fixed.items():
        check_exact(t, n, line, "line description")
    expect(all("[generale]" not in line.lower() for line in t[:34]), "preamble names [generale]")
    expect(all(line.startswith("pendenza  , ") for line in t[46:141]), "lines 47-141 are not all gradients")
    expect(sum(line.startswith("- ") and "," not in line for line in t[144:222]) == 3,
           "curve section: not 3 comment lines")
    for group in (("192050,115,120,130, 2,115,120,130, 2", "192300,115,120,130, 1,115,120,130, 1",
                   "192550,115,120,130, 0,115,120,130, 0"),):
        for board in group:
            expect("indicatori_vmax," + board in t, "missing speed board " + board)
    for line in ("pendenza  , 265350   , 4", "curvad2,   500,  300", "montagna, 222800,114100,11",
                 "cartello indicatore,  256400,    (   Km.  ) (249.900)"):
        expect(line in t, "missing line %r" % line)
    expect(t.index("pendenza  , 265350   , 4") + 1 < len(t) and
           t[t.index("pendenza  , 265350   , 4") + 1] == "pendenza  , 265350   , 0", "265350 gradients")
    expect(sum(line == "" for line in t[246:289]) == 4, "tunnel section: not 4 blank lines")
    expect(sum(line == "" for line in t[290:304]) == 5, "sign section: not 5 blank lines")

    r = grid.records
    gradients = r.get("gradient", [])
    expect(len(gradients) == 95, "%d gradients" % len(gradients))
    positions = [p for p, _ in gradients]
    expect(positions[0] == 500 and positions[-1] == 267050, "gradient positions 500..267050")
    pairs = [(a, b) for a, b in zip(positions, positions[1:]) if a >= b]
    expect(pairs == [(265350, 265350)], "gradient positions not ascending: %s" % pairs)
    values = [v for _, v in gradients]
    expect(min(values) == -10 and max(values) == 12, "gradients not within -10..12 (both reached)")

    curves = r.get("curve", [])
    expect(len(curves) == 75, "%d curves" % len(curves))
    counts = {}
    for keyword, _, _ in curves:
        counts[keyword] = counts.get(keyword, 0) + 1
    expected = {"curvad1": 11, "curvad2": 12, "curvad3": 2, "curvad4": 8, "curvad5": 5, "curvas1": 7,
                "curvas2": 12, "curvas3": 3, "curvas4": 6, "curvas5": 8, "curvas6": 1}
    expect(counts == expected, "curve keywords %s" % counts)
    end = 0
    for _, start, length in curves:
        expect(start >= end, "curve at %d overlaps the one before" % start)
        expect(200 <= length <= 4000, "curve at %d: length %d" % (start, length))
        end = start + length
    expect(end <= L + 6998, "the last curve reaches the last two rows of the route table")
    expect(curves[0][1] == 500 and curves[-1][1] == 266450, "curve starts 500..266450")
    expect({c[2] for c in curves} >= {200, 4000}, "curve lengths do not reach 200 and 4000")

    boards = r.get("speed board", [])
    expect(len(boards) == 21, "%d speed boards" % len(boards))
    expect(boards[0][0] == 1050 and boards[-1][0] == 265300, "speed boards 1050..265300")
    for b in boards:
        expect(all(60 <= v <= 250 for v in b[1:4] + b[5:8]), "speed board %d: speeds" % b[0])
        expect(b[4] in (0, 1, 2) and b[8] == b[4], "speed board %d: stripes" % b[0])
    countdowns = [i for i, b in enumerate(boards) if b[4] == 2]
    expect(len(countdowns) == 2, "not two count-down groups")
    for i in countdowns:
        group = boards[i:i + 3]
        expect([b[4] for b in group] == [2, 1, 0], "count-down group at %d" % boards[i][0])
        expect(all(250 <= b[0] - a[0] <= 350 for a, b in zip(group, group[1:])), "count-down spacing")
    expect(sum(b[4] != 0 for b in boards) == 4, "stripes outside the count-down groups")

    tunnels = r.get("tunnel", [])
    expect(len(tunnels) == 39, "%d tunnels" % len(tunnels))
    kinds = {}
    for _, _, kind in tunnels:
        kinds[kind] = kinds.get(kind, 0) + 1
    expect(kinds == {11: 13, 13: 8, 1: 6, 2: 6, 3: 3, 12: 3}, "tunnel kinds %s" % kinds)
    starts = [s for s, _, _ in tunnels]
    expect(starts == sorted(starts), "tunnels not in route order")

    signs = r.get("sign", [])
    expect(len(signs) == 9, "%d sign boards" % len(signs))
    for position, sign in signs:
        groups = re.findall(r"\([^()]*\)", sign)
        expect(2 <= len(groups) <= 3 and re.fullmatch(r"(\([^()]*\) ?)+ *", sign), "sign text %r" % sign)
    expect(sum(sign.endswith(" ") for _, sign in signs) == 1, "not one sign text ending with blanks")
    for kind, values in r.items():
        if kind in ("gradient", "curve", "tunnel", "speed board", "sign"):
            for v in values:
                position = v[1] if kind == "curve" else v[0]
                expect(multiple(position, 50) and position + 100 <= 50 * N, "%s at %s" % (kind, position))


# ------------------------------------------------------------ train description
REPRESENTATIVE_STOPS = [
    "stazione,      0,  8, 500,  1, 0, 0,   4,0,0,  2,1,0,  1, 10,50, 0, VALMERA",
    "stazione,   4500,  2, 800,  0, 1, 1,   1,1,0,  4,0,0,  0,  0, 0, 0, BRESSOLA",
    "stazione,  32250, 25, 400,  0, 0, 0,   0,0,0,  0,0,0,  0,  0, 0, 0, P.C. ORTIGNA",
    "stazione, 190000, 11,1100,  1, 0, 1,   4,0,2,  2,0,0,  0,  0, 0, 0, BIVIO CALVENTO SUD",
    "stazione, 198750,  4, 800,  0, 1, 0,   1,1,0,  4,1,1, 60, 15,22, 0, TORRAVA",
    "stazione, 267550,  6 ,600,  1, 0, 0,   0,0,0,  0,0,0,  0, 15,58, 0, MONTEGRIDO",
]
WARNING = [1, 4, 1, 0, 0, 1, 3, 1, 0, 0]
MAINS = ([2, 4, 1, 0, 0, 2, 2, 1, 0, 0], [2, 4, 1, 1, 0, 2, 2, 1, 1, 0], [2, 2, 5, 7, 2, 2, 2, 1, 1, 0])


def check_train_description(t, grid):
    expect(len(t) == 250, "train description: %d lines, expected 250" % len(t))
    if len(t) != 250:
        return
    for n in (10, 11, 12, 13, 23, 40, 249):
        check_exact(t, n, "", "train description")
    fixed = {14: "inizio_dati", 15: "[generale]", 16: "numero vetture,    12",
             17: "percentuale massa frenata,    130", 18: "sabbia,    300",
             19: "orologio,    13              53            30 ", 20: "aderenza,       0, 80",
             21: "[aderenze] ", 22: "aderenza,  198000, 100", 24: "[rallentamenti]", 25: "[vel_limite]",
             26: "velocita' limite ,     0    ,   30", 39: "velocita' limite , 266300   ,  75",
             41: "[stazioni]",
             42: "-           pos. tipo lung. t  t  m    d d r   d d d   a   o  o  o   nome",
             43: "-                           p  a  a    2 3 a   1 2 3   c   r  r  r",
             44: "-                           s  b  r        p               o  m  s",
             79: "[segnali]", 80: "-                1                     destra",
             81: "-                a  d1 d2 d3 ra       d1 d2 d3 ac", 82: "-                v",
             219: "[codici]", 220: "abbattimento codice, 5300,270",
             248: "abbattimento codice, 264000,270  ", 250: "     [fine]"}
    for n, line in fixed.items():
        check_exact(t, n, line, "train description")
    expect(all("[generale]" not in line.lower() for line in t[:14]), "preamble names [generale]")
    expect(t[74].startswith("-stazione, 260400, 25, 400,"), "the 31st stop line is not the disabled stop")
    expect(sum(line.startswith("stazione,") for line in t[44:78]) == 33, "not 33 active stop lines")
    for line in REPRESENTATIVE_STOPS:
        expect(line in t, "missing stop record %r" % line)
    for line in ("segnale,   2550, 2, 4, 1, 0, 0,     0, 2, 1, 1, 0",
                 "segnale,  20500, 2, 4, 0, 0, 0,     2, 1, 0, 0, 0",
                 "segnale,  189050, 2, 2, 5, 7, 2,     2, 2, 1, 1, 0",
                 "segnale,  203450, 2, 2, 5, 7, 2,     2, 2, 1, 1, 0",
                 "velocita' limite , 16250    ,  200", "abbattimento codice, 6100,270"):
        expect(line in t, "missing line %r" % line)
    expect([line for line in t[82:218] if "segnale" in line][0] ==
           "segnale,   2550, 2, 4, 1, 0, 0,     0, 2, 1, 1, 0", "first signal record")
    comments = [line for line in t[82:218] if line.startswith("-")]
    expect(len(comments) == 30 and all("," not in c for c in comments), "%d signal comments" % len(comments))
    expect(all(line.startswith("segnale,") or line.startswith("- ") for line in t[82:218]),
           "lines 83-218 hold more than signals and comments")
    expect(all(line.startswith("abbattimento codice, ") for line in t[219:248]), "lines 220-248")
    expect(all(line.startswith("velocita' limite , ") for line in t[25:39]), "lines 26-39")

    r = grid.records
    expect(r.get("carriages") == [[12]] and r.get("braked mass") == [[130]] and r.get("sand") == [[300]],
           "general records")
    expect(r.get("clock") == [[13, 53, 30]], "clock %s" % r.get("clock"))
    expect(r.get("adhesion") == [[0, 80], [198000, 100]], "adhesion records")
    expect("slowdown" not in r, "slowdown records")
    limits = r.get("speed limit", [])
    expect(len(limits) == 14, "%d speed limits" % len(limits))
    expect([p for p, _ in limits] == sorted({p for p, _ in limits}), "speed limits not ascending")
    expect(all(30 <= v <= 200 and multiple(p, 50) for p, v in limits), "speed limit values")

    stops = grid.stop_rows
    expect(len(stops) == 33, "%d stop rows" % len(stops))
    kinds = {}
    for row in stops.values():
        kinds[row["kind"]] = kinds.get(row["kind"], 0) + 1
    expect(kinds == {25: 22, 11: 3, 4: 2, 8: 1, 2: 1, 26: 1, 22: 1, 28: 1, 6: 1}, "stop kinds %s" % kinds)
    expect(stops[1]["kind"] == 8 and stops[33]["kind"] == 6, "origin or terminus kind")
    expect(all(row["length"] == 400 for row in stops.values() if row["kind"] == 25), "kind 25 lengths")
    expect(all(200 <= row["length"] <= 2200 for row in stops.values()), "stop lengths")
    timed = {row["name"]: row["time"] for row in stops.values() if row["time"]}
    expect(timed == {"VALMERA": 39000, "TORRAVA": 55320, "MONTEGRIDO": 57480}, "scheduled times %s" % timed)
    expect(all(row["position"] <= L + 6200 for row in stops.values()), "stop beyond the guard")

    signals = r.get("signal", [])
    expect(len(signals) == 106, "%d signals" % len(signals))
    positions = [s[0] for s in signals]
    expect(positions == sorted(set(positions)), "signals not ascending")
    expect(positions[0] == 2550 and positions[-1] == 266650, "signals 2550..266650")
    for s in signals:
        p, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo = s
        expect(sx in (1, 2) and dx in (0, 1, 2) and rapp in (0, 2) and tempo == 0 and
               all(0 <= v <= 7 for v in (s1, s2, s3, d1, d2, d3)), "signal at %d: values" % p)
        if s[1:] == WARNING:
            main = [m for m in signals if m[0] == p + 1350]
            expect(main and main[0][1:] in MAINS, "warning at %d has no main signal 1350 m on" % p)

    codes = r.get("code", [])
    expect(len(codes) == 29, "%d code reductions" % len(codes))
    expect([p for p, _ in codes] == sorted({p for p, _ in codes}), "code reductions not ascending")
    expect(sum(v == 270 for _, v in codes) == 24 and sum(v == 180 for _, v in codes) == 5, "code values")
    expect(all(multiple(p, 50) for p, _ in codes), "code reduction positions")


def check_cells(grid):
    expect(grid.error is None, "reader error: %s" % (grid.error,))
    counts = {}
    for kind in grid.cell_type:
        counts[kind] = counts.get(kind, 0) + 1
    for kind, want in ((SIGNAL, 106), (SPEED_BOARD, 21), (SIGN_BOARD, 9), (CODE_REDUCTION, 29),
                       (STATION_STOP, 9), (CODE_ZERO, 0)):
        expect(counts.get(kind, 0) == want, "%d cells of type %d, expected %d" % (counts.get(kind, 0), kind, want))
    expect(grid.cell_type[1] == 0, "cell 1 holds an object")
    expect(sorted(grid.board_rows) == list(range(72, 81)), "sign rows %s" % sorted(grid.board_rows))


# ------------------------------------------------------------ printable documents
SHEET_FIXED = {
    1: "", 2: " ",
    4: " |                   |                  SCHEDA                      |              |",
    9: " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
    10: " |        IC         |              |     600T          |",
    12: "",
    13: "  " + "_" * 80,
    14: " | Vel.| Vel.| Progr Km | No  |  Localita' di Servizio     |    Orario      | Rec |",
    15: " | Lim.|Marc.|          | Rs  |                            |                |     |",
    16: " |_____|_____|__________|_____|____________________________|________________|_____|",
    63: " |_____|_____|__________|_____|____________________________|________________|_____|",
    64: "", 65: " " * 36 + "Note:", 66: "",
    67: " (a) : Localita` di servizio sulla linea lenta", 68: " " * 24,
}
ROW_BARS = [2, 8, 14, 25, 31, 60, 77, 83]


def columns_of(line, char="|"):
    return [i + 1 for i, c in enumerate(line) if c == char]


def chainage(position):
    for start, offset in ((263600, 46500), (206200, -6550), (190600, 28600)):
        if position >= start:
            return position + offset
    return position


def check_sheet(t, stops):
    expect(len(t) == 68, "timetable sheet: %d lines, expected 68" % len(t))
    if len(t) != 68:
        return
    for n, line in SHEET_FIXED.items():
        check_exact(t, n, line, "timetable sheet")
    expect(all(len(line.rstrip(" ")) <= 84 for line in t), "timetable sheet wider than 84 columns")
    for n in (4, 5, 6, 7):
        expect(columns_of(t[n - 1]) == [2, 22, 69, 84], "title line %d: bars %s" % (n, columns_of(t[n - 1])))
    for n in (9, 10, 11):
        expect(columns_of(t[n - 1]) == [2, 22, 37, 57], "box line %d: bars %s" % (n, columns_of(t[n - 1])))
    expect(t[4][2:21].strip() == "TRENO n. 7304", "title: train number")
    expect(t[3].index("SCHEDA") == 40, "SCHEDA not in column 41")
    first, last = stops[1]["name"], stops[max(stops)]["name"]
    expect(t[4][38:41] == "da:" and t[4][41:68].strip() == first, "line 5: 'da: %s' with the colon in 41" % first)
    expect(t[5][39:41] == "a:" and t[5][41:68].strip() == last, "line 6: 'a: %s' with the colon in 41" % last)
    expect(t[4][69:83].strip() == "V200 C" and t[5][69:83].strip() == "130%", "right box")
    expect(set(t[6][69:83]) == {"_"}, "right box not closed on line 7")
    rows = t[16:62]
    limits = speeds = slow = 0
    recovery = {}
    current_limit = None
    by_name = {row["name"]: row for row in stops.values()}
    extra = 0
    for n, row in enumerate(rows, 17):
        expect(columns_of(row) == ROW_BARS, "row %d: bars in columns %s" % (n, columns_of(row)))
        expect(row[0] == " " and (len(row) == 83 or row == row[:83] + "  "), "row %d: length %d" % (n, len(row)))
        extra += len(row) == 85
        cells = [row[a:b - 1] for a, b in zip(ROW_BARS, ROW_BARS[1:])]
        limit, marc, km, rs, place, time, rec = cells
        expect(marc.strip() == "", "row %d: Marc. not blank" % n)
        if limit.strip():
            limits += 1
            current_limit = int(limit)
            expect(limit == limit.strip().rjust(4) + " ", "row %d: limit alignment" % n)
        if rs.strip():
            speeds += 1
            expect(current_limit is not None and int(rs) <= current_limit, "row %d: speed above the limit" % n)
        expect(km == "    0     " if n == 17 else re.fullmatch(r" *\d+\.\d{3} ", km), "row %d: chainage %r" % (n, km))
        expect(place.startswith(" ") or place.startswith("(a) "), "row %d: location cell" % n)
        slow += place.startswith("(a) ")
        name = place[4:].strip() if place.startswith("(a) ") else place.strip()
        if name in by_name:
            stop = by_name[name]
            want = "    0     " if stop["position"] == 0 else "%9.3f " % (chainage(stop["position"]) / 1000)
            expect(km == want, "row %d (%s): chainage %r, expected %r" % (n, name, km, want))
            on_slow = 190600 <= stop["position"] < 206200 or stop["position"] >= 263600
            expect(place.startswith("(a) ") == on_slow, "row %d (%s): slow-line marker" % (n, name))
            if stop["time"]:
                hhmm = "%d.%02d" % (stop["time"] // 3600, stop["time"] // 60 % 60)
                if stop is stops[max(stops)]:
                    expect(time == " " + hhmm + " " * 10, "row %d: terminus time %r" % (n, time))
                elif stop is not stops[1]:
                    expect(time.strip().endswith(hhmm) and len(time.split()) == 2, "row %d: stop times" % n)
        if rec.strip():
            recovery[rec.strip()] = recovery.get(rec.strip(), 0) + 1
            expect(rec == " " + rec.strip().ljust(4), "row %d: recovery alignment" % n)
    expect(limits == 16, "%d rows with a limit, expected 16" % limits)
    expect(speeds == 15, "%d rows with a speed, expected 15" % speeds)
    expect(slow == 10, "%d slow-line rows, expected 10" % slow)
    expect(recovery == {"0.5": 20, "1": 1, "1.5": 1, "2": 1}, "recovery margins %s" % recovery)
    expect(extra == 1, "%d rows with two extra trailing blanks, expected 1" % extra)
    named = {r[31:59].replace("(a) ", "").strip() for r in rows}
    missing = [row["name"] for row in stops.values() if row["name"] not in named]
    expect(not missing, "stops without a timetable row: %s" % missing)


def check_notes(lines):
    expect(len(lines) == 47, "notes: %d lines, expected 47" % len(lines))
    if len(lines) != 47:
        return
    high = [(n, b) for n, line in enumerate(lines, 1) for b in line if b >= 0x80]
    expect(high == [(44, 0xF9)], "bytes outside 7-bit ASCII: %s" % high)
    t = text(lines)
    expect(all(len(line) <= 92 for line in t), "notes wider than 92 characters")
    for n in (1, 3, 28, 29, 34, 46):
        check_exact(t, n, "", "notes")
    expect(t[1].startswith(" " * 16) and t[1][16] != " " and "7304" in t[1], "notes title")
    expect(all(line.startswith(" ") and line.strip() for line in t[3:27]), "notes paragraph")
    expect(all(line.strip() for line in t[29:33] + [t[34], t[46]]), "notes: empty text line")
    items, current = [], 0
    for line in t[35:45]:
        if line.startswith("- "):
            if current:
                items.append(current)
            current = 1
        else:
            expect(line.startswith("  ") and line[2] != " ", "notes: list continuation %r" % line)
            current += 1
    items.append(current)
    expect(items == [3, 2, 2, 3], "notes list item lengths %s" % items)


def check_slowdowns(t):
    expect(t == ["", "", "", "", " " * 25 + "NESSUNA PRESCRIZIONE"], "slowdowns notice %r" % t)


def main():
    directory = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(HERE)
    docs = {key: read_document(directory, *where) for key, where in FUNCTIONS.items()}
    for key, lines in docs.items():
        expect(all(END_MARKER.encode() not in line for line in lines), "%s holds the end marker" % key)
        expect(all(b"\r" not in line and b"\n" not in line for line in lines), "%s: line breaks in lines" % key)
        expect(key == "notes" or all(b < 0x80 for line in lines for b in line), "%s: bytes above 0x7F" % key)
    grid = Compiled()
    try:
        read_line(docs["line"], grid)
        read_train(docs["train"], grid)
    except (ValueError, IndexError) as e:
        fault("reading failed: %s" % e)
    check_line_description(text(docs["line"]), grid)
    check_train_description(text(docs["train"]), grid)
    check_cells(grid)
    check_sheet(text(docs["sheet"]), grid.stop_rows)
    check_notes(docs["notes"])
    check_slowdowns(text(docs["slowdowns"]))
    for message in faults:
        print("FAULT:", message)
    print("%d faults" % len(faults))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
