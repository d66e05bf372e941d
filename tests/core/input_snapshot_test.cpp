#include "core/input_snapshot.h"

#include <gtest/gtest.h>

#include "core/recalculate.h"
#include "skills/run_skill_model.h"
#include "support/window_state.h"

namespace qichun {
namespace {

using testing::RowText;
using testing::WindowWith;

TEST(IsChecked, OnlyExactlyOneCounts) {
  ControlMap window;
  for (const auto& [state, expected] : {std::pair{1, 1}, {0, 0}, {2, 0}, {-1, 0}, {257, 0}}) {
    window.SetCheckState("奇穴雾锁", state);
    EXPECT_EQ(IsChecked(window, "奇穴雾锁"), expected) << "state " << state;
  }
}

TEST(ReadInputSnapshot, ReadsTheWindowAsCreated) {
  const InputSnapshot s = ReadInputSnapshot(ControlMap::WithInitialState(), TargetPreset{});
  EXPECT_EQ(s.spiritInput, 949);
  EXPECT_EQ(s.hitInput, 103.11f);
  EXPECT_EQ(s.critInput, 35.62f);
  EXPECT_EQ(s.critPowerInput, 227.17f);
  EXPECT_EQ(s.overcomeInput, 1300);
  EXPECT_EQ(s.strainInput, 30.29f);
  EXPECT_EQ(s.baseAttack, 2960);
  EXPECT_EQ(s.auxFoodIndex, -1);
  EXPECT_EQ(s.feastIndex, -1);
  EXPECT_EQ(s.talentWusuo, 0);
  EXPECT_EQ(s.talentBaihong + s.talentShuangfeng + s.talentWuxing + s.talentWanwu + s.talentKuibu + s.talentQisheng +
                s.talentBaoyang,
            7);
  const int checkedBooks[] = {1, 2, 4, 7, 9, 10, 11, 12, 13, 17, 18};
  for (int n = 1; n < kSkillBookBoxCount; ++n) {
    const bool expected = std::find(std::begin(checkedBooks), std::end(checkedBooks), n) != std::end(checkedBooks);
    EXPECT_EQ(s.skillBook[static_cast<std::size_t>(n)], expected ? 1 : 0) << "选择框" << n;
  }
  EXPECT_EQ(s.targetPreset.name, "中级试炼木桩");
  EXPECT_EQ(s.targetPreset.damageReduction, 0.25f);
}

TEST(SelectTargetPreset, LastCheckedWinsAndNoneKeepsThePrevious) {
  const TargetPreset& previous = TargetPresets()[2];
  ControlMap window = WindowWith({{"mz97", 0}});
  EXPECT_EQ(SelectTargetPreset(window, previous).radio, "mz98");
  window.SetCheckState("mz96", 1);
  window.SetCheckState("mz99", 1);
  EXPECT_EQ(SelectTargetPreset(window, previous).radio, "mz99");
  window.SetCheckState("mz100", 2);  // not exactly 1
  EXPECT_EQ(SelectTargetPreset(window, previous).radio, "mz99");
}

TEST(Recalculate, NoRadioCheckedAtStartMeansTheAllZeroPreset) {
  ControlMap window = WindowWith({{"mz97", 0}, {"编辑框9", ""}, {"编辑框5", ""}});
  CalculationState state;
  Recalculate(window, state);
  EXPECT_EQ(state.panel.targetHitRequirement, 0.0f);
  EXPECT_EQ(state.panel.damageReduction, 0.0f);
  EXPECT_EQ(state.panel.missRate, 0.0f);  // hit 0 against requirement 0
  EXPECT_EQ(RowText(window, kAttributeTable, 0), "949 | 0 | 45.62 | 247.17 | 1300  （35.94%） | 0 | 4916 | 100");
}

TEST(Recalculate, EachKeystrokeReadsTheWholeText) {
  ControlMap window = ControlMap::WithInitialState();
  CalculationState state;
  for (const auto& [typed, spirit] : {std::pair{"", 0}, {"9", 9}, {"94", 94}, {"949", 949}}) {
    window.SetText("编辑框10", typed);
    Recalculate(window, state);
    EXPECT_EQ(state.panel.spirit, spirit) << typed;
    EXPECT_EQ(window.Rows(kAttributeTable)[0][1], std::to_string(spirit));
  }
}

TEST(Recalculate, KeepsThePresetInForceWhenTheRadiosAreCleared) {
  ControlMap window = WindowWith({{"mz97", 0}, {"mz99", 1}});
  CalculationState state;
  Recalculate(window, state);
  window.SetCheckState("mz99", 0);
  Recalculate(window, state);
  EXPECT_EQ(state.presetInForce.radio, "mz99");
  EXPECT_EQ(state.panel.targetHitRequirement, 115.0f);
}

TEST(ApplyTargetRadio, SetsTheDescriptionThenRecalculates) {
  ControlMap window = WindowWith({{"mz97", 0}, {"mz99", 1}});
  CalculationState state;
  ApplyTargetRadio(window, state, "mz99");
  EXPECT_EQ(window.Text(kTargetDescriptionLabel), "命中要求115，无双要求40，减伤40%");
  EXPECT_EQ(state.panel.targetStrainRequirement, 40.0f);

  // A radio that does not read checked leaves the label but still recalculates.
  window.SetText("编辑框10", "1000");
  ApplyTargetRadio(window, state, "mz96");
  EXPECT_EQ(window.Text(kTargetDescriptionLabel), "命中要求115，无双要求40，减伤40%");
  EXPECT_EQ(state.panel.spirit, 1000);
}

TEST(Recalculate, PlaceholderBoxesChangeNothing) {
  ControlMap plain = ControlMap::WithInitialState();
  ControlMap ticked = WindowWith({{"增益切糕命中", 1},
                                  {"选择框29", 1},
                                  {"选择框30", 1},
                                  {"选择框31", 1},
                                  {"选择框32", 1},
                                  {"选择框33", 1},
                                  {"选择框34", 1},
                                  {"选择框35", 1},
                                  {"选择框36", 1}});
  CalculationState plainState;
  CalculationState tickedState;
  Recalculate(plain, plainState);
  Recalculate(ticked, tickedState);
  EXPECT_EQ(plain.Rows(kAttributeTable), ticked.Rows(kAttributeTable));
  EXPECT_EQ(plain.Rows(kSkillTable), ticked.Rows(kSkillTable));
  for (int a = 0; a < 6; ++a) {
    for (int n = 1; n <= 12; ++n) {
      EXPECT_EQ(plain.Text(GainBoxName(kGainPrefix, a, n)), ticked.Text(GainBoxName(kGainPrefix, a, n)));
    }
  }
}

}  // namespace
}  // namespace qichun
