#!/usr/bin/env python3
# Draws Tarvane's application icon: two overlapping postage stamps with
# perforated edges, the front one bearing a blue and green globe. Every size
# is rendered from the same vector description with supersampling, and the
# 16 px image drops the fine detail that would only turn into noise there.
#
# Run from the repository root:
#     python3 resources/icon/make_icon.py [--preview]
# It writes resources/tarvane.ico; --preview also writes
# resources/icon/preview.png with every image at real size and magnified.
#
# All seven images are stored as uncompressed BMP (DIB) entries, never PNG:
# Windows XP cannot read PNG-compressed icon entries, and it needs the 8 bpp
# images with an AND mask for its 256-colour displays. Only the standard
# library is used, and the output is byte-identical from run to run.

import math
import struct
import sys
import zlib
from dataclasses import dataclass
from pathlib import Path

HERE = Path(__file__).resolve().parent
ICO_PATH = HERE.parent / "tarvane.ico"
PREVIEW_PATH = HERE / "preview.png"

SIZES_8BPP = (16, 32, 48)
SIZES_32BPP = (16, 32, 48, 128)

TRANSPARENT = (0.0, 0.0, 0.0, 0.0)


@dataclass(frozen=True)
class Stamp:
    cx: float
    cy: float
    half_w: float
    half_h: float
    angle: float  # degrees, clockwise on screen
    holes_x: int  # perforation steps along the top and bottom edges
    holes_y: int  # perforation steps along the left and right edges
    hole_r: float
    hole_inset: float  # how far inside the edge the hole centres sit
    inset: float  # distance from the paper edge to the printed panel
    paper: tuple
    ink: tuple
    panel: tuple


@dataclass(frozen=True)
class Scene:
    back: Stamp
    front: Stamp
    shadow_dx: float
    shadow_dy: float
    outline: float  # stamp outline width, in unit coordinates
    outline_holes: bool  # False leaves the holes as gaps in a straight outline
    globe_r: float  # the globe sits at the centre of the front stamp
    rim: float
    grid_step: float  # degrees between meridians/parallels; 0 draws none
    grid_w: float  # grid line half-width in radians of arc
    frame: float  # width of the front panel's frame line; 0 draws none
    postmark_w: float  # half-width of the wavy cancellation lines; 0 draws none


# Colours are (r, g, b) in 0..1.
CREAM = (1.0, 0.965, 0.88)
BROWN_INK = (0.45, 0.32, 0.2)
BRICK = (0.82, 0.3, 0.2)
WHITE_PAPER = (0.995, 0.995, 0.985)
SLATE_INK = (0.26, 0.32, 0.4)
SKY = (0.84, 0.92, 0.98)
FRAME_BLUE = (0.18, 0.42, 0.72)
OCEAN = (0.16, 0.5, 0.86)
LAND = (0.3, 0.7, 0.28)
RIM_BLUE = (0.08, 0.26, 0.52)
GRID = (0.92, 0.97, 1.0)
POSTMARK = (0.2, 0.16, 0.14)

# Continents as unions of spherical caps: (latitude, longitude, radius), degrees.
LAND_CAPS = (
    (8, 18, 20), (-12, 26, 15), (-26, 24, 9), (22, 8, 14),  # Africa
    (48, 12, 12), (56, 35, 14), (62, 10, 8),  # Europe
    (-8, -52, 15), (-28, -60, 10), (6, -68, 9),  # South America
    (48, -90, 16), (36, -80, 10),  # North America
)

LIGHT = (-0.45, 0.6, 0.66)  # towards the upper left, facing the viewer


def build_scene(size):
    """Lays out the artwork for one pixel size."""
    return tiny_scene() if size <= 16 else full_scene(size)


