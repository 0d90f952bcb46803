#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quellard developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Paints the seven card backs of the deck menu as 73 x 98 PPM pictures.

Usage: card_backs.py OUTPUT_DIR
Writes OUTPUT_DIR/<name>.ppm for every back; make-card-backs turns them into GIFs.

Every back shares the same card: a white margin inside a thin grey rounded outline, and the
theme's picture in a rounded panel within it, so the seven read as backs of one deck. The pictures
are tiny, so each theme is built from a few bold shapes and only a little texture. All randomness
comes from fixed seeds, so the output never changes between runs.
"""

import math
import os
import random
import sys

from raster import Canvas, Noise, gradient, mix, round_rect_distance, scale, smoothstep

WIDTH, HEIGHT = 73, 98
# The theme's panel; the 4-pixel white margin around it is the card's border.
PANEL = (4.0, 4.0, 69.0, 94.0)
PANEL_RADIUS = 3.0
CARD_RADIUS = 6.0
WHITE = (252, 252, 248)
OUTLINE = (140, 140, 140)


def frame_card(canvas, edge):
    """Turns whatever was painted into a card back: the panel keeps the picture, edged with a
    one-pixel line of the theme's own dark colour; outside it lies the white margin and the
    rounded grey outline. The corners outside the outline stay white like the card slot."""
    x0, y0, x1, y1 = PANEL

    def fn(x, y, old):
        card = round_rect_distance(x, y, 0, 0, WIDTH, HEIGHT, CARD_RADIUS)
        if card > 0:
            return (255, 255, 255)
        if card > -1:
            return OUTLINE
        panel = round_rect_distance(x, y, x0, y0, x1, y1, PANEL_RADIUS)
        if panel >= 0:
            return WHITE
        if panel > -1:
            return edge
        return None

    canvas.shade(fn)


# -- Default: the classic lattice -------------------------------------------------------------------

def paint_default(c):
    """A deep red field under a fine diagonal lattice of cream lines, inside a cream rule, with a
    small diamond at the centre: the back everybody knows."""
    red, dark_red, cream = (158, 20, 34), (120, 12, 26), (246, 232, 214)
    x0, y0, x1, y1 = PANEL
    cx, cy = WIDTH / 2, HEIGHT / 2
    spacing, width = 6.0, 0.95  # along the edges, and across a line, in pixels

    def fn(x, y, _):
        px, py = math.floor(x), math.floor(y)
        # A one-pixel cream rule two pixels inside the panel edge, kept on whole pixels so it
        # stays crisp.
        on_rule = (px in (x0 + 2, x1 - 3) and y0 + 2 <= py <= y1 - 3) or \
                  (py in (y0 + 2, y1 - 3) and x0 + 2 <= px <= x1 - 3)
        if on_rule:
            return cream
        if not (x0 + 4 <= px <= x1 - 5 and y0 + 4 <= py <= y1 - 5):
            return red
        # Lines in both diagonals, laid out from the centre so the pattern is symmetric.
        u, v = x - cx + y - cy, x - cx - (y - cy)
        du = abs(u - spacing * round(u / spacing)) / math.sqrt(2)
        dv = abs(v - spacing * round(v / spacing)) / math.sqrt(2)
        return cream if min(du, dv) < width / 2 else red

    c.shade(fn)
    # The medallion: nested diamonds on a lattice crossing.
    for half_w, half_h, colour in ((8.0, 11.0, cream), (6.0, 8.5, red), (3.2, 4.6, cream),
                                   (1.6, 2.3, dark_red)):
        c.polygon([(cx, cy - half_h), (cx + half_w, cy), (cx, cy + half_h), (cx - half_w, cy)], colour)
    frame_card(c, dark_red)


# -- Roman wall -------------------------------------------------------------------------------------

def paint_roman_wall(c):
    """Courses of dressed stone of uneven heights and lengths, worn at the corners, set in dark
    recessed mortar; each block has its own weathered shade and a lit top edge."""
    rng = random.Random(753)
    grain = Noise(31)
    stains = Noise(77)
    stones = [(198, 180, 142), (176, 162, 136), (160, 150, 132), (190, 164, 118),
              (212, 198, 168), (150, 134, 110), (184, 172, 150)]
    mortar = (74, 66, 58)
    x0, y0, x1, y1 = PANEL

    # Lay the courses from the top; each course is a row of blocks with joints that do not line
    # up with the course below, as a mason would set them.
    blocks = []
    y = y0 - 2
    while y < y1:
        h = rng.choice([10, 11, 12, 13, 14])
        x = x0 - rng.randint(2, 14)
        while x < x1:
            w = rng.randint(13, 25)
            colour = mix(rng.choice(stones), rng.choice(stones), rng.random() * 0.5)
            blocks.append((x, y, x + w, y + h, colour, rng.random() * 100))
            x += w
        y += h

    def fn(x, y, _):
        for bx0, by0, bx1, by1, colour, seed in blocks:
            if bx0 <= x < bx1 and by0 <= y < by1:
                break
        # Distance inside the block, with noisy edges so the arrises look chipped.
        ragged = (grain.value(x * 0.9 + seed, y * 0.9) - 0.5) * 1.2
        d = -round_rect_distance(x, y, bx0, by0, bx1, by1, 2.2) + ragged
        if d < 0.9:
            return mortar
        tex = 0.86 + 0.22 * grain.fractal(x * 0.45 + seed, y * 0.45, 3)
        col = scale(colour, tex)
        # Light from above: a bright top edge, a shadowed lower edge.
        if y - by0 < 2.6:
            col = mix(col, (236, 226, 204), 0.35)
        elif by1 - y < 2.2:
            col = scale(col, 0.78)
        # Weathering: dark rain streaks and a touch of lichen green.
        s = stains.fractal(x * 0.09, y * 0.05, 3)
        if s > 0.6:
            col = mix(col, (92, 88, 70), (s - 0.6) * 1.6)
        if s < 0.32:
            col = mix(col, (120, 132, 86), (0.32 - s) * 1.8)
        return col

    c.shade(fn, PANEL)
    frame_card(c, (62, 54, 46))


# -- Tyne bridge ------------------------------------------------------------------------------------

def arch_y(x, apex, spring, left, right):
    """Height of a parabolic arch through (left, spring), (right, spring), apex in the middle."""
    t = (x - left) / (right - left) * 2 - 1
    return apex + (spring - apex) * t * t


def paint_tyne_bridge(c):
    """A green steel arch rising high over the road deck, the deck hung from it on slender
    hangers, stone towers at both ends, the river below with the bridge mirrored in it."""
    x0, y0, x1, y1 = PANEL
    water_top = 74.0
    deck = 58.0
    steel, steel_dark = (46, 104, 78), (28, 66, 50)
    granite, granite_dark = (176, 168, 150), (120, 112, 100)
    ripples = Noise(5)

    def sky_and_river(x, y, _):
        if y < water_top:
            return gradient([(0.0, (74, 126, 196)), (0.7, (160, 196, 230)), (1.0, (214, 226, 236))],
                            (y - y0) / (water_top - y0))
        base = gradient([(0.0, (70, 104, 128)), (1.0, (26, 50, 74))], (y - water_top) / (y1 - water_top))
        # Long horizontal glints on the water.
        r = ripples.value(x * 0.12, y * 1.1)
        return mix(base, (150, 180, 204), 0.45) if r > 0.74 else base

    c.shade(sky_and_river, PANEL)

    # The quayside town behind the bridge, faint in the haze.
    rng = random.Random(1928)
    x = x0
    while x < x1:
        w = rng.randint(4, 8)
        c.rect(x, water_top - rng.randint(3, 8), x + w, water_top, (146, 164, 188))
        x += w

    left, right = 9.0, 64.0  # where the arch springs from the banks

    def draw(flip, alpha):
        """Towers, hangers, arch and deck; with flip, their reflection in the water, faint."""
        def Y(y):
            return 2 * water_top - y if flip else y

        def band(xa, ya, xb, yb, colour):
            c.rect(xa, min(Y(ya), Y(yb)), xb, max(Y(ya), Y(yb)), colour, alpha)

        # Granite towers at both ends, capped, with the road passing through an opening.
        for tx0, tx1 in ((x0, 11.0), (62.0, x1)):
            band(tx0, 38.0, tx1, water_top, granite)
            band(tx0 - 1, 36.5, tx1 + 1, 39.0, granite_dark)
            band(tx0 + 2, deck - 6, tx1 - 2, deck, granite_dark)

        def chord(apex, xa, xb, n=40):
            return [(x, Y(arch_y(x, apex, water_top, left, right)))
                    for x in (xa + (xb - xa) * k / n for k in range(n + 1))]

        # Hangers first, so the arch and deck are drawn over their ends.
        for hx in range(14, 60, 3):
            top = arch_y(hx + 0.5, 20.0, water_top, left, right)
            if top < deck:
                c.line(hx + 0.5, Y(top), hx + 0.5, Y(deck), 0.55, steel_dark, alpha)
        upper, lower = chord(14.0, left, right), chord(19.5, left + 2.4, right - 2.4)
        # The truss web between the two chords: a zigzag of diagonals.
        for k in range(0, 40, 2):
            c.line(*upper[k], *lower[k + 1], 0.8, steel, alpha)
            c.line(*lower[k + 1], *upper[k + 2], 0.8, steel, alpha)
        c.polyline(upper, 2.2, steel, alpha)
        c.polyline(lower, 1.6, steel, alpha)
        # The road deck: a lit top edge over a dark girder.
        band(x0, deck - 1.5, x1, deck + 1.5, steel_dark)
        band(x0, deck - 1.5, x1, deck - 0.7, steel)

    draw(True, 0.35)
    draw(False, 1.0)
    frame_card(c, (30, 52, 74))


# -- Big cat ----------------------------------------------------------------------------------------

def paint_big_cat(c):
    """Tiger fur: warm orange shading to cream, crossed by bold black stripes that taper, wave
    and fork, entering from both flanks."""
    x0, y0, x1, y1 = PANEL
    fur = Noise(12)
    bend = Noise(13)
    rng = random.Random(1758)

    def base(x, y, _):
        # Paler towards the right, as the flank turns to the belly; fine hair grain on top.
        t = smoothstep(35, 80, x + (fur.value(x * 0.05, y * 0.05) - 0.5) * 24)
        col = mix((228, 116, 24), (248, 220, 170), t * 0.7)
        hair = fur.value(x * 1.2, y * 0.5)
        return scale(col, 0.92 + 0.12 * hair)

    c.shade(base, PANEL)

    black = (24, 16, 12)

    def stripe(from_left, yc0, length, thick, wave, seed, slope):
        """A stripe starting at one edge, thickest there, tapering to a point; seed picks its
        own row of the noise."""
        xs = [k * 0.5 for k in range(int(length * 2) + 1)]
        top, bottom = [], []
        for d in xs:
            x = x0 - 1 + d if from_left else x1 + 1 - d
            t = d / length
            # The centre line meanders and the width swells and pinches, both following
            # smooth noise so no two stripes bend alike.
            y = yc0 + slope * d + wave * (2 * bend.value(d * 0.09, seed) - 1) * 2
            half = thick * (1 - t * t) * (0.7 + 0.5 * bend.value(d * 0.25, seed + 40))
            top.append((x, y - half))
            bottom.append((x, y + half))
        c.polygon(top + bottom[::-1], black)

    y = y0 - 2
    side = True
    while y < y1 + 4:
        length = rng.uniform(34, 54)
        stripe(side, y, length, rng.uniform(2.4, 3.4), rng.uniform(2.0, 3.5),
               rng.uniform(0, 200), rng.uniform(-0.1, 0.2))
        # Now and then a short fork beside the main stripe.
        if rng.random() < 0.5:
            stripe(side, y + rng.choice([-4.0, 4.0]), length * 0.4, 1.5, 1.0,
                   rng.uniform(0, 200), rng.uniform(-0.2, 0.2))
        y += rng.uniform(7.0, 9.5)
        side = not side
    frame_card(c, (110, 54, 14))


# -- Lake at dusk -----------------------------------------------------------------------------------

def paint_lake(c):
    """Dusk over a still lake: an indigo-to-amber sky with a setting sun, two ranges of hills in
    silhouette, and the whole scene mirrored darker in the water with a golden sun path."""
    x0, y0, x1, y1 = PANEL
    shore = 64.0
    sky_stops = [(0.0, (28, 24, 78)), (0.35, (96, 52, 124)), (0.7, (226, 104, 92)),
                 (1.0, (255, 196, 110))]
    ridge = Noise(8)
    sun_x, sun_y, sun_r = 46.0, 54.0, 7.0

    def far_hill(x):
        # A long, low range across the whole view, the sun sinking behind it.
        return 49 + 8 * ridge.fractal(x * 0.05, 0.5, 2) - 3 * math.sin(x * 0.07)

    def near_hill(x):
        # Dark wooded shores closing in from both sides, open water in the middle; the fine
        # noise is the tree line.
        trees = 1.6 * ridge.value(x * 0.9, 7.5)
        if x < 34:
            return 44 + ((x - 4) / 30) ** 2 * 22 - trees
        if x > 52:
            return 54 + ((69 - x) / 17) ** 2 * 12 - trees
        return shore + 1

    def sky(x, y):
        col = gradient(sky_stops, (y - y0) / (shore - y0))
        # The sun and the glow around it.
        d = math.hypot(x - sun_x, y - sun_y)
        if d < sun_r:
            return (255, 232, 150)
        return mix(col, (255, 214, 130), 0.5 * math.exp(-(d - sun_r) / 6))

    def land(x, y):
        """The scene above the shore: hills in front of the sky."""
        if y > near_hill(x):
            return (34, 18, 40)
        if y > far_hill(x):
            return (84, 44, 84)
        return sky(x, y)

    ripples = Noise(21)

    def fn(x, y, _):
        if y < shore:
            return land(x, y)
        # The water: a mirror image of the shore line, darkened, broken by small ripples.
        wobble = (ripples.value(x * 0.3, y * 0.9) - 0.5) * 1.6
        col = scale(land(x + wobble, 2 * shore - y), 0.7)
        # The sun path: golden streaks under the sun, wider towards the viewer.
        spread = 3 + (y - shore) * 0.25
        streak = ripples.value(x * 0.25, y * 0.8)
        if abs(x - sun_x) < spread and streak > 0.55:
            col = mix(col, (255, 210, 120), 0.75 * (1 - abs(x - sun_x) / spread))
        return col

    c.shade(fn, PANEL)
    # A few early stars high up, and two birds heading home.
    rng = random.Random(2024)
    for _ in range(9):
        c.circle(rng.uniform(x0 + 3, x1 - 3), rng.uniform(y0 + 3, y0 + 22), 0.45, (250, 240, 220))
    for bx, by, s in ((24.0, 30.0, 3.0), (31.0, 26.0, 2.2)):
        c.polyline([(bx - s, by - s * 0.5), (bx, by), (bx + s, by - s * 0.5)], 0.7, (30, 20, 40))
    frame_card(c, (28, 18, 46))


# -- Marine life ------------------------------------------------------------------------------------

def paint_fish(c, x, y, length, body, stripe, facing_right=True):
    """A rounded fish with a forked tail, a couple of bands and an eye."""
    d = 1 if facing_right else -1
    h = length * 0.45
    tail_x = x - d * length * 0.5
    c.polygon([(tail_x + d * 1.5, y), (tail_x - d * length * 0.32, y - h * 0.7),
               (tail_x - d * length * 0.22, y), (tail_x - d * length * 0.32, y + h * 0.7)], body)
    c.ellipse(x, y, length * 0.5, h / 2, body)
    if stripe:
        for off in (-0.12, 0.18):
            sx = x + d * length * off
            c.shade(lambda px, py, p, sx=sx: stripe
                    if abs(px - sx) < length * 0.06 and ((px - x) / (length * 0.5)) ** 2
                    + ((py - y) / (h / 2)) ** 2 < 1 else None,
                    (x - length, y - h, x + length, y + h))
    ex = x + d * length * 0.3
    c.circle(ex, y - h * 0.1, 1.0, (250, 250, 250))
    c.circle(ex + d * 0.2, y - h * 0.1, 0.55, (10, 10, 20))


def paint_marine(c):
    """Under the sea: blue water deepening downward with shafts of light from the surface,
    sand and swaying weed at the bottom, bright fish and rising bubbles."""
    x0, y0, x1, y1 = PANEL
    sand = Noise(3)

    def water(x, y, _):
        col = gradient([(0.0, (84, 186, 222)), (0.45, (26, 104, 170)), (1.0, (10, 38, 94))],
                       (y - y0) / (y1 - y0))
        # Sunbeams slanting down from the surface, fading with depth.
        beam = math.sin((x + y * 0.35) * 0.42) * 0.5 + 0.5
        col = mix(col, (170, 230, 245), 0.22 * beam ** 6 * max(0.0, 1 - (y - y0) / 70))
        # The sandy floor, with a wavy edge and a grainy surface.
        floor = 84 + 2.5 * math.sin(x * 0.16) + 1.5 * math.sin(x * 0.41 + 1)
        if y > floor:
            col = scale((196, 172, 112), 0.8 + 0.3 * sand.value(x * 0.8, y * 0.8))
        return col

    c.shade(water, PANEL)

    # Weed: tapering green fronds swaying from the floor.
    for base_x, height, phase, colour in ((9.0, 44.0, 0.0, (36, 130, 64)), (15.0, 30.0, 1.5, (60, 160, 70)),
                                         (58.0, 50.0, 2.5, (30, 118, 60)), (64.0, 32.0, 0.8, (62, 150, 66))):
        left, right = [], []
        for k in range(0, 41):
            t = k / 40
            y = 88 - height * t
            x = base_x + 3.5 * math.sin(t * 5.5 + phase) * t
            half = 1.8 * (1 - t) + 0.3
            left.append((x - half, y))
            right.append((x + half, y))
        c.polygon(left + right[::-1], colour)

    # Fish: two clownfish, a yellow tang and a little blue one.
    paint_fish(c, 30.0, 32.0, 15.0, (246, 118, 30), (250, 250, 250), True)
    paint_fish(c, 46.0, 58.0, 13.0, (246, 118, 30), (250, 250, 250), False)
    paint_fish(c, 42.0, 16.0, 10.0, (250, 214, 40), None, False)
    paint_fish(c, 24.0, 72.0, 9.0, (64, 200, 236), None, True)

    # Bubbles rising in a wavering column; rings with a bright glint.
    rng = random.Random(99)
    for k in range(8):
        by = 80 - k * 9.5 - rng.uniform(0, 3)
        bx = 52 + 2.5 * math.sin(k * 1.3) + rng.uniform(-1, 1)
        r = 0.9 + k * 0.18
        c.ring(bx, by, r, 0.6, (210, 240, 250))
        c.circle(bx - r * 0.35, by - r * 0.35, 0.35, (255, 255, 255))
    frame_card(c, (8, 32, 74))


# -- Heavenly sky -----------------------------------------------------------------------------------

def paint_heavenly(c):
    """Rays of light bursting through a gap in a bank of cloud: a golden glow in a deep blue sky,
    broad beams fanning down across the card, the clouds' edges lit gold near the light and a
    sea of cloud below."""
    x0, y0, x1, y1 = PANEL
    sx, sy = 36.5, 31.0

    def sky(x, y, _):
        col = gradient([(0.0, (36, 76, 166)), (0.5, (104, 150, 216)), (1.0, (196, 206, 236))],
                       (y - y0) / (y1 - y0))
        d = math.hypot(x - sx, y - sy)
        # The glow of the hidden sun.
        col = mix(col, (255, 244, 196), min(1.0, math.exp(-d / 12) * 1.2))
        # Beams: bright wedges fanning out below the gap, fading with distance.
        if y > sy:
            a = math.atan2(y - sy, x - sx)
            beam = math.cos((a - math.pi / 2) * 10) * 0.5 + 0.5
            col = mix(col, (255, 248, 214), 0.7 * smoothstep(0.5, 0.85, beam) * math.exp(-d / 80))
        return col

    c.shade(sky, PANEL)

    def cloud(puffs, lit, shadow, glow=0.0):
        """Overlapping round puffs: a shadowed underside, then the lit tops a little higher and
        smaller; with glow, the parts nearest the light turn warm gold."""
        for x, y, r in puffs:
            c.circle(x, y + 1.4, r, shadow)
        for x, y, r in puffs:
            d = math.hypot(x - sx, y - sy)
            warm = glow * math.exp(-max(0.0, d - r) / 6)
            c.circle(x, y - 0.6, r * 0.84, mix(lit, (255, 226, 150), warm))

    # The bank, its two halves leaving a narrow gap where the light breaks through.
    cloud([(2, 28, 8), (11, 24, 8.5), (20, 29, 7), (27, 33, 5), (9, 35, 6),
           (46, 33, 5), (53, 29, 7), (62, 24, 8.5), (71, 28, 8), (64, 35, 6)],
          (248, 248, 252), (150, 160, 196), glow=0.9)
    # Small high clouds.
    cloud([(14, 11, 3), (18, 10, 3.6), (22, 12, 2.6)], (236, 240, 250), (140, 156, 204))
    cloud([(50, 13, 2.6), (54, 11, 3.2), (58, 13, 2.4)], (236, 240, 250), (140, 156, 204))
    # A sea of cloud below, catching the beams.
    rng = random.Random(7)
    puffs = [(x, 88 + rng.uniform(-2, 2), rng.uniform(5, 7.5)) for x in range(2, 74, 7)]
    cloud(puffs, (255, 250, 236), (188, 192, 222))
    frame_card(c, (30, 62, 140))


BACKS = {
    "imgdefault": paint_default,
    "imgroman_wall": paint_roman_wall,
    "imgtyne_bridge": paint_tyne_bridge,
    "imgbig_cat": paint_big_cat,
    "imglake": paint_lake,
    "imgmarine": paint_marine,
    "imgbruce_almighty": paint_heavenly,
}


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: card_backs.py OUTPUT_DIR")
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, paint in BACKS.items():
        canvas = Canvas(WIDTH, HEIGHT)
        paint(canvas)
        canvas.write_ppm(os.path.join(out, name + ".ppm"))


if __name__ == "__main__":
    main()
