#include "ui/row_colour_registry.h"

#include <algorithm>

namespace qichun {

void RowColourRegistry::SetRowColour(ListKey listView, std::int32_t row, Colorref textColour,
                                     Colorref backgroundColour) {
  if (row < 0) return;
  auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                            [listView](const Entry& e) { return e.listView == listView; });
  if (entry == m_entries.end()) entry = m_entries.insert(m_entries.end(), Entry{listView, {}});
  const auto position = static_cast<std::size_t>(row);
  if (entry->rows.size() < position + 1) entry->rows.resize(position + 1);
  entry->rows[position] = RowColour{row, textColour, backgroundColour, 1};
}

const std::vector<RowColour>* RowColourRegistry::Rows(ListKey listView) const {
  for (const Entry& entry : m_entries) {
    if (entry.listView == listView) return &entry.rows;
  }
  return nullptr;
}

std::optional<RowColour> RowColourRegistry::ColoursAtDraw(ListKey listView, std::int32_t row,
                                                          std::uint32_t itemState) const {
  const std::vector<RowColour>* rows = Rows(listView);
  if (rows == nullptr || KeepsToolkitColours(itemState) || row < 0) return std::nullopt;
  const auto position = static_cast<std::size_t>(row);
  if (position >= rows->size() || (*rows)[position].enabled == 0) return std::nullopt;
  return (*rows)[position];
}

}  // namespace qichun
