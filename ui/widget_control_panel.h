#pragma once

// The calculation's view of the real window: controls found by objectName once,
// texts moved as UTF-8 between the widgets and the calculation.

#include <QWidget>

#include <string>
#include <string_view>
#include <unordered_map>

#include "core/control_panel.h"

namespace qichun {

class WidgetControlPanel final : public ControlPanel {
 public:
  // Indexes every named widget under `window`; the first of a repeated name wins.
  explicit WidgetControlPanel(QWidget& window);

  std::string Text(std::string_view control) const override;
  // 1 for checked, 0 otherwise (Qt reports a checked box as 2).
  int CheckState(std::string_view control) const override;
  int CurrentIndex(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  void SetCell(std::string_view listView, int row, int column, std::string_view text) override;

  QWidget* Find(std::string_view control) const;

 private:
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
  };
  std::unordered_map<std::string, QWidget*, NameHash, std::equal_to<>> m_widgets;
};

}  // namespace qichun
