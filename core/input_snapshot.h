#pragma once

// Everything one recalculation reads from the window, and the target dummies.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/control_panel.h"

namespace qichun {

struct TargetPreset {
  std::string_view radio;             // control name, "mz97"
  std::string_view name;              // caption, "中级试炼木桩"
  float targetHitRequirement = 0;     // percent
  float targetStrainRequirement = 0;  // percent
  float damageReduction = 0;          // fraction
  std::string_view description;       // text of "标签54"
};

// The five dummies, in the order their radio buttons are tested.
const std::array<TargetPreset, 5>& TargetPresets();

// Box numbers of the skill-book check boxes "选择框1" … "选择框19" (16 is unused).
inline constexpr int kSkillBookBoxCount = 20;

struct InputSnapshot {
  std::int32_t spiritInput = 0;
  float hitInput = 0;
  float critInput = 0;
  float critPowerInput = 0;
  std::int32_t overcomeInput = 0;
  float strainInput = 0;
  std::int32_t baseAttack = 0;

  std::int32_t auxFoodIndex = -1;
  std::int32_t auxMedicineIndex = -1;
  std::int32_t enhFoodIndex = -1;
  std::int32_t enhMedicineIndex = -1;
  std::int32_t feastIndex = -1;

  std::int32_t talentWusuo = 0;
  std::int32_t talentBaihong = 0;
  std::int32_t talentShuangfeng = 0;
  std::int32_t talentWuxing = 0;
  std::int32_t talentWanwu = 0;
  std::int32_t talentKuibu = 0;
  std::int32_t talentQisheng = 0;
  std::int32_t talentBaoyang = 0;

  std::int32_t buffZiqi = 0;
  std::int32_t buffJingang = 0;
  std::int32_t buffTiangu = 0;
  std::int32_t buffFanyin = 0;
  std::int32_t buffSetDamage = 0;
  std::int32_t buffSetAttack = 0;
  std::int32_t buffOrangeWeapon = 0;
  std::int32_t buffWater = 0;
  std::int32_t buffWind = 0;
  std::int32_t buffQiegaoCritPower = 0;
  std::int32_t buffQiegaoStrain = 0;
  std::int32_t buffQiegaoCrit = 0;

  // skillBook[n] is the checked flag of "选择框n".
  std::array<std::int32_t, kSkillBookBoxCount> skillBook{};

  TargetPreset targetPreset;
};

// 1 only when the state reads exactly 1 (Qt's Qt::Checked is 2 and is mapped by the window).
std::int32_t IsChecked(const ControlPanel& window, std::string_view control);
std::int32_t SelectedIndex(const ControlPanel& window, std::string_view control);

// Radios tested in order; the last checked wins; none checked keeps `previous`.
TargetPreset SelectTargetPreset(const ControlPanel& window, const TargetPreset& previous);

InputSnapshot ReadInputSnapshot(const ControlPanel& window, const TargetPreset& presetInForce);

}  // namespace qichun
