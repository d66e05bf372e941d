#include "core/control_map.h"

#include "core/recalculate.h"
#include "skills/run_skill_model.h"

namespace qichun {
namespace {

struct InitialInput {
  std::string_view name;
  ControlKind kind;
  std::string_view text;
  int state;
};

// The inputs of the main window as it is created.
constexpr InitialInput kInitialInputs[] = {
    {"编辑框10", ControlKind::EditBox, "949", 0},
    {"编辑框9", ControlKind::EditBox, "103.11", 0},
    {"编辑框8", ControlKind::EditBox, "35.62", 0},
    {"编辑框7", ControlKind::EditBox, "227.17", 0},
    {"编辑框6", ControlKind::EditBox, "1300", 0},
    {"编辑框5", ControlKind::EditBox, "30.29", 0},
    {"编辑框4", ControlKind::EditBox, "2960", 0},
    {"编辑框2", ControlKind::EditBox, "0", 0},
    {"编辑框1", ControlKind::EditBox, "0", 0},
    // conversion request, removed and added per line
    {"编辑框30", ControlKind::EditBox, "", 0},
    {"编辑框29", ControlKind::EditBox, "", 0},
    {"编辑框20", ControlKind::EditBox, "", 0},
    {"编辑框14", ControlKind::EditBox, "", 0},
    {"编辑框19", ControlKind::EditBox, "", 0},
    {"编辑框13", ControlKind::EditBox, "", 0},
    {"编辑框18", ControlKind::EditBox, "", 0},
    {"编辑框12", ControlKind::EditBox, "", 0},
    {"编辑框17", ControlKind::EditBox, "", 0},
    {"编辑框11", ControlKind::EditBox, "", 0},
    {"编辑框16", ControlKind::EditBox, "", 0},
    {"编辑框3", ControlKind::EditBox, "", 0},
    {"编辑框21", ControlKind::EditBox, "", 0},
    {"编辑框15", ControlKind::EditBox, "", 0},
    {"组合框1", ControlKind::ComboBox, "", -1},
    {"组合框2", ControlKind::ComboBox, "", -1},
    {"组合框3", ControlKind::ComboBox, "", -1},
    {"组合框4", ControlKind::ComboBox, "", -1},
    {"组合框5", ControlKind::ComboBox, "", -1},
    {"奇穴雾锁", ControlKind::CheckBox, "", 0},
    {"奇穴白虹", ControlKind::CheckBox, "", 1},
    {"奇穴霜峰", ControlKind::CheckBox, "", 1},
    {"奇穴无形", ControlKind::CheckBox, "", 1},
    {"奇穴万物", ControlKind::CheckBox, "", 1},
    {"奇穴跬步", ControlKind::CheckBox, "", 1},
    {"奇穴期声", ControlKind::CheckBox, "", 1},
    {"奇穴抱阳", ControlKind::CheckBox, "", 1},
    {"增益紫气东来", ControlKind::CheckBox, "", 0},
    {"增益金刚怒目", ControlKind::CheckBox, "", 0},
    {"增益天鼓雷音阵", ControlKind::CheckBox, "", 0},
    {"增益繁音急节", ControlKind::CheckBox, "", 0},
    {"增益套装伤害", ControlKind::CheckBox, "", 0},
    {"增益套装攻击力", ControlKind::CheckBox, "", 0},
    {"增益橙武属性", ControlKind::CheckBox, "", 0},
    {"增益水特效", ControlKind::CheckBox, "", 0},
    {"增益风特效", ControlKind::CheckBox, "", 0},
    {"增益切糕会效", ControlKind::CheckBox, "", 0},
    {"增益切糕无双", ControlKind::CheckBox, "", 0},
    {"增益切糕会心", ControlKind::CheckBox, "", 0},
    // placeholders nothing reads
    {"增益切糕命中", ControlKind::CheckBox, "", 0},
    {"选择框29", ControlKind::CheckBox, "", 0},
    {"选择框30", ControlKind::CheckBox, "", 0},
    {"选择框31", ControlKind::CheckBox, "", 0},
    {"选择框32", ControlKind::CheckBox, "", 0},
    {"选择框33", ControlKind::CheckBox, "", 0},
    {"选择框34", ControlKind::CheckBox, "", 0},
    {"选择框35", ControlKind::CheckBox, "", 0},
    {"选择框36", ControlKind::CheckBox, "", 0},
    // skill books
    {"选择框1", ControlKind::CheckBox, "", 1},
    {"选择框2", ControlKind::CheckBox, "", 1},
    {"选择框3", ControlKind::CheckBox, "", 0},
    {"选择框4", ControlKind::CheckBox, "", 1},
    {"选择框5", ControlKind::CheckBox, "", 0},
    {"选择框6", ControlKind::CheckBox, "", 0},
    {"选择框7", ControlKind::CheckBox, "", 1},
    {"选择框8", ControlKind::CheckBox, "", 0},
    {"选择框9", ControlKind::CheckBox, "", 1},
    {"选择框10", ControlKind::CheckBox, "", 1},
    {"选择框11", ControlKind::CheckBox, "", 1},
    {"选择框12", ControlKind::CheckBox, "", 1},
    {"选择框13", ControlKind::CheckBox, "", 1},
    {"选择框14", ControlKind::CheckBox, "", 0},
    {"选择框15", ControlKind::CheckBox, "", 0},
    {"选择框17", ControlKind::CheckBox, "", 1},
    {"选择框18", ControlKind::CheckBox, "", 1},
    {"选择框19", ControlKind::CheckBox, "", 0},
    {"mz96", ControlKind::RadioButton, "", 0},
    {"mz97", ControlKind::RadioButton, "", 1},
    {"mz98", ControlKind::RadioButton, "", 0},
    {"mz99", ControlKind::RadioButton, "", 0},
    {"mz100", ControlKind::RadioButton, "", 0},
};

constexpr std::string_view kAttributeRowTitles[] = {"原属性", "转换后"};
constexpr std::string_view kSkillRowTitles[] = {
    "四象轮回", "转换后",   "两仪化形（五豆）", "转换后",   "太极无极", "转换后", "六合独尊",
    "转换后",   "万世不竭", "转换后",           "剑出鸿蒙", "转换后",   ""};

}  // namespace

ControlMap ControlMap::WithInitialState() {
  ControlMap map;
  for (const InitialInput& input : kInitialInputs) {
    map.Define(input.name, input.kind, true, input.text, input.state);
  }
  map.Define(kTargetDescriptionLabel, ControlKind::Label, false, "命中要求105，无双要求20，减伤25%", 0);
  for (std::string_view prefix : {kGainPrefix, kConvertedGainPrefix}) {
    for (int attribute = 0; attribute < 6; ++attribute) {
      for (int number = 1; number <= 12; ++number) {
        map.Define(GainBoxName(prefix, attribute, number), ControlKind::EditBox, false, "10", 0);
      }
    }
  }
  for (std::string_view title : kAttributeRowTitles) map.m_attributeRows.push_back(Row{std::string(title)});
  for (std::string_view title : kSkillRowTitles) map.m_skillRows.push_back(Row{std::string(title)});
  return map;
}

void ControlMap::Define(std::string_view name, ControlKind kind, bool isInput, std::string_view text, int state) {
  m_controls[std::string(name)] = Control{kind, isInput, std::string(text), state};
}

ControlMap::Control* ControlMap::Find(std::string_view name) {
  const auto it = m_controls.find(name);
  return it == m_controls.end() ? nullptr : &it->second;
}

const ControlMap::Control* ControlMap::Find(std::string_view name) const {
  const auto it = m_controls.find(name);
  return it == m_controls.end() ? nullptr : &it->second;
}

std::string ControlMap::Text(std::string_view control) const {
  const Control* found = Find(control);
  return found ? found->text : std::string();
}

int ControlMap::CheckState(std::string_view control) const {
  const Control* found = Find(control);
  return found ? found->state : 0;
}

int ControlMap::CurrentIndex(std::string_view control) const {
  const Control* found = Find(control);
  return found ? found->state : -1;
}

void ControlMap::SetText(std::string_view control, std::string_view text) {
  if (Control* found = Find(control)) {
    found->text.assign(text);
  } else {
    Define(control, ControlKind::EditBox, false, text, 0);
  }
}

void ControlMap::SetCheckState(std::string_view control, int state) {
  if (Control* found = Find(control)) {
    found->state = state;
  } else {
    Define(control, ControlKind::CheckBox, false, "", state);
  }
}

void ControlMap::SetCurrentIndex(std::string_view control, int index) {
  if (Control* found = Find(control)) {
    found->state = index;
  } else {
    Define(control, ControlKind::ComboBox, false, "", index);
  }
}

void ControlMap::SetCell(std::string_view listView, int row, int column, std::string_view text) {
  if (row < 0 || column < 0 || column >= kColumns) return;
  if (listView != kAttributeTable && listView != kSkillTable) return;
  std::vector<Row>& rows = listView == kAttributeTable ? m_attributeRows : m_skillRows;
  if (static_cast<std::size_t>(row) >= rows.size()) rows.resize(static_cast<std::size_t>(row) + 1);
  rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].assign(text);
}

std::optional<ControlKind> ControlMap::InputKind(std::string_view control) const {
  const Control* found = Find(control);
  if (!found || !found->isInput) return std::nullopt;
  return found->kind;
}

const std::vector<ControlMap::Row>& ControlMap::Rows(std::string_view listView) const {
  return listView == kAttributeTable ? m_attributeRows : m_skillRows;
}

}  // namespace qichun
