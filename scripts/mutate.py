#!/usr/bin/env python3
"""Small source mutants for scripts/mutate.sh.

  mutate.py list SEED       every candidate mutant of src/**/*.cpp, in a seeded order
                            that takes the four kinds in turn, one per line:
                            file<TAB>line<TAB>column<TAB>kind<TAB>before<TAB>after
  mutate.py apply FILE LINE COLUMN BEFORE AFTER
                            replaces BEFORE by AFTER at that place (fails if it is not there)

Kinds: a comparison flipped, an integer constant off by one, an if/while condition
negated, a statement deleted. Only code counts: comments, preprocessor lines and the
insides of string and character literals are never mutated.
"""
import pathlib
import random
import re
import signal
import sys

FLIPS = {"==": "!=", "!=": "==", "<": ">=", ">=": "<", ">": "<=", "<=": ">"}
COMPARISON = re.compile(r"(?<= )(==|!=|<=|>=|<|>)(?= )")  # spaced binary operators only
CONSTANT = re.compile(r"(?<![\w.'])(\d+)([uUlL]*)(?![\w.'])")
CONDITION = re.compile(r"\b(if|while) \(")
STATEMENT = re.compile(r"^\s+(\+\+|--)?[A-Za-z_][\w:.\->\[\]]*\s*(\(|=[^=]|\+=|-=|\|=|&=|\+\+|--).*;\s*$")
KINDS = ("comparison", "constant", "condition", "statement")


def code_mask(line, in_comment):
    """Marks which characters of a line are code (True). Returns (mask, in_comment after)."""
    mask = [False] * len(line)
    i, quote = 0, None
    while i < len(line):
        c = line[i]
        if in_comment:
            if line.startswith("*/", i):
                in_comment, i = False, i + 2
                continue
        elif quote:
            if c == "\\":
                i += 2
                continue
            if c == quote:
                quote = None
        elif line.startswith("//", i):
            break
        elif line.startswith("/*", i):
            in_comment, i = True, i + 2
            continue
        elif c in "\"'":
            quote = c
        else:
            mask[i] = True
        i += 1
    return mask, in_comment


def closing_paren(line, open_at):
    depth = 0
    for i in range(open_at, len(line)):
        depth += {"(": 1, ")": -1}.get(line[i], 0)
        if depth == 0:
            return i
    return -1


def candidates(path):
    """Yields (kind, line, column, before, after) for one source file."""
    in_comment, previous = False, ""
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        mask, in_comment_after = code_mask(line, in_comment)
        stripped = line.strip()
        if in_comment or stripped.startswith("#") or not any(mask):
            in_comment = in_comment_after
            continue
        in_comment = in_comment_after
        for m in COMPARISON.finditer(line):
            if mask[m.start()]:
                yield "comparison", number, m.start(), m.group(1), FLIPS[m.group(1)]
        for m in CONSTANT.finditer(line):
            if mask[m.start()]:
                yield "constant", number, m.start(), m.group(1), str(int(m.group(1)) + 1)
        for m in CONDITION.finditer(line):
            open_at = m.end() - 1
            close_at = closing_paren(line, open_at)
            if mask[m.start()] and close_at > 0:
                condition = line[open_at:close_at + 1]
                yield "condition", number, open_at, condition, "(!" + condition + ")"
        ends_statement = previous.rstrip().endswith((";", "{", "}")) or not previous.strip()
        if ends_statement and STATEMENT.match(line) and mask[len(line) - len(line.lstrip())]:
            column = len(line) - len(line.lstrip())
            yield "statement", number, column, line[column:], ""
        previous = line if stripped and not stripped.startswith("//") else previous


def list_mutants(seed):
    by_kind = {kind: [] for kind in KINDS}
    for path in sorted(pathlib.Path("src").rglob("*.cpp")):
        for kind, number, column, before, after in candidates(path):
            by_kind[kind].append((str(path), number, column, kind, before, after))
    rng = random.Random(seed)
    for kind in KINDS:
        rng.shuffle(by_kind[kind])
    for row in range(max(len(v) for v in by_kind.values())):
        for kind in KINDS:
            if row < len(by_kind[kind]):
                print("\t".join(map(str, by_kind[kind][row])))


def apply_mutant(file, number, column, before, after):
    path = pathlib.Path(file)
    lines = path.read_text(encoding="utf-8").split("\n")
    line = lines[number - 1]
    if line[column:column + len(before)] != before:
        sys.exit(f"mutate.py: {file}:{number} does not hold {before!r} at column {column}")
    lines[number - 1] = line[:column] + after + line[column + len(before):]
    path.write_text("\n".join(lines), encoding="utf-8")


if __name__ == "__main__":
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # the caller stops reading once it has enough
    signal.signal(signal.SIGINT, signal.SIG_DFL)  # Ctrl-C ends it quietly; mutate.sh restores src/
    if len(sys.argv) == 3 and sys.argv[1] == "list":
        list_mutants(int(sys.argv[2]))
    elif len(sys.argv) == 7 and sys.argv[1] == "apply":
        apply_mutant(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), sys.argv[5], sys.argv[6])
    else:
        sys.exit(__doc__)
