#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the maskable home-screen icon's drawing: the program icon on a
solid background, small enough that a launcher's mask (any shape that holds
the middle circle of 80 % of the width) never cuts into it.

usage: maskable_icon.py ICON_SVG OUT_SVG
"""
import re
import sys

SIZE = 512
BACKGROUND = "#ffffff"
# The icon's drawing reaches 123 units of its 256 from its middle (128, 131),
# its outline included; drawn 1.5 times as large it stays within 185 px of
# the middle, inside the safe circle of 205 px.
SCALE, MIDDLE = 1.5, (128, 131)

with open(sys.argv[1], encoding="utf-8") as f:
    source = f.read()
inner = re.search(r"<svg[^>]*>(.*)</svg>", source, re.S).group(1)
dx, dy = SIZE / 2 - MIDDLE[0] * SCALE, SIZE / 2 - MIDDLE[1] * SCALE
with open(sys.argv[2], "w", encoding="utf-8") as f:
    f.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
            f'viewBox="0 0 {SIZE} {SIZE}"><rect width="{SIZE}" height="{SIZE}" fill="{BACKGROUND}"/>'
            f'<g transform="translate({dx} {dy}) scale({SCALE})">{inner}</g></svg>\n')
