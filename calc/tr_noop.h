// SPDX-License-Identifier: GPL-3.0-or-later
// Marks a text for Qt's translation tools without Qt: the text stays as it
// is here, and lupdate (told that this is an alias of QT_TR_NOOP) lists it
// under the enclosing namespace ("brevimo" for messages, "brevimo::res" for
// the dialog templates). The page layer translates it where it is shown.
#pragma once

#define BREVIMO_TR_NOOP(text) text
