#include "skills/run_skill_model.h"

#include <string>

namespace qichun {

SkillModelTexts RunSkillModel(const InputSnapshot& snapshot, const AttributePanel& panel, RowDamageText damageText) {
  const SkillModifierSet modifiers = ClampSkillModifiers(CollectSkillModifiers(snapshot), panel);
  SkillModelTexts texts;
  for (std::size_t k = 0; k < kSkillCount; ++k) {
    const SkillProfile& skill = SkillProfiles()[k];
    const SkillResult result = ComputeSkillResult(skill, modifiers[k], panel);
    const DamageText rowDamage = damageText == RowDamageText::AllFloat ? DamageText::Float : DamageTextFor(skill);
    texts[k].row = FormatSkillRow(result, modifiers[k], panel, rowDamage);
    texts[k].gains = ComputeStatGains(skill, modifiers[k], result, panel, snapshot);
  }
  return texts;
}

const std::string& GainBoxName(std::string_view prefix, int attribute, int number) {
  using NameTable = std::array<std::array<std::string, 12>, 6>;
  const auto makeTable = [](std::string_view boxPrefix) {
    NameTable names;
    for (std::size_t a = 0; a < names.size(); ++a) {
      for (std::size_t n = 0; n < names[a].size(); ++n) {
        names[a][n] = std::string(boxPrefix) + std::string(kGainAttributeWords[a]) + std::to_string(n + 1);
      }
    }
    return names;
  };
  static const NameTable plain = makeTable(kGainPrefix);
  static const NameTable converted = makeTable(kConvertedGainPrefix);
  const NameTable& table = prefix == kConvertedGainPrefix ? converted : plain;
  return table[static_cast<std::size_t>(attribute)][static_cast<std::size_t>(number - 1)];
}

}  // namespace qichun
