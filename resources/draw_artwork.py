#!/usr/bin/python3
"""Draws all of Caldorine's artwork into resources/art/.

    /usr/bin/python3 resources/draw_artwork.py           # (re)write the files
    /usr/bin/python3 resources/draw_artwork.py --check   # verify the committed files

Everything is drawn from geometry, so the output is the same on every run.
The window's pictures also come at twice the resolution ("@2x" files) for
screens of 150 % and 200 % scale. Needs Debian's python3-pil.
"""

import io
import math
import os
import struct
import sys

from PIL import Image

ART_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "art")

PANEL = (255, 192, 128)       # the window's and the thermometer box's back colour
MERCURY = (178, 24, 0)        # the colour the program draws the mercury column in
TUBE_RED = (214, 28, 16)
OUTSIDE = (128, 128, 128)     # never seen: lies outside the window outline

# Bevel colours of the orange panel.
HILITE_OUTER = (255, 238, 214)
HILITE_INNER = (255, 217, 174)
SHADOW_INNER = (206, 136, 72)
SHADOW_OUTER = (146, 84, 30)

# Window outline: rounded rectangles (left, top, right, bottom exclusive,
# corner ellipse width, height).
PANEL_RECT = (1, 22, 209, 327, 48, 40)
TAB_RECT = (64, 1, 150, 36, 20, 10)
BACKGROUND_SIZE = (209, 328)

# Sunken area behind the frames, drop-down and List button (inclusive).
RECESS = (9, 42, 104, 284)

THERMO_SIZE = (96, 273)
# The thermometer box the picture lies in: its size in logical pixels and its
# user coordinates (left, top, width, height), as the program sets them.
THERMO_BOX = (97, 273)
THERMO_USER = (-1.0, -1.15, 2.0, 1.48)
MERCURY_X = (-0.07, 0.0)          # user x of the mercury column
TUBE_TOP_ROW = 19                 # full-width inside from here (y about -1.05)


def box_pixel(user_x, user_y):
    """Logical pixel position of a point in the thermometer box's user units."""
    left, top, width, height = THERMO_USER
    return ((user_x - left) * THERMO_BOX[0] / width, (user_y - top) * THERMO_BOX[1] / height)


def tube_columns(scale=1):
    """Device columns the program fills with mercury: both ends rounded outwards."""
    left = math.floor(box_pixel(MERCURY_X[0], 0)[0] * scale)
    right = math.ceil(box_pixel(MERCURY_X[1], 0)[0] * scale)
    return range(left, right)


def tube_zero_row(scale=1):
    """First device row the mercury fills at user y = 0."""
    return math.floor(box_pixel(0, 0.0)[1] * scale)


TUBE_COLUMNS = tube_columns()      # inside of the tube: user x -0.07 .. 0
TUBE_ZERO_ROW = tube_zero_row()    # first row below user y = 0
BULB_CENTRE = (47.0, 226.0)
BULB_RADIUS = 12.0


# ---------------------------------------------------------------- helpers

def supersample(width, height, colour_at, box=None, steps=4, base=None):
    """Averages colour_at over steps x steps points per pixel (anti-aliasing).

    colour_at(x, y) gets continuous coordinates (pixel (i, j) spans
    i..i+1, j..j+1) and returns an (r, g, b) or (r, g, b, a) tuple, or None
    for nothing (transparent). Returns an RGBA image.
    """
    image = base.copy() if base is not None else Image.new("RGBA", (width, height), (0, 0, 0, 0))
    x0, y0, x1, y1 = box if box else (0, 0, width, height)
    pixels = image.load()
    offsets = [(k + 0.5) / steps for k in range(steps)]
    count = steps * steps
    for j in range(y0, y1):
        for i in range(x0, x1):
            r = g = b = a = 0
            for dy in offsets:
                for dx in offsets:
                    c = colour_at(i + dx, j + dy)
                    if c is None:
                        continue
                    alpha = c[3] if len(c) == 4 else 255
                    r += c[0] * alpha
                    g += c[1] * alpha
                    b += c[2] * alpha
                    a += alpha
            if a == 0:
                if base is None:
                    pixels[i, j] = (0, 0, 0, 0)
                continue
            colour = (round(r / a), round(g / a), round(b / a))
            coverage = a / (255 * count)
            if base is not None:
                under = pixels[i, j]
                colour = tuple(round(colour[k] * coverage + under[k] * (1 - coverage)) for k in range(3))
                pixels[i, j] = colour + (255,)
            else:
                pixels[i, j] = colour + (round(a / count),)
    return image


def majority_sample(width, height, colour_at, steps=8):
    """Gives each pixel the colour most of its sample points have (no new colours)."""
    image = Image.new("RGBA", (width, height), (0, 0, 0, 0))
    pixels = image.load()
    offsets = [(k + 0.5) / steps for k in range(steps)]
    for j in range(height):
        for i in range(width):
            votes = {}
            for dy in offsets:
                for dx in offsets:
                    c = colour_at(i + dx, j + dy)
                    key = (0, 0, 0, 0) if c is None else tuple(c[:3]) + (255,)
                    votes[key] = votes.get(key, 0) + 1
            pixels[i, j] = max(sorted(votes), key=lambda k: votes[k])
    return image


