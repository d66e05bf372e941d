#include "core/input_snapshot.h"

#include <string>

#include "core/number_rules.h"

namespace qichun {

const std::array<TargetPreset, 5>& TargetPresets() {
  static const std::array<TargetPreset, 5> presets = {{
      {"mz96", "初级试炼木桩", 102.5f, 15.0f, 0.15f, "命中要求102.5，无双要求15，减伤15%"},
      {"mz97", "中级试炼木桩", 105.0f, 20.0f, 0.25f, "命中要求105，无双要求20，减伤25%"},
      {"mz98", "高级试炼木桩", 110.0f, 30.0f, 0.35f, "命中要求110，无双要求30，减伤35%"},
      {"mz99", "极境试炼木桩", 115.0f, 40.0f, 0.4f, "命中要求115，无双要求40，减伤40%"},
      {"mz100", "英雄上阳宫", 110.0f, 45.0f, 0.35f, "命中要求110，无双要求45，减伤35%"},
  }};
  return presets;
}

std::int32_t IsChecked(const ControlPanel& window, std::string_view control) {
  return window.CheckState(control) == 1 ? 1 : 0;
}

std::int32_t SelectedIndex(const ControlPanel& window, std::string_view control) {
  return window.CurrentIndex(control);
}

TargetPreset SelectTargetPreset(const ControlPanel& window, const TargetPreset& previous) {
  TargetPreset selected = previous;
  for (const TargetPreset& preset : TargetPresets()) {
    if (IsChecked(window, preset.radio) == 1) selected = preset;
  }
  return selected;
}

InputSnapshot ReadInputSnapshot(const ControlPanel& window, const TargetPreset& presetInForce) {
  InputSnapshot s;
  s.spiritInput = TextToInt(window.Text("编辑框10"));
  s.hitInput = TextToFloat(window.Text("编辑框9"));
  s.critInput = TextToFloat(window.Text("编辑框8"));
  s.critPowerInput = TextToFloat(window.Text("编辑框7"));
  s.overcomeInput = TextToInt(window.Text("编辑框6"));
  s.strainInput = TextToFloat(window.Text("编辑框5"));
  s.baseAttack = TextToInt(window.Text("编辑框4"));

  s.auxFoodIndex = SelectedIndex(window, "组合框1");
  s.auxMedicineIndex = SelectedIndex(window, "组合框5");
  s.enhFoodIndex = SelectedIndex(window, "组合框4");
  s.enhMedicineIndex = SelectedIndex(window, "组合框3");
  s.feastIndex = SelectedIndex(window, "组合框2");

  s.talentWusuo = IsChecked(window, "奇穴雾锁");
  s.talentBaihong = IsChecked(window, "奇穴白虹");
  s.talentShuangfeng = IsChecked(window, "奇穴霜峰");
  s.talentWuxing = IsChecked(window, "奇穴无形");
  s.talentWanwu = IsChecked(window, "奇穴万物");
  s.talentKuibu = IsChecked(window, "奇穴跬步");
  s.talentQisheng = IsChecked(window, "奇穴期声");
  s.talentBaoyang = IsChecked(window, "奇穴抱阳");

  s.buffZiqi = IsChecked(window, "增益紫气东来");
  s.buffJingang = IsChecked(window, "增益金刚怒目");
  s.buffTiangu = IsChecked(window, "增益天鼓雷音阵");
  s.buffFanyin = IsChecked(window, "增益繁音急节");
  s.buffSetDamage = IsChecked(window, "增益套装伤害");
  s.buffSetAttack = IsChecked(window, "增益套装攻击力");
  s.buffOrangeWeapon = IsChecked(window, "增益橙武属性");
  s.buffWater = IsChecked(window, "增益水特效");
  s.buffWind = IsChecked(window, "增益风特效");
  s.buffQiegaoCritPower = IsChecked(window, "增益切糕会效");
  s.buffQiegaoStrain = IsChecked(window, "增益切糕无双");
  s.buffQiegaoCrit = IsChecked(window, "增益切糕会心");

  static const std::array<std::string, kSkillBookBoxCount> bookNames = [] {
    std::array<std::string, kSkillBookBoxCount> names;
    for (int n = 1; n < kSkillBookBoxCount; ++n) {
      if (n != 16) names[static_cast<std::size_t>(n)] = "选择框" + std::to_string(n);
    }
    return names;
  }();
  for (int n = 1; n < kSkillBookBoxCount; ++n) {
    if (n != 16) s.skillBook[static_cast<std::size_t>(n)] = IsChecked(window, bookNames[static_cast<std::size_t>(n)]);
  }

  s.targetPreset = SelectTargetPreset(window, presetInForce);
  return s;
}

}  // namespace qichun
