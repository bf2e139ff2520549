// SPDX-License-Identifier: GPL-3.0-or-later
#include "stacked_tab_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <climits>

CStackedTabBar::CStackedTabBar(QTabWidget* tabs, QWidget* parent) : QWidget(parent), m_tabs(tabs) {
  setObjectName(QStringLiteral("tabrows"));
  m_tabs->tabBar()->hide();
  // This bar takes the focus in the tabs' place (a Tab stop; the arrow keys
  // move the selection).
  m_tabs->tabBar()->setFocusPolicy(Qt::NoFocus);
  m_tabs->setFocusPolicy(Qt::NoFocus);
  setFocusPolicy(Qt::TabFocus);
  connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
    Layout();
    update();
  });
}

QSize CStackedTabBar::TabSize(int index) const {
  QStyleOptionTab opt;
  opt.initFrom(this);
  opt.text = m_tabs->tabText(index);
  opt.shape = QTabBar::RoundedNorth;
  // As QTabBar sizes its tabs: text plus the style's tab spacing.
  const QFontMetrics& fm = fontMetrics();
  const int hspace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this);
  const int vspace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, this);
  const QSize content(fm.size(Qt::TextShowMnemonic, opt.text).width() + hspace,
                      fm.height() + vspace);
  return style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, content, this);
}

void CStackedTabBar::SetRowWidth(int width, int rightReserve) {
  m_width = width;
  m_reserve = rightReserve;
  Layout();
  updateGeometry();
  update();
}

void CStackedTabBar::Layout() {
  const int count = m_tabs->count();
  m_rows.clear();
  m_rects.assign(static_cast<std::size_t>(count), QRect());
  m_tabHeight = 0;
  if (count == 0 || m_width <= 0) return;

  // As few rows as the captions need, balanced: of the ways to cut the tabs
  // (in their order) into that many rows, the one whose widest row is the
  // narrowest. The corner widget sits at the end of the top row, and any row
  // but the selected one can be on top: every row leaves room for it.
  std::vector<int> widths;
  for (int i = 0; i < count; ++i) {
    const QSize size = TabSize(i);
    m_tabHeight = std::max(m_tabHeight, size.height());
    widths.push_back(size.width());
  }
  const int room = std::max(1, m_width - m_reserve);
  std::vector<int> best; // the first tab of each row
  for (int rows = 1; rows <= count && best.empty(); ++rows) {
    std::vector<int> starts(static_cast<std::size_t>(rows));
    int narrowest = INT_MAX;
    // Every choice of rows - 1 cuts among the count - 1 gaps between tabs.
    const auto tryCuts = [&](auto&& self, int row, int from) -> void {
      starts[static_cast<std::size_t>(row)] = from;
      if (row + 1 == rows) {
        int widest = 0;
        for (int r = 0; r < rows; ++r) {
          const int end = r + 1 < rows ? starts[static_cast<std::size_t>(r + 1)] : count;
          int sum = 0;
          for (int i = starts[static_cast<std::size_t>(r)]; i < end; ++i)
            sum += widths[static_cast<std::size_t>(i)];
          widest = std::max(widest, sum);
        }
        if (widest < narrowest && (widest <= room || rows == count)) {
          narrowest = widest;
          best = starts;
        }
        return;
      }
      for (int next = from + 1; next <= count - (rows - row - 1); ++next)
        self(self, row + 1, next);
    };
    tryCuts(tryCuts, 0, 0);
  }
  for (std::size_t r = 0; r < best.size(); ++r) {
    const int end = r + 1 < best.size() ? best[r + 1] : count;
    std::vector<int> row;
    for (int i = best[r]; i < end; ++i)
      row.push_back(i);
    m_rows.push_back(row);
  }

  // The selected tab's row goes next to the page (the bottom row); the
  // others keep their order above it.
  const int current = m_tabs->currentIndex();
  std::vector<std::vector<int>> order;
  std::vector<int> selectedRow;
  for (const auto& r : m_rows) {
    if (std::find(r.begin(), r.end(), current) != r.end())
      selectedRow = r;
    else
      order.push_back(r);
  }
  if (!selectedRow.empty()) order.push_back(selectedRow);
  m_rows = order;

  // Every row but a single one is stretched to the full width.
  for (std::size_t k = 0; k < m_rows.size(); ++k) {
    const auto& r = m_rows[k];
    const int room = m_width - (k == 0 ? m_reserve : 0);
    int natural = 0;
    for (int i : r)
      natural += TabSize(i).width();
    const int spare = m_rows.size() > 1 ? std::max(0, room - natural) : 0;
    int x = 0;
    for (std::size_t n = 0; n < r.size(); ++n) {
      const int extra = spare * static_cast<int>(n + 1) / static_cast<int>(r.size()) -
                        spare * static_cast<int>(n) / static_cast<int>(r.size());
      const int w = TabSize(r[n]).width() + extra;
      m_rects[static_cast<std::size_t>(r[n])] =
          QRect(x, static_cast<int>(k) * m_tabHeight, w, m_tabHeight);
      x += w;
    }
  }
}

