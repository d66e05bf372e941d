// Every control of the main window and the two dialogs against the window definition.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>

#include <QRegularExpression>

#include <algorithm>
#include <string>
#include <vector>

#include "skills/run_skill_model.h"
#include "ui/version_dialogs.h"
#include "ui_test_support.h"

namespace qichun::testing {
namespace {

enum class Kind { Label, Edit, ReadOnlyEdit, CheckBox, RadioButton, ComboBox, Button, GroupBox, TabControl, Pane, ListView };

struct ControlRow {
  const char* name;
  Kind kind;
  const char* parent;  // a tab page as "tab control/page title"
  int x, y, width, height;
  const char* text;  // caption, initial text; "" for none
  bool checked;
};

// clang-format off
const ControlRow kControls[] = {
    {"选择夹", Kind::Pane, "MainWindow", 0, 0, 1272, 768, "", false},
    // attribute inputs
    {"编辑框10", Kind::Edit, "选择夹", 88, 24, 72, 24, "949", false},
    {"编辑框9", Kind::Edit, "选择夹", 88, 56, 72, 24, "103.11", false},
    {"编辑框8", Kind::Edit, "选择夹", 88, 88, 72, 24, "35.62", false},
    {"编辑框7", Kind::Edit, "选择夹", 88, 120, 72, 24, "227.17", false},
    {"编辑框6", Kind::Edit, "选择夹", 88, 152, 72, 24, "1300", false},
    {"编辑框5", Kind::Edit, "选择夹", 88, 184, 72, 24, "30.29", false},
    {"编辑框4", Kind::Edit, "选择夹", 88, 216, 72, 24, "2960", false},
    {"编辑框2", Kind::ReadOnlyEdit, "选择夹", 88, 248, 56, 24, "0", false},
    {"编辑框1", Kind::ReadOnlyEdit, "选择夹", 168, 248, 56, 24, "0", false},
    {"按钮2", Kind::Button, "选择夹", 264, 192, 88, 32, "保存", false},
    {"按钮3", Kind::Button, "选择夹", 264, 240, 88, 32, "读取", false},
    // areas of the pane
    {"选择夹2", Kind::TabControl, "选择夹", 8, 280, 440, 288, "物品&奇穴|Buff增益", false},
    {"选择夹1", Kind::TabControl, "选择夹", 8, 576, 440, 192, "四象轮回|两仪化形|太极无极|万世不竭", false},
    {"超级列表框1", Kind::ListView, "选择夹", 376, 8, 900, 62, "", false},
    {"超级列表框2", Kind::ListView, "选择夹", 376, 72, 900, 200, "", false},
    {"选择夹3", Kind::TabControl, "选择夹", 448, 280, 488, 248, "四象轮回|两仪化形|太极无极|六合独尊|万世不竭|剑出鸿蒙", false},
    {"选择夹4", Kind::TabControl, "选择夹", 448, 528, 488, 240, "四象轮回|两仪化形|太极无极|六合独尊|万世不竭|剑出鸿蒙", false},
    {"分组框2", Kind::GroupBox, "选择夹", 944, 272, 320, 256, "", false},
    {"分组框3", Kind::GroupBox, "选择夹", 944, 528, 320, 240, "", false},
    // page "物品&奇穴"
    {"分组框1", Kind::GroupBox, "选择夹2/物品&奇穴", 8, 24, 424, 256, "", false},
    {"标签10", Kind::Label, "分组框1", 16, 16, 152, 24, "物品增益：", false},
    {"标签15", Kind::Label, "分组框1", 16, 64, 80, 24, "辅助类食品：", false},
    {"组合框1", Kind::ComboBox, "分组框1", 88, 64, 168, 20, "", false},
    {"标签14", Kind::Label, "分组框1", 16, 104, 80, 24, "辅助类药品：", false},
    {"组合框5", Kind::ComboBox, "分组框1", 88, 104, 168, 20, "", false},
    {"标签13", Kind::Label, "分组框1", 16, 144, 80, 24, "增强类食品：", false},
    {"组合框4", Kind::ComboBox, "分组框1", 88, 144, 168, 20, "", false},
    {"标签12", Kind::Label, "分组框1", 16, 184, 80, 24, "增强类药品：", false},
    {"组合框3", Kind::ComboBox, "分组框1", 88, 184, 168, 20, "", false},
    {"标签11", Kind::Label, "分组框1", 16, 224, 80, 24, "宴      席：", false},
    {"组合框2", Kind::ComboBox, "分组框1", 88, 224, 168, 20, "", false},
    {"标签17", Kind::Label, "分组框1", 272, 16, 80, 24, "奇穴：", false},
    {"奇穴雾锁", Kind::CheckBox, "分组框1", 272, 72, 48, 24, "雾锁", false},
    {"奇穴白虹", Kind::CheckBox, "分组框1", 328, 72, 80, 24, "白虹", true},
    {"奇穴霜峰", Kind::CheckBox, "分组框1", 272, 112, 56, 24, "霜锋", true},
    {"奇穴无形", Kind::CheckBox, "分组框1", 328, 112, 80, 24, "无形", true},
    {"奇穴万物", Kind::CheckBox, "分组框1", 272, 152, 56, 24, "万物", true},
    {"奇穴跬步", Kind::CheckBox, "分组框1", 328, 152, 80, 24, "跬步", true},
    {"奇穴期声", Kind::CheckBox, "分组框1", 272, 192, 56, 24, "期声", true},
    {"奇穴抱阳", Kind::CheckBox, "分组框1", 328, 192, 88, 24, "抱阳+破苍穹", true},
    // page "Buff增益"
    {"增益紫气东来", Kind::CheckBox, "选择夹2/Buff增益", 16, 48, 80, 24, "紫气东来", false},
    {"增益金刚怒目", Kind::CheckBox, "选择夹2/Buff增益", 120, 48, 80, 24, "金刚怒目", false},
    {"增益天鼓雷音阵", Kind::CheckBox, "选择夹2/Buff增益", 232, 48, 80, 24, "天鼓雷音阵", false},
    {"增益繁音急节", Kind::CheckBox, "选择夹2/Buff增益", 16, 88, 80, 24, "繁音急节", false},
    {"增益套装伤害", Kind::CheckBox, "选择夹2/Buff增益", 120, 88, 80, 24, "套装伤害", false},
    {"增益套装攻击力", Kind::CheckBox, "选择夹2/Buff增益", 232, 88, 80, 24, "套装攻击力", false},
    {"增益橙武属性", Kind::CheckBox, "选择夹2/Buff增益", 16, 128, 80, 24, "橙武属性", false},
    {"增益水特效", Kind::CheckBox, "选择夹2/Buff增益", 120, 128, 80, 24, "水特效", false},
    {"增益风特效", Kind::CheckBox, "选择夹2/Buff增益", 232, 128, 80, 24, "风特效", false},
    {"增益切糕会效", Kind::CheckBox, "选择夹2/Buff增益", 16, 168, 80, 24, "切糕会效", false},
    {"增益切糕无双", Kind::CheckBox, "选择夹2/Buff增益", 120, 168, 80, 24, "切糕无双", false},
    {"增益切糕会心", Kind::CheckBox, "选择夹2/Buff增益", 232, 168, 80, 24, "切糕会心", false},
    {"增益切糕命中", Kind::CheckBox, "选择夹2/Buff增益", 16, 208, 80, 24, "选择框", false},
    {"选择框36", Kind::CheckBox, "选择夹2/Buff增益", 120, 208, 80, 24, "选择框", false},
    {"选择框35", Kind::CheckBox, "选择夹2/Buff增益", 232, 208, 80, 24, "选择框", false},
    {"选择框34", Kind::CheckBox, "选择夹2/Buff增益", 16, 248, 80, 24, "选择框", false},
    {"选择框33", Kind::CheckBox, "选择夹2/Buff增益", 120, 248, 80, 24, "选择框", false},
    {"选择框32", Kind::CheckBox, "选择夹2/Buff增益", 232, 248, 80, 24, "选择框", false},
    {"选择框31", Kind::CheckBox, "选择夹2/Buff增益", 16, 288, 80, 24, "选择框", false},
    {"选择框30", Kind::CheckBox, "选择夹2/Buff增益", 120, 288, 80, 24, "选择框", false},
    {"选择框29", Kind::CheckBox, "选择夹2/Buff增益", 232, 288, 80, 24, "选择框", false},
    // skill books
    {"选择框3", Kind::CheckBox, "选择夹1/四象轮回", 48, 56, 80, 24, "会心提高2%", false},
    {"选择框2", Kind::CheckBox, "选择夹1/四象轮回", 48, 88, 80, 24, "会心提高3%", true},
    {"选择框1", Kind::CheckBox, "选择夹1/四象轮回", 48, 120, 80, 24, "会心提高4%", true},
    {"选择框6", Kind::CheckBox, "选择夹1/两仪化形", 48, 56, 80, 24, "会心提高2%", false},
    {"选择框5", Kind::CheckBox, "选择夹1/两仪化形", 48, 88, 80, 24, "会心提高3%", false},
    {"选择框9", Kind::CheckBox, "选择夹1/两仪化形", 48, 120, 80, 24, "会心提高4%", true},
    {"选择框8", Kind::CheckBox, "选择夹1/两仪化形", 168, 56, 80, 24, "伤害提高3%", false},
    {"选择框4", Kind::CheckBox, "选择夹1/两仪化形", 168, 88, 80, 24, "伤害提高4%", true},
    {"选择框7", Kind::CheckBox, "选择夹1/两仪化形", 168, 120, 80, 24, "伤害提高5%", true},
    {"选择框15", Kind::CheckBox, "选择夹1/太极无极", 48, 56, 80, 24, "会心提高2%", false},
    {"选择框14", Kind::CheckBox, "选择夹1/太极无极", 48, 88, 80, 24, "会心提高3%", false},
    {"选择框13", Kind::CheckBox, "选择夹1/太极无极", 48, 120, 80, 24, "会心提高4%", true},
    {"选择框12", Kind::CheckBox, "选择夹1/太极无极", 168, 56, 112, 24, "伤害提高15%", true},
    {"选择框11", Kind::CheckBox, "选择夹1/太极无极", 168, 88, 112, 24, "伤害提高15%", true},
    {"选择框10", Kind::CheckBox, "选择夹1/太极无极", 168, 120, 128, 24, "伤害提高20%", true},
    {"选择框19", Kind::CheckBox, "选择夹1/万世不竭", 48, 56, 80, 24, "伤害提高3%", false},
    {"选择框18", Kind::CheckBox, "选择夹1/万世不竭", 48, 88, 80, 24, "伤害提高4%", true},
    {"选择框17", Kind::CheckBox, "选择夹1/万世不竭", 48, 120, 80, 24, "伤害提高5%", true},
    // attribute conversion
    {"标签19", Kind::Label, "分组框2", 8, 8, 80, 24, "属性转换：", false},
    {"编辑框30", Kind::Edit, "分组框2", 96, 32, 56, 24, "", false},
    {"编辑框29", Kind::Edit, "分组框2", 256, 32, 56, 24, "", false},
    {"编辑框20", Kind::Edit, "分组框2", 96, 64, 56, 24, "", false},
    {"编辑框14", Kind::Edit, "分组框2", 256, 64, 56, 24, "", false},
    {"编辑框19", Kind::Edit, "分组框2", 96, 96, 56, 24, "", false},
    {"编辑框13", Kind::Edit, "分组框2", 256, 96, 56, 24, "", false},
    {"编辑框18", Kind::Edit, "分组框2", 96, 128, 56, 24, "", false},
    {"编辑框12", Kind::Edit, "分组框2", 256, 128, 56, 24, "", false},
    {"编辑框17", Kind::Edit, "分组框2", 96, 160, 56, 24, "", false},
    {"编辑框11", Kind::Edit, "分组框2", 256, 160, 56, 24, "", false},
    {"编辑框16", Kind::Edit, "分组框2", 96, 192, 56, 24, "", false},
    {"编辑框3", Kind::Edit, "分组框2", 256, 192, 56, 24, "", false},
    {"编辑框21", Kind::Edit, "分组框2", 96, 224, 56, 24, "", false},
    {"编辑框15", Kind::Edit, "分组框2", 256, 224, 56, 24, "", false},
    {"按钮1", Kind::Button, "分组框2", 160, 128, 80, 32, "转换", false},
    // target dummy
    {"标签18", Kind::Label, "分组框3", 16, 24, 80, 24, "目标：", false},
    {"标签54", Kind::Label, "分组框3", 64, 24, 256, 24, "命中要求105，无双要求20，减伤25%", false},
    {"mz96", Kind::RadioButton, "分组框3", 40, 56, 136, 24, "初级试炼木桩", false},
    {"mz97", Kind::RadioButton, "分组框3", 40, 88, 152, 24, "中级试炼木桩", true},
    {"mz98", Kind::RadioButton, "分组框3", 40, 120, 144, 24, "高级试炼木桩", false},
    {"mz99", Kind::RadioButton, "分组框3", 40, 152, 152, 24, "极境试炼木桩", false},
    {"mz100", Kind::RadioButton, "分组框3", 40, 184, 80, 24, "英雄上阳宫", false},
};

void PrintTo(const ControlRow& row, std::ostream* out) { *out << row.name; }

// Labels the definition gives by text only.
struct UnnamedLabel {
  const char* parent;
  const char* text;
  int x, y, width, height;
  bool grey;
};
const UnnamedLabel kUnnamedLabels[] = {
    {"选择夹", "根骨：", 16, 24, 56, 24, false},
    {"选择夹", "命中：", 16, 56, 56, 24, false},
    {"选择夹", "会心：", 16, 88, 56, 24, false},
    {"选择夹", "会效：", 16, 120, 56, 24, false},
    {"选择夹", "破防：", 16, 152, 56, 24, false},
    {"选择夹", "无双：", 16, 184, 56, 24, false},
    {"选择夹", "基础攻击：", 16, 216, 56, 24, false},
    {"选择夹", "武器伤害：", 16, 248, 56, 24, true},
    {"选择夹", "-", 152, 248, 8, 24, true},
    {"分组框2", "根骨：", 16, 32, 80, 24, false},
    {"分组框2", "命中：", 16, 64, 80, 24, false},
    {"分组框2", "无双：", 16, 96, 80, 24, false},
    {"分组框2", "会心：", 16, 128, 80, 24, false},
    {"分组框2", "会效：", 16, 160, 80, 24, false},
    {"分组框2", "破防：", 16, 192, 80, 24, false},
    {"分组框2", "基础攻击力：", 16, 224, 80, 24, false},
};
// clang-format on

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::Label: return "label";
    case Kind::Edit: return "edit box";
    case Kind::ReadOnlyEdit: return "read-only edit box";
    case Kind::CheckBox: return "check box";
    case Kind::RadioButton: return "radio button";
    case Kind::ComboBox: return "combo box";
    case Kind::Button: return "push button";
    case Kind::GroupBox: return "group box";
    case Kind::TabControl: return "tab control";
    case Kind::Pane: return "pane";
    case Kind::ListView: return "list view";
  }
  return "?";
}

