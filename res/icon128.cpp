// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon128.h"

#include <QPixmap>

namespace brevimo::res {
namespace {

// XPM images: "." transparent, "o" outline, "b" body, "h" highlight.
// clang-format off
const char* const kIcon32[] = {
    "32 32 4 1",
    ". c None",
    "o c #000080",
    "b c #0000FF",
    "h c #FFFFFF",
    "................................",
    "................................",
    "................................",
    "...............oo...............",
    "..............obbo..............",
    "..............obbo..............",
    ".............obbbbo.............",
    "............obbbbbbo............",
    "............obbbbbbo............",
    "..........oobbbbbbbboo..........",
    ".........obbbbbbbbbbbbo.........",
    "........obbbbbbbbbbbbbbo........",
    ".......obbbbbbbbbbbbbbbbo.......",
    "......obbbhhhhbbbbbbbbbbbo......",
    "......obbhhhhhbbbbbbbbbbbo......",
    "......obbhhhhhbbbbbbbbbbbo......",
    ".....obbbbhhhbbbbbbbbbbbbbo.....",
    ".....obbbbbbbbbbbbbbbbbbbbo.....",
    ".....obbbbbbbbbbbbbbbbbbbbo.....",
    ".....obbbbbbbbbbbbbbbbbbbbo.....",
    ".....obbbbbbbbbbbbbbbbbbbbo.....",
    ".....obbbbbbbbbbbbbbbbbbbbo.....",
    "......obbbbbbbbbbbbbbbbbbo......",
    "......obbbbbbbbbbbbbbbbbbo......",
    ".......obbbbbbbbbbbbbbbbo.......",
    "........obbbbbbbbbbbbbbo........",
    "........oobbbbbbbbbbbboo........",
    "..........obbbbbbbbbbo..........",
    "...........oooobboooo...........",
    "...............oo...............",
    "................................",
    "................................",
};

const char* const kIcon16[] = {
    "16 16 4 1",
    ". c None",
    "o c #000080",
    "b c #0000FF",
    "h c #FFFFFF",
    "................",
    "................",
    ".......oo.......",
    "......obbo......",
    ".....obbbbo.....",
    "....obbbbbbo....",
    "...obhhbbbbbo...",
    "...obhhbbbbbo...",
    "...obbbbbbbbo...",
    "...obbbbbbbbo...",
    "...obbbbbbbbo...",
    "...obbbbbbbbo...",
    "....obbbbbbo....",
    ".....oobboo.....",
    ".......oo.......",
    "................",
};

// clang-format on

} // namespace

QIcon ProgramIcon() {
  QIcon icon;
  icon.addPixmap(QPixmap(kIcon32));
  icon.addPixmap(QPixmap(kIcon16));
  return icon;
}

} // namespace brevimo::res
