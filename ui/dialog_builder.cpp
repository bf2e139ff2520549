// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_builder.h"

#include "res/field_caption.h"
#include "res/icon128.h"
#include "translation.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace brevimo {

// What the labels of a template need: (item, height) -> width, and
// (item, width) -> height.
struct LabelWidths {
  std::map<std::pair<const res::DlgItem*, int>, int> widthFor, heightAt;
};

namespace {

// Rounds a * b / c to the nearest integer, as MulDiv does.
int MulDiv(int a, int b, int c) {
  return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c);
}

Qt::Alignment TextAlignment(unsigned style) {
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (style & res::kRight) horizontal = Qt::AlignRight;
  if (style & res::kCenter) horizontal = Qt::AlignHCenter;
  return horizontal;
}

// Where a built control came from, for refitting it to a new caption.
constexpr char kItemProp[] = "brevimoItem";
constexpr char kTemplateProp[] = "brevimoTemplate";

// A whole field's text as a tool tip: a number of hundreds of digits in
// lines short enough for any screen.
QString WholeTextTip(const QString& text) {
  constexpr qsizetype kLine = 40;
  QStringList lines;
  for (qsizetype at = 0; at < text.size(); at += kLine)
    lines << text.mid(at, kLine);
  return lines.join(QLatin1Char('\n'));
}

// An edit field that looks read-only while it is: results show on the
// background of the dialog, as a read-only edit control does, so a user sees
// at once which fields are outputs.
//
// No digit is lost from view: a number wider than the field shows from its
// first digit (WidgetStore puts the cursor at the start), and the whole of
// it is the field's tool tip and accessible description while it does not
// fit. A read-only field reached by the keyboard keeps showing its start.
class CEdit : public QLineEdit {
public:
  CEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    connect(this, &QLineEdit::textChanged, this, &CEdit::UpdateWholeText);
  }

protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ReadOnlyChange) UpdateLook();
    const bool handled = QLineEdit::event(event);
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::ContentsRectChange:
      UpdateWholeText();
      break;
    default:
      break;
    }
    return handled;
  }

  void focusInEvent(QFocusEvent* event) override {
    QLineEdit::focusInEvent(event);
    // Selected whole, the cursor stands at the end and the view with it.
    if (isReadOnly() && selectedText() == text()) KeepStartInView(this);
  }

private:
  void UpdateLook() {
    QPalette pal = palette();
    const QPalette standard = parentWidget() ? parentWidget()->palette() : QPalette();
    pal.setBrush(QPalette::Base,
                 isReadOnly() ? standard.brush(QPalette::Window) : standard.brush(QPalette::Base));
    setPalette(pal);
  }

  // Whether the text fits the field, as QLineEdit lays it out: its contents
  // less a margin of 2 pixels each side, and room for the cursor.
  bool TextFits() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    const int cursor = style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, this);
    return fontMetrics().horizontalAdvance(displayText()) + 1 + cursor <= contents.width() - 4;
  }

  void UpdateWholeText() {
    const QString whole = TextFits() ? QString() : text();
    if (accessibleDescription() == whole) return;
    setToolTip(WholeTextTip(whole));
    setAccessibleDescription(whole);
  }
};

