#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes calc/temp_density_table.cpp, the density grid of ethanol-water
mixtures over temperature (+40 .. -25 °C) and strength (100 .. 0 % by mass).

The shape of the grid is the international alcoholometric formula of
OIML R 22 (1975), the density of an ethanol-water mixture as a function of
its mass fraction and temperature. The grid must reproduce a set of
measured reference cells exactly, so the difference between those cells and
the formula is carried over the rest of the grid:
  * along concentration, between the reference columns of a reference row,
    by a monotone cubic (Fritsch-Carlson) that cannot overshoot, held
    constant beyond the last reference column with data;
  * along temperature, linearly between the two nearest reference rows.
The 20 °C row is the 20 °C density table (calc/concentration.cpp)
interpolated at whole mass percents; the reference cells win where they
differ. Cells are rounded to five decimals from 40 to 0 °C and to four
below 0 °C; cells without data are -1.0.

Usage: tools/gen_temp_density.py [--check]
  without arguments: rewrite calc/temp_density_table.cpp;
  --check: exit 1 if the committed file differs from what would be written.

Only the Python 3 standard library is needed; the build never runs this.
"""

import re
import sys
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "calc" / "temp_density_table.cpp"
DENSITY_TABLE_SOURCE = ROOT / "calc" / "concentration.cpp"

TOP = 40      # temperature of row 0, °C
ROWS = 66     # +40 .. -25 °C
COLUMNS = 101 # 100 .. 0 % by mass

# --- OIML R 22 (1975): rho(p, t) in kg/m3, p mass fraction, t in °C ------
#   rho = A1 + sum_{k=2..12} A_k p^(k-1) + sum_{k=1..6} B_k (t-20)^k
#       + sum_{i=1..5} sum_{k=1..m_i} C_{i,k} p^k (t-20)^i
A = [998.20123, -192.9769495, 389.1238958, -1668.103923, 13522.15441,
     -88292.78388, 306287.4042, -613838.1234, 747017.2998, -547846.1354,
     223446.0334, -39032.85426]
B = [-0.2061851, -5.268254e-3, 3.613001e-5, -3.895770e-7, 7.169354e-9,
     -9.973923e-11]
C = [
    [1.693443461530087e-1, -1.046914743455169e1, 7.196353469546523e1,
     -7.047478054272792e2, 3.924090430035045e3, -1.210164659068747e4,
     2.248646550400788e4, -2.605562982188164e4, 1.852373922069467e4,
     -7.420201433430137e3, 1.285617841998974e3],
    [-1.193013005057010e-2, 2.517399633803461e-1, -2.170575700536993,
     1.353034988843029e1, -5.029988758547014e1, 1.096355666577570e2,
     -1.422753946421155e2, 1.080435942856230e2, -4.414153236817392e1,
     7.442971530188783],
    [-6.802995733503803e-4, 1.876837790289664e-2, -2.002561813734156e-1,
     1.022992966719220, -2.895696483903638, 4.810060584300675,
     -4.672147440794683, 2.458043105903461, -5.411227621436812e-1],
    [4.075376675622027e-6, -8.763058573471110e-6, 6.515031360099368e-6,
     -1.515784836987210e-6],
    [-2.788074354782409e-8, 1.345612883493354e-8],
]


def formula(mass_pct, t):
    """Density in kg/l of a mixture of mass_pct % ethanol at t °C."""
    p = mass_pct / 100.0
    d = t - 20.0
    rho = sum(a * p ** k for k, a in enumerate(A))
    rho += sum(b * d ** (k + 1) for k, b in enumerate(B))
    for i, row in enumerate(C):
        rho += sum(c * p ** (k + 1) for k, c in enumerate(row)) * d ** (i + 1)
    return rho / 1000.0


# --- Reference cells (kg/l); None: no data --------------------------------
REF_COLUMNS = [100, 99, 96, 90, 80, 70, 60, 50, 40, 30, 25, 20, 18, 17, 10, 5, 1, 0]
N = None
REF_ROWS = {
    40: [0.77203, 0.77506, 0.78384, 0.8003, 0.8258, 0.85027, 0.87415, 0.89748, 0.91989,
         0.94055, 0.9499, 0.95858, 0.96187, 0.96348, 0.97475, 0.98311, 0.99032, 0.99224],
    39: [0.77294, 0.77592, 0.78473, 0.80123, 0.82673, 0.85117, 0.875, 0.89836, 0.92071,
         0.94129, 0.95055, 0.95915, 0.9624, 0.964, 0.97517, 0.9835, 0.99071, 0.99262],
    30: [0.7808, 0.78383, 0.79258, 0.80906, 0.83467, 0.85906, 0.88275, 0.90577, 0.92765,
         0.94741, 0.95608, 0.96395, 0.96696, 0.96844, 0.97876, 0.9867, 0.99379, 0.99567],
    20: [0.78927, 0.7924, 0.80133, 0.81795, 0.84347, 0.86763, 0.89108, 0.91382, 0.93518,
         0.95382, 0.96168, 0.96864, 0.97129, 0.97259, 0.98187, 0.98938, 0.99636, 0.99823],
    10: [0.79779, 0.80094, 0.80995, 0.8266, 0.85206, 0.87608, 0.89932, 0.92177, 0.94249,
         0.95977, 0.96665, 0.97252, 0.97473, 0.97583, 0.98393, 0.99098, 0.99785, 0.99973],
    4: [0.80285, 0.80601, 0.81502, 0.83166, 0.85708, 0.88103, 0.90417, 0.92641, 0.94665,
        0.9631, 0.9693, 0.97442, 0.97633, 0.97729, 0.98462, 0.99132, 0.99812, 1.0],
    0: [0.80623, 0.80937, 0.81833, 0.83494, 0.86033, 0.88426, 0.90735, 0.92942, 0.94932,
        0.96523, 0.97094, 0.97552, 0.97721, 0.97805, 0.98485, 0.99127, 0.99801, 0.99987],
    -1: [0.8071, 0.8102, 0.8191, 0.8357, 0.8611, 0.8851, 0.9082, 0.9301, 0.95,
         0.9657, 0.9713, 0.9757, 0.9774, N, N, N, N, N],
    -10: [0.8147, 0.8178, 0.8267, 0.8431, 0.8683, 0.8921, 0.9151, 0.9368, 0.9559,
          0.9701, 0.9746, 0.9775, 0.9785, N, N, N, N, N],
    -11: [0.8155, 0.8186, 0.8275, 0.844, 0.8691, 0.8929, 0.9158, 0.9376, 0.9566,
          0.9706, 0.9749, N, N, N, N, N, N, N],
    -20: [0.8228, 0.8259, 0.8349, 0.8514, 0.8764, 0.8999, 0.9225, 0.944, 0.9625,
          0.9749, 0.9775, N, N, N, N, N, N, N],
    -21: [0.8236, 0.8267, 0.8357, 0.8522, 0.8772, 0.9007, 0.9232, 0.9447, 0.9631,
          0.9753, N, N, N, N, N, N, N, N],
    -25: [0.8269, 0.83, 0.839, 0.8555, 0.8804, 0.9038, 0.9262, 0.9475, 0.9657,
          0.9771, N, N, N, N, N, N, N, N],
}
# One more reference cell, given to six decimals: 21 % at 39 °C.
EXTRA_CELLS = {(39, 21): 0.957491}


def weakest_with_data(t):
    """The weakest concentration (mass %) with data at t °C."""
    if t >= 0:
        return 0
    if t >= -10:
        return 18
    if t >= -20:
        return 23
    return 26


def decimals(t):
    return 5 if t >= 0 else 4


def round_cell(value, t):
    q = Decimal(1).scaleb(-decimals(t))
    return float(Decimal(repr(value)).quantize(q, rounding=ROUND_HALF_UP))


# --- The 20 °C density table ---------------------------------------------
def read_density_table():
    text = DENSITY_TABLE_SOURCE.read_text(encoding="utf-8")

    def column(name):
        m = re.search(r"WaterAlcoholTable::%s\[kRows\]\s*=\s*\{([^}]*)\}" % name, text)
        if not m:
            sys.exit("cannot find the %s column in %s" % (name, DENSITY_TABLE_SOURCE))
        return [float(v) for v in m.group(1).replace("\n", " ").split(",") if v.strip()]

    density, mass = column("Density"), column("Mass")
    assert len(density) == len(mass) == 213
    return density, mass


def density_at_20(mass_pct, density, mass):
    """The 20 °C table interpolated at mass_pct, bracketing as the table's
    own conversion does: the first row k >= 1 with mass[k] >= mass_pct."""
    if mass_pct <= 0:
        return density[0]
    if mass_pct >= 100:
        return density[-1]
    k = 1
    while k < len(mass) - 1 and mass[k] < mass_pct:
        k += 1
    t = (mass_pct - mass[k - 1]) / (mass[k] - mass[k - 1])
    return density[k - 1] + t * (density[k] - density[k - 1])


# --- Monotone cubic interpolation (Fritsch-Carlson) -----------------------
def pchip(xs, ys):
    """Interpolant through (xs, ys), xs increasing: monotone on every
    interval and never outside the values at its ends."""
    n = len(xs)
    h = [xs[k + 1] - xs[k] for k in range(n - 1)]
    delta = [(ys[k + 1] - ys[k]) / h[k] for k in range(n - 1)]
    if n == 2:
        d = [delta[0], delta[0]]
    else:
        d = [0.0] * n
        for k in range(1, n - 1):
            if delta[k - 1] * delta[k] > 0:
                w1 = 2 * h[k] + h[k - 1]
                w2 = h[k] + 2 * h[k - 1]
                d[k] = (w1 + w2) / (w1 / delta[k - 1] + w2 / delta[k])

        def end(h0, h1, d0, d1):
            s = ((2 * h0 + h1) * d0 - h0 * d1) / (h0 + h1)
            if s * d0 <= 0:
                return 0.0
            if d0 * d1 <= 0 and abs(s) > 3 * abs(d0):
                return 3 * d0
            return s

        d[0] = end(h[0], h[1], delta[0], delta[1])
        d[-1] = end(h[-1], h[-2], delta[-1], delta[-2])

    def f(x):
        k = 0
        while k < n - 2 and x > xs[k + 1]:
            k += 1
        s = (x - xs[k]) / h[k]
        h00 = (1 + 2 * s) * (1 - s) ** 2
        h10 = s * (1 - s) ** 2
        h01 = s * s * (3 - 2 * s)
        h11 = s * s * (s - 1)
        return h00 * ys[k] + h10 * h[k] * d[k] + h01 * ys[k + 1] + h11 * h[k] * d[k + 1]

    return f


# --- The grid --------------------------------------------------------------
def reference_cells():
    """{(t, mass %): density} of every reference cell with data."""
    cells = {}
    for t, row in REF_ROWS.items():
        for c, v in zip(REF_COLUMNS, row):
            if v is not None:
                cells[(t, c)] = v
    cells.update(EXTRA_CELLS)
    return cells


def residual_row(t, points):
    """Difference to the formula at every whole percent of a reference row,
    from its reference points {mass %: density}."""
    xs = sorted(points)
    f = pchip(xs, [points[c] - formula(c, t) for c in xs])
    weakest = weakest_with_data(t)
    return {c: f(max(c, xs[0])) for c in range(weakest, 101)}


def build_grid():
    density, mass = read_density_table()
    cells = reference_cells()

    residuals = {}
    for t in REF_ROWS:
        points = {c: v for (tt, c), v in cells.items() if tt == t}
        if t == 20:
            # The whole row is known: the 20 °C table, reference cells first.
            row = {c: points.get(c, round_cell(density_at_20(c, density, mass), 20))
                   for c in range(101)}
            residuals[t] = {c: row[c] - formula(c, t) for c in row}
        else:
            residuals[t] = residual_row(t, points)

    ref_temps = sorted(REF_ROWS)
    grid = []
    for r in range(ROWS):
        t = TOP - r
        lo = max(x for x in ref_temps if x <= t)
        hi = min(x for x in ref_temps if x >= t)
        w = 0.0 if hi == lo else (t - lo) / (hi - lo)
        row = []
        for col in range(COLUMNS):
            c = 100 - col
            if c < weakest_with_data(t):
                row.append(-1.0)
            elif (t, c) in cells:
                row.append(cells[(t, c)])
            else:
                res = (1 - w) * residuals[lo][c] + w * residuals[hi][c]
                row.append(round_cell(formula(c, t) + res, t))
        grid.append(row)
    return grid


def check(grid):
    cells = reference_cells()
    for (t, c), v in cells.items():
        assert grid[TOP - t][100 - c] == v, (t, c)
    for r, row in enumerate(grid):
        data = [v for v in row if v > 0]
        assert row[:len(data)] == data, r
        assert all(a < b for a, b in zip(data, data[1:])), "row %d does not rise" % r


def cell_text(value, t):
    if value < 0:
        return "-1.0"
    places = 6 if value != round_cell(value, t) else decimals(t)
    text = ("%.*f" % (places, value)).rstrip("0")
    return text + "0" if text.endswith(".") else text


HEADER = """\
// SPDX-License-Identifier: GPL-3.0-or-later
// Generated by tools/gen_temp_density.py; do not edit by hand, rerun it.
//
// Densities of ethanol-water mixtures (kg/l) over temperature and strength.
// Row r is 40 - r °C (+40 .. -25), column c is 100 - c % ethanol by mass.
// The shape is the international alcoholometric formula of OIML R 22 (1975),
// density as a function of mass fraction and temperature (its stated range
// is -20 .. +40 °C; the rows below -20 °C extrapolate it). The measured
// reference cells of rows 40, 39, 30, 20, 10, 4, 0, -1, -10, -11, -20, -21
// and -25 °C at 100, 99, 96, 90, 80, 70, 60, 50, 40, 30, 25, 20, 18, 17, 10,
// 5, 1 and 0 %, and 21 % at 39 °C, are reproduced exactly; elsewhere their
// difference to the formula is carried by a monotone cubic along
// concentration (held constant beyond the last reference column with data)
// and linearly along temperature between the nearest reference rows. The
// 20 °C row is the 20 °C density table interpolated at whole mass percents.
// Cells are rounded to five decimals from 40 to 0 °C, four below 0 °C.
// -1.0 marks a cell without data: 0..17 % from -1 to -10 °C, 0..22 % from
// -11 to -20 °C and 0..25 % from -21 to -25 °C.
"""


def render(grid):
    out = [HEADER, '#include "temperature_correction.h"\n\n', "namespace brevimo {\n\n",
           "// clang-format off\n",
           "const double TempDensityTable::Density[kRows][kColumns] = {\n"]
    for r, row in enumerate(grid):
        t = TOP - r
        out.append("    // %+d °C\n    {\n" % t if t else "    // 0 °C\n    {\n")
        texts = [cell_text(v, t) for v in row]
        for i in range(0, COLUMNS, 10):
            out.append("        " + ", ".join(texts[i:i + 10]) + ",\n")
        out.append("    },\n")
    out.append("};\n// clang-format on\n\n} // namespace brevimo\n")
    return "".join(out)


def main():
    grid = build_grid()
    check(grid)
    text = render(grid)
    if sys.argv[1:] == ["--check"]:
        same = OUTPUT.exists() and OUTPUT.read_text(encoding="utf-8") == text
        print("up to date" if same else "%s is out of date" % OUTPUT)
        return 0 if same else 1
    OUTPUT.write_text(text, encoding="utf-8")
    print("wrote", OUTPUT)
    return 0


if __name__ == "__main__":
    sys.exit(main())
