#include "ui/row_colour_registry.h"

#include <string>

#include <gtest/gtest.h>

namespace qichun {
namespace {

constexpr Colorref kBlack = 0x000000;
constexpr Colorref kWhite = 0xFFFFFF;
constexpr Colorref kRed = 0x0000FF;

const int kSkillTableKey = 0;
const int kAttributeTableKey = 0;
RowColourRegistry::ListKey SkillTable() { return &kSkillTableKey; }
RowColourRegistry::ListKey AttributeTable() { return &kAttributeTableKey; }

TEST(RgbColour, IsBlueGreenRed) {
  EXPECT_EQ(RgbColour(226, 226, 226), 0xE2E2E2u);
  EXPECT_EQ(RgbColour(1, 2, 3), 0x030201u);
}

TEST(RowColourRegistry, FirstRegistrationOfRowFiveAddsFiveFillers) {
  RowColourRegistry registry;
  registry.SetRowColour(SkillTable(), 5, kBlack, kWhite);
  const auto* rows = registry.Rows(SkillTable());
  ASSERT_NE(rows, nullptr);
  ASSERT_EQ(rows->size(), 6u);
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ((*rows)[static_cast<std::size_t>(row)].enabled, 0) << row;
    EXPECT_EQ((*rows)[static_cast<std::size_t>(row)].row, 0) << row;
    EXPECT_FALSE(registry.ColoursAtDraw(SkillTable(), row, 0)) << row;
  }
  EXPECT_EQ((*rows)[5].row, 5);
  EXPECT_EQ((*rows)[5].enabled, 1);
}

TEST(RowColourRegistry, RowsGrowAndReRegistrationReplaces) {
  struct Step {
    int row;
    Colorref text;
    std::size_t recordsAfter;
  };
  const Step steps[] = {{0, kBlack, 1}, {1, kBlack, 2}, {3, kBlack, 4}, {3, kRed, 4}};
  RowColourRegistry registry;
  for (const Step& step : steps) {
    registry.SetRowColour(SkillTable(), step.row, step.text, kWhite);
    EXPECT_EQ(registry.Rows(SkillTable())->size(), step.recordsAfter) << "after row " << step.row;
  }
  EXPECT_EQ(registry.ColoursAtDraw(SkillTable(), 3, 0)->textColour, kRed);
  EXPECT_EQ(registry.ColoursAtDraw(SkillTable(), 0, 0)->textColour, kBlack);
  EXPECT_FALSE(registry.ColoursAtDraw(SkillTable(), 2, 0));
  EXPECT_EQ(registry.ListCount(), 1u);
}

TEST(RowColourRegistry, StartUpRowsGiveThirteenRecordsWithFillersAtOddRows) {
  RowColourRegistry registry;
  for (int row : {0, 2, 4, 6, 8, 10, 12}) registry.SetRowColour(SkillTable(), row, kBlack, kWhite);
  ASSERT_EQ(registry.Rows(SkillTable())->size(), 13u);
  for (int row = 0; row < 13; ++row) {
    EXPECT_EQ(registry.ColoursAtDraw(SkillTable(), row, 0).has_value(), row % 2 == 0) << row;
  }
  EXPECT_FALSE(registry.ColoursAtDraw(SkillTable(), 13, 0));
}

TEST(RowColourRegistry, ListsAreKeptApartInOrderOfFirstRegistration) {
  RowColourRegistry registry;
  registry.SetRowColour(SkillTable(), 0, kBlack, kWhite);
  registry.SetRowColour(AttributeTable(), 1, kRed, kBlack);
  EXPECT_EQ(registry.ListCount(), 2u);
  EXPECT_EQ(registry.Rows(SkillTable())->size(), 1u);
  EXPECT_EQ(registry.Rows(AttributeTable())->size(), 2u);
  EXPECT_FALSE(registry.ColoursAtDraw(AttributeTable(), 0, 0));
}

TEST(RowColourRegistry, UnregisteredListAndNegativeRowsKeepTheirOwnColours) {
  RowColourRegistry registry;
  EXPECT_EQ(registry.Rows(AttributeTable()), nullptr);
  EXPECT_FALSE(registry.ColoursAtDraw(AttributeTable(), 0, 0));
  registry.SetRowColour(SkillTable(), -1, kBlack, kWhite);
  EXPECT_EQ(registry.ListCount(), 0u);
  EXPECT_FALSE(registry.ColoursAtDraw(SkillTable(), -1, 0));
}

struct StateCase {
  const char* name;
  std::uint32_t itemState;
  bool keepsToolkitColours;
};

class DrawStateTest : public ::testing::TestWithParam<StateCase> {};

TEST_P(DrawStateTest, OnlyTheWholeWordSelectedFocusedCuesKeepsToolkitColours) {
  const StateCase& c = GetParam();
  EXPECT_EQ(KeepsToolkitColours(c.itemState), c.keepsToolkitColours);
  RowColourRegistry registry;
  registry.SetRowColour(SkillTable(), 0, kBlack, kWhite);
  EXPECT_EQ(registry.ColoursAtDraw(SkillTable(), 0, c.itemState).has_value(), !c.keepsToolkitColours);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrawStateTest,
                         ::testing::Values(StateCase{"selected_focused_cues", 0x211, true},
                                           StateCase{"selected_focused", 0x11, false},
                                           StateCase{"selected", 0x1, false}, StateCase{"plain", 0x0, false},
                                           StateCase{"focused_cues", 0x210, false},
                                           StateCase{"selected_cues", 0x201, false},
                                           StateCase{"with_disabled_bit", 0x215, false}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace qichun