std::string KindOf(const QWidget& widget) {
  if (auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
    return KindName(edit->isReadOnly() ? Kind::ReadOnlyEdit : Kind::Edit);
  }
  if (qobject_cast<const QLabel*>(&widget)) return KindName(Kind::Label);
  if (qobject_cast<const QCheckBox*>(&widget)) return KindName(Kind::CheckBox);
  if (qobject_cast<const QRadioButton*>(&widget)) return KindName(Kind::RadioButton);
  if (qobject_cast<const QComboBox*>(&widget)) return KindName(Kind::ComboBox);
  if (qobject_cast<const QPushButton*>(&widget)) return KindName(Kind::Button);
  if (qobject_cast<const QGroupBox*>(&widget)) return KindName(Kind::GroupBox);
  if (qobject_cast<const QTabWidget*>(&widget)) return KindName(Kind::TabControl);
  if (qobject_cast<const QTreeWidget*>(&widget)) return KindName(Kind::ListView);
  if (QString(widget.metaObject()->className()) == "QWidget") return KindName(Kind::Pane);
  return widget.metaObject()->className();
}

std::string PageTitle(const QTabWidget& tabs, int index) { return tabs.tabText(index).replace("&&", "&").toStdString(); }

// The tab control holding a page, or null when `widget` is no page.
const QTabWidget* TabControlOfPage(const QWidget& widget) {
  const QWidget* stack = widget.parentWidget();
  if (qobject_cast<const QStackedWidget*>(stack) == nullptr) return nullptr;
  return qobject_cast<const QTabWidget*>(stack->parentWidget());
}

