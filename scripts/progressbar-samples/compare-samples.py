#!/usr/bin/env python3
"""Compares the progress bar samples two back ends rendered into two folders.

    compare-samples.py QT_DIR GDI_DIR

Every sample must be in both, of the same size. A sample whose name starts with "xp-" is the
platform's visual styles and is not compared. A sample whose name holds "caption" may differ
only inside the box where either back end's caption changed pixels (glyphs.txt in each
folder), and the two boxes must cover the same place (each overlapping at least half of the
other); every other sample must agree pixel for pixel. Exits 1 when a sample does not.
"""
import pathlib
import struct
import sys


def read_bitmap(path):
    """The (width, height, pixels) of a 32-bit BI_RGB bitmap file; pixels top line first."""
    data = path.read_bytes()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits != 32 or compression != 0:
        raise ValueError(f"{path}: not a 32-bit BI_RGB bitmap")
    rows = [data[offset + 4 * width * y: offset + 4 * width * (y + 1)] for y in range(abs(height))]
    if height > 0:
        rows.reverse()
    return width, abs(height), [struct.unpack(f"<{width}I", row) for row in rows]


def read_glyphs(folder):
    boxes = {}
    for line in (folder / "glyphs.txt").read_text().splitlines():
        name, *box = line.split()
        boxes[name] = tuple(int(v) for v in box)
    return boxes


def overlap(a, b):
    """The area a and b share, (left, top, right, bottom) boxes."""
    return max(0, min(a[2], b[2]) - max(a[0], b[0])) * max(0, min(a[3], b[3]) - max(a[1], b[1]))


def area(box):
    return (box[2] - box[0]) * (box[3] - box[1])


def main(qt_dir, gdi_dir):
    qt_dir, gdi_dir = pathlib.Path(qt_dir), pathlib.Path(gdi_dir)
    qt_glyphs, gdi_glyphs = read_glyphs(qt_dir), read_glyphs(gdi_dir)
    counts = {"exact": 0, "caption": 0, "themed": 0}
    failures = []
    for qt_file in sorted(qt_dir.glob("*.bmp")):
        name = qt_file.stem
        if name.startswith("xp-"):
            counts["themed"] += 1
            continue
        gdi_file = gdi_dir / qt_file.name
        if not gdi_file.exists():
            failures.append(f"{name}: no GDI rendering")
            continue
        qt, gdi = read_bitmap(qt_file), read_bitmap(gdi_file)
        if qt[:2] != gdi[:2]:
            failures.append(f"{name}: {qt[0]}x{qt[1]} against {gdi[0]}x{gdi[1]}")
            continue
        allowed = (0, 0, 0, 0)
        if "caption" in name:
            boxes = [b for b in (qt_glyphs.get(name), gdi_glyphs.get(name)) if b and b[2] > 0]
            if len(boxes) != 2:
                failures.append(f"{name}: a back end drew no caption")
                continue
            if 2 * overlap(*boxes) < min(area(b) for b in boxes):
                failures.append(f"{name}: the captions stand in different places, "
                                f"Qt {boxes[0]}, GDI {boxes[1]}")
                continue
            allowed = (min(b[0] for b in boxes), min(b[1] for b in boxes),
                       max(b[2] for b in boxes), max(b[3] for b in boxes))
        outside = [(x, y) for y, (a, b) in enumerate(zip(qt[2], gdi[2]))
                   for x, (p, q) in enumerate(zip(a, b))
                   if (p ^ q) & 0xFFFFFF and not (allowed[0] <= x < allowed[2]
                                                  and allowed[1] <= y < allowed[3])]
        if outside:
            x, y = outside[0]
            failures.append(f"{name}: {len(outside)} pixels differ, the first at {x},{y}: "
                            f"Qt {qt[2][y][x] & 0xFFFFFF:06x}, GDI {gdi[2][y][x] & 0xFFFFFF:06x}")
        else:
            counts["caption" if "caption" in name else "exact"] += 1
    print(f"{counts['exact']} samples agree pixel for pixel, {counts['caption']} captioned ones "
          f"outside their glyphs; {counts['themed']} visual-styles samples not compared.")
    for failure in failures:
        print("differ:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