QRect CStackedTabBar::TabRect(int index) const {
  if (index < 0 || index >= static_cast<int>(m_rects.size())) return {};
  return m_rects[static_cast<std::size_t>(index)];
}

int CStackedTabBar::TabAt(const QPoint& pos) const {
  for (std::size_t i = 0; i < m_rects.size(); ++i)
    if (m_rects[i].contains(pos)) return static_cast<int>(i);
  return -1;
}

QSize CStackedTabBar::sizeHint() const {
  return {m_width, m_tabHeight * static_cast<int>(std::max<std::size_t>(m_rows.size(), 1))};
}

void CStackedTabBar::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    Layout();
    updateGeometry();
    update();
  }
}

void CStackedTabBar::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  const int current = m_tabs->currentIndex();
  for (const auto& row : m_rows) {
    for (std::size_t n = 0; n < row.size(); ++n) {
      const int i = row[n];
      QStyleOptionTab opt;
      opt.initFrom(this);
      opt.rect = TabRect(i);
      opt.text = m_tabs->tabText(i);
      opt.shape = QTabBar::RoundedNorth;
      opt.position = row.size() == 1       ? QStyleOptionTab::OnlyOneTab
                     : n == 0              ? QStyleOptionTab::Beginning
                     : n + 1 == row.size() ? QStyleOptionTab::End
                                           : QStyleOptionTab::Middle;
      if (i == current)
        opt.state |= QStyle::State_Selected;
      else
        opt.state &= ~QStyle::State_Selected;
      if (!isActiveWindow()) opt.state &= ~QStyle::State_Active;
      painter.drawControl(QStyle::CE_TabBarTab, opt);
    }
  }
  if (hasFocus() && current >= 0) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = TabRect(current).adjusted(3, 3, -3, -3);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

void CStackedTabBar::keyPressEvent(QKeyEvent* event) {
  const int count = m_tabs->count();
  const int current = m_tabs->currentIndex();
  int next = -1;
  switch (event->key()) {
  case Qt::Key_Left:
  case Qt::Key_Up:
    next = current > 0 ? current - 1 : current;
    break;
  case Qt::Key_Right:
  case Qt::Key_Down:
    next = current + 1 < count ? current + 1 : current;
    break;
  case Qt::Key_Home:
    next = 0;
    break;
  case Qt::Key_End:
    next = count - 1;
    break;
  default:
    QWidget::keyPressEvent(event);
    return;
  }
  if (next >= 0 && next != current) m_tabs->setCurrentIndex(next);
  event->accept();
}

void CStackedTabBar::mousePressEvent(QMouseEvent* event) {
  const int index = TabAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && index >= 0) m_tabs->setCurrentIndex(index);
}