def to_palette_image(rgb, keep=()):
    """Turns an RGB image into a palette image, keeping the given colours exact."""
    colours = sorted({c for _, c in rgb.getcolors(rgb.width * rgb.height)})
    if len(colours) > 256:
        keep = sorted(set(keep))
        reduced = rgb.quantize(colors=256 - len(keep), method=Image.Quantize.MEDIANCUT,
                               dither=Image.Dither.NONE).convert("RGB")
        colours = sorted(set(keep) | {c for _, c in reduced.getcolors(256)})
    flat = [v for c in colours for v in c]
    palette = Image.new("P", (1, 1))
    palette.putpalette(flat + [0] * (768 - len(flat)))
    return rgb.quantize(palette=palette, dither=Image.Dither.NONE)


def encode(image, fmt, **options):
    out = io.BytesIO()
    image.save(out, fmt, **options)
    return out.getvalue()


def in_round_rect(x, y, rect):
    """True when the point lies in the rounded rectangle (right/bottom exclusive)."""
    left, top, right, bottom, cw, ch = rect
    if not (left <= x < right and top <= y < bottom):
        return False
    a, b = cw / 2, ch / 2
    cx = left + a if x < left + a else right - a if x > right - a else None
    cy = top + b if y < top + b else bottom - b if y > bottom - b else None
    if cx is None or cy is None:
        return True
    return ((x - cx) / a) ** 2 + ((y - cy) / b) ** 2 <= 1.0


def in_outline(x, y):
    return in_round_rect(x, y, PANEL_RECT) or in_round_rect(x, y, TAB_RECT)


def outline_masks(width, height, scale=1):
    """Pixels touched by the outline at all, and those whose centre lies in it.

    width and height count device pixels, scale of them to a logical pixel.
    """
    touched = set()
    centred = set()
    points = [(k + 0.5) / 8 for k in range(8)] + [0.0, 0.999]
    for j in range(height):
        for i in range(width):
            if in_outline((i + 0.5) / scale, (j + 0.5) / scale):
                centred.add((i, j))
                touched.add((i, j))
            elif any(in_outline((i + dx) / scale, (j + dy) / scale) for dy in points for dx in points):
                touched.add((i, j))
    return touched, centred


NEIGHBOURS_8 = [(dx, dy) for dy in (-1, 0, 1) for dx in (-1, 0, 1) if dx or dy]


def erode(mask):
    return {p for p in mask if all((p[0] + dx, p[1] + dy) in mask for dx, dy in NEIGHBOURS_8)}


def dilate(mask):
    return mask | {(p[0] + dx, p[1] + dy) for p in mask for dx, dy in NEIGHBOURS_8}


def faces_up_left(mask, p, reach=3):
    """True when the edge at p faces up or left (lit), from nearby outside pixels."""
    nx = ny = 0
    for dy in range(-reach, reach + 1):
        for dx in range(-reach, reach + 1):
            if (p[0] + dx, p[1] + dy) not in mask:
                nx += dx
                ny += dy
    s = nx + ny
    return s < 0 or (s == 0 and ny < 0)


# ---------------------------------------------------------------- background

def logo_colour(x, y):
    """A small thermometer glyph and an engraved degree-C mark."""
    # thermometer glyph: capsule tube with a bulb
    tube_cx, tube_top, tube_bottom, tube_r = 34.0, 294.0, 311.0, 3.0
    bulb_c, bulb_r = (34.0, 313.0), 5.0
    d_bulb = math.hypot(x - bulb_c[0], y - bulb_c[1])
    if y < tube_top:
        d_tube = math.hypot(x - tube_cx, y - tube_top)
    elif y <= tube_bottom:
        d_tube = abs(x - tube_cx)
    else:
        d_tube = 99.0
    glyph_edge = 1.2
    if d_bulb <= bulb_r - glyph_edge:
        return MERCURY
    if d_tube <= tube_r - glyph_edge:
        return MERCURY if y > 302 else (255, 248, 238)
    if d_bulb <= bulb_r or d_tube <= tube_r:
        return (110, 56, 12)

    def mark(px, py):
        # degree rings
        for ring_x in (44.5, 75.5):
            if 1.5 <= math.hypot(px - ring_x, py - 296.0) <= 3.3:
                return True
        # "C": a thick ring open to the right
        d = math.hypot(px - 59.0, py - 305.0)
        if 7.0 <= d <= 12.0:
            angle = math.degrees(math.atan2(py - 305.0, px - 59.0))
            return abs(angle) >= 42
        # "F": stem and two arms
        if 80 <= px <= 84 and 293 <= py <= 317:
            return True
        if 80 <= px <= 94 and 293 <= py <= 297:
            return True
        if 80 <= px <= 91 and 303 <= py <= 307:
            return True
        return False

    if mark(x, y):
        return (150, 78, 18)
    if mark(x - 1, y - 1):
        return HILITE_OUTER
    return None


def repeated(step, mask, times):
    for _ in range(times):
        mask = step(mask)
    return mask


def upscaled(mask, scale):
    """Every device pixel of the logical pixels in mask."""
    return {(x * scale + i, y * scale + j) for x, y in mask for j in range(scale) for i in range(scale)}


def painted_area(scale=1):
    """Device pixels the background paints: the outline's pixels and a ring
    beyond them, which covers any rounding of the window mask (whose
    pixels are logical ones at every scale)."""
    touched, _ = outline_masks(*BACKGROUND_SIZE)
    return upscaled(dilate(touched), scale)


