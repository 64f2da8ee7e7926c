#!/usr/bin/env python3
"""Makes the multiplier map picture data/map.png and its seed table src/displays/MapSeeds.cpp.

Run from anywhere, with Debian's gmt, gmt-dcw and gmt-gshhg-low installed:

    python3 tools/map/make-map.py [--check DIR]

Outlines come from the DCW state and province polygons (`gmt coast -E... -M`), the big
lakes from the GSHHG shorelines (`gmt grdlandmask`). The main map is a Lambert conformal
conic projection; Alaska, Hawaii and Puerto Rico with the Virgin Islands sit in insets.
A pixel belongs to an area when its centre lies inside the area's rings (even-odd).
Wherever two different neighbours touch (two areas, or an area and water), one pixel of
the pair turns black, the one of the bigger side (water counts as biggest), so small
states keep their pixels and no fill crosses from one area into another.
--check DIR also writes a 3x enlargement and a picture with every seed filled.
"""

import argparse
import math
import os
import random
import struct
import subprocess
import sys
import tempfile
import zlib
from collections import deque

WIDTH, HEIGHT = 479, 442
LAND = (250, 240, 190)
BORDER = (0, 0, 0)
WATER = (255, 255, 255)
EARTH_KM = 6371.0

# The seeds in the order the map window numbers them: (code, piece).
SEEDS = [
    ("FL", "FL"), ("GA", "GA"), ("AL", "AL"), ("MS", "MS"), ("LA", "LA"), ("SC", "SC"),
    ("PR", "PR"), ("VI", "VI"), ("HI", "HI"), ("NC", "NC"), ("TN", "TN"), ("VA", "VA"),
    ("KY", "KY"), ("WV", "WV"), ("MD", "MD"), ("DE", "DE"), ("NJ", "NJ"), ("PA", "PA"),
    ("OH", "OH"), ("IN", "IN"), ("IL", "IL"), ("WI", "WI"), ("MI", "MI-lower"),
    ("MI", "MI-upper"), ("NY", "NY"), ("CT", "CT"), ("RI", "RI"), ("MA", "MA"), ("VT", "VT"),
    ("NH", "NH"), ("ME", "ME"), ("TX", "TX"), ("OK", "OK"), ("AR", "AR"), ("MO", "MO"),
    ("IA", "IA"), ("MN", "MN"), ("KS", "KS"), ("NE", "NE"), ("SD", "SD"), ("ND", "ND"),
    ("NM", "NM"), ("CO", "CO"), ("WY", "WY"), ("MT", "MT"), ("AZ", "AZ"), ("AK", "AK"),
    ("UT", "UT"), ("ID", "ID"), ("CA", "CA"), ("NV", "NV"), ("OR", "OR"), ("WA", "WA"),
    ("BC", "BC"), ("AB", "AB"), ("SK", "SK"), ("MB", "MB"), ("ON", "ON"), ("QU", "QU"),
    ("NT", "NT"), ("NT", "NT-baffin"), ("LB", "LB"), ("NB", "NB"), ("BC", "BC-vancouver"),
    ("NT", "NT-victoria"), ("NT", "NT-banks"), ("NT", "NT-southampton"), ("NF", "NF"),
    ("NS", "NS"), ("QU", "QU-anticosti"), ("PE", "PE"),
]

US_STATES = """AL AZ AR CA CO CT DE FL GA ID IL IN IA KS KY LA ME MD MA MI MN MS MO MT NE NV NH NJ
NM NY NC ND OH OK OR PA RI SC SD TN TX UT VT VA WA WV WI WY""".split()

# Each area: its DCW polygons and the layer (main map or inset) it is drawn in. District
# of Columbia counts as Maryland.
SOURCES = {code: (["US." + code], "main") for code in US_STATES}
SOURCES["MD"] = (["US.MD", "US.DC"], "main")
SOURCES["AK"] = (["US.AK"], "alaska")
SOURCES["HI"] = (["US.HI"], "hawaii")
SOURCES["PR"] = (["PR"], "caribbean")
SOURCES["VI"] = (["VI"], "caribbean")
SOURCES.update({
    "NS": (["CA.NS"], "main"), "PE": (["CA.PE"], "main"), "NB": (["CA.NB"], "main"),
    "QU": (["CA.QC"], "main"), "ON": (["CA.ON"], "main"), "MB": (["CA.MB"], "main"),
    "SK": (["CA.SK"], "main"), "AB": (["CA.AB"], "main"), "BC": (["CA.BC"], "main"),
    "NT": (["CA.YT", "CA.NT", "CA.NU"], "main"), "LB": (["CA.NL"], "main"),
})

