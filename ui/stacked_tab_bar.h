// SPDX-License-Identifier: GPL-3.0-or-later
// Tabs in as many rows as the captions need, as a property sheet stacks
// them, so that every page's caption is always in view. The row of the
// selected tab sits next to the page. It drives the QTabWidget it is made
// for (whose own single-row bar is hidden) and follows its current page. It is
// a Tab stop; the arrow keys, Home and End select another tab.
#pragma once

#include <QWidget>

#include <vector>

class QTabWidget;

class CStackedTabBar : public QWidget {
public:
  CStackedTabBar(QTabWidget* tabs, QWidget* parent);

  // Lays the tabs out in rows of at most width pixels, leaving room for a
  // widget at the right end of the top row.
  void SetRowWidth(int width, int rightReserve);

  // The rectangle of tab index in this widget's coordinates.
  QRect TabRect(int index) const;
  int TabAt(const QPoint& pos) const;

  QSize sizeHint() const override;

protected:
  void changeEvent(QEvent* event) override; // new captions: new rows
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void Layout();
  QSize TabSize(int index) const;

  QTabWidget* m_tabs;
  int m_width = 0;
  int m_reserve = 0;
  int m_tabHeight = 0;
  std::vector<std::vector<int>> m_rows; // tab indices, top row first
  std::vector<QRect> m_rects;
};
