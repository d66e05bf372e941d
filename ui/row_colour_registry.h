#pragma once

// Colours for whole rows of report list views, looked up while a row is drawn.
// Qt-free: the registration and drawing rules are plain data.

#include <cstdint>
#include <optional>
#include <vector>

namespace qichun {

// 0x00BBGGRR
using Colorref = std::uint32_t;

inline constexpr Colorref RgbColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Colorref{red} | (Colorref{green} << 8) | (Colorref{blue} << 16);
}

struct RowColour {
  std::int32_t row = 0;  // 0 in a filler record
  Colorref textColour = 0;
  Colorref backgroundColour = 0;
  std::int32_t enabled = 0;  // 1 registered, 0 filler
};

// Bits of the state word of a row being drawn.
inline constexpr std::uint32_t kItemSelected = 0x1;
inline constexpr std::uint32_t kItemDisabled = 0x4;
inline constexpr std::uint32_t kItemFocused = 0x10;
inline constexpr std::uint32_t kItemKeyboardCues = 0x200;

// Only a row drawn selected, focused and with keyboard cues, and nothing else,
// keeps the toolkit's selection colours: an equality test on the whole word.
constexpr bool KeepsToolkitColours(std::uint32_t itemState) {
  return itemState == (kItemSelected | kItemFocused | kItemKeyboardCues);
}

class RowColourRegistry {
 public:
  using ListKey = const void*;

  // Registering a row again replaces its colours; rows below it that were
  // never registered get filler records. Negative rows are ignored.
  void SetRowColour(ListKey listView, std::int32_t row, Colorref textColour, Colorref backgroundColour);

  // Records of one list view by position, fillers included; null when the list was never registered.
  const std::vector<RowColour>* Rows(ListKey listView) const;
  std::size_t ListCount() const { return m_entries.size(); }

  // The colours a row is drawn with in state `itemState`; nothing means the list's own colours.
  std::optional<RowColour> ColoursAtDraw(ListKey listView, std::int32_t row, std::uint32_t itemState) const;

 private:
  struct Entry {
    ListKey listView = nullptr;
    std::vector<RowColour> rows;
  };
  std::vector<Entry> m_entries;  // in the order of first registration
};

}  // namespace qichun
