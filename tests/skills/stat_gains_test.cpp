#include "skills/stat_gains.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/number_rules.h"
#include "core/recalculate.h"
#include "skills/run_skill_model.h"
#include "support/window_state.h"

namespace qichun {
namespace {

using testing::ControlChange;
using testing::WindowWith;

// Gain boxes of skill number k, in the order 基础攻击力 命中 无双 会心 会效 破防.
std::string GainTexts(const ControlMap& window, std::string_view prefix, int number) {
  std::string text;
  for (int a = 0; a < 6; ++a) {
    if (a > 0) text += ", ";
    text += window.Text(GainBoxName(prefix, a, number));
  }
  return text;
}

ControlMap Recalculated(std::initializer_list<ControlChange> changes) {
  ControlMap window = WindowWith(changes);
  CalculationState state;
  Recalculate(window, state);
  return window;
}

TEST(StatGains, StartUpBoxes) {
  const char* pointsPerPercent[kSkillCount] = {
      "46, 无, 无, 52, 48, 50", "47, 无, 无, 51, 49, 50", "46, 59, 无, 49, 52, 50",
      "49, 57, 无, 47, 55, 50", "46, 64, 无, 49, 51, 50", "47, 57, 无, 47, 55, 50",
  };
  const char* percentPerPoint[kSkillCount] = {
      "0.03625, 0.01485, 0, 0.01927, 0.02124, 0.02034", "0.03597, 0.01522, 0, 0.01974, 0.02072, 0.02034",
      "0.0364, 0.01706, 0, 0.02072, 0.01933, 0.02034",  "0.03426, 0.01767, 0, 0.02146, 0.01841, 0.02034",
      "0.03649, 0.01574, 0, 0.02042, 0.01999, 0.02034", "0.03582, 0.01767, 0, 0.02146, 0.01841, 0.02034",
  };
  const ControlMap window = Recalculated({});
  for (int k = 1; k <= kSkillCount; ++k) {
    EXPECT_EQ(GainTexts(window, kGainPrefix, k), pointsPerPercent[k - 1]) << "skill " << k;
    EXPECT_EQ(GainTexts(window, kGainPrefix, k + 6), percentPerPoint[k - 1]) << "skill " << k;
  }
  // The converted boxes keep their form default.
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(GainTexts(window, kConvertedGainPrefix, k), "10, 10, 10, 10, 10, 10");
}

// The worked panel: attack power 4620, overcome 1300, crit 35.62, crit power 227.17,
// miss rate 0.0189, no insight, 25% reduction, spirit 949, base attack 2960, nothing else.
struct WorkedExample : ::testing::Test {
  WorkedExample() {
    panel.attackPower = 4620;
    panel.overcome = 1300;
    panel.crit = 35.62f;
    panel.critPower = 227.17f;
    panel.missRate = 0.0189f;
    panel.critCap = ToFloat32(1 - static_cast<double>(panel.missRate));
    panel.damageReduction = 0.25f;
    panel.spirit = 949;
    snapshot.baseAttack = 2960;
    snapshot.overcomeInput = 1300;
  }
  AttributePanel panel;
  InputSnapshot snapshot;
};

TEST_F(WorkedExample, SixiangLunhuiGainsAndRow) {
  const SkillProfile& skill = SkillProfiles()[SixiangLunhui];
  const SkillModifiers none{};
  const SkillResult result = ComputeSkillResult(skill, none, panel);
  const SkillStatGains gains = ComputeStatGains(skill, none, result, panel, snapshot);
  EXPECT_EQ(gains.pointsPerPercent, (StatGains{"48", "50", "无", "47", "61", "50"}));
  EXPECT_EQ(gains.percentPerPoint, (StatGains{"0.03641", "0.02036", "0", "0.02137", "0.01656", "0.02034"}));
  const auto row = FormatSkillRow(result, none, panel, DamageText::TruncatedInteger);
  EXPECT_EQ(row[0], "7138");
  EXPECT_EQ(row[3], "1244");
  EXPECT_EQ(row[4], "62.49");
  EXPECT_EQ(row[5], "4978");
  EXPECT_EQ(row[7], "11308");
}

TEST_F(WorkedExample, AttackFoodMovesBaseAttackNeedOnlyThroughAttackPower) {
  const SkillProfile& skill = SkillProfiles()[SixiangLunhui];
  const SkillModifiers none{};
  // The food's 44 points enter the attack power and are taken off the need again.
  AttributePanel fed = panel;
  fed.consumableAttack = 44;
  fed.attackPower = panel.attackPower + 44;
  const auto need = [&](const AttributePanel& p) {
    return ComputeStatGains(skill, none, ComputeSkillResult(skill, none, p), p, snapshot).pointsPerPercent[0];
  };
  EXPECT_EQ(need(panel), "48");
  EXPECT_EQ(need(fed), "48");
}

TEST(StatGains, NoGainAtTheCapsAndWithoutMissOrInsight) {
  // Hit 106 and strain 21: no miss, no insight; crit 90 sits at the cap; crit power 300.
  const ControlMap window =
      Recalculated({{"编辑框9", "106"}, {"编辑框5", "21"}, {"编辑框8", "90"}, {"编辑框7", "300"}});
  for (int k = 1; k <= kSkillCount; ++k) {
    EXPECT_EQ(window.Text(GainBoxName(kGainPrefix, 1, k)), "无") << k;
    EXPECT_EQ(window.Text(GainBoxName(kGainPrefix, 2, k)), "无") << k;
    EXPECT_EQ(window.Text(GainBoxName(kGainPrefix, 3, k)), "无") << k;
    EXPECT_EQ(window.Text(GainBoxName(kGainPrefix, 4, k)), "无") << k;
    EXPECT_EQ(window.Text(GainBoxName(kGainPrefix, 1, k + 6)), "0") << k;
    EXPECT_EQ(window.Text(GainBoxName(kGainPrefix, 2, k + 6)), "0") << k;
    EXPECT_EQ(window.Text(GainBoxName(kGainPrefix, 3, k + 6)), "0") << k;
    EXPECT_EQ(window.Text(GainBoxName(kGainPrefix, 4, k + 6)), "0") << k;
  }
}

TEST(StatGains, CritClampedByThePanelCountsAsAtTheCap) {
  // 90 typed as crit: the panel stores the float nearest 98.11, a little below
  // the double limit. Every crit gain box is still "0", 六合独尊 included.
  const ControlMap window = Recalculated({{"编辑框8", "90"}});
  for (int k = 1; k <= kSkillCount; ++k) EXPECT_EQ(window.Text(GainBoxName(kGainPrefix, 3, k + 6)), "0") << k;
}

TEST(StatGains, InsightIsThreeQuartersOfAHit) {
  // Strain 10 against a requirement of 20: insight 0.1, a value in every strain box.
  const ControlMap window = Recalculated({{"编辑框5", "10"}});
  EXPECT_EQ(window.Rows(kSkillTable)[0][3], "10");
  for (int k = 1; k <= kSkillCount; ++k) {
    EXPECT_NE(window.Text(GainBoxName(kGainPrefix, 2, k)), "无") << k;
    EXPECT_NE(window.Text(GainBoxName(kGainPrefix, 2, k + 6)), "0") << k;
  }
}

TEST(StatGains, OvercomeBoxesAgreeAcrossSkills) {
  const ControlMap window = Recalculated({{"编辑框6", "2000"}, {"增益天鼓雷音阵", 1}, {"增益风特效", 1}});
  const std::string first = window.Text(GainBoxName(kGainPrefix, 5, 1));
  for (int k = 2; k <= kSkillCount; ++k) EXPECT_EQ(window.Text(GainBoxName(kGainPrefix, 5, k)), first);
  EXPECT_NE(window.Text(GainBoxName(kGainPrefix, 0, 1)), window.Text(GainBoxName(kGainPrefix, 0, 4)));
}

TEST(StatGains, DegeneratePanelsShowNoGain) {
  // Hit far below the requirement: miss rate 1.05 or more, expectation zero or negative.
  for (const char* hit : {"", "-1000", "5"}) {
    const ControlMap window = Recalculated({{"编辑框9", hit}});
    for (int k = 1; k <= 12; ++k) {
      for (int a = 0; a < 6; ++a) {
        const std::string text = window.Text(GainBoxName(kGainPrefix, a, k));
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(text.find("nan"), std::string::npos) << GainBoxName(kGainPrefix, a, k) << " " << hit;
        EXPECT_EQ(text.find("inf"), std::string::npos) << GainBoxName(kGainPrefix, a, k) << " " << hit;
      }
    }
  }
  // Miss rate exactly 1 gives an expected damage of 0: nothing to gain per point.
  AttributePanel p;
  p.attackPower = 4000;
  p.missRate = 1.0f;
  p.critCap = 0.0f;
  p.critPower = 200.0f;
  InputSnapshot s;
  const SkillProfile& skill = SkillProfiles()[JianchuHongmeng];
  const SkillResult r = ComputeSkillResult(skill, SkillModifiers{}, p);
  EXPECT_EQ(r.expectedDamage, 0.0f);
  const SkillStatGains gains = ComputeStatGains(skill, SkillModifiers{}, r, p, s);
  EXPECT_EQ(gains.percentPerPoint, (StatGains{"0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(gains.pointsPerPercent[3], "1");   // a crit need of 0 points
  EXPECT_EQ(gains.pointsPerPercent[4], "无");  // 0 / 0: not a number
}

}  // namespace
}  // namespace qichun
