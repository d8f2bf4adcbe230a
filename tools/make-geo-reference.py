#!/usr/bin/env python3
"""Writes the reference tables the geodesy tests compare with.

tests/geo/utm-reference.txt: UTM forward and inverse on all eleven ellipsoids
of the coordinate converter, from PROJ's `proj` (its exact transverse
Mercator, given the ellipsoid as +a= +b=). Every zone and both hemispheres,
points up to 6 degrees from the central meridian, latitudes -80 to 84.

Its last rows, from 6 to 9 degrees off the central meridian (the ground
vantrel-convert --utm --zone reaches), come from GeographicLib's exact
`TransverseMercatorProj`, given the ellipsoid as -e A F.

tests/geo/mgrs-reference.txt: MGRS references from GeographicLib's
`GeoConvert -m` (WGS84), at random points and on the zone and band edges.

Usage: tools/make-geo-reference.py [OUTPUT_FOLDER]   (default tests/geo)
Needs `proj` (Debian package proj-bin), `GeoConvert` and `TransverseMercatorProj`
(geographiclib-tools).
The points come from a fixed seed, so a rerun with the same tools writes the
same files.
"""

import pathlib
import random
import subprocess
import sys

# Index, a and b of the converter's ellipsoid table (src/geo/Ellipsoid.cpp).
ELLIPSOIDS = [
    (6378137.0, 6356752.3142),
    (6378137.0, 6356752.3141),
    (6378135.0, 6356750.5),
    (6378160.0, 6356774.7),
    (6378245.0, 6356863.0),
    (6378388.0, 6356911.9),
    (6378249.1, 6356514.9),
    (6378206.4, 6356583.8),
    (6377563.4, 6356256.9),
    (6377397.2, 6356079.0),
    (6377276.3, 6356075.4),
]
POINTS_PER_GROUP = 17  # 60 zones x 2 hemispheres x 17 = 2040 rows each way
FORWARD = "proj -f %.5f +proj=utm +zone=Z [+south] +a=A +b=B"
INVERSE = "proj -I -f %.10f +proj=utm +zone=Z [+south] +a=A +b=B"
MGRS = "GeoConvert -m -p P   (P = digits per axis - 5)"
FAR = "TransverseMercatorProj -k 0.9996 -e A F -p 6"


def run(command, lines):
    done = subprocess.run(command, input="".join(lines), capture_output=True, text=True,
                          check=True)
    return done.stdout.split("\n")[:len(lines)]


def proj(zone, south, ellipsoid, inverse, pairs):
    a, b = ELLIPSOIDS[ellipsoid]
    command = ["proj", "-I", "-f", "%.10f"] if inverse else ["proj", "-f", "%.5f"]
    command += ["+proj=utm", f"+zone={zone}", f"+a={a}", f"+b={b}"]
    if south:
        command.append("+south")
    out = run(command, [f"{x} {y}\n" for x, y in pairs])
    return [tuple(line.split()) for line in out]


def transverse_mercator(ellipsoid, inverse, pairs):
    a, b = ELLIPSOIDS[ellipsoid]
    command = ["TransverseMercatorProj", "-k", "0.9996", "-e", repr(a), repr((a - b) / a), "-p", "6"]
    if inverse:
        command.append("-r")
    out = run(command, [f"{x} {y}\n" for x, y in pairs])
    return [tuple(line.split()[:2]) for line in out]


def six(value):
    """Six decimals, never 1e-06: the tools read an exponent otherwise."""
    return f"{value:.6f}"


def degrees(points):
    return [(six(lon), six(lat)) for lat, lon in points]


def version(command):
    done = subprocess.run(command, capture_output=True, text=True)
    return (done.stdout + done.stderr).strip().splitlines()[0]


def random_point(rng, zone, south):
    latitude = round(rng.uniform(-80, 0) if south else rng.uniform(0, 84), 6)
    if south and latitude == 0:
        latitude = -0.000001
    longitude = zone * 6 - 183 + rng.uniform(-6, 6)
    longitude = round((longitude + 180) % 360 - 180, 6)
    return latitude, longitude


def utm_rows(rng):
    forward, inverse = [], []
    group = 0
    for zone in range(1, 61):
        for south in (False, True):
            hemisphere = "S" if south else "N"
            ellipsoid = group % len(ELLIPSOIDS)
            points = [random_point(rng, zone, south) for _ in range(POINTS_PER_GROUP)]
            grid = proj(zone, south, ellipsoid, False, degrees(points))
            for (lat, lon), (e, n) in zip(points, grid):
                forward.append(f"{ellipsoid} {zone} {hemisphere} {six(lat)} {six(lon)} {e} {n}")

            # The way back starts from grid coordinates to the millimetre, as
            # people write them, and is computed by the reference on its own.
            ellipsoid = (group + 5) % len(ELLIPSOIDS)
            points = [random_point(rng, zone, south) for _ in range(POINTS_PER_GROUP)]
            grid = proj(zone, south, ellipsoid, False, degrees(points))
            grid = [(f"{float(e):.3f}", f"{float(n):.3f}") for e, n in grid]
            back = proj(zone, south, ellipsoid, True, grid)
            for (e, n), (lon, lat) in zip(grid, back):
                inverse.append(f"{ellipsoid} {zone} {hemisphere} {e} {n} {lat} {lon}")
            group += 1
    return forward, inverse


