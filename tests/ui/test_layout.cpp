// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of every page as built, at the default font and at one and a
// half times its size: no two controls overlap (a group box may frame
// others, below its title), every caption fits its control, and every
// control lies within the page.
#include "app/dial_about.h"
#include "app/dial_calc.h"
#include "ui/message_box.h"
#include "ui/widget_store.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Describe(const QWidget* w) {
  QString text;
  if (auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) text = button->text();
  if (auto* box = qobject_cast<const QGroupBox*>(w)) text = box->title();
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return (QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName() +
          QStringLiteral(" \"") + text + QLatin1Char('"'))
      .toStdString();
}

std::string Rect(const QRect& r) {
  return " (" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
         std::to_string(r.width()) + "x" + std::to_string(r.height()) + ")";
}

// The line of a group box's title, in its parent's coordinates.
QRect TitleRect(const QGroupBox* box) {
  QStyleOptionGroupBox opt;
  opt.initFrom(box);
  opt.text = box->title();
  opt.lineWidth = 1;
  opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  const QRect label =
      box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
  // the style's label rect has padding around the text's own line
  const int line = box->fontMetrics().height();
  return QRect(label.x(), label.y() + (label.height() - line) / 2, label.width(), line)
      .translated(box->pos());
}

// Why the control's caption does not fit it, or empty when it does.
std::string CaptionMisfit(const QWidget* w) {
  const QSize size = w->size();
  QSize needed;
  if (auto* label = qobject_cast<const QLabel*>(w)) {
    if (label->text().isEmpty()) return {};
    const QFontMetrics& fm = label->fontMetrics();
    const QRect room = label->contentsRect();
    if (label->wordWrap()) {
      for (const QString& word : label->text().split(QRegularExpression(QStringLiteral("\\s+"))))
        if (fm.horizontalAdvance(word) > room.width())
          return "word \"" + word.toStdString() + "\" wider than the label";
      needed = {room.width(), label->heightForWidth(size.width())};
    } else {
      needed = fm.boundingRect(QRect(0, 0, 10000, 10000), Qt::TextExpandTabs, label->text()).size();
      needed += size - room.size();
    }
  } else if (auto* button = qobject_cast<const QPushButton*>(w)) {
    QStyleOptionButton opt;
    opt.initFrom(button);
    const QFontMetrics& fm = button->fontMetrics();
    needed = button->style()->sizeFromContents(
        QStyle::CT_PushButton, &opt, QSize(fm.horizontalAdvance(button->text()), fm.height()),
        button);
  } else if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
    // the hint's height has room for a focus frame; the caption needs a line
    const QStyle::PixelMetric indicator = qobject_cast<const QCheckBox*>(w)
                                              ? QStyle::PM_IndicatorHeight
                                              : QStyle::PM_ExclusiveIndicatorHeight;
    needed = {w->sizeHint().width(),
              std::max(w->fontMetrics().height(), w->style()->pixelMetric(indicator, nullptr, w))};
  } else if (auto* box = qobject_cast<const QGroupBox*>(w)) {
    needed = {TitleRect(box).width(), 0};
    needed.rwidth() += 2 * box->fontMetrics().averageCharWidth(); // room for the frame either side
  } else if (auto* combo = qobject_cast<const QComboBox*>(w)) {
    needed = combo->sizeHint();
  } else {
    return {};
  }
  if (needed.width() <= size.width() && needed.height() <= size.height()) return {};
  return "needs " + std::to_string(needed.width()) + "x" + std::to_string(needed.height()) +
         ", has " + std::to_string(size.width()) + "x" + std::to_string(size.height());
}

// Checks the direct children of a page (or dialog) whose template is `room`.
void CheckLayout(const QWidget* page, const QRect& room) {
  QList<QWidget*> controls;
  for (QWidget* w : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (!w->isHidden()) controls.push_back(w);
  for (int i = 0; i < controls.size(); ++i) {
    const QWidget* a = controls[i];
    EXPECT_TRUE(room.contains(a->geometry())) << Describe(a) << " outside the page";
    const std::string misfit = CaptionMisfit(a);
    EXPECT_TRUE(misfit.empty()) << Describe(a) << ": " << misfit;
    for (int j = i + 1; j < controls.size(); ++j) {
      const QWidget* b = controls[j];
      auto* boxA = qobject_cast<const QGroupBox*>(a);
      auto* boxB = qobject_cast<const QGroupBox*>(b);
      const QGroupBox* frame = boxA && boxA->geometry().contains(b->geometry())   ? boxA
                               : boxB && boxB->geometry().contains(a->geometry()) ? boxB
                                                                                  : nullptr;
      if (frame) {
        const QWidget* inside = frame == boxA ? b : a;
        EXPECT_FALSE(TitleRect(frame).intersects(inside->geometry()))
            << Describe(inside) << " covers the title of " << Describe(frame)
            << Rect(TitleRect(frame)) << " " << Rect(inside->geometry());
      } else {
        EXPECT_FALSE(a->geometry().intersects(b->geometry()))
            << Describe(a) << " overlaps " << Describe(b);
      }
    }
  }
}

class LayoutTest : public ::testing::TestWithParam<double> {
protected:
  void SetUp() override {
    m_font = QApplication::font();
    QFont font = m_font;
    font.setPointSizeF(m_font.pointSizeF() * GetParam());
    QApplication::setFont(font);
    brevimo::SetMessageBoxHook([](const brevimo::MessageBoxCall& call) {
      ADD_FAILURE() << "message box: " << call.text.toStdString();
    });
  }
  void TearDown() override {
    brevimo::SetMessageBoxHook({});
    QApplication::setFont(m_font);
  }

private:
  QFont m_font;
};

TEST_P(LayoutTest, EveryPageFitsItsCaptionsWithoutOverlaps) {
  CDial_Calc sheet(QStringLiteral("Brevimo"));
  sheet.show();
  for (int i = 0; i < sheet.GetPageCount(); ++i) {
    ASSERT_TRUE(sheet.SetActivePage(i));
    const QWidget* host = brevimo::CreatedHostOf(*sheet.GetPage(i));
    ASSERT_NE(host, nullptr);
    SCOPED_TRACE(sheet.GetPage(i)->ClassName());
    CheckLayout(host, QRect(QPoint(0, 0), host->minimumSize()));
  }
}

TEST_P(LayoutTest, AboutBoxFitsItsCaptions) {
  CDial_About about;
  about.show();
  CheckLayout(&about, about.rect());
}

INSTANTIATE_TEST_SUITE_P(Fonts, LayoutTest, ::testing::Values(1.0, 1.5), [](const auto& info) {
  return info.param == 1.0 ? std::string("DefaultFont") : std::string("LargerFont");
});

} // namespace
