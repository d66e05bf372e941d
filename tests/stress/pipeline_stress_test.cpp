// Random control states through the whole pipeline: every result cell and box
// gets a text, and the gain boxes never show a non-number.
// QICHUN_STRESS_STATES sets how many states (a short run by default).

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/conversion.h"
#include "core/control_map.h"
#include "core/recalculate.h"
#include "skills/run_skill_model.h"

namespace qichun {
namespace {

constexpr std::string_view kEditBoxes[] = {"编辑框10", "编辑框9", "编辑框8", "编辑框7",
                                           "编辑框6",  "编辑框5", "编辑框4"};
constexpr std::string_view kConversionBoxes[] = {"编辑框30", "编辑框29", "编辑框20", "编辑框14", "编辑框19",
                                                 "编辑框13", "编辑框18", "编辑框12", "编辑框17", "编辑框11",
                                                 "编辑框16", "编辑框3",  "编辑框21", "编辑框15"};
constexpr std::string_view kComboBoxes[] = {"组合框1", "组合框2", "组合框3", "组合框4", "组合框5"};
constexpr std::string_view kCheckBoxes[] = {
    "奇穴雾锁",     "奇穴白虹",     "奇穴霜峰",     "奇穴无形",       "奇穴万物",     "奇穴跬步",     "奇穴期声",
    "奇穴抱阳",     "增益紫气东来", "增益金刚怒目", "增益天鼓雷音阵", "增益繁音急节", "增益套装伤害", "增益套装攻击力",
    "增益橙武属性", "增益水特效",   "增益风特效",   "增益切糕会效",   "增益切糕无双", "增益切糕会心", "增益切糕命中",
    "选择框1",      "选择框2",      "选择框3",      "选择框4",        "选择框5",      "选择框6",      "选择框7",
    "选择框8",      "选择框9",      "选择框10",     "选择框11",       "选择框12",     "选择框13",     "选择框14",
    "选择框15",     "选择框17",     "选择框18",     "选择框19",       "mz96",         "mz97",         "mz98",
    "mz99",         "mz100"};

// Pieces texts are made of: ordinary numbers, extremes, full-width forms, emoji, NUL.
const std::vector<std::string> kPieces = {"0",
                                          "1",
                                          "9",
                                          "949",
                                          "103.11",
                                          "-",
                                          "+",
                                          ".",
                                          "e",
                                          "d",
                                          "E5",
                                          "e-400",
                                          "1e308",
                                          "1e39",
                                          "2147483647",
                                          "4294967296",
                                          "１２",
                                          "．５",
                                          "－",
                                          "\u3000",
                                          "😀",
                                          std::string(1, '\0'),
                                          "abc",
                                          "，",
                                          " ",
                                          "\t",
                                          "nan",
                                          "inf",
                                          std::string(300, '9'),
                                          "\xEF\xBC",
                                          "\x80"};

std::string RandomText(std::mt19937& random) {
  std::uniform_int_distribution<std::size_t> count(0, 6);
  std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
  std::string text;
  for (std::size_t i = count(random); i > 0; --i) text += kPieces[piece(random)];
  return text;
}

int RandomState(std::mt19937& random) {
  std::uniform_int_distribution<int> pick(0, 9);
  const int choice = pick(random);
  if (choice < 4) return 0;
  if (choice < 8) return 1;
  if (choice == 8) return 2;
  return std::uniform_int_distribution<int>(std::numeric_limits<int>::min(), std::numeric_limits<int>::max())(random);
}

void ExpectRowWritten(const ControlMap& window, std::string_view listView, int row, std::size_t state) {
  const auto& cells = window.Rows(listView).at(static_cast<std::size_t>(row));
  for (std::size_t column = 1; column < cells.size(); ++column) {
    EXPECT_FALSE(cells[column].empty()) << listView << " row " << row << " column " << column << " state " << state;
  }
}

void ExpectGainBoxes(const ControlMap& window, std::string_view prefix, std::size_t state) {
  for (int a = 0; a < 6; ++a) {
    for (int n = 1; n <= 12; ++n) {
      const std::string text = window.Text(GainBoxName(prefix, a, n));
      const bool isNumber = !text.empty() && text.find_first_not_of("-0123456789.e+") == std::string::npos;
      EXPECT_TRUE(text == "无" || isNumber) << GainBoxName(prefix, a, n) << " = " << text << " state " << state;
    }
  }
}

TEST(PipelineStress, RandomControlStates) {
  const char* configured = std::getenv("QICHUN_STRESS_STATES");
  const std::size_t states = configured ? std::strtoull(configured, nullptr, 10) : 3000;
  std::mt19937 random(20261211);
  ControlMap window = ControlMap::WithInitialState();
  CalculationState calculation;
  for (std::size_t state = 0; state < states; ++state) {
    for (std::string_view box : kEditBoxes) window.SetText(box, RandomText(random));
    for (std::string_view box : kConversionBoxes) window.SetText(box, RandomText(random));
    for (std::string_view box : kComboBoxes) {
      window.SetCurrentIndex(box, std::uniform_int_distribution<int>(-2, 7)(random));
    }
    for (std::string_view box : kCheckBoxes) window.SetCheckState(box, RandomState(random));

    Recalculate(window, calculation);
    if (state % 2 == 0) RunConversion(window, calculation);

    ExpectRowWritten(window, kAttributeTable, 0, state);
    for (int row = 0; row <= 10; row += 2) ExpectRowWritten(window, kSkillTable, row, state);
    ExpectGainBoxes(window, kGainPrefix, state);
    ExpectRowWritten(window, kAttributeTable, 1, state);
    for (int row = 1; row <= 11; row += 2) ExpectRowWritten(window, kSkillTable, row, state);
    ExpectGainBoxes(window, kConvertedGainPrefix, state);
    if (HasFailure()) break;
  }
  RecordProperty("states", std::to_string(states));
}

}  // namespace
}  // namespace qichun
