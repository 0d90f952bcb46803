# SPDX-FileCopyrightText: 2026 The Quellard developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A tiny supersampled RGB canvas for painting the card backs.

Pure standard-library Python, so the artwork builds anywhere python3 runs and comes out the same
bit for bit: no fonts, no system renderer, no floating-point shortcuts that differ between
libraries. Shapes are filled at a few samples per pixel and averaged down, which is all the
antialiasing a 73 x 98 picture needs.

Coordinates are always in final-image pixels (floats); the supersampling is invisible to callers.
Colours are (r, g, b) tuples of 0..255 numbers.
"""

import math
import random


def mix(a, b, t):
    """Linear blend of two colours, t = 0 gives a, t = 1 gives b."""
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def gradient(stops, t):
    """Colour at t along a list of (position, colour) stops sorted by position."""
    if t <= stops[0][0]:
        return stops[0][1]
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0))
    return stops[-1][1]


def scale(c, k):
    return (c[0] * k, c[1] * k, c[2] * k)


def smoothstep(e0, e1, x):
    t = min(1.0, max(0.0, (x - e0) / (e1 - e0)))
    return t * t * (3 - 2 * t)


def round_rect_distance(x, y, x0, y0, x1, y1, r):
    """Signed distance from (x, y) to a rounded rectangle: negative inside, positive outside."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
    qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


class Noise:
    """Seeded 2-D value noise: smooth random hills on a unit lattice, summed over octaves."""

    def __init__(self, seed):
        rng = random.Random(seed)
        self._size = 256
        self._values = [rng.random() for _ in range(self._size * self._size)]

    def _lattice(self, ix, iy):
        return self._values[(iy % self._size) * self._size + (ix % self._size)]

    def value(self, x, y):
        """Noise in 0..1 at (x, y); features are about one unit across."""
        ix, iy = math.floor(x), math.floor(y)
        fx, fy = x - ix, y - iy
        sx, sy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
        top = self._lattice(ix, iy) + (self._lattice(ix + 1, iy) - self._lattice(ix, iy)) * sx
        bottom = (self._lattice(ix, iy + 1)
                  + (self._lattice(ix + 1, iy + 1) - self._lattice(ix, iy + 1)) * sx)
        return top + (bottom - top) * sy

    def fractal(self, x, y, octaves=3):
        """Sum of octaves with halving weights, still in 0..1."""
        total, weight, norm = 0.0, 1.0, 0.0
        for _ in range(octaves):
            total += self.value(x, y) * weight
            norm += weight
            x, y, weight = x * 2 + 17.3, y * 2 + 5.9, weight / 2
        return total / norm


