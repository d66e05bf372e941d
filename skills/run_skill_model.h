#pragma once

// The six skills in turn: their table rows and both gain sets, as texts.

#include <array>
#include <string>
#include <string_view>

#include "core/attribute_panel.h"
#include "core/input_snapshot.h"
#include "skills/skill_model.h"
#include "skills/stat_gains.h"

namespace qichun {

struct SkillTexts {
  std::array<std::string, 8> row;  // columns 1 to 8
  SkillStatGains gains;
};
using SkillModelTexts = std::array<SkillTexts, kSkillCount>;

enum class RowDamageText {
  AsProfile,  // 四象轮回 truncated, the rest as floats
  AllFloat,   // every row with its fraction
};

SkillModelTexts RunSkillModel(const InputSnapshot& snapshot, const AttributePanel& panel,
                              RowDamageText damageText = RowDamageText::AsProfile);

// "收益命中3", "转换收益无双12": the box of gain attribute `attribute` (index
// into kGainAttributeWords) numbered `number` (1 to 12).
inline constexpr std::string_view kGainPrefix = "收益";
inline constexpr std::string_view kConvertedGainPrefix = "转换收益";
const std::string& GainBoxName(std::string_view prefix, int attribute, int number);

}  // namespace qichun
