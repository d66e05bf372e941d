#include "core/attribute_panel.h"

#include <gtest/gtest.h>

#include "core/recalculate.h"
#include "support/window_state.h"

namespace qichun {
namespace {

using testing::ControlChange;
using testing::RowText;
using testing::WindowWith;

AttributePanel PanelOf(std::initializer_list<ControlChange> changes) {
  return ComputeAttributePanel(ReadInputSnapshot(WindowWith(changes), TargetPreset{}));
}

std::string RowOf(std::initializer_list<ControlChange> changes) {
  ControlMap window = WindowWith(changes);
  CalculationState state;
  Recalculate(window, state);
  return RowText(window, kAttributeTable, 0);
}

TEST(AttributePanel, StartUpState) {
  const AttributePanel p = PanelOf({});
  EXPECT_EQ(p.spirit, 949);
  EXPECT_EQ(p.attackPower, 4916);
  EXPECT_EQ(p.hit, 103.11f);
  EXPECT_EQ(p.crit, 45.62f);
  EXPECT_EQ(p.critPower, 247.17f);
  EXPECT_EQ(p.overcome, 1300);
  EXPECT_EQ(p.strain, 30.29f);
  EXPECT_FLOAT_EQ(p.missRate, 0.0189f);
  EXPECT_EQ(p.insightRate, 0.0f);
  EXPECT_EQ(p.critCap, 0.9811f);
}

TEST(AttributePanel, RowTexts) {
  struct Case {
    const char* label;
    std::initializer_list<ControlChange> changes;
    const char* row;
  };
  const Case cases[] = {
      {"start-up state", {}, "949 | 103.11 | 45.62 | 247.17 | 1300  （35.94%） | 30.29 | 4916 | 98.11"},
      {"every consumable and buff against 极境试炼木桩",
       {{"组合框1", 2},
        {"组合框5", 2},
        {"组合框4", 5},
        {"组合框3", 1},
        {"组合框2", 1},
        {"增益紫气东来", 1},
        {"增益金刚怒目", 1},
        {"增益天鼓雷音阵", 1},
        {"增益繁音急节", 1},
        {"增益套装攻击力", 1},
        {"增益水特效", 1},
        {"增益风特效", 1},
        {"增益切糕会效", 1},
        {"增益切糕会心", 1},
        {"增益切糕无双", 1},
        {"mz97", 0},
        {"mz99", 1}},
       "1090 | 106.11 | 80.37 | 281.35 | 1806  （49.93%） | 34.22 | 7361 | 85.33"},
      {"crit above the cap, crit power above 300",
       {{"编辑框8", "90"}, {"编辑框7", "295"}},
       "949 | 103.11 | 98.11 | 300 | 1300  （35.94%） | 30.29 | 4916 | 98.11"},
      {"hit above the requirement",
       {{"编辑框9", "106"}},
       "949 | 106 | 45.62 | 247.17 | 1300  （35.94%） | 30.29 | 4916 | 100"},
      {"empty hit box: miss rate 1.05, crit clamped to a negative cap",
       {{"编辑框9", ""}},
       "949 | 0 | -5 | 247.17 | 1300  （35.94%） | 30.29 | 4916 | -5"},
  };
  for (const Case& c : cases) EXPECT_EQ(RowOf(c.changes), c.row) << c.label;
}

TEST(AttributePanel, ConsumableTotals) {
  const AttributePanel all = PanelOf({{"组合框1", 2}, {"组合框5", 2}, {"组合框4", 5}, {"组合框3", 1}, {"组合框2", 1}});
  EXPECT_EQ(all.consumableSpirit, 141);
  EXPECT_EQ(all.consumableCritRating, 229);

  struct Case {
    std::string_view box;
    int index;
    std::int32_t AttributePanel::*total;
    std::int32_t points;
  };
  const Case cases[] = {
      {"组合框1", 1, &AttributePanel::consumableSpirit, 31},
      {"组合框1", 3, &AttributePanel::consumableSpirit, 27},
      {"组合框5", 1, &AttributePanel::consumableSpirit, 46},
      {"组合框5", 3, &AttributePanel::consumableSpirit, 41},
      {"组合框4", 1, &AttributePanel::consumableCritPowerRating, 83},
      {"组合框4", 2, &AttributePanel::consumableHitRating, 83},
      {"组合框4", 3, &AttributePanel::consumableAttack, 44},
      {"组合框4", 4, &AttributePanel::consumableOvercome, 49},
      {"组合框3", 2, &AttributePanel::consumableCritPowerRating, 153},
      {"组合框2", 1, &AttributePanel::consumableSpirit, 46},
  };
  for (const Case& c : cases) EXPECT_EQ(PanelOf({{c.box, c.index}}).*c.total, c.points) << c.box << " " << c.index;
  // "无", nothing selected and indexes past the list add nothing.
  for (int index : {0, -1, 4, 99, -7}) EXPECT_EQ(PanelOf({{"组合框1", index}}).consumableSpirit, 0) << index;
  EXPECT_EQ(PanelOf({{"组合框4", 6}}).consumableCritRating, 0);
}

TEST(AttributePanel, ConsumableSpiritCarriesAttackCritAndCritPower) {
  const AttributePanel base = PanelOf({});
  const AttributePanel withPill = PanelOf({{"组合框5", 2}});  // 珍·九还丹 根骨57点
  EXPECT_EQ(withPill.spirit, base.spirit + 57);
  EXPECT_EQ(withPill.attackPower, 5016);  // trunc(2960 × 1.1 + 1.75 × 1006)
  EXPECT_NEAR(withPill.crit - base.crit, 0.53 * 57 / 41.5, 1e-5);
  EXPECT_NEAR(withPill.critPower - base.critPower, 0.26 * 57 / 15, 1e-5);
}

TEST(AttributePanel, QiegaoBuffsAddTheirRating) {
  const AttributePanel base = PanelOf({});
  EXPECT_NEAR(PanelOf({{"增益切糕会心", 1}}).crit - base.crit, 101 / 41.5, 1e-5);
  EXPECT_NEAR(PanelOf({{"增益切糕会效", 1}}).critPower - base.critPower, 101 / 15.0, 1e-5);
  EXPECT_NEAR(PanelOf({{"增益切糕无双", 1}}).strain - base.strain, 101 / 25.685, 1e-5);
}

TEST(AttributePanel, CapsKeepTheToleranceOf1e7) {
  // Crit exactly at the cap is left alone; the clamp stores the float nearest the limit.
  const AttributePanel capped = PanelOf({{"编辑框8", "90"}});
  EXPECT_EQ(capped.crit, static_cast<float>(static_cast<double>(0.9811f) * 100.0));
  const AttributePanel atCap = PanelOf({{"编辑框8", "88.11"}});  // 88.11 + 10 from 抱阳
  EXPECT_EQ(atCap.crit, static_cast<float>(88.11f + 10.0));
  // 300 is the crit power cap: 280 + 20 is left as it is, 280.01 + 20 is cut.
  EXPECT_EQ(PanelOf({{"编辑框7", "280"}}).critPower, 300.0f);
  EXPECT_EQ(PanelOf({{"编辑框7", "280.01"}}).critPower, 300.0f);
}

TEST(AttributePanel, HitEqualToTheRequirementGivesZeroMissRate) {
  const AttributePanel p = PanelOf({{"编辑框9", "105"}});
  EXPECT_EQ(p.missRate, 0.0f);
  EXPECT_EQ(p.critCap, 1.0f);
}

TEST(AttributePanel, HugeInputsWrapWithoutUndefinedBehaviour) {
  const AttributePanel p = PanelOf({{"编辑框10", "2147483647"},
                                    {"组合框1", 2},
                                    {"编辑框4", "-2147483648"},
                                    {"编辑框6", "2147483647"},
                                    {"编辑框9", "1e39"},
                                    {"编辑框8", "-1e39"}});
  EXPECT_EQ(p.spirit, -2147483611);  // 2^31 − 1 + 38 keeps its low 32 bits
  EXPECT_EQ(p.missRate, 0.0f);
  EXPECT_EQ(p.overcome, 2147483647);
}

}  // namespace
}  // namespace qichun