// A radio group is one Tab stop, on its checked button (the first when none
// is checked); the arrow keys move the choice within the group.
void UpdateRadioTabStops(QButtonGroup* group) {
  const QList<QAbstractButton*> buttons = group->buttons();
  QAbstractButton* stop = group->checkedButton();
  if (!stop && !buttons.isEmpty()) stop = buttons.front();
  for (QAbstractButton* button : buttons)
    button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

QWidget* MakeControl(const res::DlgItem& item, QWidget* parent) {
  const QString text = TrTemplate(item.text); // in the current language
  switch (item.kind) {
  case res::Ctl::Label: {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(TextAlignment(item.style) |
                        ((item.style & res::kVCenter) ? Qt::AlignVCenter : Qt::AlignTop));
    if (item.style & res::kSunken) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
  }
  case res::Ctl::Edit: {
    auto* edit = new CEdit(text, parent);
    edit->setReadOnly(item.style & res::kReadOnly);
    edit->setAlignment(TextAlignment(item.style) | Qt::AlignVCenter);
    return edit;
  }
  case res::Ctl::Button: {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
  }
  case res::Ctl::GroupBox: {
    auto* box = new QGroupBox(text, parent);
    box->setAlignment(TextAlignment(item.style));
    // A frame only: it must not take the clicks meant for the controls inside.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
  }
  case res::Ctl::CheckBox:
    return new QCheckBox(text, parent);
  case res::Ctl::Radio:
    return new QRadioButton(text, parent);
  case res::Ctl::DropList:
  case res::Ctl::DropDown: {
    auto* combo = new QComboBox(parent);
    combo->setEditable(item.kind == res::Ctl::DropDown);
    QStringList sources;
    for (const char* entry : item.items)
      sources << QString::fromUtf8(entry);
    combo->addItems(sources);
    SetTranslatedItems(combo, sources); // shown in the current language
    combo->setCurrentIndex(-1);
    return combo;
  }
  case res::Ctl::Icon: {
    auto* icon = new QLabel(parent);
    icon->setPixmap(res::ProgramIcon().pixmap(32, 32));
    return icon;
  }
  }
  return nullptr;
}

// The width a push button needs for its caption: the style's margins around
// the text and an average letter of air on either side, without the minimum
// width the style gives a button of its own.
int ButtonWidthForText(QWidget* button) {
  QStyleOptionButton opt;
  opt.initFrom(button); // no text: the style adds its margins only
  const QFontMetrics& fm = button->fontMetrics();
  const QSize text(fm.horizontalAdvance(static_cast<QPushButton*>(button)->text()) +
                       2 * fm.averageCharWidth(),
                   fm.height());
  return button->style()->sizeFromContents(QStyle::CT_PushButton, &opt, text, button).width();
}

// Words as a label wraps them: split at ASCII blanks only (a no-break space
// holds its words together). Split by hand: a regular expression would load
// and compile PCRE at start-up, half a megabyte for this.
int WidestWord(const QLabel* label) {
  const QString text = label->text();
  const auto blank = [](QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
  };
  int widest = 0;
  for (qsizetype start = 0, end = 0; start <= text.size(); start = end + 1) {
    end = start;
    while (end < text.size() && !blank(text[end]))
      ++end;
    widest = std::max(widest, label->fontMetrics().horizontalAdvance(text.mid(start, end - start)));
  }
  return widest;
}

// The narrowest width at which a label's words, wrapped, fit the height;
// the width of its longest line when even one line per break does not fit.
int LabelWidthForText(QLabel* label, int height) {
  const int frame = label->width() - label->contentsRect().width();
  label->setWordWrap(false);
  const int unwrapped = label->sizeHint().width();
  label->setWordWrap(true);
  int lo = WidestWord(label) + frame, hi = std::max(lo, unwrapped);
  if (label->heightForWidth(hi) > height) return unwrapped;
  // Most labels take their whole line: then one pixel less already wraps.
  if (lo < hi && label->heightForWidth(hi - 1) > height) return hi;
  while (lo < hi) { // the wrapped height shrinks as the width grows
    const int mid = (lo + hi) / 2;
    if (label->heightForWidth(mid) <= height)
      hi = mid;
    else
      lo = mid + 1;
  }
  return hi;
}

// A caption never gets clipped. A label wraps its words within its width,
// as a static text does, over as many lines as its height holds (rounded: a
// height a little short of two lines holds two); narrower than that needs,
// it grows, as does a check box, radio or push button narrower than its
// text: to the left when right-aligned, both ways when centred. A zero width
// or height takes the text's size.
// What a label needs, measured once per label of a template: the width for
// a height, and the height at a width. The units' passes ask again at every
// pass, and the build asks the same of the real label (the same text in the
// same font), so the answers are kept by template item.
int Remembered(std::map<std::pair<const res::DlgItem*, int>, int>* known, const res::DlgItem& item,
               int key, auto measure) {
  if (!known) return measure();
  const auto [it, added] = known->try_emplace({&item, key}, 0);
  if (added) it->second = measure();
  return it->second;
}

QRect FitToText(const res::DlgItem& item, QWidget* control, QRect rect,
                LabelWidths* widths = nullptr) {
  // A label's size hint is not needed, and costly: its text laid out once more.
  const bool sizedLabel = item.kind == res::Ctl::Label && item.cx != 0 && item.cy != 0;
  const QSize hint = sizedLabel ? QSize() : control->sizeHint();
  if (item.cx == 0) rect.setWidth(hint.width());
  if (item.cy == 0) rect.setHeight(hint.height());
  // A drop-down list's height includes its open list; closed, it is as
  // tall as the font makes it.
  if (item.kind == res::Ctl::DropList || item.kind == res::Ctl::DropDown)
    rect.setHeight(hint.height());
  int needed = 0;
  switch (item.kind) {
  case res::Ctl::Label: {
    auto* label = static_cast<QLabel*>(control);
    if (!sizedLabel || label->text().isEmpty()) return rect;
    const int line = label->fontMetrics().height();
    const int lines = std::max(1, (rect.height() + line / 2) / line);
    const int frame = label->width() - label->contentsRect().width();
    const int room = std::max(rect.height(), lines * line + frame);
    needed = std::max(rect.width(), Remembered(widths ? &widths->widthFor : nullptr, item, room,
                                               [&] { return LabelWidthForText(label, room); }));
    label->setWordWrap(true); // as measured: wrapped within its width
    rect.setHeight(
        std::max(rect.height(), Remembered(widths ? &widths->heightAt : nullptr, item, needed,
                                           [&] { return label->heightForWidth(needed); })));
    break;
  }
  case res::Ctl::Button:
    // A push button's size hint has a style minimum; only its text counts.
    needed = ButtonWidthForText(control);
    break;
  case res::Ctl::CheckBox:
  case res::Ctl::Radio:
    // It ends after its caption: the rest of its template width is empty
    // and may reach under a neighbour.
    rect.setWidth(std::min(rect.width(), hint.width()));
    needed = hint.width();
    break;
  default:
    return rect;
  }
  const int extra = needed - rect.width();
  if (extra <= 0) return rect;
  if (item.style & res::kRight)
    rect.setLeft(rect.left() - extra);
  else if (item.style & res::kCenter)
    rect.adjust(-extra / 2, 0, extra - extra / 2, 0);
  else
    rect.setWidth(needed);
  return rect;
}

// The width a group box or drop-down list needs for its caption or items:
// they do not grow, the units widen instead.
int FixedWidthForText(const res::DlgItem& item, QWidget* control) {
  if (item.cx == 0) return 0;
  if (item.kind == res::Ctl::GroupBox) // the title is indented: as much air after it
    return control->minimumSizeHint().width() + control->fontMetrics().averageCharWidth();
  if (item.kind == res::Ctl::DropList || item.kind == res::Ctl::DropDown)
    return control->sizeHint().width();
  return 0;
}

// The line of a group box's title as the style draws it (its label rect
// pads the text), in the box's coordinates.
QRect GroupBoxTitle(const QGroupBox* box) {
  QStyleOptionGroupBox opt;
  opt.initFrom(box);
  opt.text = box->title();
  opt.lineWidth = 1;
  opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  const QRect label =
      box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
  const int line = box->fontMetrics().height();
  return {label.x(), label.y() + (label.height() - line) / 2, label.width(), line};
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  m_baseX = (letters + 26) / 52;
  m_baseY = metrics.height();
}

DialogUnits::DialogUnits(const res::DlgTemplate& tmpl, const QWidget* parent)
    : DialogUnits(tmpl, parent, nullptr) {}

DialogUnits::DialogUnits(const res::DlgTemplate& tmpl, const QWidget* parent, LabelWidths* widths)
    : DialogUnits(parent->font()) {
  LabelWidths own;
  LabelWidths& labelWidths = widths ? *widths : own;
  // Measured on controls like the real ones, in a widget that is never shown.
  QWidget scratch;
  scratch.setFont(parent->font());
  std::vector<QWidget*> controls;
  for (const res::DlgItem& item : tmpl.items)
    controls.push_back(MakeControl(item, &scratch));
  // The first row inside a group box sits below its title. The style may
  // draw the title lower than the template allows for, and rounding may
  // take a pixel off the gap: then the units grow taller until no control
  // covers a title.
  for (int pass = 0; pass < 8; ++pass) {
    bool covered = false;
    for (std::size_t i = 0; i < controls.size() && !covered; ++i) {
      const res::DlgItem& item = tmpl.items[i];
      auto* box = qobject_cast<QGroupBox*>(controls[i]);
      if (!box || box->title().isEmpty()) continue;
      const QRect frame = Rect(item.x, item.y, item.cx, item.cy);
      box->resize(frame.size());
      const QRect title = GroupBoxTitle(box).translated(frame.topLeft());
      for (std::size_t j = 0; j < controls.size() && !covered; ++j) {
        const res::DlgItem& other = tmpl.items[j];
        QRect rect = Rect(other.x, other.y, other.cx, other.cy);
        // sized to its text
        if (other.cx == 0) rect.setWidth(controls[j]->sizeHint().width());
        if (other.cy == 0) rect.setHeight(controls[j]->sizeHint().height());
        covered = j != i && frame.contains(rect.topLeft()) && rect.intersects(title);
      }
    }
    if (!covered) break;
    ++m_baseY;
  }
  // A control may grow for its caption into free room; where it would reach
  // a neighbour, out of its group box or out of the page, the units widen
  // until it does not. Widening moves neighbours apart, so this repeats.
  for (int pass = 0; pass < 50; ++pass) {
    const QRect page(QPoint(0, 0), Size(tmpl.cx, tmpl.cy));
    std::vector<QRect> rects, fitted;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const res::DlgItem& item = tmpl.items[i];
      rects.push_back(Rect(item.x, item.y, item.cx, item.cy));
      controls[i]->resize(rects[i].size());
      fitted.push_back(FitToText(item, controls[i], rects[i], &labelWidths));
    }
    double base = m_baseX;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const res::DlgItem& item = tmpl.items[i];
      if (item.cx == 0) continue;
      const int needed = FixedWidthForText(item, controls[i]);
      if (needed > rects[i].width()) base = std::max(base, 4.0 * (needed + 1) / item.cx);
      const bool trimmed = item.kind == res::Ctl::CheckBox || item.kind == res::Ctl::Radio;
      if (fitted[i].width() <= rects[i].width() && !trimmed) continue;
      bool blocked = !page.contains(fitted[i]);
      for (std::size_t j = 0; j < controls.size() && !blocked; ++j) {
        if (j == i) continue;
        if (tmpl.items[j].kind == res::Ctl::GroupBox && rects[j].contains(rects[i].topLeft()))
          blocked = !rects[j].contains(fitted[i]);
        else if (tmpl.items[i].kind != res::Ctl::GroupBox || !rects[i].contains(rects[j]))
          blocked = fitted[i].intersects(fitted[j]);
      }
      if (blocked) base = std::max({base, 4.0 * (fitted[i].width() + 1) / item.cx, m_baseX * 1.02});
    }
    if (base == m_baseX) break;
    m_baseX = base;
  }
}