std::string ParentOf(const QWidget& widget) {
  const QWidget* parent = widget.parentWidget();
  if (parent == nullptr) return "";
  if (const QTabWidget* tabs = TabControlOfPage(*parent)) {
    return tabs->objectName().toStdString() + "/" + PageTitle(*tabs, tabs->indexOf(const_cast<QWidget*>(parent)));
  }
  return parent->objectName().toStdString();
}

// Children of tab pages are measured from their tab control, header included.
QRect PlaceOf(const QWidget& widget) {
  if (const QTabWidget* tabs = TabControlOfPage(*widget.parentWidget())) {
    return QRect(widget.mapTo(tabs, QPoint(0, 0)), widget.size());
  }
  return widget.geometry();
}

std::string TextOf(const QWidget& widget) {
  if (auto* edit = qobject_cast<const QLineEdit*>(&widget)) return edit->text().toStdString();
  if (auto* label = qobject_cast<const QLabel*>(&widget)) return label->text().toStdString();
  if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text().toStdString();
  if (auto* group = qobject_cast<const QGroupBox*>(&widget)) return group->title().toStdString();
  if (auto* combo = qobject_cast<const QComboBox*>(&widget)) return combo->currentText().toStdString();
  if (auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
    std::string titles;
    for (int index = 0; index < tabs->count(); ++index) titles += (index ? "|" : "") + PageTitle(*tabs, index);
    return titles;
  }
  return "";
}