def bevel(pixels, box, rings, scale):
    """Draws rings inward from the inclusive box, each one logical pixel wide:
    (top-left colour, bottom-right colour), the outermost first."""
    left, top, right, bottom = box
    for depth in range(len(rings) * scale):
        top_left, bottom_right = rings[depth // scale]
        l, t, r, b = left + depth, top + depth, right - depth, bottom - depth
        for x in range(l, r + 1):
            pixels[x, b] = bottom_right
        for y in range(t, b + 1):
            pixels[r, y] = bottom_right
        for x in range(l, r):
            pixels[x, t] = top_left
        for y in range(t, b):
            pixels[l, y] = top_left


def draw_background(scale=1):
    width, height = BACKGROUND_SIZE[0] * scale, BACKGROUND_SIZE[1] * scale
    touched, _ = outline_masks(width, height, scale)
    # each bevel ring is one logical pixel wide
    ring1 = touched - repeated(erode, touched, scale)
    ring2 = repeated(erode, touched, scale) - repeated(erode, touched, 2 * scale)
    area = painted_area(scale) | dilate(touched)
    beyond = area - touched

    image = Image.new("RGB", (width, height), OUTSIDE)
    pixels = image.load()
    for p in area:
        if not (0 <= p[0] < width and 0 <= p[1] < height):
            continue
        if p in ring1 or p in beyond:
            lit = faces_up_left(touched, p, 3 * scale)
            pixels[p] = HILITE_OUTER if lit else SHADOW_OUTER
        elif p in ring2:
            lit = faces_up_left(touched, p, 3 * scale)
            pixels[p] = HILITE_INNER if lit else SHADOW_INNER
        else:
            pixels[p] = PANEL

    # sunken area: dark top/left, light bottom/right, two logical pixels deep
    left, top, right, bottom = (RECESS[0] * scale, RECESS[1] * scale,
                                RECESS[2] * scale + scale - 1, RECESS[3] * scale + scale - 1)
    bevel(pixels, (left, top, right, bottom),
          [(SHADOW_INNER, HILITE_OUTER), (SHADOW_OUTER, HILITE_INNER)], scale)

    box = tuple(v * scale for v in (26, 286, 100, 322))
    art = supersample(width, height, lambda x, y: logo_colour(x / scale, y / scale), box=box,
                      base=image.convert("RGBA"))
    return art.convert("RGB")


# ---------------------------------------------------------------- thermometer

# The labels start as far left as user x -0.9 (4.85 px) and reach to a pixel
# short of the tube, so the body spans nearly the whole box, leaving its outer
# pixels to the focus rectangle, and its border is thin: the glass begins at
# x 4.
BODY_LEFT, BODY_RIGHT, BODY_TOP = 1.0, 93.0, 5.0
# The border's rings from the body's edge inwards: the depth where each ends.
BORDER_RINGS = ((0.7, (22, 42, 112)),      # dark edge
                (1.3, (120, 160, 232)),    # light bevel
                (2.3, (52, 96, 196)),      # blue rim
                (3.0, (30, 64, 150)))      # inner line around the glass
BODY_CORNER = 12.0
TAPER_TOP, BODY_POINT = 228.0, 266.0
BODY_CX = (BODY_LEFT + BODY_RIGHT) / 2     # 47: the tube's centre line


def body_distance(x, y):
    """Signed distance to the body's edge, negative inside."""
    mx = BODY_CX - abs(x - BODY_CX)          # fold onto the left half
    d = max(BODY_LEFT - mx, BODY_TOP - y)
    if mx < BODY_LEFT + BODY_CORNER and y < BODY_TOP + BODY_CORNER:
        d = math.hypot(mx - (BODY_LEFT + BODY_CORNER), y - (BODY_TOP + BODY_CORNER)) - BODY_CORNER
    ex, ey = BODY_CX - BODY_LEFT, BODY_POINT - TAPER_TOP
    norm = math.hypot(ex, ey)
    taper = ((mx - BODY_LEFT) * -ey + (y - TAPER_TOP) * ex) / norm
    return max(d, taper)


def thermometer_colour(x, y):
    d_bulb = math.hypot(x - BULB_CENTRE[0], y - BULB_CENTRE[1])
    if d_bulb <= BULB_RADIUS - 1.3:
        if math.hypot(x - 42.0, y - 221.0) <= 2.2:
            return (236, 132, 110)              # glint
        return MERCURY
    if d_bulb <= BULB_RADIUS:
        return TUBE_RED
    d = body_distance(x, y)
    if d > 0:
        return PANEL
    for depth, colour in BORDER_RINGS:
        if d > -depth:
            return colour
    # pale face, a touch darker towards the sides for a rounded look
    t = min(1.0, abs(x - BODY_CX) / 40.0)
    step = round(t * t * 24) / 24
    return (round(234 - 30 * step), round(242 - 20 * step), 255)



def draw_thermometer(scale=1):
    width, height = THERMO_SIZE[0] * scale, THERMO_SIZE[1] * scale
    steps = 4 if scale == 1 else 2
    image = supersample(width, height, lambda x, y: thermometer_colour(x / scale, y / scale),
                        steps=steps).convert("RGB")
    pixels = image.load()
    # the tube's inside is exactly where the program draws the mercury
    columns = tube_columns(scale)
    zero_row = tube_zero_row(scale)
    left, right = columns[0], columns[-1]
    s = scale
    # tube: white inside, red outline one logical pixel wide, rounded top
    for y in range(TUBE_TOP_ROW * s, 216 * s):
        for k in range(1, s + 1):
            pixels[left - k, y] = TUBE_RED
            pixels[right + k, y] = TUBE_RED
    for x in columns:
        for y in range(TUBE_TOP_ROW * s, zero_row):
            pixels[x, y] = (255, 255, 255)
        # below zero the tube is already mercury, so an empty column still meets the bulb
        for y in range(zero_row, int(BULB_CENTRE[1]) * s):
            pixels[x, y] = MERCURY
    # the cap: a red outline row over the middle, white beside red at the corners
    top = (TUBE_TOP_ROW - 1) * s
    for y in range(top, top + s):
        for x in columns:
            corner = x < left + s or x > right - s
            pixels[x, y] = TUBE_RED if corner else (255, 255, 255)
    for y in range(top - s, top):
        for x in columns:
            if left + s <= x <= right - s:
                pixels[x, y] = TUBE_RED
    return image


# ---------------------------------------------------------------- title buttons

BUTTON_SIZE = (19, 17)
BUTTON_FACE = (242, 172, 102)
BUTTON_FACE_DOWN = (232, 160, 90)
GLYPH = (24, 12, 0)

def glyph_covers(kind, x, y):
    """True where the glyph covers the point (x, y), in the button's logical
    pixels: the pixel (i, j) spans i..i+1, j..j+1. Sampled at pixel centres,
    a question mark, a minus and a cross, crisp at every scale."""
    if kind == "QUES":
        u, v = x - 6, y - 4
        if 0 <= v < 3:      # the bow
            return 1.7 <= math.hypot(u - 3.5, v - 2.5) <= 3.2
        if 3 <= v < 6:      # the hook down to the stem
            left = max(3.0, 4.25 - 0.75 * (v - 3))
            return left <= u < left + 2
        return 7 <= v < 9 and 3 <= u < 5    # the dot
    if kind == "MINUS":
        return 5 <= x < 14 and 11 <= y < 13
    if kind == "X":
        return 5 <= y < 12 and (y - 0.5 <= x < y + 1.5 or 17.5 <= x + y < 19.5)
    raise ValueError(kind)


def draw_button(kind, pressed, scale=1):
    width, height = BUTTON_SIZE[0] * scale, BUTTON_SIZE[1] * scale
    image = Image.new("RGB", (width, height), BUTTON_FACE_DOWN if pressed else BUTTON_FACE)
    pixels = image.load()
    if pressed:
        outer_lit, inner_lit, inner_dark, outer_dark = SHADOW_OUTER, SHADOW_INNER, BUTTON_FACE_DOWN, HILITE_OUTER
    else:
        outer_lit, inner_lit, inner_dark, outer_dark = HILITE_OUTER, HILITE_INNER, SHADOW_INNER, SHADOW_OUTER
    bevel(pixels, (0, 0, width - 1, height - 1),
          [(outer_lit, outer_dark), (inner_lit, inner_dark)], scale)
    shift = 1 if pressed else 0             # pressed, the glyph moves down and right
    for j in range(height):
        for i in range(width):
            if glyph_covers(kind, (i + 0.5) / scale - shift, (j + 0.5) / scale - shift):
                pixels[i, j] = GLYPH
    return image


# ---------------------------------------------------------------- icons and cursor

def write_ico(image, palette, hotspot=None):
    """A one-image Windows icon (or cursor, with a hotspot) at 4 or 1 bits per pixel.

    image is RGBA whose opaque colours all appear in palette; palette[0]
    must be black, it is what transparent pixels store under the mask.
    """
    width, height = image.size
    bits = 4 if len(palette) > 2 else 1
    slots = 1 << bits
    entries = list(palette) + [(0, 0, 0)] * (slots - len(palette))
    index = {c: k for k, c in enumerate(entries) if k < len(palette)}
    pixels = image.load()

    def rows(value_of, bits_per_pixel):
        stride = ((width * bits_per_pixel + 31) // 32) * 4
        out = bytearray()
        for y in reversed(range(height)):          # bottom-up rows
            row = 0
            for x in range(width):
                row = (row << bits_per_pixel) | value_of(x, y)
            row <<= stride * 8 - width * bits_per_pixel
            out += row.to_bytes(stride, "big")
        return bytes(out)

    def colour_index(x, y):
        p = pixels[x, y]
        return 0 if p[3] < 128 else index[p[:3]]

    xor_mask = rows(colour_index, bits)
    and_mask = rows(lambda x, y: 1 if pixels[x, y][3] < 128 else 0, 1)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0,
                         len(xor_mask) + len(and_mask), 0, 0, 0, 0)
    colour_table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in entries)
    data = header + colour_table + xor_mask + and_mask
    if hotspot is None:
        kind, field1, field2 = 1, 1, bits               # icon: planes, bit count
    else:
        kind, field1, field2 = 2, hotspot[0], hotspot[1]
    directory = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, slots % 256, 0,
                        field1, field2, len(data), 6 + 16)
    return directory + entry + data


