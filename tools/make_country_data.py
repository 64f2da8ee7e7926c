#!/usr/bin/env python3
"""Build the shipped country tables from the country-files cty.csv.

Writes, into the output directory:
  arrlpre2.txt         prefix -> country, continent, position, zones, UTC offset
  ADIFCnt.txt          country name -> DXCC entity number
  COPYING.country-data where the data comes from and its licence

The source is the "big" cty.csv of the country-files project as packaged by
Debian (hamradio-files).  Prefixes and exact calls ("=4U1UN") both become
entries of the prefix table; an exact call is then matched like a prefix, so it
also answers for longer calls that begin with it.  Some entities (United
Nations HQ, Bouvet, Scarborough Reef, ...) are known only by exact calls.  The
per-alias zone and position overrides are left out, so every entry carries its
entity's own values.  The table is reduced to the entries that change the
longest-prefix-match answer, which keeps it small without changing any lookup
result.  The source has far more exact calls than the table's 2500 lines can
hold; build_prefix_table says which are kept.  ADIFCnt.txt lists every DXCC
entity of the source.

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
# Pseudo-calls that carry the release ("=VERSION", "=VER20230502").
VERSION_CALL_RE = re.compile(r"VER(SION|\d{8})")

# The program reads at most this many prefix-table lines.
TABLE_CAPACITY = 2500

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
                 "utc", "prefixes", "calls", "wae_only", "label")


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
            e.calls = []
            for alias in aliases[:-1].split():
                exact = alias.startswith("=")
                p = OVERRIDE_RE.sub("", alias[1:] if exact else alias).upper()
                if not PREFIX_RE.fullmatch(p):
                    raise DataError(f"{path}:{lineno}: odd prefix {alias!r}")
                if not exact:
                    e.prefixes.append(p)
                elif not VERSION_CALL_RE.fullmatch(p):
                    e.calls.append(p)
            entities.append(e)
    if not entities:
        raise DataError(f"{path}: no entities")
    return entities


def dxcc_entities(entities):
    """Entities that are DXCC entities in their own right.

    WAE-only entities share the DXCC number of their parent (IT9 -> Italy);
    their prefixes and exact calls are left out so they resolve to the parent
    entity (which lists their exact calls again).
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


def working_call(call):
    """The part of a call the program looks up: the part after the first '/'
    when it is short enough to be a location (W1AW/KH6 -> KH6), otherwise the
    whole call (W1AW/P, F/W1AW)."""
    slash = call.find("/")
    if slash < 0:
        return call
    n = len(call) - (slash + 1)
    if 1 < n < len(call) / 2:
        return call[slash + 1:]
    return call


def longest_entry(kept, text, longest):
    """The entity of the longest entry of kept, at most `longest` characters,
    that text starts with; None without one."""
    for n in range(min(longest, len(text)), 0, -1):
        e = kept.get(text[:n])
        if e is not None:
            return e
    return None


def reduce_entries(owner):
    """The entries that change the longest-prefix answer.

    Shortest first, so every shorter entry is settled before a longer one is
    judged.  An entry is redundant when the longest kept entry it starts with
    already names the same country; dropping it changes no answer.
    """
    kept = {}
    for p in sorted(owner, key=lambda s: (len(s), s)):
        parent = longest_entry(kept, p, len(p) - 1)
        if parent is None or display_name(parent) != display_name(owner[p]):
            kept[p] = owner[p]
    return kept


def prefix_owners(entities):
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
    return owner


def call_owners(entities, prefixes):
    """The exact calls that can become entries of their own.

    One entry answers for the call and every longer call, so where a call is
    also a prefix the prefix keeps the entry (EF6 is a Spanish call, but EF6
    also starts every Balearic call).  Two kinds of call could never be
    chosen: one the program looks up by its location part instead
    (W3ASA/KC4 -> KC4), and a KG4 call of more than five characters, which
    the program takes for the USA whatever the table says.
    """
    owner = {}
    for e in entities:
        for c in e.calls:
            if working_call(c) != c or c in prefixes:
                continue
            if c.startswith("KG4") and len(c) > 5:
                continue
            prev = owner.get(c)
            if prev is not None and prev is not e:
                print(f"warning: call {c} in both {prev.label} and {e.label}; "
                      f"keeping {prev.label}", file=sys.stderr)
                continue
            owner[c] = e
    return owner