# Pieces of an area that carry seeds of their own: a ring holding one of the points
# (longitude, latitude) belongs to that piece. Newfoundland island and Labrador come as
# one DCW polygon; the island becomes the area NF.
RING_PIECES = {
    "LB": [("NF", [(-56.0, 48.5)])],
    "BC": [("BC-vancouver", [(-125.5, 49.6)])],
    "QU": [("QU-anticosti", [(-63.0, 49.5)])],
    "NT": [
        ("NT-baffin", [(-72.0, 67.0)]),
        ("NT-victoria", [(-115.0, 71.5), (-107.0, 70.0)]),
        ("NT-banks", [(-122.0, 73.0)]),
        ("NT-southampton", [(-84.5, 64.3)]),
    ],
}


def mi_piece(lon, lat):
    """Michigan's Upper Peninsula, cut from the Lower at the Straits of Mackinac."""
    return "MI-upper" if lat > 45.80 or (lat > 45.0 and lon < -86.4) else "MI-lower"


PIXEL_PIECES = {"MI": mi_piece}


class Lambert:
    """Spherical Lambert conformal conic projection, in km, plus a pixel frame."""

    def __init__(self, lon0, lat0, lat1, lat2, km_per_pixel, cx, cy):
        r = math.radians
        self.lon0 = lon0
        if lat1 == lat2:
            self.n = math.sin(r(lat1))
        else:
            self.n = math.log(math.cos(r(lat1)) / math.cos(r(lat2))) / math.log(
                math.tan(math.pi / 4 + r(lat2) / 2) / math.tan(math.pi / 4 + r(lat1) / 2))
        self.f = math.cos(r(lat1)) * math.tan(math.pi / 4 + r(lat1) / 2) ** self.n / self.n
        self.rho0 = self.f / math.tan(math.pi / 4 + r(lat0) / 2) ** self.n
        self.scale = EARTH_KM / km_per_pixel
        self.cx, self.cy = cx, cy  # pixel of the projection centre

    def forward(self, lon, lat):
        rho = self.f / math.tan(math.pi / 4 + math.radians(lat) / 2) ** self.n
        t = self.n * math.radians(lon - self.lon0)
        x = rho * math.sin(t)
        y = self.rho0 - rho * math.cos(t)
        return self.cx + x * self.scale, self.cy - y * self.scale

    def inverse(self, px, py):
        x = (px - self.cx) / self.scale
        y = self.rho0 - (self.cy - py) / self.scale
        rho = math.copysign(math.hypot(x, y), self.n)
        t = math.atan2(x, y)
        lat = 2 * math.atan((self.f / rho) ** (1 / self.n)) - math.pi / 2
        return self.lon0 + math.degrees(t / self.n), math.degrees(lat)


LAYERS = {
    "main": Lambert(-98.0, 55.0, 40.0, 65.0, 12.9, 218.0, 180.0),
    "alaska": Lambert(-152.0, 62.0, 55.0, 65.0, 36.0, 66.0, 402.0),
    "hawaii": Lambert(-157.3, 20.6, 20.6, 20.6, 9.0, 140.0, 416.0),
    "caribbean": Lambert(-66.0, 18.2, 18.2, 18.2, 4.0, 430.0, 424.0),
}


def run(args):
    return subprocess.run(args, capture_output=True, text=True, check=True).stdout


def read_rings(dcw_code):
    rings, ring = [], None
    for line in run(["gmt", "coast", "-E" + dcw_code, "-M"]).splitlines():
        if line.startswith(">"):
            ring = []
            rings.append(ring)
            continue
        fields = line.split()
        if len(fields) >= 2:
            # Longitudes west of Greenwich and the Aleutians east of 180 in one range.
            ring.append((float(fields[0]) % 360.0 - 360.0, float(fields[1])))
    # The Northwestern Hawaiian Islands are left out: only the main islands fit the inset.
    return [r for r in rings if len(r) >= 3 and not (dcw_code == "US.HI" and r[0][0] < -161.0)]