class Canvas:
    """An RGB picture of width x height pixels, held at ss x ss samples per pixel."""

    def __init__(self, width, height, background=(255, 255, 255), ss=4):
        self.width, self.height, self.ss = width, height, ss
        self.sw, self.sh = width * ss, height * ss
        self.px = [list(background) for _ in range(self.sw * self.sh)]

    # -- sample access ---------------------------------------------------------------------------

    def _centre(self, i, j):
        """Image coordinates of the centre of sample column i, row j."""
        return (i + 0.5) / self.ss, (j + 0.5) / self.ss

    def _put(self, i, j, colour, alpha):
        p = self.px[j * self.sw + i]
        if alpha >= 1.0:
            p[0], p[1], p[2] = colour[0], colour[1], colour[2]
        elif alpha > 0.0:
            p[0] += (colour[0] - p[0]) * alpha
            p[1] += (colour[1] - p[1]) * alpha
            p[2] += (colour[2] - p[2]) * alpha

    def _rows(self, y0, y1):
        j0 = max(0, int(math.floor(y0 * self.ss)))
        j1 = min(self.sh, int(math.ceil(y1 * self.ss)))
        return range(j0, j1)

    def _span(self, j, xa, xb, colour, alpha):
        """Fills the samples of row j whose centres lie in [xa, xb)."""
        i0 = max(0, int(math.ceil(xa * self.ss - 0.5)))
        i1 = min(self.sw, int(math.ceil(xb * self.ss - 0.5)))
        for i in range(i0, i1):
            self._put(i, j, colour, alpha)

    # -- painting ----------------------------------------------------------------------------------

    def shade(self, fn, box=None):
        """Calls fn(x, y, old_colour) for every sample (inside box = (x0, y0, x1, y1) if given)
        and stores the colour it returns; returning None leaves the sample alone."""
        x0, y0, x1, y1 = box if box else (0, 0, self.width, self.height)
        i0, i1 = max(0, int(x0 * self.ss)), min(self.sw, int(math.ceil(x1 * self.ss)))
        for j in self._rows(y0, y1):
            y = (j + 0.5) / self.ss
            row = j * self.sw
            for i in range(i0, i1):
                p = self.px[row + i]
                c = fn((i + 0.5) / self.ss, y, p)
                if c is not None:
                    p[0], p[1], p[2] = c[0], c[1], c[2]

    def polygon(self, points, colour, alpha=1.0):
        """Even-odd fill of a closed polygon given as [(x, y), ...]."""
        ys = [p[1] for p in points]
        edges = list(zip(points, points[1:] + points[:1]))
        for j in self._rows(min(ys), max(ys)):
            y = (j + 0.5) / self.ss
            xs = []
            for (ax, ay), (bx, by) in edges:
                if (ay <= y < by) or (by <= y < ay):
                    xs.append(ax + (y - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for k in range(0, len(xs) - 1, 2):
                self._span(j, xs[k], xs[k + 1], colour, alpha)

    def ellipse(self, cx, cy, rx, ry, colour, alpha=1.0):
        for j in self._rows(cy - ry, cy + ry):
            dy = ((j + 0.5) / self.ss - cy) / ry
            if abs(dy) < 1:
                half = rx * math.sqrt(1 - dy * dy)
                self._span(j, cx - half, cx + half, colour, alpha)

    def circle(self, cx, cy, r, colour, alpha=1.0):
        self.ellipse(cx, cy, r, r, colour, alpha)

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        for j in self._rows(y0, y1):
            self._span(j, x0, x1, colour, alpha)

    def line(self, x0, y0, x1, y1, width, colour, alpha=1.0):
        """A straight stroke with square ends, width in pixels."""
        length = math.hypot(x1 - x0, y1 - y0)
        if length == 0:
            return
        nx, ny = -(y1 - y0) / length * width / 2, (x1 - x0) / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)],
                     colour, alpha)

    def polyline(self, points, width, colour, alpha=1.0):
        """A stroke through several points, with round joins so the bends stay closed."""
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            self.line(ax, ay, bx, by, width, colour, alpha)
        if alpha >= 1.0:
            for x, y in points[1:-1]:
                self.circle(x, y, width / 2, colour)

    def ring(self, cx, cy, r, width, colour, alpha=1.0):
        """A circle outline, drawn as a shaded band so it stays even all the way round."""
        self.shade(lambda x, y, p: mix(p, colour, alpha)
                   if abs(math.hypot(x - cx, y - cy) - r) < width / 2 else None,
                   (cx - r - width, cy - r - width, cx + r + width, cy + r + width))

    # -- output ------------------------------------------------------------------------------------

    def pixels(self):
        """The final picture, each pixel the mean of its samples, as rows of (r, g, b) ints."""
        n = self.ss * self.ss
        out = []
        for y in range(self.height):
            row = []
            for x in range(self.width):
                r = g = b = 0.0
                for j in range(y * self.ss, (y + 1) * self.ss):
                    base = j * self.sw + x * self.ss
                    for p in self.px[base:base + self.ss]:
                        r += p[0]
                        g += p[1]
                        b += p[2]
                row.append(tuple(min(255, max(0, int(round(v / n)))) for v in (r, g, b)))
            out.append(row)
        return out

    def write_ppm(self, path):
        """Binary PPM: the simplest lossless format ImageMagick reads."""
        data = bytearray(f"P6\n{self.width} {self.height}\n255\n".encode("ascii"))
        for row in self.pixels():
            for r, g, b in row:
                data += bytes((r, g, b))
        with open(path, "wb") as f:
            f.write(data)
