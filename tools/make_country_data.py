#!/usr/bin/env python3
"""Build the shipped country tables from the country-files cty.csv.

Writes, into the output directory:
  arrlpre2.txt         prefix -> country, continent, position, zones, UTC offset
  ADIFCnt.txt          country name -> DXCC entity number
  COPYING.country-data where the data comes from and its licence

The source is the "big" cty.csv of the country-files project as packaged by
Debian (hamradio-files).  Only plain prefixes are used: exact calls and the
per-prefix zone/position overrides are left out, so every prefix carries its
entity's own values.  The prefix table is reduced to the prefixes that change
the longest-prefix-match answer, which keeps it small without changing any
lookup result.

Output is deterministic: the same input gives byte-identical files.
"""

import argparse
import csv
import re
import sys
from decimal import Decimal, InvalidOperation
from pathlib import Path

DEFAULT_INPUT = Path("/usr/share/hamradio-files/cty.csv")
DEFAULT_COPYRIGHT = Path("/usr/share/doc/hamradio-files/copyright")

# The program looks the first four up by name, so they must not follow the
# source's spelling; the others are the names operators type into the SPC field.
# Keyed by DXCC entity number, which is stable across releases.
RENAMED = {
    291: "USA",
    1: "Canada",
    6: "Alaska",
    110: "Hawaii",
    230: "Germany",
}

# Anything from the first override marker on is an override of zones,
# position, continent or offset; we use the entity's values throughout.
OVERRIDE_RE = re.compile(r"[(\[<{~].*$")
PREFIX_RE = re.compile(r"[A-Z0-9/]+")

EOL = b"\r\n"


class DataError(Exception):
    pass


def number_item(text):
    """Shortest plain decimal for a numeric field ('37.60' -> '37.6')."""
    try:
        value = Decimal(text.strip())
    except InvalidOperation:
        raise DataError(f"not a number: {text!r}") from None
    if not value.is_finite():
        raise DataError(f"not a finite number: {text!r}")
    if value == 0:
        return "0"  # never "-0"
    out = format(value.normalize(), "f")
    if "." in out:
        out = out.rstrip("0").rstrip(".")
    return out


def text_item(text):
    # The item syntax has no escape for a double quote; drop any.
    return '"' + text.replace('"', "") + '"'


class Entity:
    __slots__ = ("name", "dxcc", "continent", "lon", "lat", "cq", "itu",
                 "utc", "prefixes", "wae_only", "label")


def read_entities(path):
    entities = []
    with open(path, newline="", encoding="utf-8") as f:
        for lineno, row in enumerate(csv.reader(f), 1):
            if not row or all(not c.strip() for c in row):
                continue
            if len(row) != 10:
                raise DataError(f"{path}:{lineno}: expected 10 fields, got {len(row)}")
            e = Entity()
            label = row[0].strip()
            # A leading '*' marks an entity that counts only for WAE/CQ
            # purposes (e.g. Sicily, European Turkey), not for DXCC.
            e.wae_only = label.startswith("*")
            e.label = label.lstrip("*")
            e.name = row[1].strip()
            try:
                e.dxcc = int(row[2])
                e.cq = int(row[4])
                e.itu = int(row[5])
            except ValueError:
                raise DataError(f"{path}:{lineno}: bad entity number or zone") from None
            e.continent = row[3].strip().upper()
            # cty.csv has latitude first; longitude and UTC offset are west-positive.
            e.lat = number_item(row[6])
            e.lon = number_item(row[7])
            e.utc = number_item(row[8])

            aliases = row[9].strip()
            if not aliases.endswith(";"):
                raise DataError(f"{path}:{lineno}: alias list does not end in ';'")
            e.prefixes = []
            for alias in aliases[:-1].split():
                if alias.startswith("="):
                    continue  # exact call, not a prefix
                p = OVERRIDE_RE.sub("", alias).upper()
                if not PREFIX_RE.fullmatch(p):
                    raise DataError(f"{path}:{lineno}: odd prefix {alias!r}")
                e.prefixes.append(p)
            entities.append(e)
    if not entities:
        raise DataError(f"{path}: no entities")
    return entities


def dxcc_entities(entities):
    """Entities that are DXCC entities in their own right.

    WAE-only entities share the DXCC number of their parent (IT9 -> Italy);
    their prefixes are left out so they resolve to the parent entity.
    """
    numbers = {e.dxcc for e in entities if not e.wae_only}
    kept = []
    for e in entities:
        if e.wae_only and e.dxcc in numbers:
            continue
        kept.append(e)
    return kept


def display_name(e):
    name = RENAMED.get(e.dxcc, e.name).replace('"', "")
    if not name:
        raise DataError(f"entity {e.label} has no name")
    return name