int DialogUnits::X(int dlu) const { return static_cast<int>(std::floor(dlu * m_baseX / 4 + 0.5)); }

int DialogUnits::Y(int dlu) const { return MulDiv(dlu, m_baseY, 8); }

// Both edges are converted, not the size: controls that abut in the template
// abut on screen instead of overlapping by a rounded pixel.
QRect DialogUnits::Rect(int x, int y, int cx, int cy) const {
  return {QPoint(X(x), Y(y)), QPoint(X(x + cx) - 1, Y(y + cy) - 1)};
}

void BuildDialog(const res::DlgTemplate& tmpl, QWidget* parent) {
  // A new language gives the captions new lengths: built dialogs fit their
  // controls to them, and fields are named after them anew.
  AddRetranslateHook([](QWidget* root) {
    RefitDialogs(root);
    NameFields(root);
  });
  LabelWidths labelWidths; // measured for the units, asked again of the real labels
  const DialogUnits units(tmpl, parent, &labelWidths);
  parent->setProperty(kTemplateProp, QVariant::fromValue(reinterpret_cast<quintptr>(&tmpl)));
  parent->setMinimumSize(units.Size(tmpl.cx, tmpl.cy));
  QButtonGroup* radioGroup = nullptr;
  for (const res::DlgItem& item : tmpl.items) {
    QWidget* control = MakeControl(item, parent);
    if (item.id != res::IDC_STATIC) control->setObjectName(QString::number(item.id));

    control->setGeometry(
        FitToText(item, control, units.Rect(item.x, item.y, item.cx, item.cy), &labelWidths));
    control->setProperty(kItemProp, QVariant::fromValue(reinterpret_cast<quintptr>(&item)));
    if (*item.text && item.kind != res::Ctl::Edit && item.kind != res::Ctl::DropList &&
        item.kind != res::Ctl::DropDown)
      SetTranslated(control, kTemplateContext, QString::fromUtf8(item.text));
    // A page is built when its tab is first selected, on a sheet already on
    // screen, where a new child stays hidden unless shown.
    control->show();

    if (item.kind == res::Ctl::GroupBox) control->lower();

    // Radio groups: a run of radio buttons from one with kGroup up to the
    // next control that starts a group.
    if (item.style & res::kGroup) radioGroup = nullptr;
    if (item.kind == res::Ctl::Radio) {
      if (!radioGroup) {
        radioGroup = new QButtonGroup(parent);
        radioGroup->setObjectName(QStringLiteral("group%1").arg(item.id));
        QObject::connect(radioGroup, &QButtonGroup::buttonToggled, radioGroup,
                         [group = radioGroup] { UpdateRadioTabStops(group); });
      }
      radioGroup->addButton(static_cast<QAbstractButton*>(control), radioGroup->buttons().size());
      UpdateRadioTabStops(radioGroup);
    }

    // Accessible names: a button or frame is named by its caption, a label
    // by the text it shows now; fields by their captions, below.
    if (item.kind != res::Ctl::Label && !res::IsField(item))
      SetTranslated(control, kTemplateContext, QString::fromUtf8(item.text),
                    TrRole::AccessibleName);
  }
  NameFields(parent);
}

