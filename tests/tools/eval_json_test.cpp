#include "eval_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace qichun {
namespace {

using nlohmann::json;

json Evaluate(std::string_view input) {
  const EvalOutcome outcome = EvaluateJson(input);
  EXPECT_EQ(outcome.exitStatus, 0) << outcome.error;
  EXPECT_TRUE(outcome.error.empty());
  return json::parse(outcome.output);
}

TEST(QichunEval, StartUpStateWithoutConversion) {
  const json out = Evaluate("{}");
  EXPECT_EQ(out["超级列表框1"][0],
            json({"原属性", "949", "103.11", "45.62", "247.17", "1300  （35.94%）", "30.29", "4916", "98.11"}));
  EXPECT_EQ(out["超级列表框1"][1], json({"转换后", "", "", "", "", "", "", "", ""}));
  ASSERT_EQ(out["超级列表框2"].size(), 13u);
  EXPECT_EQ(out["超级列表框2"][0], json({"四象轮回", "10385", "1.89", "0", "1321", "35.49", "5284", "62.62", "13588"}));
  EXPECT_EQ(out["超级列表框2"][3], json({"转换后", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(out["超级列表框2"][12], json({"", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(out["收益命中1"], "无");
  EXPECT_EQ(out["收益基础攻击力12"], "0.03582");
  EXPECT_EQ(out["转换收益无双12"], "10");
  EXPECT_EQ(out.size(), 2u + 144u);
}

TEST(QichunEval, ControlsAndConversion) {
  const json out = Evaluate(R"({"controls": {"编辑框30": "100", "mz97": 0, "mz99": 1, "组合框5": 2,
                                              "奇穴期声": 2}, "convert": true})");
  // 期声 reads 2, which is not checked: attack loses its 10%.
  EXPECT_EQ(out["超级列表框1"][0][7], "4720");
  EXPECT_EQ(out["超级列表框1"][1][1], "906");
  EXPECT_EQ(out["超级列表框2"][1][0], "转换后");
  EXPECT_NE(out["超级列表框2"][1][1], "");
  EXPECT_NE(out["转换收益基础攻击力1"], "10");
}

TEST(QichunEval, BadInputNamesTheProblem) {
  struct Case {
    const char* input;
    const char* mentions;
  };
  const Case cases[] = {
      {"", "JSON"},
      {"{\"controls\": ", "JSON"},
      {"[1, 2]", "object"},
      {R"({"controls": []})", "controls"},
      {R"({"convert": "yes"})", "convert"},
      {R"({"extra": 1})", "extra"},
      {R"({"controls": {"编辑框99": "1"}})", "编辑框99"},
      {R"({"controls": {"收益命中1": "5"}})", "收益命中1"},
      {R"({"controls": {"编辑框10": 949}})", "编辑框10"},
      {R"({"controls": {"奇穴期声": "1"}})", "奇穴期声"},
      {R"({"controls": {"奇穴期声": true}})", "奇穴期声"},
      {R"({"controls": {"组合框1": 1.5}})", "组合框1"},
      {R"({"controls": {"组合框1": 4294967296}})", "组合框1"},
      {R"({"controls": {"mz96": -2147483649}})", "mz96"},
      // found by fuzzing: a line break inside a name must not break the message's line
      {R"({"con\ntrols": {}})", R"("con\ntrols")"},
      {R"({"controls": {"编辑框\n9": "1"}})", R"("编辑框\n9")"},
  };
  for (const Case& c : cases) {
    const EvalOutcome outcome = EvaluateJson(c.input);
    EXPECT_EQ(outcome.exitStatus, 2) << c.input;
    EXPECT_TRUE(outcome.output.empty()) << c.input;
    EXPECT_NE(outcome.error.find(c.mentions), std::string::npos) << c.input << " → " << outcome.error;
    EXPECT_EQ(outcome.error.find('\n'), std::string::npos) << c.input;
  }
}

TEST(QichunEval, AcceptsTheWholeInt32RangeForStates) {
  const json out = Evaluate(R"({"controls": {"组合框1": -2147483648, "mz97": 2147483647, "mz98": 1}})");
  EXPECT_EQ(out["超级列表框1"][0][8], "93.11");  // 高级试炼木桩; 2147483647 is not checked
}

}  // namespace
}  // namespace qichun
