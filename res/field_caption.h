// SPDX-License-Identifier: GPL-3.0-or-later
// The captions that name a field of a dialog template (an edit field or a
// drop-down list), found from where the template places them, for whatever
// shows the template (the page layer, or a page of another front end).
#pragma once

#include "dialog_template.h"

#include <vector>

namespace brevimo::res {

// The items whose captions name field, in reading order. Only captions in
// the same group box as the field count: the nearest label beside it (left
// before right; a row heading may stand across other fields of its row),
// then the nearest label above it (a column heading); a field in a grid of
// both gets both. A field without a label of its own is named by the caption
// of its group box. Empty when there is neither. A label with a zero width
// (sized to its text) is taken to reach the right edge of its group box.
std::vector<const DlgItem*> FieldCaptions(const DlgTemplate& tmpl, const DlgItem& field);

// The innermost group box that holds item (its top-left corner), or nullptr.
const DlgItem* GroupOf(const DlgTemplate& tmpl, const DlgItem& item);

// Whether an item is a field that FieldCaptions names.
bool IsField(const DlgItem& item);

} // namespace brevimo::res
