#!/usr/bin/env python3
"""Check that every source file includes only what its library may use.

The table "Folders and libraries" in docs/ARCHITECTURE.md names each folder's
library and the libraries it links. A .h/.cpp file under src/ belongs to the
library of the most specific folder that holds it (src/platform/posix before
src/platform), and it may include:

  - headers of its own library, and of every library it links, directly or
    through what those link in turn;
  - Qt headers (<QString>, <QtCore/...>) only when its library's own links name
    a Qt entry (Qt6::Widgets, ...);
  - anything else outside src/ (the standard library, POSIX, ...).

Project headers are included as "folder/File.h" relative to src/, or by a path
relative to the including file. src/main.cpp, the composition root, may include
anything. A file in a folder the table gives no library (a row such as "(one
each, as they are built)") is reported too: the table must name its library
before the folder holds code.

Prints each offending include as file:line and exits with 1; exits with 2 when
the table cannot be read.
"""

import argparse
import re
import sys
from pathlib import Path

COMPOSITION_ROOT = "src/main.cpp"
SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}
TABLE_HEADING = re.compile(r"^#+\s+Folders and libraries\s*$", re.IGNORECASE)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
LIBRARY_NAME = re.compile(r"^[A-Za-z_][A-Za-z0-9_.+-]*(::[A-Za-z0-9_]+)?$")
QT_HEADER = re.compile(r"^(Q[A-Za-z0-9_]+|Qt[A-Za-z0-9_]*/.*|q[a-z0-9_]+\.h)$")
NO_LINKS = {"", "(none)", "none", "-", "\u2014"}


class TableError(Exception):
    pass


def split_row(line):
    """The cells of a markdown table row; a | inside `code` or escaped does not split."""
    cells, cell, in_code, i = [], "", False, 0
    text = line.strip()
    if text.startswith("|"):
        text = text[1:]
    if text.endswith("|") and not text.endswith("\\|"):
        text = text[:-1]
    while i < len(text):
        ch = text[i]
        if ch == "\\" and i + 1 < len(text) and text[i + 1] == "|":
            cell += "|"
            i += 2
            continue
        if ch == "`":
            in_code = not in_code
        if ch == "|" and not in_code:
            cells.append(cell.strip())
            cell = ""
        else:
            cell += ch
        i += 1
    cells.append(cell.strip())
    return cells


def code_spans(text):
    return [s.strip() for s in re.findall(r"`([^`]*)`", text)]


def column(header, name):
    names = [h.strip().lower() for h in header]
    if name in names:
        return names.index(name)
    for i, h in enumerate(names):
        if name in h:
            return i
    raise TableError(f'the table has no "{name}" column (columns: {", ".join(header)})')


def parse_links(cell):
    """The library names of a links cell, and the parts that name none."""
    links, vague = [], []
    text = cell.strip()
    if text.lower() in NO_LINKS:
        return links, vague
    # Split on commas outside parentheses and code spans.
    items, item, depth, in_code = [], "", 0, False
    for ch in text:
        if ch == "`":
            in_code = not in_code
        elif not in_code and ch == "(":
            depth += 1
        elif not in_code and ch == ")":
            depth = max(0, depth - 1)
        if ch == "," and depth == 0 and not in_code:
            items.append(item)
            item = ""
        else:
            item += ch
    items.append(item)
    for item in items:
        item = item.strip()
        if item.lower() in NO_LINKS:
            continue
        spans = code_spans(item)
        outside = re.sub(r"`[^`]*`", "", item).strip()
        if spans:
            if re.match(r"^(never|not|no)\b", outside, re.IGNORECASE):
                continue  # a prohibition names what is not linked
            names = [s for s in spans if LIBRARY_NAME.match(s)]
            links += names
            if not names or re.search(r"[A-Za-z]", re.sub(r"\([^)]*\)", "", outside)):
                vague.append(item)
        elif LIBRARY_NAME.match(item):
            links.append(item)
        else:
            vague.append(item)
    return links, vague


def read_table(doc):
    """Folder -> library (None for a folder listed without one), file -> library,
    library -> direct links, and warnings about cells read only in part."""
    lines = doc.read_text(encoding="utf-8").splitlines()
    start = next((i for i, l in enumerate(lines) if TABLE_HEADING.match(l)), None)
    if start is None:
        raise TableError(f'{doc} has no "Folders and libraries" section')
    rows = []
    i = start + 1
    while i < len(lines) and not lines[i].lstrip().startswith("|"):
        if lines[i].startswith("#"):
            raise TableError(f'the "Folders and libraries" section of {doc} has no table')
        i += 1
    while i < len(lines) and lines[i].lstrip().startswith("|"):
        rows.append((i + 1, split_row(lines[i])))
        i += 1
    if len(rows) < 2:
        raise TableError(f'the "Folders and libraries" table of {doc} is empty')
    header = rows[0][1]
    fcol, lcol, kcol = column(header, "folder"), column(header, "library"), column(header, "links")
    folders, files, links, warnings = {}, {}, {}, []
    for number, cells in rows[1:]:
        if all(re.fullmatch(r":?-+:?", c) for c in cells if c):
            continue  # the separator row
        if len(cells) <= max(fcol, lcol, kcol):
            raise TableError(f"{doc}:{number}: the row has {len(cells)} cells")
        paths = [p.rstrip("/") for p in code_spans(cells[fcol]) if p == "src" or p.startswith("src/")]
        libs = [s for s in code_spans(cells[lcol]) if LIBRARY_NAME.match(s)]
        row_links, vague = parse_links(cells[kcol])
        if len(libs) == 1:
            owners = {p: libs[0] for p in paths}
        elif len(libs) == len(paths) and libs:
            owners = dict(zip(paths, libs))
        else:
            owners = {p: None for p in paths}  # folders promised, library not named yet
        for lib in set(owners.values()) - {None}:
            links.setdefault(lib, [])
            links[lib] += [l for l in row_links if l not in links[lib] and l != lib]
            if vague:
                warnings.append(f"{doc}:{number}: links of {lib} read as {row_links or '(none)'}; "
                                f"ignored: {'; '.join(vague)}")
        for path, lib in owners.items():
            target = files if Path(path).suffix in SOURCE_SUFFIXES else folders
            if lib is None:
                target.setdefault(path, None)
            elif target.get(path) not in (None, lib):
                raise TableError(f"{doc}:{number}: {path} is given to both {target[path]} and {lib}")
            else:
                target[path] = lib
    if not folders:
        raise TableError(f'the "Folders and libraries" table of {doc} names no src/ folder')
    return folders, files, links, warnings