def full_scene(size):
    """Tilted stamps with scalloped edges, a framed panel and a gridded globe."""
    px = 1.0 / size
    globe_r = 0.2
    back = Stamp(
        cx=0.37, cy=0.36, half_w=0.27, half_h=0.31, angle=-9.0,
        holes_x=6, holes_y=7, hole_r=max(0.028, 0.7 * px), hole_inset=0.0,
        inset=max(0.075, 1.6 * px),
        paper=CREAM, ink=BROWN_INK, panel=BRICK,
    )
    front = Stamp(
        cx=0.6, cy=0.6, half_w=0.3, half_h=0.35, angle=5.0,
        holes_x=6, holes_y=7, hole_r=max(0.028, 0.7 * px), hole_inset=0.0,
        inset=max(0.07, 1.6 * px),
        paper=WHITE_PAPER, ink=SLATE_INK, panel=SKY,
    )
    return Scene(
        back=back, front=front,
        shadow_dx=max(0.015, 0.6 * px), shadow_dy=max(0.02, 0.8 * px),
        outline=max(0.012, 0.9 * px), outline_holes=True,
        globe_r=globe_r, rim=max(0.01, 0.8 * px),
        grid_step=45.0 if size <= 32 else 30.0,
        grid_w=max(0.025, 0.45 * px / globe_r),
        frame=max(0.008, 0.7 * px),
        postmark_w=0.0 if size < 48 else max(0.01, 0.6 * px),
    )


def tiny_scene():
    """16 px: upright, pixel-aligned stamps whose perforation is every other
    edge pixel, and a plain globe; anything finer would blur into mud."""
    px = 1.0 / 16
    back = Stamp(
        cx=4.5 * px, cy=5.5 * px, half_w=4.5 * px, half_h=5.5 * px, angle=0.0,
        holes_x=4, holes_y=5, hole_r=0.56 * px, hole_inset=0.5 * px,
        inset=2.0 * px,
        paper=CREAM, ink=BROWN_INK, panel=BRICK,
    )
    front = Stamp(
        cx=10.5 * px, cy=9.5 * px, half_w=5.5 * px, half_h=6.5 * px, angle=0.0,
        holes_x=5, holes_y=6, hole_r=0.56 * px, hole_inset=0.5 * px,
        inset=2.0 * px,
        paper=WHITE_PAPER, ink=SLATE_INK, panel=SKY,
    )
    return Scene(
        back=back, front=front,
        # No offset: the front stamp hides its own shadow, which at this
        # size would only smear a grey pixel row along its edge.
        shadow_dx=0.0, shadow_dy=0.0,
        outline=1.0 * px, outline_holes=False,
        globe_r=3.6 * px, rim=0.8 * px,
        grid_step=0.0, grid_w=0.0, frame=0.0, postmark_w=0.0,
    )


def to_local(stamp, x, y):
    """Maps a unit-square point into the stamp's own unrotated frame."""
    a = math.radians(stamp.angle)
    dx, dy = x - stamp.cx, y - stamp.cy
    return (dx * math.cos(a) + dy * math.sin(a),
            -dx * math.sin(a) + dy * math.cos(a))


def nearest_hole(along, half, steps, inset):
    """Distance along an edge to the nearest perforation hole centre; the
    first and last holes sit in the corners."""
    first = -half + inset
    step = 2.0 * (half - inset) / steps
    i = min(max(round((along - first) / step), 0), steps)
    return along - (first + i * step)


def box_distance(stamp, lx, ly):
    return max(abs(lx) - stamp.half_w, abs(ly) - stamp.half_h)


def stamp_distance(stamp, lx, ly):
    """Signed distance to the perforated outline: negative on the paper."""
    along_x = nearest_hole(lx, stamp.half_w, stamp.holes_x, stamp.hole_inset)
    along_y = nearest_hole(ly, stamp.half_h, stamp.holes_y, stamp.hole_inset)
    to_hole = min(
        math.hypot(along_x, abs(ly) - (stamp.half_h - stamp.hole_inset)),
        math.hypot(abs(lx) - (stamp.half_w - stamp.hole_inset), along_y),
    )
    return max(box_distance(stamp, lx, ly), stamp.hole_r - to_hole)


def panel_distance(stamp, lx, ly):
    """Signed distance to the printed panel inside the perforations."""
    return max(abs(lx) - (stamp.half_w - stamp.inset),
               abs(ly) - (stamp.half_h - stamp.inset))