def ring_contains(ring, lon, lat):
    inside = False
    x2, y2 = ring[-1]
    for x1, y1 in ring:
        if (y1 > lat) != (y2 > lat) and lon < x1 + (lat - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
        x2, y2 = x1, y1
    return inside


def rasterise(rings, projection, labels, area_id):
    """Marks the pixels whose centres lie inside the rings (even-odd) with area_id."""
    crossings = {}
    for ring in rings:
        points = [projection.forward(lon, lat) for lon, lat in ring]
        x2, y2 = points[-1]
        for x1, y1 in points:
            if y1 != y2:
                low, high = (y1, y2) if y1 < y2 else (y2, y1)
                first = max(0, math.ceil(low - 0.5))
                last = min(HEIGHT, math.ceil(high - 0.5))
                for row in range(first, last):
                    yc = row + 0.5
                    crossings.setdefault(row, []).append(x1 + (yc - y1) * (x2 - x1) / (y2 - y1))
            x2, y2 = x1, y1
    for row, xs in crossings.items():
        xs.sort()
        base = row * WIDTH
        for i in range(0, len(xs) - 1, 2):
            first = max(0, math.ceil(xs[i] - 0.5))
            last = min(WIDTH, math.ceil(xs[i + 1] - 0.5))
            for col in range(first, last):
                if labels[base + col] == 0:
                    labels[base + col] = area_id


def lake_mask():
    """Big lakes (at least 1500 km2) on a 0.05-degree grid: a function (lon, lat) -> bool."""
    west, east, south, north, step = -140.0, -55.0, 38.0, 72.0, 0.05
    with tempfile.TemporaryDirectory() as folder:
        grid = os.path.join(folder, "lakes.nc")
        run(["gmt", "grdlandmask", f"-R{west}/{east}/{south}/{north}", f"-I{step}", "-Dl",
             "-A1500", "-N0/0/1/0/0", "-G" + grid])
        values = run(["gmt", "grd2xyz", grid, "-ZTLa"]).split()
    columns = round((east - west) / step) + 1
    rows = round((north - south) / step) + 1
    assert len(values) == columns * rows
    wet = bytearray(1 if v.startswith("1") else 0 for v in values)

    def is_lake(lon, lat):
        col = round((lon - west) / step)
        row = round((north - lat) / step)
        return 0 <= col < columns and 0 <= row < rows and wet[row * columns + col] == 1

    return is_lake


def check_insets_apart(labels, inset_ids):
    """Stops when an inset comes within three pixels of the main map's land."""
    for index, label in enumerate(labels):
        if label not in inset_ids:
            continue
        x, y = index % WIDTH, index // WIDTH
        for ny in range(max(0, y - 3), min(HEIGHT, y + 4)):
            for nx in range(max(0, x - 3), min(WIDTH, x + 4)):
                other = labels[ny * WIDTH + nx]
                if other and other not in inset_ids:
                    sys.exit(f"inset land at {x},{y} touches the main map")


def neighbours(index):
    x, y = index % WIDTH, index // WIDTH
    if x > 0:
        yield index - 1
    if x + 1 < WIDTH:
        yield index + 1
    if y > 0:
        yield index - WIDTH
    if y + 1 < HEIGHT:
        yield index + WIDTH


def components(labels):
    """4-connected components of equal labels: (component of each pixel, their sizes)."""
    comp = [-1] * len(labels)
    sizes = []
    for start in range(len(labels)):
        if comp[start] >= 0:
            continue
        label, number = labels[start], len(sizes)
        comp[start] = number
        queue, size = [start], 0
        while queue:
            index = queue.pop()
            size += 1
            for n in neighbours(index):
                if comp[n] < 0 and labels[n] == label:
                    comp[n] = number
                    queue.append(n)
        sizes.append(size)
    return comp, sizes


def tidy(labels, keep):
    """Drops specks: land pieces under 4 pixels become water (unless their piece is in keep,
    the seeded piece), lakes under 16 pixels become the land around them."""
    comp, sizes = components(labels)
    biggest = {}
    for index, label in enumerate(labels):
        if label and sizes[comp[index]] > sizes[comp[biggest.get(label, index)]]:
            biggest[label] = index
        biggest.setdefault(label, index)
    holes = set()
    for index, label in enumerate(labels):
        if sizes[comp[index]] >= (4 if label else 16):
            continue
        if label and not (label in keep and comp[biggest[label]] == comp[index]):
            labels[index] = 0
        elif not label:
            holes.add(index)
    # Lakes fill from their shores inwards.
    while holes:
        done = {}
        for index in holes:
            around = [labels[n] for n in neighbours(index) if labels[n]]
            if around:
                done[index] = max(sorted(set(around)), key=around.count)
        if not done:
            break
        for index, label in done.items():
            labels[index] = label
        holes -= set(done)


def borders(labels):
    """Black pixels: of every two 4-neighbours with different labels, the one of the
    bigger area (water biggest)."""
    size = {}
    for label in labels:
        size[label] = size.get(label, 0) + 1
    size[0] = len(labels) + 1
    black = bytearray(len(labels))
    for index, label in enumerate(labels):
        x, y = index % WIDTH, index // WIDTH
        for n in ((index + 1) if x + 1 < WIDTH else -1, (index + WIDTH) if y + 1 < HEIGHT else -1):
            if n < 0 or labels[n] == label:
                continue
            other = labels[n]
            if (size[label], label) > (size[other], other):
                black[index] = 1
            else:
                black[n] = 1
    return black


def distance_inside(labels, black):
    """Chamfer (3-4) distance from each pixel to the nearest pixel of another label or black."""
    big = 1 << 30
    dist = [0 if black[i] or not labels[i] else big for i in range(len(labels))]

    def same(a, b):
        return labels[a] == labels[b] and not black[b]

    for y in range(HEIGHT):
        for x in range(WIDTH):
            i = y * WIDTH + x
            if not dist[i]:
                continue
            # The picture's edge counts as the edge of the area.
            best = dist[i] if x and y and x + 1 < WIDTH and y + 1 < HEIGHT else 3
            for dx, dy, cost in ((-1, 0, 3), (0, -1, 3), (-1, -1, 4), (1, -1, 4)):
                nx, ny = x + dx, y + dy
                if 0 <= nx < WIDTH and 0 <= ny < HEIGHT:
                    n = ny * WIDTH + nx
                    best = min(best, (dist[n] if same(i, n) else 0) + cost)
            dist[i] = best
    for y in range(HEIGHT - 1, -1, -1):
        for x in range(WIDTH - 1, -1, -1):
            i = y * WIDTH + x
            if not dist[i]:
                continue
            best = dist[i]
            for dx, dy, cost in ((1, 0, 3), (0, 1, 3), (1, 1, 4), (-1, 1, 4)):
                nx, ny = x + dx, y + dy
                if 0 <= nx < WIDTH and 0 <= ny < HEIGHT:
                    n = ny * WIDTH + nx
                    best = min(best, (dist[n] if same(i, n) else 0) + cost)
            dist[i] = best
    return dist


def write_png(path, rgb_rows, width, height):
    raw = b"".join(b"\x00" + bytes(row) for row in rgb_rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def picture_rows(colours, scale=1):
    rows = []
    for y in range(HEIGHT):
        row = bytearray()
        for x in range(WIDTH):
            row += bytes(colours[y * WIDTH + x]) * scale
        for _ in range(scale):
            rows.append(row)
    return rows


def write_seeds(path, seeds):
    lines = [
        "// Generated by tools/map/make-map.py with data/map.png: edit the script, not this file.",
        "#include \"displays/MapSeeds.h\"",
        "",
        "namespace qv {",
        "",
        "const std::array<MapSeed, kMapSeedCount>& mapSeeds() {",
        "    static constexpr std::array<MapSeed, kMapSeedCount> kSeeds{{",
    ]
    entries = [f"{{\"{code}\", {x}, {y}}}," for code, x, y in seeds]
    width = max(len(entry) for entry in entries)
    lines += [f"        {entry.ljust(width)} // {i}" for i, entry in enumerate(entries)]
    lines += ["    }};", "    return kSeeds;", "}", "", "} // namespace qv", ""]
    with open(path, "w", newline="\n") as out:
        out.write("\n".join(lines))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", metavar="DIR", help="also write check pictures there")
    args = parser.parse_args()
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

    # Areas: piece name -> (rings, layer); a piece of its own for each seeded piece.
    pieces = {}
    for area, (dcw_codes, layer) in SOURCES.items():
        for dcw in dcw_codes:
            for ring in read_rings(dcw):
                piece = area
                for name, points in RING_PIECES.get(area, []):
                    if any(ring_contains(ring, lon, lat) for lon, lat in points):
                        piece = name
                pieces.setdefault(piece, ([], layer))[0].append(ring)
    names = sorted(set(pieces) | {"MI-upper", "MI-lower"})
    ident = {name: i + 1 for i, name in enumerate(names)}
    code_of = {ident[name]: name.split("-")[0] for name in names}

    labels = [0] * (WIDTH * HEIGHT)
    for name in names:
        if name in pieces:
            rings, layer = pieces[name]
            rasterise(rings, LAYERS[layer], labels, ident[name])

    # Big lakes are water; Michigan's peninsulas are pieces of their own.
    is_lake = lake_mask()
    main_ids = {ident[n] for n in names if n in pieces and pieces[n][1] == "main"}
    main = LAYERS["main"]
    for index, label in enumerate(labels):
        if label in main_ids:
            lon, lat = main.inverse(index % WIDTH + 0.5, index // WIDTH + 0.5)
            if is_lake(lon, lat):
                labels[index] = 0
            elif code_of[label] in PIXEL_PIECES:
                labels[index] = ident[PIXEL_PIECES[code_of[label]](lon, lat)]

    check_insets_apart(labels, {ident[n] for n in names if n in pieces and pieces[n][1] != "main"})
    seeded = {ident[piece] for _, piece in SEEDS}
    tidy(labels, seeded)
    black = borders(labels)
    final = [0 if black[i] else labels[i] for i in range(len(labels))]
    comp, sizes = components(final)
    dist = distance_inside(labels, black)

    seeds = []
    for code, piece in SEEDS:
        area = ident[piece]
        # The biggest piece of the area, then its pixel deepest inside.
        count = {}
        for index, label in enumerate(final):
            if label == area:
                count[comp[index]] = count.get(comp[index], 0) + 1
        if not count:
            sys.exit(f"no pixels left for {piece}")
        best_comp = max(count, key=count.get)
        best = max((i for i in range(len(final)) if comp[i] == best_comp),
                   key=lambda i: (dist[i], -i))
        seeds.append((code, best % WIDTH, best // WIDTH))
        print(f"{piece:16} {code} {best % WIDTH:4} {best // WIDTH:4} pixels {count[best_comp]}")

    colours = [BORDER if black[i] else (LAND if labels[i] else WATER) for i in range(len(labels))]
    write_png(os.path.join(root, "data", "map.png"), picture_rows(colours), WIDTH, HEIGHT)
    write_seeds(os.path.join(root, "src", "displays", "MapSeeds.cpp"), seeds)

    if args.check:
        os.makedirs(args.check, exist_ok=True)
        write_png(os.path.join(args.check, "map-3x.png"), picture_rows(colours, 3),
                  WIDTH * 3, HEIGHT * 3)
        rng = random.Random(1)
        filled = list(colours)
        for code, x, y in seeds:
            fill = (rng.randrange(40, 230), rng.randrange(40, 230), rng.randrange(40, 230))
            start = y * WIDTH + x
            todo = deque([start])
            seen = {start}
            while todo:
                index = todo.popleft()
                filled[index] = fill
                for n in neighbours(index):
                    if n not in seen and colours[n] == colours[start]:
                        seen.add(n)
                        todo.append(n)
        write_png(os.path.join(args.check, "filled.png"), picture_rows(filled), WIDTH, HEIGHT)
        write_png(os.path.join(args.check, "filled-3x.png"), picture_rows(filled, 3),
                  WIDTH * 3, HEIGHT * 3)


if __name__ == "__main__":
    main()
