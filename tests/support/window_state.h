#pragma once

// Control states for tests: the window as created, with a few controls changed.

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "core/control_map.h"

namespace qichun::testing {

// A text for an edit box, a number for a check box, radio button or combo box.
struct ControlChange {
  std::string_view control;
  std::variant<std::string_view, int> value;
};

inline ControlMap WindowWith(std::initializer_list<ControlChange> changes) {
  ControlMap window = ControlMap::WithInitialState();
  for (const ControlChange& change : changes) {
    if (const auto* text = std::get_if<std::string_view>(&change.value)) {
      window.SetText(change.control, *text);
    } else if (window.InputKind(change.control) == ControlKind::ComboBox) {
      window.SetCurrentIndex(change.control, std::get<int>(change.value));
    } else {
      window.SetCheckState(change.control, std::get<int>(change.value));
    }
  }
  return window;
}

// Columns 1 to 8 of a table row, joined with " | " for readable comparisons.
inline std::string RowText(const ControlMap& window, std::string_view listView, int row) {
  std::string text;
  const auto& cells = window.Rows(listView).at(static_cast<std::size_t>(row));
  for (std::size_t column = 1; column < cells.size(); ++column) {
    if (column > 1) text += " | ";
    text += cells[column];
  }
  return text;
}

}  // namespace qichun::testing