def stamp_region(stamp, scene, lx, ly):
    """Which part of a stamp a point falls on: "ink", "panel", "paper" or None."""
    edge = stamp_distance(stamp, lx, ly)
    if edge >= 0.0:
        return None
    ink_edge = edge if scene.outline_holes else box_distance(stamp, lx, ly)
    if ink_edge > -scene.outline:
        return "ink"
    if panel_distance(stamp, lx, ly) < 0.0:
        return "panel"
    return "paper"


def region_colour(stamp, region):
    return None if region is None else getattr(stamp, region)


def on_postmark(scene, lx, ly):
    """Wavy cancellation lines across the back stamp, as if it had been posted."""
    if scene.postmark_w == 0.0:
        return False
    wave = ly - 0.025 * math.sin(lx * 38.0)
    spacing = 0.07
    line = abs(wave - spacing * round(wave / spacing))
    return line < scene.postmark_w and abs(wave) < 1.6 * spacing


def back_colour(scene, lx, ly):
    """The back stamp, cancelled with a postmark."""
    region = stamp_region(scene.back, scene, lx, ly)
    base = region_colour(scene.back, region)
    if region in ("panel", "paper") and on_postmark(scene, lx, ly):
        return mix(base, POSTMARK, 0.85)
    return base


def sphere_point(u, v):
    """Unit-sphere coordinates (x right, y up, z towards viewer) of a disk point."""
    return u, -v, math.sqrt(max(0.0, 1.0 - u * u - v * v))


def lat_lon(x, y, z):
    """Geographic coordinates, with the globe tipped to show the north."""
    tilt = math.radians(20.0)
    yt = y * math.cos(tilt) + z * math.sin(tilt)
    zt = -y * math.sin(tilt) + z * math.cos(tilt)
    lat = math.degrees(math.asin(max(-1.0, min(1.0, yt))))
    lon = math.degrees(math.atan2(x, zt)) + 5.0
    return lat, lon


def unit_vector(lat, lon):
    la, lo = math.radians(lat), math.radians(lon)
    return (math.cos(la) * math.sin(lo), math.sin(la), math.cos(la) * math.cos(lo))


def is_land(lat, lon):
    p = unit_vector(lat, lon)
    for cap_lat, cap_lon, radius in LAND_CAPS:
        c = unit_vector(cap_lat, cap_lon)
        if p[0] * c[0] + p[1] * c[1] + p[2] * c[2] > math.cos(math.radians(radius)):
            return True
    return False


def on_grid(scene, lat, lon):
    """Whether a point lies on a drawn meridian or parallel."""
    if scene.grid_step == 0.0:
        return False
    step = scene.grid_step
    d_lat = abs(lat - step * round(lat / step))
    d_lon = abs(lon - step * round(lon / step)) * math.cos(math.radians(lat))
    return min(d_lat, d_lon) < math.degrees(scene.grid_w)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def globe_colour(scene, u, v):
    """Shaded colour of the globe at a point of the unit disk."""
    x, y, z = sphere_point(u, v)
    lat, lon = lat_lon(x, y, z)
    base = LAND if is_land(lat, lon) else OCEAN
    if on_grid(scene, lat, lon):
        base = mix(base, GRID, 0.6)
    light = max(0.0, x * LIGHT[0] + y * LIGHT[1] + z * LIGHT[2])
    return tuple(c * (0.6 + 0.45 * light) for c in base)


def front_colour(scene, lx, ly):
    """The front stamp: paper, framed sky panel and the globe on it."""
    region = stamp_region(scene.front, scene, lx, ly)
    if region != "panel":
        return region_colour(scene.front, region)
    r = math.hypot(lx, ly)
    if r < scene.globe_r - scene.rim:
        return globe_colour(scene, lx / scene.globe_r, ly / scene.globe_r)
    if r < scene.globe_r:
        return RIM_BLUE
    if panel_distance(scene.front, lx, ly) > -scene.frame:
        return FRAME_BLUE
    return scene.front.panel


