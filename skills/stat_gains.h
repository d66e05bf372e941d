#pragma once

// What each attribute is worth to one skill: points for 1% more expected
// damage, and percent more expected damage per point.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/attribute_panel.h"
#include "core/input_snapshot.h"
#include "skills/skill_model.h"

namespace qichun {

// Order of computing and writing, and the word in each box name.
inline constexpr std::array<std::string_view, 6> kGainAttributeWords = {"基础攻击力", "命中", "无双",
                                                                        "会心",       "会效", "破防"};

using StatGains = std::array<std::string, 6>;

struct SkillStatGains {
  StatGains pointsPerPercent;
  StatGains percentPerPoint;
};

// `baseAttack` and `overcomeInput` of the snapshot are the typed (or converted) bases.
SkillStatGains ComputeStatGains(const SkillProfile& skill, const SkillModifiers& modifiers, const SkillResult& result,
                                const AttributePanel& panel, const InputSnapshot& snapshot);

}  // namespace qichun
