#include "ui/report_list_view.h"

#include <QHeaderView>
#include <QPainter>

namespace qichun {
namespace {

constexpr int kRowHeight = 13;
const QColor kGridColour(208, 208, 208);

}  // namespace

QColor ToQColor(Colorref colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

ReportListView::ReportListView(QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setAllColumnsShowFocus(false);
  header()->setSectionsClickable(false);
  header()->setSectionsMovable(false);
  header()->setStretchLastSection(false);
  header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setItemDelegate(new ReportRowDelegate(*this));
}

void ReportListView::SetColumnWidths(std::initializer_list<int> widths) {
  int column = 0;
  for (int width : widths) header()->resizeSection(column++, width);
}

void ReportListView::SetBackgrounds(const QColor& textBackground, const QColor& listBackground) {
  m_textBackground = textBackground;
  QPalette colours = palette();
  colours.setColor(QPalette::Base, listBackground);
  colours.setColor(QPalette::Text, Qt::black);
  setPalette(colours);
}

void ReportListView::UseRowColours(const RowColourRegistry& registry) { m_registry = &registry; }

std::uint32_t ReportListView::RowState(int row, bool keyboardCues) const {
  std::uint32_t state = 0;
  const QModelIndex first = model()->index(row, 0);
  if (selectionModel()->isSelected(first)) state |= kItemSelected;
  if (hasFocus() && currentIndex().isValid() && currentIndex().row() == row) state |= kItemFocused;
  if (keyboardCues) state |= kItemKeyboardCues;
  if (!isEnabled()) state |= kItemDisabled;
  return state;
}

void SetRowColour(RowColourRegistry& registry, ReportListView& listView, int row, Colorref textColour,
                  Colorref backgroundColour, bool refresh) {
  registry.SetRowColour(listView.Key(), row, textColour, backgroundColour);
  listView.UseRowColours(registry);
  if (refresh) listView.viewport()->update();  // repaints later, from the event loop
}

ReportRowDelegate::ReportRowDelegate(ReportListView& view) : QStyledItemDelegate(&view), m_view(view) {}

QStyleOptionViewItem ReportRowDelegate::CellOption(const QStyleOptionViewItem& option,
                                                   const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  cell.state &= ~QStyle::State_HasFocus;  // no focus frame around single cells

  std::optional<RowColour> registered;
  if (const RowColourRegistry* registry = m_view.Registry()) {
    const bool cues = option.state.testFlag(QStyle::State_KeyboardFocusChange);
    registered = registry->ColoursAtDraw(m_view.Key(), index.row(), m_view.RowState(index.row(), cues));
  }
  if (registered) {
    // Registered colours replace the selection colours as well.
    cell.state &= ~QStyle::State_Selected;
    cell.backgroundBrush = ToQColor(registered->backgroundColour);
    cell.palette.setColor(QPalette::Text, ToQColor(registered->textColour));
    return cell;
  }
  // Without full-row selection only the first column shows the highlight.
  if (index.column() != 0) cell.state &= ~QStyle::State_Selected;
  if (!cell.state.testFlag(QStyle::State_Selected)) cell.backgroundBrush = m_view.TextBackground();
  return cell;
}

void ReportRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  const QStyleOptionViewItem cell = CellOption(option, index);
  const QWidget* widget = cell.widget;
  QStyle* style = widget != nullptr ? widget->style() : nullptr;
  if (style != nullptr) style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);

  painter->save();
  painter->setPen(kGridColour);
  painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
  painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
  painter->restore();
}

QSize ReportRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(kRowHeight);
  return size;
}

}  // namespace qichun