class ControlDefinitionTest : public ::testing::TestWithParam<ControlRow> {
 protected:
  static void SetUpTestSuite() { s_window = new ShownWindow; }
  static void TearDownTestSuite() {
    delete s_window;
    s_window = nullptr;
  }
  static ShownWindow* s_window;
};
ShownWindow* ControlDefinitionTest::s_window = nullptr;

TEST_P(ControlDefinitionTest, MatchesTheWindowDefinition) {
  const ControlRow& row = GetParam();
  SCOPED_TRACE(row.name);
  const QWidget* widget = (*s_window)(row.name);
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(KindOf(*widget), KindName(row.kind));
  EXPECT_EQ(ParentOf(*widget), row.parent);
  EXPECT_EQ(PlaceOf(*widget), QRect(row.x, row.y, row.width, row.height));
  EXPECT_EQ(TextOf(*widget), row.text);
  if (auto* button = qobject_cast<const QAbstractButton*>(widget); button && row.kind != Kind::Button) {
    EXPECT_EQ(button->isChecked(), row.checked);
  }
  const bool hidden = std::string(row.name) == "按钮2" || std::string(row.name) == "按钮3";
  EXPECT_EQ(widget->isHidden(), hidden);  // controls of other pages show with their page
  EXPECT_TRUE(widget->isEnabled());
  if (auto* edit = qobject_cast<const QLineEdit*>(widget)) {
    EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_TRUE(edit->hasFrame());
  }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ControlDefinitionTest, ::testing::ValuesIn(kControls),
                         [](const auto& row) { return "control_" + std::to_string(row.index); });