def far_rows(rng):
    """Each zone on one ellipsoid, both hemispheres, 6 to 9 degrees off its
    meridian; the way back from the grid positions to the millimetre that
    lie within 0 to 1000000 m east."""
    forward, inverse = [], []
    for ellipsoid in range(len(ELLIPSOIDS)):
        points = []
        for zone in range(1 + ellipsoid, 61, len(ELLIPSOIDS)):
            for south in (False, True):
                latitude = round(rng.uniform(-80, 0) if south else rng.uniform(0, 84), 6)
                offset = round(rng.choice((-1, 1)) * rng.uniform(6, 9), 6)
                points.append((zone, south, latitude, offset))
        grid = transverse_mercator(ellipsoid, False, [(six(p[2]), six(p[3])) for p in points])
        back = []
        for (zone, south, latitude, offset), (x, y) in zip(points, grid):
            hemisphere, false_northing = ("S", 10000000) if south else ("N", 0)
            longitude = (zone * 6 - 183 + offset + 180) % 360 - 180
            easting, northing = 500000 + float(x), false_northing + float(y)
            forward.append(f"{ellipsoid} {zone} {hemisphere} {six(latitude)} {six(longitude)} "
                           f"{easting:.5f} {northing:.5f}")
            if 0 <= easting <= 1000000:
                back.append((zone, hemisphere, f"{easting:.3f}", f"{northing:.3f}"))
        points = [(float(e) - 500000, float(n) - (10000000 if h == "S" else 0)) for _, h, e, n in back]
        for (zone, hemisphere, e, n), (lat, offset) in zip(
                back, transverse_mercator(ellipsoid, True, points)):
            longitude = (zone * 6 - 183 + float(offset) + 180) % 360 - 180
            inverse.append(f"{ellipsoid} {zone} {hemisphere} {e} {n} {float(lat):.10f} "
                           f"{longitude:.10f}")
    return forward, inverse


def mgrs_points(rng):
    points = []
    for i in range(540):
        latitude = round(rng.uniform(-80, 84), 6)
        longitude = round(rng.uniform(-180, 180), 6)
        digits = 5 if i % 3 else (i // 3) % 5
        points.append((latitude, longitude, digits))
    # Band and zone edges, the equator, the antimeridian, Norway and Svalbard.
    edges = [(lat, 10.5) for lat in range(-80, 84, 8)] + [(83.999999, 10.5), (-0.000001, 10.5)]
    edges += [(0.5, lon) for lon in range(-180, 180, 6)]
    edges += [(0, 0), (0, 180), (0, 179.999999), (-79.999999, -179.999999)]
    edges += [(56, 3), (63.999999, 2.999999), (64, 3), (60, 11.999999), (60, 12), (55.999999, 3)]
    edges += [(72, 9), (83.999999, 20.999999), (75, 21), (75, 33), (75, 41.999999), (75, 42),
              (71.999999, 0), (78, -0.000001)]
    points += [(lat, lon, 5) for lat, lon in edges]
    return points


def mgrs_rows(rng):
    points = mgrs_points(rng)
    rows = [None] * len(points)
    for digits in range(6):
        chosen = [i for i, p in enumerate(points) if p[2] == digits]
        out = run(["GeoConvert", "-m", "-p", str(digits - 5)],
                  [f"{six(points[i][0])} {six(points[i][1])}\n" for i in chosen])
        for i, reference in zip(chosen, out):
            lat, lon, _ = points[i]
            rows[i] = f"{six(lat)} {six(lon)} {digits} {reference}"
    return rows


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "tests/geo")
    rng = random.Random(26)
    forward, inverse = utm_rows(rng)
    proj_version = version(["proj"])
    header = [
        "# UTM reference for the exact transverse Mercator, written by",
        "# tools/make-geo-reference.py with PROJ " + proj_version + ".",
        "# Ellipsoid index: the converter's table; A and B its radii.",
        "# F ELLIPSOID ZONE HEMISPHERE LATITUDE LONGITUDE EASTING NORTHING",
        "#   from: echo LONGITUDE LATITUDE | " + FORWARD,
        "# I ELLIPSOID ZONE HEMISPHERE EASTING NORTHING LATITUDE LONGITUDE",
        "#   from: echo EASTING NORTHING | " + INVERSE,
    ]
    lines = header + ["F " + r for r in forward] + ["I " + r for r in inverse]
    far_forward, far_inverse = far_rows(random.Random(35))
    lines += [
        "# From 6 to 9 degrees off the central meridian, with "
        + version(["TransverseMercatorProj", "--version"]).split(": ")[-1] + ":",
        "#   F from: echo LATITUDE LONGITUDE-FROM-MERIDIAN | " + FAR,
        "#   I from: echo EASTING-500000 NORTHING-FALSE-NORTHING | " + FAR + " -r",
    ]
    lines += ["F " + r for r in far_forward] + ["I " + r for r in far_inverse]
    (folder / "utm-reference.txt").write_text("\n".join(lines) + "\n")

    header = [
        "# MGRS reference (WGS84), written by tools/make-geo-reference.py with",
        "# " + version(["GeoConvert", "--version"]) + ".",
        "# LATITUDE LONGITUDE DIGITS REFERENCE",
        "#   from: echo LATITUDE LONGITUDE | " + MGRS,
    ]
    (folder / "mgrs-reference.txt").write_text("\n".join(header + mgrs_rows(rng)) + "\n")


if __name__ == "__main__":
    main()