def closure(links):
    """Library -> every library it may use: itself and what it links, transitively."""
    result = {}
    for lib in links:
        seen, todo = {lib}, [lib]
        while todo:
            for dep in links.get(todo.pop(), []):
                if dep not in seen:
                    seen.add(dep)
                    todo.append(dep)
        result[lib] = seen
    return result


def owner(path, folders):
    """The most specific table folder holding path (a posix path relative to the
    repository), or None."""
    best = None
    for folder in folders:
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def includes(path):
    """(line number, bracket, name) of each #include outside comments."""
    in_comment = False
    for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
        code, i = "", 0
        while i < len(line):
            if in_comment:
                end = line.find("*/", i)
                if end < 0:
                    i = len(line)
                else:
                    in_comment, i = False, end + 2
            elif line.startswith("/*", i):
                in_comment, i = True, i + 2
            elif line.startswith("//", i):
                break
            else:
                code += line[i]
                i += 1
        m = INCLUDE.match(code)
        if m:
            yield number, m.group(1), m.group(2).strip()


def resolve(root, including, bracket, name, folders):
    """The repository path of a project header, or None for one from outside src/."""
    if bracket == '"':
        beside = (root / including).parent / name
        if beside.is_file():
            return beside.resolve().relative_to(root.resolve()).as_posix()
    candidate = (Path("src") / name).as_posix()
    if ".." in Path(name).parts:
        return None
    top = owner(candidate, folders)
    if top is not None and top != "src":
        return candidate
    if (root / candidate).is_file():
        return candidate
    return None


def main():
    here = Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--root", type=Path, default=here, help="the repository (default: %(default)s)")
    parser.add_argument("--doc", type=Path, help="the architecture document (default: ROOT/docs/ARCHITECTURE.md)")
    args = parser.parse_args()
    root = args.root.resolve()
    doc = args.doc or root / "docs" / "ARCHITECTURE.md"
    try:
        folders, files, links, warnings = read_table(doc)
    except (OSError, TableError) as e:
        print(f"check-layers: {e}", file=sys.stderr)
        return 2
    for w in warnings:
        print(f"check-layers: warning: {w}", file=sys.stderr)
    allowed = closure(links)
    uses = lambda lib: ", ".join(sorted(allowed[lib] - {lib})) or "no other library"

    def unnamed(folder, path):
        if folder:
            return f"{folder} has no library in the table yet"
        return f"{Path(path).parent.as_posix()} is not in the table"

    problems, homeless, scanned = [], {}, 0
    for path in sorted(p for p in (root / "src").rglob("*") if p.suffix in SOURCE_SUFFIXES and p.is_file()):
        rel = path.relative_to(root).as_posix()
        if rel == COMPOSITION_ROOT:
            continue
        scanned += 1
        folder = owner(rel, folders)
        lib = files.get(rel) or (folders[folder] if folder else None)
        if lib is None:
            # One line per folder rather than per file.
            homeless.setdefault(unnamed(folder, rel), []).append(rel)
            continue
        qt = any(l.startswith(("Qt6::", "Qt::")) for l in links.get(lib, []))
        for number, bracket, name in includes(path):
            header = resolve(root, rel, bracket, name, folders)
            shown = f"#include {bracket}{name}{'>' if bracket == '<' else chr(34)}"
            if header is None:
                if QT_HEADER.match(name) and not qt:
                    problems.append(f"{rel}:{number}: {shown}: a Qt header, but {lib} links no Qt library")
                continue
            hfolder = owner(header, folders)
            hlib = files.get(header) or (folders[hfolder] if hfolder else None)
            if hlib is None:
                problems.append(f"{rel}:{number}: {shown}: {unnamed(hfolder, header)}")
            elif hlib not in allowed[lib]:
                problems.append(f"{rel}:{number}: {shown}: {lib} may not use {hlib} "
                                f"({lib} may use {uses(lib)})")
    for reason, paths in sorted(homeless.items()):
        problems.append(f"{reason}: {len(paths)} file(s) there, e.g. {paths[0]}")
    for p in problems:
        print(p)
    if problems:
        shown_doc = doc.relative_to(root) if doc.resolve().is_relative_to(root) else doc
        print(f"check-layers: {len(problems)} problem(s) with the layers of {shown_doc}", file=sys.stderr)
        return 1
    print(f"check-layers: {scanned} files under src/ keep to the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