TEST(WindowDefinition, UnnamedLabelsStandAtTheirPlaces) {
  ShownWindow shown;
  for (const UnnamedLabel& expected : kUnnamedLabels) {
    const QWidget* parent = shown(expected.parent);
    ASSERT_NE(parent, nullptr);
    const QLabel* found = nullptr;
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      if (label->text().toStdString() == expected.text) found = label;
    }
    ASSERT_NE(found, nullptr) << expected.text;
    EXPECT_EQ(found->geometry(), QRect(expected.x, expected.y, expected.width, expected.height)) << expected.text;
    const QColor grey(128, 128, 128);
    EXPECT_EQ(found->palette().color(QPalette::WindowText) == grey, expected.grey) << expected.text;
  }
}

TEST(WindowDefinition, WindowIsFixedWithMinimiseAndCloseOnly) {
  ShownWindow shown;
  MainWindow& window = *shown.window;
  EXPECT_EQ(window.size(), QSize(1272, 768));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(window.windowTitle().startsWith(QString::fromUtf8("墨筹-气纯版  ")));
  EXPECT_EQ(window.backgroundRole(), QPalette::Button);
}

TEST(WindowDefinition, CombosListTheirItemsWithNothingSelected) {
  struct ComboItems {
    const char* name;
    std::vector<std::string> items;
  };
  const ComboItems combos[] = {
      {"组合框1", {"无", "佳·汉宫棋 根骨31点", "珍·葵花鸭 根骨38点", "汉宫棋 根骨27点"}},
      {"组合框5", {"无", "佳·补心丹 根骨46点", "珍·九还丹 根骨57点", "补心丹 根骨41点"}},
      {"组合框4",
       {"无", "佳·通花软牛肠 会效83点", "佳·贵妃红 命中83点", "苍·走油蹄髈 攻击44点", "苍·提神汤 破防49点",
        "珍·金乳酥 会心104点"}},
      {"组合框3", {"无", "佳·白信丹 会心125点", "珍·养魂丹 会效153点"}},
      {"组合框2", {"无", "佳·烧尾宴 根骨46点"}},
  };
  ShownWindow shown;
  for (const ComboItems& expected : combos) {
    auto* combo = shown.operator()<QComboBox>(expected.name);
    ASSERT_NE(combo, nullptr);
    std::vector<std::string> items;
    for (int index = 0; index < combo->count(); ++index) items.push_back(combo->itemText(index).toStdString());
    EXPECT_EQ(items, expected.items) << expected.name;
    EXPECT_TRUE(combo->isEditable()) << expected.name;
    EXPECT_EQ(combo->currentIndex(), -1) << expected.name;
    EXPECT_EQ(combo->currentText(), QString()) << expected.name;
  }
}

