// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_caption.h"

#include <climits>

namespace brevimo::res {
namespace {

// An item's area in dialog units; right and bottom are exclusive.
struct Box {
  int left, top, right, bottom;
};

Box BoxOf(const DlgTemplate& tmpl, const DlgItem& item, const DlgItem* group) {
  // A label sized to its text: one line high, as wide as its group allows.
  const int right = item.cx > 0 ? item.x + item.cx : group ? group->x + group->cx : tmpl.cx;
  const int bottom = item.cy > 0 ? item.y + item.cy : item.y + 8;
  return {item.x, item.y, right, bottom};
}

// Whether the middle of one span lies within the other (twice the units, so
// that a middle between two units counts).
bool AlignedSpans(int a0, int a1, int b0, int b1) {
  const auto within = [](int mid2, int from, int to) { return mid2 >= 2 * from && mid2 < 2 * to; };
  return within(a0 + a1, b0, b1) || within(b0 + b1, a0, a1);
}

bool Overlap(int a0, int a1, int b0, int b1) { return a0 < b1 && b0 < a1; }

// A text label that can caption a field: not a sunken message line.
bool IsCaption(const DlgItem& item) {
  return item.kind == Ctl::Label && item.text && *item.text && !(item.style & kSunken);
}

// Whether a control of the field's row stands between the field and a label
// beside it, from the label's edge `from` to the field's edge `to`: for a
// label on the left a button or box in between (a row heading may stand
// across other fields), for one on the right anything in between.
bool Blocked(const DlgTemplate& tmpl, const DlgItem& field, const Box& f, int from, int to,
             bool fieldsBlock) {
  for (const DlgItem& item : tmpl.items) {
    if (&item == &field || item.kind == Ctl::GroupBox || item.kind == Ctl::Label) continue;
    if (!fieldsBlock && IsField(item)) continue;
    const Box b = BoxOf(tmpl, item, nullptr);
    if (b.left >= from && b.right <= to && AlignedSpans(b.top, b.bottom, f.top, f.bottom))
      return true;
  }
  return false;
}

} // namespace

const DlgItem* GroupOf(const DlgTemplate& tmpl, const DlgItem& item) {
  const DlgItem* group = nullptr;
  for (const DlgItem& g : tmpl.items) {
    if (&g == &item || g.kind != Ctl::GroupBox) continue;
    const bool holds = item.x >= g.x && item.x < g.x + g.cx && item.y >= g.y && item.y < g.y + g.cy;
    if (holds && (!group || g.cx * g.cy < group->cx * group->cy)) group = &g;
  }
  return group;
}

bool IsField(const DlgItem& item) {
  return item.kind == Ctl::Edit || item.kind == Ctl::DropList || item.kind == Ctl::DropDown;
}

std::vector<const DlgItem*> FieldCaptions(const DlgTemplate& tmpl, const DlgItem& field) {
  const DlgItem* group = GroupOf(tmpl, field);
  const Box f = BoxOf(tmpl, field, group);
  // Labels within two units of touching the field still count as beside or
  // above it.
  constexpr int kSlack = 2;
  const DlgItem *left = nullptr, *right = nullptr, *above = nullptr;
  int leftGap = INT_MAX, rightGap = INT_MAX, aboveGap = INT_MAX;
  for (const DlgItem& item : tmpl.items) {
    if (!IsCaption(item) || GroupOf(tmpl, item) != group) continue;
    const Box l = BoxOf(tmpl, item, group);
    if (AlignedSpans(l.top, l.bottom, f.top, f.bottom)) {
      if (l.right <= f.left + kSlack && f.left - l.right < leftGap &&
          !Blocked(tmpl, field, f, l.right, f.left, false)) {
        left = &item;
        leftGap = f.left - l.right;
      } else if (l.left >= f.right - kSlack && l.left - f.right < rightGap &&
                 !Blocked(tmpl, field, f, f.right, l.left, true)) {
        right = &item;
        rightGap = l.left - f.right;
      }
    }
    if (l.bottom <= f.top + kSlack && Overlap(l.left, l.right, f.left, f.right) &&
        f.top - l.bottom < aboveGap) {
      above = &item;
      aboveGap = f.top - l.bottom;
    }
  }
  std::vector<const DlgItem*> captions;
  if (left || right) captions.push_back(left ? left : right);
  if (above) captions.push_back(above);
  if (captions.empty() && group && group->text && *group->text) captions.push_back(group);
  return captions;
}

} // namespace brevimo::res
