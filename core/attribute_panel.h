#pragma once

// The derived attributes against the chosen target: consumables, buffs, two
// talents, miss and insight rates, and the crit and crit power caps.

#include <array>
#include <cstdint>
#include <string>

#include "core/input_snapshot.h"

namespace qichun {

struct AttributePanel {
  std::int32_t consumableSpirit = 0;
  std::int32_t consumableHitRating = 0;
  std::int32_t consumableCritRating = 0;
  std::int32_t consumableCritPowerRating = 0;
  std::int32_t consumableOvercome = 0;
  std::int32_t consumableAttack = 0;
  float targetHitRequirement = 0;
  float targetStrainRequirement = 0;
  float damageReduction = 0;
  std::int32_t spirit = 0;
  std::int32_t attackPower = 0;
  float hit = 0;
  float crit = 0;
  float critPower = 0;
  std::int32_t overcome = 0;
  float strain = 0;
  float missRate = 0;
  float insightRate = 0;
  float critCap = 0;
  std::int32_t talentQisheng = 0;
  std::int32_t talentBaoyang = 0;
  std::int32_t buffZiqi = 0;
  std::int32_t buffTiangu = 0;
  std::int32_t buffJingang = 0;
  std::int32_t buffFanyin = 0;
  std::int32_t buffSetAttack = 0;
  std::int32_t buffWater = 0;
  std::int32_t buffWind = 0;
  std::int32_t buffQiegaoCritPower = 0;
  std::int32_t buffQiegaoCrit = 0;
  std::int32_t buffQiegaoStrain = 0;
};

// Rating scales and caps of the panel.
inline constexpr double kHitRatingPerPercent = 34.25;
inline constexpr double kCritRatingPerPercent = 41.5;
inline constexpr double kCritPowerRatingPerPercent = 15.0;
inline constexpr double kStrainRatingPerPercent = 25.685;
inline constexpr double kOvercomePerPercent = 36.16925;
inline constexpr double kAttackPerSpirit = 1.75;
inline constexpr double kCritPowerCap = 300.0;
inline constexpr double kCapTolerance = 1e-7;

// Multiplier of the typed base attack from buffs and 期声.
double AttackMultiplier(const AttributePanel& panel);
// Multiplier of the overcome points from 天鼓雷音阵.
double OvercomeScale(const AttributePanel& panel);
// Overcome before the scale: typed (or converted) points, 风特效 and food.
double RawOvercome(std::int32_t overcomeInput, const AttributePanel& panel);
// Flat base attack: typed (or converted) points, 水特效 and food.
double FlatBaseAttack(std::int32_t baseAttack, const AttributePanel& panel);

float MissRate(float hit, float targetHitRequirement);
float InsightRate(float strain, float targetStrainRequirement);

AttributePanel ComputeAttributePanel(const InputSnapshot& snapshot);

// Cells 1 to 8 of an attribute row: 根骨 命中 会心 会效 破防 无双 攻击力 会心上限.
std::array<std::string, 8> FormatAttributeRow(const AttributePanel& panel);

}  // namespace qichun
