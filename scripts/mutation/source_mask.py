"""Blanks out what a mutant must never touch: comments, string and character
literals, and preprocessor lines.

The mask keeps every offset and every newline of the source, so a site found
in the masked text is at the same offset in the real one.
"""
import re

_RAW_OPEN = re.compile(r'R"([^()\\\s]{0,16})\(')


def _blank(chars, start, end):
    for i in range(start, end):
        if chars[i] != "\n":
            chars[i] = " "


def mask(text):
    chars = list(text)
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c not in " \t\n":
            line_start = False
            if c == "#":  # a directive, with its continuation lines
                end = i
                while end < n and (text[end] != "\n" or text[end - 1] == "\\"):
                    end += 1
                _blank(chars, i, end)
                i = end
                continue
        if c == "\n":
            line_start = True
            i += 1
        elif text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            _blank(chars, i, end)
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            _blank(chars, i, end)
            i = end
        elif c == "R" and _RAW_OPEN.match(text, i) and not _word_before(text, i):
            delimiter = _RAW_OPEN.match(text, i).group(1)
            end = text.find(")" + delimiter + '"', i)
            end = n if end < 0 else end + len(delimiter) + 2
            _blank(chars, i, end)
            i = end
        elif c == '"' or (c == "'" and not _digit_separator(text, i)):
            end = _literal_end(text, i, c)
            _blank(chars, i, end)
            i = end
        else:
            i += 1
    return "".join(chars)


def _word_before(text, i):
    return i > 0 and (text[i - 1].isalnum() or text[i - 1] == "_")


def _digit_separator(text, i):
    # 1'000'000: a quote between two digits is not a character literal.
    return 0 < i < len(text) - 1 and text[i - 1].isalnum() and text[i + 1].isalnum() \
        and re.match(r"[0-9]", _number_start(text, i))


def _number_start(text, i):
    j = i
    while j > 0 and (text[j - 1].isalnum() or text[j - 1] in "'_"):
        j -= 1
    return text[j]


def _literal_end(text, i, quote):
    j = i + 1
    while j < len(text) and text[j] != quote and text[j] != "\n":
        j += 2 if text[j] == "\\" else 1
    return min(j + 1, len(text))