void NameFields(QWidget* root) {
  QList<QWidget*> dialogs = root->findChildren<QWidget*>();
  dialogs.prepend(root);
  for (QWidget* dialog : dialogs) {
    const QVariant origin = dialog->property(kTemplateProp);
    if (!origin.isValid()) continue;
    const auto& tmpl = *reinterpret_cast<const res::DlgTemplate*>(origin.value<quintptr>());
    std::map<const res::DlgItem*, QWidget*> built;
    const QList<QWidget*> controls =
        dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
      const QVariant item = control->property(kItemProp);
      if (item.isValid())
        built[reinterpret_cast<const res::DlgItem*>(item.value<quintptr>())] = control;
    }
    // Each caption as it is shown now: in the current language, and as the
    // page last set it where the page sets it.
    for (const res::DlgItem& item : tmpl.items) {
      QWidget* field = res::IsField(item) ? built[&item] : nullptr;
      if (!field) continue;
      QStringList captions;
      for (const res::DlgItem* caption : res::FieldCaptions(tmpl, item)) {
        if (auto* label = qobject_cast<QLabel*>(built[caption]))
          captions << label->text();
        else if (auto* box = qobject_cast<QGroupBox*>(built[caption]))
          captions << box->title();
      }
      // A label the page has emptied names nothing: the group does.
      captions.removeAll(QString());
      const res::DlgItem* group = res::GroupOf(tmpl, item);
      if (captions.isEmpty() && group)
        if (auto* box = qobject_cast<QGroupBox*>(built[group])) captions << box->title();
      field->setAccessibleName(
          captions.join(QStringLiteral(", ")).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
  }
}

void RefitDialogs(QWidget* root) {
  QList<QWidget*> dialogs = root->findChildren<QWidget*>();
  dialogs.prepend(root);
  for (QWidget* dialog : dialogs) {
    const QVariant origin = dialog->property(kTemplateProp);
    if (!origin.isValid()) continue;
    const auto& tmpl = *reinterpret_cast<const res::DlgTemplate*>(origin.value<quintptr>());
    // The units follow the new captions, as when the dialog was built.
    const DialogUnits units(tmpl, dialog);
    dialog->setMinimumSize(units.Size(tmpl.cx, tmpl.cy));
    const QList<QWidget*> controls =
        dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
      const QVariant item = control->property(kItemProp);
      if (!item.isValid()) continue;
      const auto& it = *reinterpret_cast<const res::DlgItem*>(item.value<quintptr>());
      if (auto* label = qobject_cast<QLabel*>(control)) label->setWordWrap(false);
      control->setGeometry(FitToText(it, control, units.Rect(it.x, it.y, it.cx, it.cy)));
    }
  }
}

void KeepStartInView(QLineEdit* edit) {
  if (edit->hasSelectedText() && edit->selectedText() == edit->text())
    edit->setSelection(edit->text().size(), -edit->text().size()); // the cursor at the start
  else
    edit->setCursorPosition(0);
}

QButtonGroup* RadioGroupOf(QWidget* parent, int id) {
  auto* button =
      parent->findChild<QAbstractButton*>(QString::number(id), Qt::FindDirectChildrenOnly);
  return button ? button->group() : nullptr;
}

} // namespace brevimo
