#pragma once

// The window as a plain map of control states: the same pipeline runs over it
// as over the real widgets (tests, benchmarks, the headless evaluator).

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/control_panel.h"

namespace qichun {

enum class ControlKind { EditBox, CheckBox, RadioButton, ComboBox, Label };

class ControlMap final : public ControlPanel {
 public:
  // An empty map: every control reads empty, unchecked, nothing selected.
  ControlMap() = default;
  // The main window as created: initial texts, checked talents and books,
  // "mz97" checked, combo boxes -1, fixed column-0 texts, gain boxes "10".
  static ControlMap WithInitialState();

  std::string Text(std::string_view control) const override;
  int CheckState(std::string_view control) const override;
  int CurrentIndex(std::string_view control) const override;
  void SetText(std::string_view control, std::string_view text) override;
  void SetCell(std::string_view listView, int row, int column, std::string_view text) override;

  void SetCheckState(std::string_view control, int state);
  void SetCurrentIndex(std::string_view control, int index);

  // Kind of a control the user can set; nothing for result controls and unknown names.
  std::optional<ControlKind> InputKind(std::string_view control) const;

  static constexpr int kColumns = 9;
  using Row = std::array<std::string, kColumns>;
  const std::vector<Row>& Rows(std::string_view listView) const;

 private:
  struct Control {
    ControlKind kind = ControlKind::EditBox;
    bool isInput = false;
    std::string text;
    int state = 0;  // check state, or combo index
  };
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
  };

  void Define(std::string_view name, ControlKind kind, bool isInput, std::string_view text, int state);
  Control* Find(std::string_view name);
  const Control* Find(std::string_view name) const;

  std::unordered_map<std::string, Control, NameHash, std::equal_to<>> m_controls;
  std::vector<Row> m_attributeRows;
  std::vector<Row> m_skillRows;
};

}  // namespace qichun
