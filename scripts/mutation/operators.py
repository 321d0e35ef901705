"""The mutation operators: each finds its sites in the masked source and says
what to put in their place.

A mutant is a dict: file, offset, original (the text replaced), replacement,
operator. The code is formatted with blanks around binary operators, which
tells `a < b` from `vector<int>` and `a && b` from `T&& t`.
"""
import re

from mutation.source_mask import mask

RELATIONAL = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITHMETIC = {"+": "-", "-": "+", "*": "/", "+=": "-=", "-=": "+="}
ROUNDING_CALLS = {"std::nearbyint": "std::trunc", "std::round": "std::trunc",
                  "std::lround": "std::lrint", "std::floor": "std::ceil", "std::ceil": "std::floor"}
STATEMENT_KEYWORDS = {"return", "if", "for", "while", "do", "else", "case", "default", "break",
                      "continue", "const", "constexpr", "static", "using", "namespace", "template",
                      "typedef", "throw", "auto", "inline", "struct", "class", "enum", "public",
                      "private", "protected", "goto", "delete", "new", "co_return", "switch", "try",
                      "catch", "extern", "friend", "virtual", "explicit", "operator", "unsigned",
                      "signed", "volatile", "mutable"}

_BINARY = re.compile(r"(?<=\s)(<=|>=|==|!=|&&|\|\||\+=|-=|<|>|\+|-|\*)(?=\s)")
_INTEGER = re.compile(r"(?<![\w.'])(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)(?![\w.'])")
_INCREMENT = re.compile(r"(?<![+\-\w])(\+\+|--)(?![+\-=])")
_BOOLEAN = re.compile(r"\b(true|false)\b")
_MINMAX = re.compile(r"\bstd::(min|max)\b")
_ROUND_CALL = re.compile(r"(std::nearbyint|std::round|std::lround|std::floor|std::ceil)\b")
_ROUND_DIV = re.compile(r"\bRoundDiv\s*\(")
_ROUND_HALF = re.compile(r"\bRoundHalfEven\s*\(")
_ASSIGNMENT = re.compile(r"[A-Za-z_*(][\w.\[\]()>*:-]*\s*(=|\+=|-=|\*=|/=|\|=|&=|\^=|<<=|>>=)\s")
_INC_STATEMENT = re.compile(r"(\+\+|--)[\w.\[\]()>-]+\s*;|[\w.\[\]()>-]+(\+\+|--)\s*;")
_CALL = re.compile(r"[A-Za-z_][\w:.\[\]>-]*\(")


def find_mutants(path, text):
    masked = mask(text)
    found = []

    def add(offset, original, replacement, operator):
        found.append({"file": path, "offset": offset, "original": original,
                      "replacement": replacement, "operator": operator})

    for m in _BINARY.finditer(masked):
        op = m.group(1)
        if op in ("+", "-") and _on_a_line_with_text(text, m.start()):
            continue  # most likely a string concatenation: a mutant that does not compile
        if op in RELATIONAL:
            add(m.start(), op, RELATIONAL[op], "relational")
        elif op in ("&&", "||"):
            add(m.start(), op, "||" if op == "&&" else "&&", "logical")
        else:
            add(m.start(), op, ARITHMETIC[op], "arithmetic")
    for m in _INTEGER.finditer(masked):
        digits = m.group(1)
        base = 16 if digits[:2] in ("0x", "0X") else 8 if len(digits) > 1 and digits[0] == "0" \
            else 10
        value = int(digits, base)
        for delta in (1, -1):
            written = value + delta
            if base != 10 and written >= 0:
                written = hex(written) if base == 16 else "0" + format(written, "o")
            add(m.start(), m.group(0), f"{written}{m.group(2)}", "constant")
    for m in _INCREMENT.finditer(masked):
        add(m.start(), m.group(1), "--" if m.group(1) == "++" else "++", "arithmetic")
    for m in _BOOLEAN.finditer(masked):
        add(m.start(), m.group(1), "false" if m.group(1) == "true" else "true", "boolean")
    for m in _MINMAX.finditer(masked):
        add(m.start(), m.group(0), "std::max" if m.group(1) == "min" else "std::min", "minmax")
    for m in _ROUND_CALL.finditer(masked):
        add(m.start(), m.group(1), ROUNDING_CALLS[m.group(1)], "rounding")
    for pattern, truncating in ((_ROUND_DIV, _truncating_division),
                                (_ROUND_HALF, _truncating_cast)):
        for m in pattern.finditer(masked):
            if _declared_here(masked, m.start()):
                continue
            close = _matching_paren(masked, m.end() - 1)
            if close is None:
                continue
            replacement = truncating(text[m.end():close], masked[m.end():close])
            if replacement:
                add(m.start(), text[m.start():close + 1], replacement, "rounding")
    for offset, end in _statements(masked):
        add(offset, text[offset:end], ";", "statement")
    return found


def _on_a_line_with_text(text, offset):
    start = text.rfind("\n", 0, offset) + 1
    end = text.find("\n", offset)
    return '"' in text[start:end if end >= 0 else len(text)]


def _truncating_division(arguments, masked_arguments):
    comma = _top_level_comma(masked_arguments)
    if comma is None:
        return None
    return f"(({arguments[:comma].strip()}) / ({arguments[comma + 1:].strip()}))"


def _truncating_cast(arguments, _masked):
    return f"static_cast<int64_t>({arguments.strip()})"


def _declared_here(masked, offset):
    # `int64_t RoundDiv(` is the definition; a call follows `(`, `=`, `,` or return.
    before = masked[:offset].rstrip()
    word = re.search(r"(\w+)$", before)
    return word is not None and word.group(1) != "return"


def _matching_paren(masked, open_index):
    depth = 0
    for i in range(open_index, len(masked)):
        if masked[i] == "(":
            depth += 1
        elif masked[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return None


def _top_level_comma(masked):
    depth = 0
    for i, c in enumerate(masked):
        if c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
        elif c == "," and depth == 0:
            return i
    return None


def _statements(masked):
    """Assignments, increments and call statements that begin a line: removing
    one drops a write. Declarations (a type and a name) are left alone."""
    offset = 0
    for line in masked.splitlines(keepends=True):
        start = offset + len(line) - len(line.lstrip())
        offset += len(line)
        word = re.match(r"[A-Za-z_]\w*", masked[start:start + 40])
        if word and word.group(0) in STATEMENT_KEYWORDS:
            continue
        if not (_ASSIGNMENT.match(masked, start) or _INC_STATEMENT.match(masked, start)
                or _CALL.match(masked, start)):
            continue
        end = _statement_end(masked, start)
        if end is None:
            continue
        body = masked[start:end]
        if _CALL.match(masked, start) and not _ASSIGNMENT.match(masked, start) \
                and not body.rstrip(" \n;").endswith(")"):
            continue
        yield start, end


def _statement_end(masked, start):
    depth = 0
    for i in range(start, len(masked)):
        c = masked[i]
        if c in "([":
            depth += 1
        elif c in ")]":
            depth -= 1
            if depth < 0:
                return None
        elif c in "{}" and depth == 0:
            return None  # a block or a lambda: not a plain statement
        elif c == ";" and depth == 0:
            return i + 1
    return None