ICON_PALETTE = [
    (0, 0, 0),          # black, also under transparent pixels
    (22, 42, 112),      # dark edge
    (52, 96, 196),      # rim
    (120, 160, 232),    # bevel
    (226, 236, 255),    # face
    (255, 255, 255),    # tube
    TUBE_RED,
    MERCURY,
    (236, 132, 110),    # glint
]


def icon_colour(size):
    """The program icon's thermometer, in coordinates of a size x size square."""
    s = float(size)
    left, top = 0.20 * s, 0.02 * s      # mirrored about the centre line
    corner = 0.16 * s
    taper_top, point = 0.72 * s, 0.99 * s
    cx = 0.5 * s
    edge = max(1.0, 0.04 * s)
    rim = max(1.0, 0.07 * s)
    tube_half = 0.05 * s
    tube_line = max(1.0, 0.035 * s)
    tube_top, tube_bottom = 0.13 * s, 0.70 * s
    bulb_c, bulb_r = (cx, 0.76 * s), 0.17 * s
    level = 0.40 * s

    def distance(x, y):
        mx = cx - abs(x - cx)
        d = max(left - mx, top - y)
        if mx < left + corner and y < top + corner:
            d = math.hypot(mx - (left + corner), y - (top + corner)) - corner
        ex, ey = cx - left, point - taper_top
        taper = ((mx - left) * -ey + (y - taper_top) * ex) / math.hypot(ex, ey)
        return max(d, taper)

    def colour(x, y):
        d_bulb = math.hypot(x - bulb_c[0], y - bulb_c[1])
        if d_bulb <= bulb_r - tube_line:
            if math.hypot(x - (cx - 0.35 * bulb_r), y - (bulb_c[1] - 0.35 * bulb_r)) <= 0.22 * bulb_r:
                return ICON_PALETTE[8]
            return MERCURY
        if y < tube_top + tube_half:
            d_tube = math.hypot(x - cx, y - (tube_top + tube_half))
        elif y <= tube_bottom:
            d_tube = abs(x - cx)
        else:
            d_tube = 99.0
        # the tube's inside wins over the bulb's rim, so the two join without a line
        if d_tube <= tube_half:
            return MERCURY if y >= level else ICON_PALETTE[5]
        if d_bulb <= bulb_r or d_tube <= tube_half + tube_line:
            return ICON_PALETTE[6]
        d = distance(x, y)
        if d > 0:
            return None
        if d > -edge:
            return ICON_PALETTE[1]
        if d > -rim:
            return ICON_PALETTE[2]
        # scale ticks on both sides of the tube
        for k in range(6):
            ty = tube_top + 0.05 * s + k * 0.09 * s
            if abs(y - ty) <= max(0.5, 0.018 * s):
                inner, outer = cx - tube_half - tube_line - 0.04 * s, left + rim + 0.05 * s
                if k % 2 == 1:
                    outer += 0.06 * s
                if outer <= x <= inner or s - inner <= x <= s - outer:
                    return ICON_PALETTE[1]
        return ICON_PALETTE[4]

    return colour


