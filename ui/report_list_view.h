#pragma once

// A report-style list view: titled columns, grid lines, single selection
// without full-row highlight, a text background behind every row and a list
// background behind the rest, and row colours from a RowColourRegistry.

#include <QColor>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <initializer_list>

#include "ui/row_colour_registry.h"

namespace qichun {

class ReportListView : public QTreeWidget {
  Q_OBJECT
  Q_DISABLE_COPY(ReportListView)

 public:
  explicit ReportListView(QWidget* parent = nullptr);

  void SetColumnWidths(std::initializer_list<int> widths);
  void SetBackgrounds(const QColor& textBackground, const QColor& listBackground);
  void UseRowColours(const RowColourRegistry& registry);

  QColor TextBackground() const { return m_textBackground; }
  const RowColourRegistry* Registry() const { return m_registry; }
  RowColourRegistry::ListKey Key() const { return this; }

  // The state word of a row as it is drawn now.
  std::uint32_t RowState(int row, bool keyboardCues) const;

 private:
  QColor m_textBackground = Qt::white;
  const RowColourRegistry* m_registry = nullptr;
};

// Draws every cell: registered colours, or the list's own, and the grid.
class ReportRowDelegate : public QStyledItemDelegate {
  Q_OBJECT
  Q_DISABLE_COPY(ReportRowDelegate)

 public:
  explicit ReportRowDelegate(ReportListView& view);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The option a cell is drawn with: colours and selection already decided.
  QStyleOptionViewItem CellOption(const QStyleOptionViewItem& option, const QModelIndex& index) const;

 private:
  ReportListView& m_view;
};

QColor ToQColor(Colorref colour);

// Registers a row's colours and has the list view redraw with them.
void SetRowColour(RowColourRegistry& registry, ReportListView& listView, int row, Colorref textColour,
                  Colorref backgroundColour, bool refresh);

}  // namespace qichun
