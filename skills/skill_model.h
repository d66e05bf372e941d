#pragma once

// Expected damage of one cast of each of the six skills, split into miss,
// insight, plain hit and critical hit.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/attribute_panel.h"
#include "core/input_snapshot.h"

namespace qichun {

struct SkillProfile {
  int number;                 // k: numbers the skill's gain boxes (k and k + 6)
  std::string_view name;      // column "技能名字"
  std::string_view pageName;  // page title of the gain tab controls
  int tableRow;               // row of "超级列表框2"
  double attackCoefficient;
  double baseDamage;
};

inline constexpr int kSkillCount = 6;
enum SkillIndex { SixiangLunhui, LiangyiHuaxing, TaijiWuji, LiuheDuzun, WanshiBujie, JianchuHongmeng };

const std::array<SkillProfile, kSkillCount>& SkillProfiles();

// Whole percent.
struct SkillModifiers {
  std::int32_t critBonus = 0;
  std::int32_t critPowerBonus = 0;
  std::int32_t damageBonus = 0;
};
using SkillModifierSet = std::array<SkillModifiers, kSkillCount>;

struct SkillResult {
  float expectedDamage = 0;
  std::int32_t hitDamage = 0;
  std::int32_t critDamage = 0;
  std::int32_t insightDamage = 0;
};

// The terms every expectation and gain is built from.
struct SkillTerms {
  double attackTerm;        // A
  double overcomeFactor;    // O
  double critChance;        // c
  double critMultiplier;    // p
  double baseOutcome;       // miss counts 0, insight a quarter, hit 1
  double critTerm;          // c × (p − 1)
  double outcomeFactor;     // E
  double damageMultiplier;  // M
  double mitigation;        // R
};

SkillModifierSet CollectSkillModifiers(const InputSnapshot& snapshot);
// Cuts each bonus to the whole part of the room left below the crit and crit power caps.
SkillModifierSet ClampSkillModifiers(SkillModifierSet modifiers, const AttributePanel& panel);

SkillTerms ComputeSkillTerms(const SkillProfile& skill, const SkillModifiers& modifiers, const AttributePanel& panel);
SkillResult ComputeSkillResult(const SkillProfile& skill, const SkillModifiers& modifiers, const AttributePanel& panel);

enum class DamageText {
  TruncatedInteger,  // the unconverted 四象轮回 row
  Float,             // every other row
};
DamageText DamageTextFor(const SkillProfile& skill);

// Columns 1 to 8 of the skill's row.
std::array<std::string, 8> FormatSkillRow(const SkillResult& result, const SkillModifiers& modifiers,
                                          const AttributePanel& panel, DamageText damageText);

}  // namespace qichun