TEST(WindowDefinition, TabControlsShowTheirFirstPage) {
  ShownWindow shown;
  for (const char* name : {"选择夹1", "选择夹2", "选择夹3", "选择夹4"}) {
    EXPECT_EQ(shown.operator()<QTabWidget>(name)->currentIndex(), 0) << name;
  }
}

struct ListDefinition {
  const char* name;
  std::vector<std::string> titles;
  std::vector<int> widths;
  std::vector<std::string> rows;
};

TEST(WindowDefinition, ListViewsHaveTheirColumnsAndRows) {
  const ListDefinition lists[] = {
      {"超级列表框1",
       {"", "根骨", "命中", "会心", "会效", "破防", "无双", "攻击力", "会心上限"},
       {99, 99, 99, 99, 99, 99, 99, 99, 99},
       {"原属性", "转换后"}},
      {"超级列表框2",
       {"技能名字", "总伤害期望", "偏离比例（%）", "识破比例（%）", "识破伤害期望", "命中比例（%）", "命中伤害期望",
        "会心比例（%）", "会心伤害期望"},
       {105, 97, 96, 96, 97, 96, 97, 96, 97},
       {"四象轮回", "转换后", "两仪化形（五豆）", "转换后", "太极无极", "转换后", "六合独尊", "转换后", "万世不竭",
        "转换后", "剑出鸿蒙", "转换后", ""}},
  };
  RowColourRegistry rowColours;
  MainWindow window(rowColours);  // before the first recalculation
  for (const ListDefinition& expected : lists) {
    auto* list = Find<QTreeWidget>(window, expected.name);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->columnCount(), 9);
    std::vector<std::string> titles;
    std::vector<int> widths;
    for (int column = 0; column < 9; ++column) {
      titles.push_back(list->headerItem()->text(column).toStdString());
      widths.push_back(list->columnWidth(column));
    }
    EXPECT_EQ(titles, expected.titles);
    EXPECT_EQ(widths, expected.widths);
    std::vector<std::string> rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
      rows.push_back(list->topLevelItem(row)->text(0).toStdString());
      for (int column = 1; column < 9; ++column) EXPECT_EQ(list->topLevelItem(row)->text(column), QString());
    }
    EXPECT_EQ(rows, expected.rows);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(list->isHeaderHidden());
    EXPECT_FALSE(list->header()->sectionsClickable());
  }
}

