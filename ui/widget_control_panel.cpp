#include "ui/widget_control_panel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace qichun {
namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

WidgetControlPanel::WidgetControlPanel(QWidget& window) {
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    const QString name = widget->objectName();
    if (!name.isEmpty()) m_widgets.try_emplace(name.toStdString(), widget);
  }
}

QWidget* WidgetControlPanel::Find(std::string_view control) const {
  const auto found = m_widgets.find(control);
  return found == m_widgets.end() ? nullptr : found->second;
}

std::string WidgetControlPanel::Text(std::string_view control) const {
  QWidget* widget = Find(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text().toStdString();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
  return {};
}

int WidgetControlPanel::CheckState(std::string_view control) const {
  QWidget* widget = Find(control);
  if (auto* box = qobject_cast<QCheckBox*>(widget)) return box->checkState() == Qt::Checked ? 1 : 0;
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->isChecked() ? 1 : 0;
  return 0;
}

int WidgetControlPanel::CurrentIndex(std::string_view control) const {
  auto* combo = qobject_cast<QComboBox*>(Find(control));
  return combo != nullptr ? combo->currentIndex() : -1;
}

void WidgetControlPanel::SetText(std::string_view control, std::string_view text) {
  QWidget* widget = Find(control);
  const QString newText = FromUtf8(text);
  // Unchanged texts are left alone: a rewrite would only cost a relayout.
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    if (edit->text() != newText) edit->setText(newText);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->text() != newText) label->setText(newText);
  }
}

void WidgetControlPanel::SetCell(std::string_view listView, int row, int column, std::string_view text) {
  auto* list = qobject_cast<QTreeWidget*>(Find(listView));
  if (list == nullptr || column < 0 || column >= list->columnCount()) return;
  QTreeWidgetItem* item = list->topLevelItem(row);
  if (item == nullptr) return;
  const QString newText = FromUtf8(text);
  if (item->text(column) != newText) item->setText(column, newText);
}

}  // namespace qichun