def build_prefix_table(entities):
    owner = {}
    for e in entities:
        for p in e.prefixes:
            prev = owner.get(p)
            if prev is not None and prev is not e:
                # Ambiguous source; first entity in file order wins.
                print(f"warning: prefix {p} in both {prev.label} and {e.label}; "
                      f"keeping {prev.label}", file=sys.stderr)
                continue
            owner[p] = e

    # Shortest first, so every shorter prefix is settled before a longer one
    # is judged.  A prefix is redundant when the longest kept prefix it
    # starts with already names the same country.
    kept = {}
    for p in sorted(owner, key=lambda s: (len(s), s)):
        name = display_name(owner[p])
        parent = None
        for n in range(len(p) - 1, 0, -1):
            if p[:n] in kept:
                parent = kept[p[:n]]
                break
        if parent is None or display_name(parent) != name:
            kept[p] = owner[p]

    # Byte order keeps each first-character block together and ascending.
    return [(p, kept[p]) for p in sorted(kept, key=lambda s: s.encode("ascii"))]


def encode_line(items):
    return ",".join(items).encode("cp1252") + EOL


def prefix_lines(table):
    for p, e in table:
        yield encode_line([
            text_item(p),
            text_item(display_name(e)),
            text_item(e.continent),
            e.lon,
            e.lat,
            str(e.cq),
            str(e.itu),
            e.utc,
        ])


def country_lines(table):
    numbers = {}
    for _, e in table:
        name = display_name(e)
        if numbers.setdefault(name, e.dxcc) != e.dxcc:
            raise DataError(f"country name {name!r} used for entities "
                            f"{numbers[name]} and {e.dxcc}")
    for name in sorted(numbers, key=lambda s: s.encode("cp1252")):
        yield encode_line([text_item(name), str(numbers[name])])


def find_version(csv_text):
    m = re.search(r"=VER(\d{8})\b", csv_text)
    return m.group(1) if m else None


def copyright_notice(path):
    """The upstream header, the 'Files: *' paragraph and the MIT licence
    paragraph of a machine-readable Debian copyright file, verbatim."""
    text = path.read_text(encoding="utf-8")
    paragraphs = [p for p in re.split(r"\n\s*\n(?=\S)", text.strip("\n"))]
    wanted = []
    for para in paragraphs:
        first = para.splitlines()[0]
        if first.startswith("Format:"):
            # Header: keep the upstream fields, not the format URL.
            lines = [l for l in para.splitlines() if not l.startswith("Format:")]
            wanted.append("\n".join(lines))
        elif first == "Files: *":
            wanted.append(para)
        elif first == "License: MIT":
            wanted.append(para)
    if len(wanted) != 3:
        raise DataError(f"{path}: could not find the upstream copyright and MIT licence")
    return "\n\n".join(wanted) + "\n"


def copying_text(notice, version):
    source = "from cty.csv, the country files of Debian's hamradio-files package"
    if version:
        source += f"\n(country files version {version})"
    head = (
        "arrlpre2.txt and ADIFCnt.txt are generated by tools/make_country_data.py\n"
        + source + ".\n"
        "They are derived from the country-files project by Jim Reisert AD1C\n"
        "(http://www.country-files.com), used under the MIT licence below.\n"
        "\n"
        "Copyright and licence of the source, as stated in the package's\n"
        "copyright file:\n"
        "\n"
    )
    return head + notice


def write_bytes(path, chunks):
    data = b"".join(chunks)
    with open(path, "wb") as f:
        f.write(data)
    return data


def main(argv=None):
    repo_root = Path(__file__).resolve().parent.parent
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("input", nargs="?", type=Path, default=DEFAULT_INPUT,
                    help=f"cty.csv to read (default {DEFAULT_INPUT})")
    ap.add_argument("outdir", nargs="?", type=Path, default=repo_root / "data",
                    help="output directory (default data/ in the repository)")
    ap.add_argument("--copyright", type=Path, default=DEFAULT_COPYRIGHT,
                    help=f"Debian copyright file of the source (default {DEFAULT_COPYRIGHT})")
    args = ap.parse_args(argv)

    try:
        raw = args.input.read_text(encoding="utf-8")
        entities = dxcc_entities(read_entities(args.input))
        table = build_prefix_table(entities)
        if len(table) >= 2500:
            raise DataError(f"prefix table unexpectedly large ({len(table)} lines)")
        notice = copyright_notice(args.copyright)
    except (OSError, DataError) as exc:
        print(f"make_country_data: {exc}", file=sys.stderr)
        return 1

    args.outdir.mkdir(parents=True, exist_ok=True)
    write_bytes(args.outdir / "arrlpre2.txt", prefix_lines(table))
    countries = write_bytes(args.outdir / "ADIFCnt.txt", country_lines(table))
    write_bytes(args.outdir / "COPYING.country-data",
                [copying_text(notice, find_version(raw)).encode("utf-8")])
    print(f"{len(table)} prefixes, {countries.count(EOL)} countries -> {args.outdir}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
