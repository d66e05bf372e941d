#include <gtest/gtest.h>

#include "core/number_rules.h"
#include "core/recalculate.h"
#include "skills/run_skill_model.h"
#include "skills/skill_model.h"
#include "support/window_state.h"

namespace qichun {
namespace {

using testing::ControlChange;
using testing::RowText;
using testing::WindowWith;

SkillModifierSet ClampedModifiersOf(const ControlMap& window) {
  const InputSnapshot s = ReadInputSnapshot(window, TargetPreset{});
  return ClampSkillModifiers(CollectSkillModifiers(s), ComputeAttributePanel(s));
}

TEST(SkillModel, StartUpModifiers) {
  struct Expected {
    std::int32_t crit, critPower, damage;
  };
  const Expected expected[kSkillCount] = {{17, 10, 0}, {14, 10, 19}, {4, 0, 50}, {0, 0, 10}, {10, 10, 84}, {0, 0, 0}};
  const SkillModifierSet m = ClampedModifiersOf(ControlMap::WithInitialState());
  for (std::size_t k = 0; k < kSkillCount; ++k) {
    EXPECT_EQ(m[k].critBonus, expected[k].crit) << SkillProfiles()[k].name;
    EXPECT_EQ(m[k].critPowerBonus, expected[k].critPower) << SkillProfiles()[k].name;
    EXPECT_EQ(m[k].damageBonus, expected[k].damage) << SkillProfiles()[k].name;
  }
}

TEST(SkillModel, StartUpRows) {
  ControlMap window = ControlMap::WithInitialState();
  CalculationState state;
  Recalculate(window, state);
  const char* rows[kSkillCount] = {
      "10385 | 1.89 | 0 | 1321 | 35.49 | 5284 | 62.62 | 13588",
      "15086.7 | 1.89 | 0 | 1966 | 38.49 | 7865 | 59.62 | 20226",
      "6096.9 | 1.89 | 0 | 890 | 48.49 | 3562 | 49.62 | 8804",
      "4273.96 | 1.89 | 0 | 646 | 52.49 | 2586 | 45.62 | 6391",
      "24724.9 | 1.89 | 0 | 3331 | 42.49 | 13326 | 55.62 | 34270",
      "3626.41 | 1.89 | 0 | 548 | 52.49 | 2194 | 45.62 | 5422",
  };
  for (std::size_t k = 0; k < kSkillCount; ++k) {
    EXPECT_EQ(RowText(window, kSkillTable, SkillProfiles()[k].tableRow), rows[k]) << SkillProfiles()[k].name;
  }
  // The converted rows and row 12 are not written.
  for (int row : {1, 3, 5, 7, 9, 11, 12}) EXPECT_EQ(RowText(window, kSkillTable, row), " |  |  |  |  |  |  | ");
}

TEST(SkillModel, BooksTalentsAndBuffsReachTheirSkill) {
  struct Case {
    const char* label;
    std::initializer_list<ControlChange> changes;
    SkillIndex skill;
    SkillModifiers expected;
  };
  const Case cases[] = {
      {"选择框17 alone", {{"选择框17", 1}}, WanshiBujie, {0, 0, 5}},
      {"选择框18 alone", {{"选择框18", 1}}, WanshiBujie, {0, 0, 4}},
      {"选择框19 alone", {{"选择框19", 1}}, WanshiBujie, {0, 0, 3}},
      {"跬步, 套装伤害 and the three books",
       {{"奇穴跬步", 1}, {"增益套装伤害", 1}, {"选择框17", 1}, {"选择框18", 1}, {"选择框19", 1}},
       WanshiBujie,
       {0, 0, 97}},
      {"雾锁", {{"奇穴雾锁", 1}}, SixiangLunhui, {0, 0, 10}},
      {"橙武 on 四象轮回", {{"增益橙武属性", 1}}, SixiangLunhui, {0, 0, 5}},
      {"橙武 on 太极无极", {{"增益橙武属性", 1}}, TaijiWuji, {0, 0, 5}},
      {"霜锋 on 六合独尊", {{"奇穴霜峰", 1}}, LiuheDuzun, {0, 0, 10}},
      {"霜锋 on 两仪化形", {{"奇穴霜峰", 1}}, LiangyiHuaxing, {0, 0, 10}},
      {"无形", {{"奇穴无形", 1}}, LiangyiHuaxing, {10, 10, 0}},
      {"万物", {{"奇穴万物", 1}}, WanshiBujie, {10, 10, 0}},
      {"两仪 books", {{"选择框5", 1}, {"选择框6", 1}, {"选择框8", 1}}, LiangyiHuaxing, {5, 0, 3}},
      {"太极 books", {{"选择框14", 1}, {"选择框15", 1}, {"选择框12", 1}}, TaijiWuji, {5, 0, 15}},
      {"四象 books", {{"选择框3", 1}}, SixiangLunhui, {2, 0, 0}},
      {"a state of 2 is not checked", {{"选择框3", 2}, {"奇穴雾锁", 2}}, SixiangLunhui, {0, 0, 0}},
      {"剑出鸿蒙 takes nothing",
       {{"奇穴白虹", 1}, {"奇穴无形", 1}, {"奇穴万物", 1}, {"增益套装伤害", 1}},
       JianchuHongmeng,
       {0, 0, 0}},
  };
  for (const Case& c : cases) {
    // Start from nothing checked, so each case shows its own sources.
    ControlMap window = ControlMap::WithInitialState();
    for (std::string_view box :
         {"奇穴白虹", "奇穴霜峰", "奇穴无形", "奇穴万物", "奇穴跬步", "选择框1", "选择框2", "选择框4", "选择框7",
          "选择框9", "选择框10", "选择框11", "选择框12", "选择框13", "选择框17", "选择框18"}) {
      window.SetCheckState(box, 0);
    }
    for (const ControlChange& change : c.changes) window.SetCheckState(change.control, std::get<int>(change.value));
    const SkillModifiers m = CollectSkillModifiers(ReadInputSnapshot(window, TargetPreset{}))[c.skill];
    EXPECT_EQ(m.critBonus, c.expected.critBonus) << c.label;
    EXPECT_EQ(m.critPowerBonus, c.expected.critPowerBonus) << c.label;
    EXPECT_EQ(m.damageBonus, c.expected.damageBonus) << c.label;
  }
}

AttributePanel PanelWith(float crit, float critPower, float critCap) {
  AttributePanel p;
  p.attackPower = 4620;
  p.overcome = 1300;
  p.crit = crit;
  p.critPower = critPower;
  p.critCap = critCap;
  p.missRate = 0.0189f;
  p.damageReduction = 0.25f;
  return p;
}

TEST(SkillModel, CritBonusIsCutToTheWholeRoomLeft) {
  const AttributePanel p = PanelWith(85.3f, 227.17f, 0.9f);
  SkillModifierSet m{};
  m[SixiangLunhui].critBonus = 10;
  m = ClampSkillModifiers(m, p);
  EXPECT_EQ(m[SixiangLunhui].critBonus, 4);
  const auto row =
      FormatSkillRow(ComputeSkillResult(SkillProfiles()[0], m[0], p), m[0], p, DamageText::TruncatedInteger);
  EXPECT_EQ(row[6], "89.3");
  EXPECT_EQ(row[4], "0.7");
}

TEST(SkillModel, BonusesAtTheCapsClampToZero) {
  const float critCap = 0.9811f;
  const AttributePanel p = PanelWith(static_cast<float>(critCap * 100.0), 300.0f, critCap);
  SkillModifierSet m{};
  m[SixiangLunhui] = {10, 10, 0};
  m[LiangyiHuaxing] = {10, 10, 0};
  m[WanshiBujie] = {10, 10, 0};
  m = ClampSkillModifiers(m, p);
  for (const SkillModifiers& skill : m) {
    EXPECT_EQ(skill.critBonus, 0);
    EXPECT_EQ(skill.critPowerBonus, 0);
  }
}

TEST(SkillModel, CritClampedJustAboveTheCapShowsMinusZeroPlainHits) {
  // Hit 95: crit cap 0.9 as a float, so the limit is 89.9999976…; the clamped
  // crit is the float 90, a little above it.
  ControlMap window = WindowWith({{"编辑框9", "95"}, {"编辑框8", "99"}});
  CalculationState state;
  Recalculate(window, state);
  EXPECT_EQ(RowText(window, kSkillTable, 10).substr(RowText(window, kSkillTable, 10).find(" | ")),
            " | 10 | 0 | 548 | -0 | 2194 | 90 | 5422");
  EXPECT_EQ(window.Text(GainBoxName(kGainPrefix, 3, 12)), "0");
}

TEST(SkillModel, PerOutcomeDamages) {
  // Worked panel: attack power 4620, no bonus.
  AttributePanel p = PanelWith(35.62f, 227.17f, static_cast<float>(1 - static_cast<double>(0.0189f)));
  const SkillResult r = ComputeSkillResult(SkillProfiles()[0], SkillModifiers{}, p);
  EXPECT_EQ(TruncToInt(r.expectedDamage), 7138);
  EXPECT_EQ(r.hitDamage, 4978);
  EXPECT_EQ(r.critDamage, 11308);
  EXPECT_EQ(r.insightDamage, 1244);
}

}  // namespace
}  // namespace qichun