def spot_lookup_scans_every_entry(size):
    """Whether the program's DX-spot lookup can reach every entry of a table
    of this size.  It starts its scan at the single-precision position
    size * (c - 64) / 26 (c the code of the call's first character, 'A' for
    a digit) and steps by whole numbers, rounding each position half to even:
    a start ending in .5 (an odd size, for calls beginning with M) reaches
    only every other entry, and a start whose fraction is .5 or more stops
    its scan down the digit blocks at entry 2."""
    return size % 2 == 0 and size % 26 < 13


def pad_for_spot_lookup(kept, prefixes):
    """kept with as few prefixes the reduction dropped as bring it to a size
    the DX-spot lookup scans completely.  A dropped prefix names the same
    country as the longest kept entry it starts with, so it changes no answer.
    """
    spare = sorted((p for p in prefixes if p not in kept), key=lambda s: (len(s), s))
    padded = dict(kept)
    for p in spare:
        if spot_lookup_scans_every_entry(len(padded)):
            break
        padded[p] = prefixes[p]
    return padded


def sorted_table(kept):
    # Byte order keeps each first-character block together and ascending.
    return [(p, kept[p]) for p in sorted(kept, key=lambda s: s.encode("ascii"))]


def build_prefix_table(entities):
    """The reduced table of prefixes and exact calls, at most TABLE_CAPACITY
    lines.

    cty.csv lists far more exact calls than the table can hold; most of them
    are residents whose call names a neighbouring entity of the same
    administration (KL7 calls in the lower 48, R1 calls in Siberia, G calls in
    Wales), a few are the stations of a place that has few calls of its own
    (KC4AAA at the South Pole, R1FJL on Franz Josef Land, 4U1UN).  So:

    - the calls of an entity that no prefix reaches are always kept;
    - a call that already gets its own entity from the prefixes is kept (it
      costs a line only where a shorter kept call would take it elsewhere);
    - the others are grouped by the entity the prefixes give, the entity of
      the call, and whether the call has a '/' (a portable or guest form):
      a few stations at a place stand out from hundreds of residents and
      visitors.  Groups are taken smallest first, every group of one size
      together, up to the largest size that keeps the table within its
      capacity, counting the few dropped prefixes that may be put back for
      the DX-spot lookup's sake (pad_for_spot_lookup).
    """
    prefixes = prefix_owners(entities)
    calls = call_owners(entities, prefixes)
    base = reduce_entries(prefixes)
    reached = {display_name(e) for e in base.values()}

    always = {}
    groups = {}
    for c, e in calls.items():
        answer = longest_entry(base, c, len(c))
        name = display_name(e)
        if name not in reached or (answer is not None and display_name(answer) == name):
            always[c] = e
        else:
            key = (display_name(answer) if answer else "", name, "/" in c)
            groups.setdefault(key, []).append(c)

    owner = dict(prefixes)
    owner.update(always)
    kept, cut = None, 0
    for size in [0] + sorted({len(g) for g in groups.values()}):
        trial = dict(owner)
        for g in groups.values():
            if len(g) <= size:
                trial.update((c, calls[c]) for c in g)
        padded = pad_for_spot_lookup(reduce_entries(trial), prefixes)
        if len(padded) > TABLE_CAPACITY:
            break
        kept, cut = padded, size
    if kept is None or not spot_lookup_scans_every_entry(len(kept)):
        raise DataError(f"prefix table too large (at most {TABLE_CAPACITY} lines "
                        f"at a size the DX-spot lookup scans completely)")

    named = {display_name(e) for e in kept.values()}
    lost = [e.label for e in entities if display_name(e) not in named]
    if lost:
        raise DataError(f"entities without a reachable entry: {' '.join(lost)}")
    left_out = sum(len(g) for g in groups.values() if len(g) > cut)
    print(f"exact calls: groups of up to {cut} kept, {left_out} calls in larger "
          f"groups left out")
    return sorted_table(kept)


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


def country_lines(entities):
    numbers = {}
    for e in entities:
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
        notice = copyright_notice(args.copyright)
    except (OSError, DataError) as exc:
        print(f"make_country_data: {exc}", file=sys.stderr)
        return 1

    args.outdir.mkdir(parents=True, exist_ok=True)
    write_bytes(args.outdir / "arrlpre2.txt", prefix_lines(table))
    countries = write_bytes(args.outdir / "ADIFCnt.txt", country_lines(entities))
    write_bytes(args.outdir / "COPYING.country-data",
                [copying_text(notice, find_version(raw)).encode("utf-8")])
    print(f"{len(table)} entries, {countries.count(EOL)} countries -> {args.outdir}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
