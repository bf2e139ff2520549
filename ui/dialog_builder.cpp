// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_builder.h"

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
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>

namespace brevimo {
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

// Captions and list items in the current language.
QString Caption(const char* text) { return TrTemplate(text); }

// Where a built control came from, for refitting it to a new caption.
constexpr char kItemProp[] = "brevimoItem";

// An edit field that looks read-only while it is: results show on the
// background of the dialog, as a read-only edit control does, so a user sees
// at once which fields are outputs.
class CEdit : public QLineEdit {
public:
  using QLineEdit::QLineEdit;

protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ReadOnlyChange) UpdateLook();
    return QLineEdit::event(event);
  }

private:
  void UpdateLook() {
    QPalette pal = palette();
    const QPalette standard = parentWidget() ? parentWidget()->palette() : QPalette();
    pal.setBrush(QPalette::Base,
                 isReadOnly() ? standard.brush(QPalette::Window) : standard.brush(QPalette::Base));
    setPalette(pal);
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
  const QString text = Caption(item.text);
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
    for (const char* entry : item.items) {
      combo->addItem(Caption(entry));
      sources << QString::fromUtf8(entry);
    }
    SetTranslatedItems(combo, sources);
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
// the text, without the minimum width the style gives a button of its own.
int ButtonWidthForText(QWidget* button) {
  QStyleOptionButton opt;
  opt.initFrom(button); // no text: the style adds its margins only
  const QFontMetrics& fm = button->fontMetrics();
  const QSize text(fm.horizontalAdvance(static_cast<QPushButton*>(button)->text()), fm.height());
  return button->style()->sizeFromContents(QStyle::CT_PushButton, &opt, text, button).width();
}

// A caption never gets clipped: a label, check box, radio or push button
// narrower than its text grows (to the left when right-aligned, both ways
// when centred); a zero width or height takes the text's size.
QRect FitToText(const res::DlgItem& item, QWidget* control, QRect rect) {
  const QSize hint = control->sizeHint();
  if (item.cx == 0) rect.setWidth(hint.width());
  if (item.cy == 0) rect.setHeight(hint.height());
  // A drop-down list's height includes its open list; closed, it is as
  // tall as the font makes it.
  if (item.kind == res::Ctl::DropList || item.kind == res::Ctl::DropDown)
    rect.setHeight(hint.height());
  const bool captioned = item.kind == res::Ctl::Label || item.kind == res::Ctl::CheckBox ||
                         item.kind == res::Ctl::Radio || item.kind == res::Ctl::Button;
  // A push button's size hint has a style minimum; only its text counts.
  const int needed = item.kind == res::Ctl::Button ? ButtonWidthForText(control) : hint.width();
  const int extra = needed - rect.width();
  if (!captioned || extra <= 0) return rect;
  // A label wraps its words within its width, as a static text does, when
  // its height holds the wrapped lines; it grows only when they do not fit.
  if (item.kind == res::Ctl::Label && item.cx != 0 && item.cy != 0) {
    auto* label = static_cast<QLabel*>(control);
    int widestWord = 0;
    for (const QString& word : label->text().split(QRegularExpression(QStringLiteral("\\s+"))))
      widestWord = std::max(widestWord, label->fontMetrics().horizontalAdvance(word));
    label->setWordWrap(true);
    if (widestWord <= rect.width() && label->heightForWidth(rect.width()) <= rect.height())
      return rect;
    label->setWordWrap(false);
  }
  if (item.style & res::kRight)
    rect.setLeft(rect.left() - extra);
  else if (item.style & res::kCenter)
    rect.adjust(-extra / 2, 0, extra - extra / 2, 0);
  else
    rect.setWidth(needed);
  return rect;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  m_baseX = (letters + 26) / 52;
  m_baseY = metrics.height();
}

int DialogUnits::X(int dlu) const { return MulDiv(dlu, m_baseX, 4); }

int DialogUnits::Y(int dlu) const { return MulDiv(dlu, m_baseY, 8); }

QRect DialogUnits::Rect(int x, int y, int cx, int cy) const { return {X(x), Y(y), X(cx), Y(cy)}; }

void BuildDialog(const res::DlgTemplate& tmpl, QWidget* parent) {
  const DialogUnits units(parent->font());
  const char* lastLabel = nullptr;
  QButtonGroup* radioGroup = nullptr;
  for (const res::DlgItem& item : tmpl.items) {
    QWidget* control = MakeControl(item, parent);
    if (item.id != res::IDC_STATIC) control->setObjectName(QString::number(item.id));

    control->setGeometry(FitToText(item, control, units.Rect(item.x, item.y, item.cx, item.cy)));
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

    // Accessible names: a label names the input fields that follow it.
    if (item.kind == res::Ctl::Label) {
      lastLabel = item.text;
    } else if (item.kind == res::Ctl::Edit || item.kind == res::Ctl::DropList ||
               item.kind == res::Ctl::DropDown) {
      if (lastLabel)
        SetTranslated(control, kTemplateContext, QString::fromUtf8(lastLabel),
                      TrRole::FlatAccessibleName);
    } else {
      SetTranslated(control, kTemplateContext, QString::fromUtf8(item.text),
                    TrRole::AccessibleName);
      lastLabel = nullptr;
    }
  }
}

void RefitDialogs(QWidget* root) {
  const QList<QWidget*> controls = root->findChildren<QWidget*>();
  for (QWidget* control : controls) {
    const QVariant origin = control->property(kItemProp);
    if (!origin.isValid() || !control->parentWidget()) continue;
    const auto& item = *reinterpret_cast<const res::DlgItem*>(origin.value<quintptr>());
    if (auto* label = qobject_cast<QLabel*>(control)) label->setWordWrap(false);
    const DialogUnits units(control->parentWidget()->font());
    control->setGeometry(FitToText(item, control, units.Rect(item.x, item.y, item.cx, item.cy)));
  }
}

QButtonGroup* RadioGroupOf(QWidget* parent, int id) {
  auto* button =
      parent->findChild<QAbstractButton*>(QString::number(id), Qt::FindDirectChildrenOnly);
  return button ? button->group() : nullptr;
}

} // namespace brevimo