def over(dst, rgb, alpha):
    """Composites a straight-alpha colour over a premultiplied RGBA value."""
    keep = 1.0 - alpha
    return (rgb[0] * alpha + dst[0] * keep, rgb[1] * alpha + dst[1] * keep,
            rgb[2] * alpha + dst[2] * keep, alpha + dst[3] * keep)


def sample(scene, x, y):
    """Premultiplied RGBA of the artwork at one unit-square point."""
    out = TRANSPARENT
    back = back_colour(scene, *to_local(scene.back, x, y))
    if back is not None:
        out = over(out, back, 1.0)
    shadow = to_local(scene.front, x - scene.shadow_dx, y - scene.shadow_dy)
    if stamp_distance(scene.front, *shadow) < 0.0:
        out = over(out, (0.0, 0.0, 0.0), 0.28)
    front = front_colour(scene, *to_local(scene.front, x, y))
    if front is not None:
        out = over(out, front, 1.0)
    return out


def supersampling(size):
    return 8 if size <= 32 else (6 if size <= 48 else 4)


def render_pixel(scene, size, n, px, py):
    """Averages an n-by-n grid of samples into one straight-alpha RGBA pixel."""
    acc = [0.0, 0.0, 0.0, 0.0]
    for j in range(n):
        for i in range(n):
            s = sample(scene, (px + (i + 0.5) / n) / size, (py + (j + 0.5) / n) / size)
            for k in range(4):
                acc[k] += s[k]
    count = n * n
    alpha = acc[3] / count
    if alpha <= 0.0:
        return (0, 0, 0, 0)
    return tuple(round(min(1.0, acc[k] / acc[3]) * 255) for k in range(3)) + (round(alpha * 255),)


def render(size):
    """Top-down rows of straight-alpha (r, g, b, a) byte tuples."""
    scene = build_scene(size)
    n = supersampling(size)
    return [[render_pixel(scene, size, n, x, y) for x in range(size)] for y in range(size)]


# --- palette for the 8 bpp images -------------------------------------------

def median_cut(colours, boxes_wanted):
    """Splits a {rgb: count} histogram into at most boxes_wanted colour boxes."""
    boxes = [sorted(colours.items())]
    while len(boxes) < boxes_wanted:
        index, channel = widest_box(boxes)
        if index is None:
            break
        box = sorted(boxes.pop(index), key=lambda item: (item[0][channel], item[0]))
        cut = median_index(box)
        boxes[index:index] = [box[:cut], box[cut:]]
    return [box_mean(box) for box in boxes]


def widest_box(boxes):
    """The splittable box with the largest count-weighted channel range."""
    best, best_index, best_channel = 0, None, 0
    for index, box in enumerate(boxes):
        if len(box) < 2:
            continue
        weight = sum(count for _, count in box)
        for channel in range(3):
            values = [rgb[channel] for rgb, _ in box]
            score = (max(values) - min(values)) * weight
            if score > best:
                best, best_index, best_channel = score, index, channel
    return best_index, best_channel


def median_index(box):
    """Cut position halving the pixel count, keeping both halves non-empty."""
    half = sum(count for _, count in box) / 2.0
    running = 0
    for i, (_, count) in enumerate(box[:-1]):
        running += count
        if running >= half:
            return i + 1
    return len(box) - 1


def box_mean(box):
    total = sum(count for _, count in box)
    return tuple(round(sum(rgb[c] * count for rgb, count in box) / total) for c in range(3))


def nearest(palette, rgb):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][c] - rgb[c]) ** 2 for c in range(3)))


def is_opaque_8bpp(pixel):
    return pixel[3] >= 128


def quantise(image):
    """Palette (index 0 black for transparent pixels) and top-down index rows."""
    histogram = {}
    for row in image:
        for p in row:
            if is_opaque_8bpp(p):
                histogram[p[:3]] = histogram.get(p[:3], 0) + 1
    palette = [(0, 0, 0)] + median_cut(histogram, 255)
    lookup = {rgb: 1 + nearest(palette[1:], rgb) for rgb in sorted(histogram)}
    rows = [[lookup[p[:3]] if is_opaque_8bpp(p) else 0 for p in row] for row in image]
    return palette + [(0, 0, 0)] * (256 - len(palette)), rows


