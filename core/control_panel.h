#pragma once

// The window as the calculation sees it: controls addressed by their names.
// The Qt window implements it over real widgets; tests and the headless
// evaluator over a plain map.

#include <string>
#include <string_view>

namespace qichun {

class ControlPanel {
 public:
  virtual ~ControlPanel() = default;

  // Text of an edit box or label, UTF-8.
  virtual std::string Text(std::string_view control) const = 0;
  // Checked state of a check box or radio button as the control reports it.
  virtual int CheckState(std::string_view control) const = 0;
  // Current item of a combo box; -1 when nothing is selected.
  virtual int CurrentIndex(std::string_view control) const = 0;

  virtual void SetText(std::string_view control, std::string_view text) = 0;
  virtual void SetCell(std::string_view listView, int row, int column, std::string_view text) = 0;
};

}  // namespace qichun