SMALL_THERMOMETER = [
    "................",
    ".......##.......",
    "......#ww#......",
    "......#ww#.#....",
    "......#ww#......",
    "......#ww#.##...",
    "......#ww#......",
    "......#rr#.#....",
    "......#rr#......",
    "......#rr#.##...",
    ".....##rr##.....",
    "....#rrrrrr#....",
    "....#grrrrr#....",
    "....#rrrrrr#....",
    ".....#rrrr#.....",
    "......####......",
]
SMALL_PALETTE = [(0, 0, 0), (255, 255, 255), (22, 42, 112), MERCURY, (236, 132, 110)]
SMALL_KEYS = {"w": SMALL_PALETTE[1], "#": SMALL_PALETTE[2], "r": SMALL_PALETTE[3], "g": SMALL_PALETTE[4]}


def draw_small_thermometer():
    image = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    for y, row in enumerate(SMALL_THERMOMETER):
        for x, ch in enumerate(row):
            if ch in SMALL_KEYS:
                image.putpixel((x, y), SMALL_KEYS[ch] + (255,))
    return image


HAND = [
    "................................",
    ".....####.......................",
    "....#oooo#......................",
    "....#oooo#......................",
    "....#oooo#......................",
    "....#oooo#......................",
    "....#oooo#......................",
    "....#oooo#......................",
    "....#oooo####...................",
    "....#oooo#ooo####...............",
    "....#oooo#ooo#ooo#..............",
    "....#oooo#ooo#ooo###............",
    "....#oooo#ooo#ooo#oo#...........",
    ".##.#oooo#ooo#ooo#oo#...........",
    "#oo##oooo#ooo#ooo#oo#...........",
    "#ooo#oooo#ooo#ooo#oo#...........",
    "#oooooooooooooooooooo#..........",
    ".#ooooooooooooooooooo#..........",
    ".#ooooooooooooooooooo#..........",
    "..#oooooooooooooooooo#..........",
    "..#oooooooooooooooooo#..........",
    "...#ooooooooooooooooo#..........",
    "...#oooooooooooooooo#...........",
    "....#ooooooooooooooo#...........",
    "....#oooooooooooooo#............",
    ".....#ooooooooooooo#............",
    ".....###############............",
    ".....#ooooooooooooo#............",
    ".....#ooooooooooooo#............",
    ".....###############............",
    "................................",
    "................................",
]