# --- ICO encoding -----------------------------------------------------------

def info_header(size, bit_count, image_bytes):
    """BITMAPINFOHEADER; icon DIBs count the AND mask in a doubled height."""
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bit_count, 0,
                       image_bytes, 0, 0, 0, 0)


def and_mask(transparent_rows):
    """1 bpp mask, bottom-up, rows padded to 32 bits; set bits are see-through."""
    out = bytearray()
    for row in reversed(transparent_rows):
        bits = bytearray((len(row) + 31) // 32 * 4)
        for x, clear in enumerate(row):
            if clear:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)


def dib_32bpp(image):
    size = len(image)
    pixels = b"".join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(image) for p in row)
    mask = and_mask([[p[3] == 0 for p in row] for row in image])
    return info_header(size, 32, len(pixels) + len(mask)) + pixels + mask


def dib_8bpp(palette, rows, image):
    size = len(image)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    pixels = b"".join(bytes(row) + bytes(-len(row) % 4) for row in reversed(rows))
    mask = and_mask([[not is_opaque_8bpp(p) for p in row] for row in image])
    return info_header(size, 8, len(pixels) + len(mask)) + colours + pixels + mask


def ico_file(entries):
    """ICONDIR plus one ICONDIRENTRY per (size, bit_count, dib) entry."""
    offset = 6 + 16 * len(entries)
    directory = struct.pack("<HHH", 0, 1, len(entries))
    for size, bit_count, dib in entries:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1,
                                 bit_count, len(dib), offset)
        offset += len(dib)
    return directory + b"".join(dib for _, _, dib in entries)


# --- preview ----------------------------------------------------------------

BACKGROUND = (236, 238, 242)


def flatten_32bpp(image):
    return [[tuple(round(p[c] * p[3] / 255 + BACKGROUND[c] * (255 - p[3]) / 255)
                   for c in range(3)) for p in row] for row in image]


def flatten_8bpp(palette, rows, image):
    return [[palette[i] if is_opaque_8bpp(p) else BACKGROUND for i, p in zip(irow, prow)]
            for irow, prow in zip(rows, image)]


def magnification(size):
    return -(-128 // size)


def preview_canvas(tiles):
    """Each image at real size on top and magnified below, in columns."""
    gap = 16
    width = gap + sum(len(t) * magnification(len(t)) + gap for t in tiles)
    height = gap + 128 + gap + max(len(t) * magnification(len(t)) for t in tiles) + gap
    canvas = [[BACKGROUND] * width for _ in range(height)]
    left = gap
    for tile in tiles:
        scale = magnification(len(tile))
        blit(canvas, tile, left, gap, 1)
        blit(canvas, tile, left, gap + 128 + gap, scale)
        left += len(tile) * scale + gap
    return canvas


def blit(canvas, tile, left, top, scale):
    for y, row in enumerate(tile):
        for x, rgb in enumerate(row):
            for dy in range(scale):
                canvas[top + y * scale + dy][left + x * scale:left + (x + 1) * scale] = [rgb] * scale


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_file(canvas):
    raw = b"".join(b"\x00" + bytes(c for rgb in row for c in rgb) for row in canvas)
    header = struct.pack(">IIBBBBB", len(canvas[0]), len(canvas), 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


# --- main -------------------------------------------------------------------

def main(argv):
    images = {size: render(size) for size in sorted(set(SIZES_8BPP + SIZES_32BPP))}
    entries, tiles = [], []
    for size in SIZES_8BPP:
        palette, rows = quantise(images[size])
        entries.append((size, 8, dib_8bpp(palette, rows, images[size])))
        tiles.append(flatten_8bpp(palette, rows, images[size]))
    for size in SIZES_32BPP:
        entries.append((size, 32, dib_32bpp(images[size])))
        tiles.append(flatten_32bpp(images[size]))
    ICO_PATH.write_bytes(ico_file(entries))
    if "--preview" in argv:
        PREVIEW_PATH.write_bytes(png_file(preview_canvas(tiles)))


if __name__ == "__main__":
    main(sys.argv[1:])
