#include "conversion/conversion.h"

#include <gtest/gtest.h>

#include "core/number_rules.h"
#include "core/recalculate.h"
#include "skills/run_skill_model.h"
#include "support/window_state.h"

namespace qichun {
namespace {

using testing::ControlChange;
using testing::RowText;
using testing::WindowWith;

// The window after start-up and one press of "转换".
struct Converted {
  explicit Converted(std::initializer_list<ControlChange> changes) : window(WindowWith(changes)) {
    Recalculate(window, state);
    RunConversion(window, state);
  }
  std::string AttributeRow(int row) const { return RowText(window, kAttributeTable, row); }
  std::string Cell(int row, int column) const {
    return window.Rows(kSkillTable)[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }
  std::string Box(std::string_view prefix, int attribute, int number) const {
    return window.Text(GainBoxName(prefix, attribute, number));
  }
  ControlMap window;
  CalculationState state;
};

TEST(Conversion, EmptyRequestRepeatsEveryRowAndBox) {
  const Converted c({});
  EXPECT_EQ(c.AttributeRow(1), c.AttributeRow(0));
  for (int k = 0; k < kSkillCount; ++k) {
    const int row = 2 * k;
    for (int column = 2; column <= 8; ++column) EXPECT_EQ(c.Cell(row + 1, column), c.Cell(row, column)) << row;
    for (int a = 0; a < 6; ++a) {
      EXPECT_EQ(c.Box(kConvertedGainPrefix, a, k + 1), c.Box(kGainPrefix, a, k + 1));
      EXPECT_EQ(c.Box(kConvertedGainPrefix, a, k + 7), c.Box(kGainPrefix, a, k + 7));
    }
  }
  // Row 1 shows the float with its fraction where row 0 truncates it.
  EXPECT_EQ(c.Cell(0, 1), "10385");
  EXPECT_EQ(TextToInt(c.Cell(1, 1)), 10385);
  EXPECT_NE(c.Cell(1, 1).find('.'), std::string::npos);
  for (int row = 3; row <= 11; row += 2) EXPECT_EQ(c.Cell(row, 1), c.Cell(row - 1, 1)) << row;
  EXPECT_EQ(c.Cell(1, 0), "转换后");
}

TEST(Conversion, ConvertedAttributeRows) {
  struct Case {
    const char* label;
    std::initializer_list<ControlChange> changes;
    const char* row;
  };
  const Case cases[] = {
      {"equal amounts on every line change nothing",
       {{"编辑框30", "7"},
        {"编辑框29", "7"},
        {"编辑框20", "3.5"},
        {"编辑框14", "3.5"},
        {"编辑框16", "9"},
        {"编辑框3", "9"},
        {"编辑框21", "12"},
        {"编辑框15", "12"}},
       "949 | 103.11 | 45.62 | 247.17 | 1300  （35.94%） | 30.29 | 4916 | 98.11"},
      {"removing 100 spirit",
       {{"编辑框30", "100"}},
       "849 | 103.11 | 44.34 | 245.57 | 1300  （35.94%） | 30.29 | 4741 | 98.11"},
      {"天鼓雷音阵 scales the moved overcome",
       {{"增益天鼓雷音阵", 1}, {"编辑框6", "1000"}, {"编辑框3", "100"}},
       "949 | 106.11 | 45.62 | 247.17 | 1210  （33.45%） | 30.29 | 5064 | 100"},
      {"crit power lifted above 300",
       {{"编辑框11", "1500"}},
       "949 | 103.11 | 45.62 | 300 | 1300  （35.94%） | 30.29 | 4916 | 98.11"},
      {"removing 34.25 hit rating lowers hit by 1",
       {{"编辑框20", "34.25"}},
       "949 | 102.11 | 45.62 | 247.17 | 1300  （35.94%） | 30.29 | 4916 | 97.11"},
      {"hit moved exactly onto the requirement",
       {{"编辑框9", "104"}, {"编辑框14", "34.25"}},
       "949 | 105 | 45.62 | 247.17 | 1300  （35.94%） | 30.29 | 4916 | 100"},
      {"strain rating is taken from the panel's strain",
       {{"编辑框19", "256.85"}},
       "949 | 103.11 | 45.62 | 247.17 | 1300  （35.94%） | 20.29 | 4916 | 98.11"},
      {"crit follows the cap of the converted build",
       {{"编辑框8", "80"}, {"编辑框20", "342.5"}},
       "949 | 93.11 | 88.11 | 247.17 | 1300  （35.94%） | 30.29 | 4916 | 88.11"},
      {"removing more than the build has goes negative",
       {{"编辑框21", "10000"}, {"编辑框16", "5000"}},
       "949 | 103.11 | 45.62 | 247.17 | -3700  （-102.3%） | 30.29 | -6083 | 98.11"},
  };
  for (const Case& c : cases) EXPECT_EQ(Converted(c.changes).AttributeRow(1), c.row) << c.label;
}

TEST(Conversion, ConvertedPanelFollowsTheRequest) {
  const Converted c({{"编辑框30", "100"}});
  const ConvertedPanel converted =
      ConvertPanel(ReadInputSnapshot(c.window, c.state.presetInForce), c.state.panel, ReadConversionRequest(c.window));
  EXPECT_EQ(converted.spirit, c.state.panel.spirit - 100);
  EXPECT_EQ(converted.crit, ToFloat32(c.state.panel.crit - 53 / 41.5));
  EXPECT_EQ(converted.critPower, ToFloat32(c.state.panel.critPower - 24 / 15.0));  // 0.06, not 0.08
  EXPECT_EQ(converted.attackPower, TruncToInt(2960 * 1.1 + 1.75 * 849));
}

TEST(Conversion, MissRateAcrossTheHitRequirement) {
  // At or above the requirement: no miss, so no hit gain in the converted boxes.
  for (const char* typedHit : {"104", "110"}) {
    const Converted c({{"编辑框9", typedHit}, {"编辑框14", "34.25"}});
    for (int k = 0; k < kSkillCount; ++k) {
      EXPECT_EQ(c.Cell(2 * k + 1, 2), "0") << typedHit;
      EXPECT_EQ(c.Box(kConvertedGainPrefix, 1, k + 1), "无") << typedHit;
      EXPECT_EQ(c.Box(kConvertedGainPrefix, 1, k + 7), "0") << typedHit;
    }
  }
  // Below it the percent-per-point hit boxes take values again.
  const Converted below({{"编辑框9", "106"}, {"编辑框20", "68.5"}});  // hit′ 104
  EXPECT_EQ(below.Cell(1, 2), "1");
  for (int k = 0; k < kSkillCount; ++k) EXPECT_NE(below.Box(kConvertedGainPrefix, 1, k + 7), "0");
  // The unconverted boxes stay as the build has them: hit 106, no miss.
  EXPECT_EQ(below.Box(kGainPrefix, 1, 7), "0");
}

TEST(Conversion, MovingOvercomeMovesEveryConvertedRow) {
  const Converted c({{"编辑框3", "100"}});
  const std::string first = c.Box(kConvertedGainPrefix, 5, 1);
  for (int k = 0; k < kSkillCount; ++k) {
    EXPECT_EQ(c.Box(kConvertedGainPrefix, 5, k + 1), first);
    EXPECT_NE(c.Cell(2 * k + 1, 1), c.Cell(2 * k, 1));
    EXPECT_NE(c.Cell(2 * k + 1, 6), c.Cell(2 * k, 6));
  }
}

TEST(Conversion, BaseAttackNeedIsMeasuredAgainstTheWholeFlatBase) {
  // 水特效 and the attack food are part of the flat base the gain works against.
  const Converted withExtras({{"增益水特效", 1}, {"组合框4", 3}, {"编辑框21", "500"}});
  const Converted typedOnly({{"编辑框4", "2574"}});  // 2960 − 500 + 70 + 44
  EXPECT_EQ(withExtras.window.Rows(kAttributeTable)[1][7], typedOnly.window.Rows(kAttributeTable)[0][7]);
  EXPECT_EQ(withExtras.Box(kConvertedGainPrefix, 0, 1), typedOnly.Box(kGainPrefix, 0, 1));
  EXPECT_EQ(withExtras.Box(kConvertedGainPrefix, 0, 7), typedOnly.Box(kGainPrefix, 0, 7));
}

TEST(Conversion, RecalculateLeavesTheConversionAlone) {
  Converted c({{"编辑框30", "100"}});
  const std::vector<ControlMap::Row> convertedRows = c.window.Rows(kSkillTable);
  const std::string convertedAttributes = c.AttributeRow(1);
  const std::string convertedBox = c.Box(kConvertedGainPrefix, 0, 1);
  const std::string plainBox = c.Box(kGainPrefix, 0, 1);

  c.window.SetText("编辑框4", "3500");
  Recalculate(c.window, c.state);
  EXPECT_EQ(c.AttributeRow(1), convertedAttributes);
  for (int row = 1; row <= 11; row += 2) EXPECT_EQ(c.window.Rows(kSkillTable)[row], convertedRows[row]) << row;
  for (int row = 0; row <= 10; row += 2) EXPECT_NE(c.window.Rows(kSkillTable)[row], convertedRows[row]) << row;
  EXPECT_EQ(c.Box(kConvertedGainPrefix, 0, 1), convertedBox);
  EXPECT_NE(c.Box(kGainPrefix, 0, 1), plainBox);

  // The next press converts the new build.
  RunConversion(c.window, c.state);
  EXPECT_NE(c.AttributeRow(1), convertedAttributes);
}

TEST(Conversion, DegenerateConvertedBuildStillWritesEveryText) {
  const Converted c({{"编辑框20", "100000"}, {"编辑框19", "1e9"}, {"编辑框18", "nan"}});
  for (int row = 1; row <= 11; row += 2) {
    for (int column = 1; column <= 8; ++column) EXPECT_FALSE(c.Cell(row, column).empty()) << row << "," << column;
  }
  for (int a = 0; a < 6; ++a) {
    for (int n = 1; n <= 12; ++n) {
      const std::string text = c.Box(kConvertedGainPrefix, a, n);
      EXPECT_TRUE(text == "无" || text == "0" || text.find_first_of("nai") == std::string::npos)
          << a << " " << n << " " << text;
    }
  }
}

}  // namespace
}  // namespace qichun