def draw_hand():
    """Pointing hand: black outline, white fill; the hotspot is the fingertip."""
    image = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    for y, row in enumerate(HAND):
        for x, ch in enumerate(row):
            if ch != ".":
                image.putpixel((x, y), (0, 0, 0, 255) if ch == "#" else (255, 255, 255, 255))
    top = min(y for y, row in enumerate(HAND) if row.strip("."))
    tip = [x for x, ch in enumerate(HAND[top]) if ch != "."]
    return image, ((tip[0] + tip[-1]) // 2, top)


# ---------------------------------------------------------------- all files

ICON_PNG_SIZES = (16, 24, 32, 48, 64, 128, 256)   # the hicolor theme's usual sizes


def at_scale(name, scale):
    """The file name of a picture drawn at a scale: "background@2x.gif"."""
    if scale == 1:
        return name
    stem, ext = os.path.splitext(name)
    return "%s@%dx%s" % (stem, scale, ext)


SCALES = (1, 2)


def build_all():
    files = {}
    for scale in SCALES:
        background = draw_background(scale)
        files[at_scale("background.gif", scale)] = encode(
            to_palette_image(background, keep=[PANEL, OUTSIDE, HILITE_OUTER, HILITE_INNER,
                                               SHADOW_INNER, SHADOW_OUTER, MERCURY]), "GIF")
        thermometer = draw_thermometer(scale)
        files[at_scale("thermometer.gif", scale)] = encode(
            to_palette_image(thermometer, keep=[PANEL, MERCURY, TUBE_RED, (255, 255, 255)]), "GIF")

        for kind in ("QUES", "MINUS", "X"):
            files[at_scale(kind + "UP.bmp", scale)] = encode(draw_button(kind, False, scale), "BMP")
            files[at_scale(kind + "DOWN.bmp", scale)] = encode(draw_button(kind, True, scale), "BMP")

    small = draw_small_thermometer()
    files["THERMOMETERSMALL.ico"] = write_ico(small, SMALL_PALETTE)
    files["THERMOMETERSMALL.png"] = encode(small, "PNG")

    icon32 = majority_sample(32, 32, icon_colour(32))
    files["caldorine.ico"] = write_ico(icon32, ICON_PALETTE)
    files["caldorine-32.png"] = encode(icon32, "PNG")     # crisp at this size, like the icon
    for size in ICON_PNG_SIZES:
        if size == 32:
            continue
        steps = 4 if size <= 64 else 3 if size <= 128 else 2
        files["caldorine-%d.png" % size] = encode(supersample(size, size, icon_colour(size), steps=steps), "PNG")

    hand, hotspot = draw_hand()
    files["HAND.png"] = encode(hand, "PNG")
    files["HAND.hotspot"] = ("%d %d\n" % hotspot).encode()
    # palette order gives black = 0, white = 1 under an opaque mask
    files["HAND.cur"] = write_ico(hand, [(0, 0, 0), (255, 255, 255)], hotspot=hotspot)
    return files


# ---------------------------------------------------------------- checks

def check(files):
    failures = []

    def expect(condition, message):
        if not condition:
            failures.append(message)

    for name, data in files.items():
        path = os.path.join(ART_DIR, name)
        on_disk = open(path, "rb").read() if os.path.exists(path) else None
        expect(on_disk == data, "%s is missing or differs from a fresh drawing" % name)

    def open_art(name):
        return Image.open(os.path.join(ART_DIR, name))

    # background: size, palette, and no gap anywhere inside the window outline
    im = open_art("background.gif")
    expect(im.format == "GIF" and im.size == BACKGROUND_SIZE, "background.gif size")
    expect(im.mode == "P" and len(im.getcolors(256) or []) <= 256, "background.gif palette")
    rgb = im.convert("RGB")
    touched, centred = outline_masks(*BACKGROUND_SIZE)
    gaps = [p for p in touched if rgb.getpixel(p) == OUTSIDE]
    expect(not gaps, "background.gif leaves outline pixels unpainted: %s" % sorted(gaps)[:5])
    expect(len(centred) > 60000, "outline mask suspiciously small")
    expect(rgb.getpixel((0, 0)) == OUTSIDE, "background.gif corner should lie outside")
    for p in [(150, 200), (84, 12), (180, 300), (60, 150), (50, 60), (107, 41)]:
        expect(rgb.getpixel(p) == PANEL, "background.gif %s should be plain panel" % (p,))
    for bx in (74, 97, 121):
        area = {rgb.getpixel((x, y)) for x in range(bx, bx + 19) for y in range(7, 24)}
        expect(area == {PANEL}, "title button place at x %d is not plain panel" % bx)
    right_half = {rgb.getpixel((x, y)) for x in range(106, 203) for y in range(42, 314)}
    expect(right_half == {PANEL}, "area behind the thermometer is not plain panel")
    expect(rgb.getpixel((100, 1)) in (HILITE_OUTER, HILITE_INNER), "tab top edge is not lit")
    expect(rgb.getpixel((100, 326)) in (SHADOW_OUTER, SHADOW_INNER), "bottom edge is not shaded")
    expect(rgb.getpixel((RECESS[0], 150)) in (SHADOW_OUTER, SHADOW_INNER), "recess left edge not dark")
    expect(rgb.getpixel((RECESS[2], 150)) in (HILITE_OUTER, HILITE_INNER), "recess right edge not light")
    logo = {rgb.getpixel((x, y)) for x in range(26, 100) for y in range(290, 322)}
    expect(len(logo) > 5, "no logo in the bottom left corner")

    # thermometer: size, back colour, tube and bulb where the drawing expects them
    im = open_art("thermometer.gif")
    expect(im.format == "GIF" and im.size == THERMO_SIZE and im.mode == "P", "thermometer.gif size/mode")
    rgb = im.convert("RGB")
    for p in [(0, 0), (95, 0), (0, 272), (95, 272), (10, 268)]:
        expect(rgb.getpixel(p) == PANEL, "thermometer.gif %s should be panel orange" % (p,))
    white = {rgb.getpixel((x, y)) for x in TUBE_COLUMNS for y in range(TUBE_TOP_ROW, TUBE_ZERO_ROW)}
    expect(white == {(255, 255, 255)}, "tube inside is not all white: %s" % white)
    red = {rgb.getpixel((x, y)) for x in TUBE_COLUMNS for y in range(TUBE_ZERO_ROW, 236)}
    expect(red == {MERCURY}, "below zero the tube and bulb are not mercury red: %s" % red)
    for y in range(TUBE_TOP_ROW, TUBE_ZERO_ROW):
        expect(rgb.getpixel((44, y)) == TUBE_RED and rgb.getpixel((49, y)) == TUBE_RED,
               "tube outline missing at row %d" % y)
    expect(rgb.getpixel((46, TUBE_TOP_ROW - 2)) == TUBE_RED, "tube has no top cap")
    for x, y in [(4, 100), (10, 40), (30, 150), (70, 150), (89, 100), (20, 215)]:
        r, g, b = rgb.getpixel((x, y))
        expect(b > 240 and 0.299 * r + 0.587 * g + 0.114 * b > 190,
               "label area at %s is not light blue: %s" % ((x, y), (r, g, b)))
    expect(rgb.getpixel((47, 262))[2] > rgb.getpixel((47, 262))[0], "body has no pointed lower end")
    expect(rgb.getpixel((8, 262)) == PANEL, "body bottom corners should be cut away")

    # title buttons: 24-bit BMPs, bevel direction and glyph shift
    for kind in ("QUES", "MINUS", "X"):
        up, down = kind + "UP.bmp", kind + "DOWN.bmp"
        for name in (up, down):
            data = open(os.path.join(ART_DIR, name), "rb").read()
            im = open_art(name)
            bitcount = struct.unpack_from("<H", data, 28)[0]
            expect(im.size == BUTTON_SIZE and im.mode == "RGB" and bitcount == 24, "%s format" % name)
        a, b = open_art(up).convert("RGB"), open_art(down).convert("RGB")
        expect(a.getpixel((0, 5)) == HILITE_OUTER and a.getpixel((18, 5)) == SHADOW_OUTER, "%s bevel" % up)
        expect(b.getpixel((0, 5)) == SHADOW_OUTER and b.getpixel((18, 5)) == HILITE_OUTER, "%s bevel" % down)
        glyph_up = {(x, y) for x in range(19) for y in range(17) if a.getpixel((x, y)) == GLYPH}
        glyph_down = {(x, y) for x in range(19) for y in range(17) if b.getpixel((x, y)) == GLYPH}
        expect(glyph_up and glyph_down == {(x + 1, y + 1) for x, y in glyph_up}, "%s glyph shift" % kind)

    # the @2x pictures: twice the size, and the same promises at that scale
    for name, (w, h) in ([("background.gif", BACKGROUND_SIZE), ("thermometer.gif", THERMO_SIZE)] +
                         [(k + state + ".bmp", BUTTON_SIZE) for k in ("QUES", "MINUS", "X")
                          for state in ("UP", "DOWN")]):
        expect(open_art(at_scale(name, 2)).size == (2 * w, 2 * h), "%s size" % at_scale(name, 2))
        if name.endswith(".bmp"):
            data = open(os.path.join(ART_DIR, at_scale(name, 2)), "rb").read()
            expect(struct.unpack_from("<H", data, 28)[0] == 24, "%s is not 24-bit" % at_scale(name, 2))
    rgb = open_art("background@2x.gif").convert("RGB")
    gaps = [p for p in upscaled(touched, 2) if rgb.getpixel(p) == OUTSIDE]
    expect(not gaps, "background@2x.gif leaves outline pixels unpainted: %s" % sorted(gaps)[:5])
    right_half = {rgb.getpixel((x, y)) for x in range(212, 406) for y in range(84, 628)}
    expect(right_half == {PANEL}, "area behind the thermometer is not plain panel at 2x")
    for bx in (74, 97, 121):
        area = {rgb.getpixel((x, y)) for x in range(2 * bx, 2 * bx + 38) for y in range(14, 48)}
        expect(area == {PANEL}, "title button place at x %d is not plain panel at 2x" % bx)
    rgb = open_art("thermometer@2x.gif").convert("RGB")
    columns, zero_row = tube_columns(2), tube_zero_row(2)
    white = {rgb.getpixel((x, y)) for x in columns for y in range(2 * TUBE_TOP_ROW, zero_row)}
    expect(white == {(255, 255, 255)}, "tube inside is not all white at 2x: %s" % white)
    red = {rgb.getpixel((x, y)) for x in columns for y in range(zero_row, 2 * 236)}
    expect(red == {MERCURY}, "below zero the tube is not mercury red at 2x: %s" % red)
    for y in range(2 * TUBE_TOP_ROW, zero_row):
        outline = {rgb.getpixel((x, y)) for x in (columns[0] - 2, columns[0] - 1,
                                                   columns[-1] + 1, columns[-1] + 2)}
        expect(outline == {TUBE_RED}, "tube outline missing at 2x row %d" % y)
    for kind in ("QUES", "MINUS", "X"):
        up, down = (open_art(at_scale(kind + state + ".bmp", 2)).convert("RGB") for state in ("UP", "DOWN"))
        glyph_up = {(x, y) for x in range(38) for y in range(34) if up.getpixel((x, y)) == GLYPH}
        glyph_down = {(x, y) for x in range(38) for y in range(34) if down.getpixel((x, y)) == GLYPH}
        expect(glyph_up and glyph_down == {(x + 2, y + 2) for x, y in glyph_up}, "%s@2x glyph shift" % kind)

    # icons: 16-colour ICO written by hand must read back as the intended picture
    def check_ico(name, size, expected):
        data = open(os.path.join(ART_DIR, name), "rb").read()
        reserved, kind, count = struct.unpack_from("<HHH", data, 0)
        w, h, colours, _, planes, bitcount, length, offset = struct.unpack_from("<BBBBHHII", data, 6)
        expect((reserved, kind, count) == (0, 1, 1), "%s directory" % name)
        expect((w, h, colours, bitcount) == (size, size, 16, 4), "%s entry" % name)
        hdr = struct.unpack_from("<IiiHH", data, offset)
        expect(hdr == (40, size, 2 * size, 1, 4), "%s bitmap header" % name)
        expect(offset + length == len(data), "%s length" % name)
        im = Image.open(io.BytesIO(data))
        im.load()
        got = im.convert("RGBA")
        expect(got.size == (size, size), "%s decodes at %s" % (name, got.size))
        mismatch = [(x, y) for y in range(size) for x in range(size)
                    if (got.getpixel((x, y))[3] >= 128) != (expected.getpixel((x, y))[3] >= 128)
                    or (expected.getpixel((x, y))[3] >= 128
                        and got.getpixel((x, y))[:3] != expected.getpixel((x, y))[:3])]
        expect(not mismatch, "%s decodes differently at %s" % (name, mismatch[:5]))

    check_ico("THERMOMETERSMALL.ico", 16, open_art("THERMOMETERSMALL.png").convert("RGBA"))
    check_ico("caldorine.ico", 32, open_art("caldorine-32.png").convert("RGBA"))
    for size in ICON_PNG_SIZES:
        im = open_art("caldorine-%d.png" % size)
        expect(im.size == (size, size) and im.mode == "RGBA", "caldorine-%d.png format" % size)
        expect(im.getpixel((0, 0))[3] == 0 and im.getpixel((size // 2, size // 3))[3] == 255,
               "caldorine-%d.png transparency" % size)

    # cursor: hotspot on the fingertip, same picture in PNG and CUR
    hand = open_art("HAND.png")
    expect(hand.size == (32, 32) and hand.mode == "RGBA", "HAND.png format")
    hx, hy = (int(v) for v in open(os.path.join(ART_DIR, "HAND.hotspot")).read().split())
    expect(hand.getpixel((hx, hy)) == (0, 0, 0, 255), "hotspot is not on the outline")
    expect(all(hand.getpixel((x, y))[3] == 0 for y in range(hy) for x in range(32)),
           "something lies above the fingertip")
    data = open(os.path.join(ART_DIR, "HAND.cur"), "rb").read()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    w, h, _, _, cx, cy, length, offset = struct.unpack_from("<BBBBHHII", data, 6)
    expect((kind, count, w, h, cx, cy) == (2, 1, 32, 32, hx, hy), "HAND.cur directory")
    expect(struct.unpack_from("<IiiHH", data, offset) == (40, 32, 64, 1, 1), "HAND.cur bitmap header")
    cur = Image.open(io.BytesIO(data)).convert("RGB")     # colour plane; Pillow skips the mask
    expect(cur.size == (32, 32), "HAND.cur size")
    and_plane = offset + 40 + 2 * 4 + 32 * 4
    expect(and_plane + 32 * 4 == len(data), "HAND.cur length")

    def masked(x, y):
        byte = data[and_plane + (31 - y) * 4 + x // 8]
        return (byte >> (7 - x % 8)) & 1 == 1

    wrong = [(x, y) for y in range(32) for x in range(32)
             if masked(x, y) != (hand.getpixel((x, y))[3] == 0)
             or (not masked(x, y) and cur.getpixel((x, y)) != hand.getpixel((x, y))[:3])]
    expect(not wrong, "HAND.cur differs from HAND.png at %s" % wrong[:5])
    return failures


def main(argv):
    files = build_all()
    if argv[1:] == ["--check"]:
        failures = check(files)
        for f in failures:
            print("FAIL:", f)
        print("artwork check: %s" % ("%d failure(s)" % len(failures) if failures else "all good"))
        return 1 if failures else 0
    if argv[1:]:
        print(__doc__)
        return 2
    os.makedirs(ART_DIR, exist_ok=True)
    for name, data in sorted(files.items()):
        with open(os.path.join(ART_DIR, name), "wb") as out:
            out.write(data)
        print("wrote", os.path.join("art", name))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
