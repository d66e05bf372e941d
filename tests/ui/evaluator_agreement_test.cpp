// The real window and the headless evaluator agree text for text.

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <nlohmann/json.hpp>

#include <string>

#include "eval_json.h"
#include "ui_test_support.h"

namespace qichun::testing {
namespace {

using nlohmann::json;

struct ControlState {
  const char* name;
  std::string controls;  // JSON object of control states, as the evaluator takes them
  bool convert;
};

// Sets the window's controls as the user could, from the evaluator's JSON.
void Apply(ShownWindow& shown, const json& controls) {
  for (const auto& [name, value] : controls.items()) {
    QWidget* widget = shown(name.c_str());
    ASSERT_NE(widget, nullptr) << name;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      edit->setText(QString::fromStdString(value.get<std::string>()));
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      combo->setCurrentIndex(value.get<int>());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      button->setChecked(value.get<int>() == 1);
    }
  }
}

class EvaluatorAgreementTest : public ::testing::TestWithParam<ControlState> {};

TEST_P(EvaluatorAgreementTest, WindowShowsWhatTheEvaluatorComputes) {
  const ControlState& state = GetParam();
  const json controls = json::parse(state.controls);
  const EvalOutcome outcome =
      EvaluateJson(json{{"controls", controls}, {"convert", state.convert}}.dump());
  ASSERT_EQ(outcome.exitStatus, 0) << outcome.error;
  const json expected = json::parse(outcome.output);

  ShownWindow shown;
  Apply(shown, controls);
  shown.window->Recalculate();
  if (state.convert) QTest::mouseClick(shown.operator()<QAbstractButton>("按钮1"), Qt::LeftButton);

  int compared = 0;
  for (const auto& [name, value] : expected.items()) {
    if (value.is_array()) {
      auto* list = shown.operator()<QTreeWidget>(name.c_str());
      ASSERT_NE(list, nullptr);
      ASSERT_EQ(list->topLevelItemCount(), static_cast<int>(value.size())) << name;
      for (int row = 0; row < list->topLevelItemCount(); ++row) {
        for (int column = 0; column < 9; ++column) {
          EXPECT_EQ(list->topLevelItem(row)->text(column).toStdString(), value[row][column].get<std::string>())
              << name << " row " << row << " column " << column;
          ++compared;
        }
      }
    } else {
      EXPECT_EQ(BoxText(*shown.window, name), value.get<std::string>()) << name;
      ++compared;
    }
  }
  EXPECT_EQ(compared, 2 * 9 + 13 * 9 + 144);
}

INSTANTIATE_TEST_SUITE_P(
    States, EvaluatorAgreementTest,
    ::testing::Values(
        ControlState{"start_up", "{}", false},
        ControlState{"start_up_converted", "{}", true},
        ControlState{"consumables_buffs_top_dummy",
                     R"({"组合框1": 2, "组合框5": 2, "组合框4": 5, "组合框3": 1, "组合框2": 1,
                         "增益紫气东来": 1, "增益金刚怒目": 1, "增益天鼓雷音阵": 1, "增益繁音急节": 1,
                         "增益套装攻击力": 1, "增益水特效": 1, "增益风特效": 1, "增益切糕会效": 1,
                         "增益切糕会心": 1, "增益切糕无双": 1, "mz97": 0, "mz99": 1})",
                     true},
        ControlState{"crit_above_cap", R"({"编辑框8": "90", "编辑框7": "295", "增益套装伤害": 1, "增益橙武属性": 1})",
                     false},
        ControlState{"conversion_of_spirit_and_overcome",
                     R"({"编辑框30": "100", "编辑框3": "100", "编辑框20": "34.25", "编辑框11": "200",
                         "增益天鼓雷音阵": 1, "mz97": 0, "mz100": 1})",
                     true},
        ControlState{"odd_texts_and_no_talents",
                     R"({"编辑框9": "abc", "编辑框6": "１２００", "编辑框10": "", "奇穴白虹": 0, "奇穴霜峰": 0,
                         "奇穴期声": 0, "奇穴抱阳": 0, "选择框12": 0, "编辑框21": "-50", "编辑框19": "1e2"})",
                     true}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace qichun::testing
