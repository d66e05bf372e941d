// Row colours as the skill table actually draws them.

#include <QImage>
#include <QTreeWidget>

#include "ui/report_list_view.h"
#include "ui_test_support.h"

namespace qichun::testing {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kLightGrey(226, 226, 226);

// Colour of a cell's empty right end, away from its text and the grid.
QColor CellBackground(ReportListView& list, int row, int column) {
  const QImage image = list.viewport()->grab().toImage();
  const QRect cell = list.visualRect(list.model()->index(row, column));
  return image.pixelColor(cell.right() - 6, cell.center().y());
}

QColor CellTextColour(ReportListView& list, int row, int column) {
  auto* delegate = qobject_cast<ReportRowDelegate*>(list.itemDelegate());
  QStyleOptionViewItem option;
  option.initFrom(list.viewport());
  return delegate->CellOption(option, list.model()->index(row, column)).palette.color(QPalette::Text);
}

TEST(RowColourDrawing, BeforeTheColoursEveryRowIsGrey) {
  ShownWindow shown;
  ReportListView& skills = shown.window->SkillTable();
  for (int row = 0; row < 13; ++row) EXPECT_EQ(CellBackground(skills, row, 8), kLightGrey) << row;
}

TEST(RowColourDrawing, AfterStartUpSkillRowsAreBlackOnWhiteAndConvertedRowsGrey) {
  ShownWindow shown;
  shown.window->ColourSkillRows();
  ReportListView& skills = shown.window->SkillTable();
  for (int row = 0; row < 13; ++row) {
    const bool skillRow = row % 2 == 0;
    EXPECT_EQ(CellBackground(skills, row, 8), skillRow ? kWhite : kLightGrey) << row;
    EXPECT_EQ(CellBackground(skills, row, 0), skillRow ? kWhite : kLightGrey) << row;
    EXPECT_EQ(CellTextColour(skills, row, 1), kBlack) << row;
  }
  // Below the last row the list's own background: the button face.
  const QImage image = skills.viewport()->grab().toImage();
  EXPECT_EQ(image.pixelColor(10, image.height() - 2), shown.window->palette().color(QPalette::Button));
  EXPECT_EQ(CellBackground(shown.window->AttributeTable(), 0, 8), kWhite);
}

struct SelectionCase {
  const char* name;
  bool focused;
  bool keyboardCues;
  bool toolkitHighlight;  // else the registered white
};

class SelectedRowTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SelectedRowTest, OnlySelectedFocusedWithCuesShowsTheSelectionColours) {
  const SelectionCase& c = GetParam();
  ShownWindow shown;
  shown.window->ColourSkillRows();
  shown.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(shown.window.get()));
  ReportListView& skills = shown.window->SkillTable();
  skills.setCurrentIndex(skills.model()->index(2, 0));
  if (c.focused) {
    skills.setFocus();
  } else {
    shown.operator()<QWidget>("编辑框10")->setFocus();
  }
  shown.window->setAttribute(Qt::WA_KeyboardFocusChange, c.keyboardCues);
  const QColor highlight = skills.palette().color(QPalette::Active, QPalette::Highlight);
  EXPECT_EQ(CellBackground(skills, 2, 0), c.toolkitHighlight ? highlight : kWhite);
  // Other columns of the row: never highlighted (no full-row selection).
  EXPECT_NE(CellBackground(skills, 2, 3), highlight);
  EXPECT_EQ(CellBackground(skills, 4, 0), kWhite);
}

INSTANTIATE_TEST_SUITE_P(States, SelectedRowTest,
                         ::testing::Values(SelectionCase{"selected_focused_cues", true, true, true},
                                           SelectionCase{"selected_focused", true, false, false},
                                           SelectionCase{"selected_only", false, false, false},
                                           SelectionCase{"selected_cues_unfocused", false, true, false}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(RowColourDrawing, UnregisteredListShowsTheToolkitSelection) {
  ShownWindow shown;
  shown.window->ColourSkillRows();
  shown.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(shown.window.get()));
  ReportListView& attributes = shown.window->AttributeTable();
  attributes.setCurrentIndex(attributes.model()->index(0, 0));
  attributes.setFocus();
  const QColor highlight = attributes.palette().color(QPalette::Active, QPalette::Highlight);
  EXPECT_EQ(CellBackground(attributes, 0, 0), highlight);
  EXPECT_EQ(CellBackground(attributes, 1, 0), kWhite);
}

}  // namespace
}  // namespace qichun::testing