TEST(WindowDefinition, EveryGainPageHoldsItsTwelveBoxes) {
  const char* const upperHeading[] = {"提高1% DPS需要属性（点数）：", "提高1点属性dps期望提高百分比："};
  const char* const lowerHeading[] = {"转换后提高1% DPS需要属性（点数）：", "转换后提高1点属性dps期望提高百分比："};
  // Attribute word, label text, place of the upper box; the lower box sits 96 pixels lower.
  struct GainBox {
    const char* word;
    const char* label;
    int x, y;
  };
  const GainBox boxes[] = {{"基础攻击力", "基础攻击力：", 104, 56}, {"命中", "命中：", 248, 56},
                           {"会心", "会心：", 392, 56},             {"会效", "会效：", 104, 88},
                           {"破防", "破防：", 248, 88},             {"无双", "无双：", 392, 88}};
  RowColourRegistry rowColours;
  MainWindow window(rowColours);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const char* const tabNames[] = {"选择夹3", "选择夹4"};
  for (int block = 0; block < 2; ++block) {
    auto* tabs = Find<QTabWidget>(window, tabNames[block]);
    ASSERT_NE(tabs, nullptr);
    for (int page = 0; page < 6; ++page) {
      const std::string number = std::to_string(block * 6 + page + 1);
      QWidget* pageWidget = tabs->widget(page);
      std::vector<std::string> labels;
      for (const QLabel* label : pageWidget->findChildren<QLabel*>()) labels.push_back(label->text().toStdString());
      EXPECT_NE(std::find(labels.begin(), labels.end(), upperHeading[block]), labels.end());
      EXPECT_NE(std::find(labels.begin(), labels.end(), lowerHeading[block]), labels.end());
      for (const GainBox& box : boxes) {
        EXPECT_NE(std::find(labels.begin(), labels.end(), box.label), labels.end());
        for (const auto& [prefix, dy] : {std::pair{"收益", 0}, std::pair{"转换收益", 96}}) {
          const std::string name = prefix + std::string(box.word) + number;
          auto* edit = Find<QLineEdit>(*pageWidget, name.c_str());
          ASSERT_NE(edit, nullptr) << name;
          EXPECT_TRUE(edit->isReadOnly()) << name;
          EXPECT_EQ(edit->text(), QString("10")) << name;
          EXPECT_EQ(QRect(edit->mapTo(tabs, QPoint(0, 0)), edit->size()), QRect(box.x, box.y + dy, 56, 24)) << name;
        }
      }
    }
  }
  EXPECT_EQ(window.findChildren<QLineEdit*>(QRegularExpression("^(转换)?收益")).size(), 144);
}

TEST(WindowDefinition, NewVersionDialogOffersDownloadAndOk) {
  NewVersionDialog dialog(QUrl("https://example.invalid/"), [](const QUrl&) {});
  EXPECT_EQ(dialog.size(), QSize(372, 218));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_EQ(dialog.windowTitle(), QString());
  auto* message = Find<QTextEdit>(dialog, "编辑框1");
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->geometry(), QRect(56, 32, 256, 112));
  EXPECT_EQ(message->toPlainText().toStdString(), "\n\n您当前使用的软件不是最新版本。\n点击下载前往查看最新版本。\n点击确定继续使用");
  EXPECT_FALSE(message->isReadOnly());
  EXPECT_EQ(message->font().pixelSize(), 16);
  EXPECT_EQ(message->font().weight(), QFont::Normal);
  EXPECT_EQ(message->document()->begin().next().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignHCenter);
  auto* download = Find<QPushButton>(dialog, "按钮1");
  auto* ok = Find<QPushButton>(dialog, "按钮2");
  ASSERT_NE(download, nullptr);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(download->geometry(), QRect(80, 168, 80, 32));
  EXPECT_EQ(download->text(), QString("下载"));
  EXPECT_EQ(ok->geometry(), QRect(216, 168, 80, 32));
  EXPECT_EQ(ok->text(), QString("确定"));
  EXPECT_TRUE(dialog.isModal());
}

TEST(WindowDefinition, FetchFailedDialogOffersOk) {
  FetchFailedDialog dialog;
  EXPECT_EQ(dialog.size(), QSize(372, 218));
  EXPECT_EQ(dialog.windowTitle(), QString());
  auto* message = Find<QTextEdit>(dialog, "编辑框1");
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->geometry(), QRect(56, 32, 256, 112));
  EXPECT_EQ(message->toPlainText().toStdString(), "\n\n获取最新版本号失败\n点击确定进入当前版本");
  EXPECT_TRUE(message->isReadOnly());
  EXPECT_EQ(message->font().pixelSize(), 16);
  auto* ok = Find<QPushButton>(dialog, "按钮2");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->geometry(), QRect(144, 168, 80, 32));
  EXPECT_EQ(ok->text(), QString("确定"));
  EXPECT_EQ(Find<QPushButton>(dialog, "按钮1"), nullptr);
  EXPECT_TRUE(dialog.isModal());
}

}  // namespace
}  // namespace qichun::testing
