// Which control's event starts which operation, driven through the real widgets.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include <map>
#include <string>
#include <vector>

#include "skills/run_skill_model.h"
#include "skills/stat_gains.h"
#include "ui_test_support.h"

namespace qichun::testing {
namespace {

constexpr char kAttributeTable[] = "超级列表框1";
constexpr char kSkillTable[] = "超级列表框2";
const std::string kStartUpAttributeRow = "949 | 103.11 | 45.62 | 247.17 | 1300  （35.94%） | 30.29 | 4916 | 98.11";

// Every result text of the window, by list row or box name.
std::map<std::string, std::string> AllResults(const QWidget& window) {
  std::map<std::string, std::string> results;
  for (int row = 0; row < 2; ++row) results["attribute row " + std::to_string(row)] = RowText(window, kAttributeTable, row);
  for (int row = 0; row < 13; ++row) results["skill row " + std::to_string(row)] = RowText(window, kSkillTable, row);
  for (std::string_view prefix : {kGainPrefix, kConvertedGainPrefix}) {
    for (int number = 1; number <= 12; ++number) {
      for (int attribute = 0; attribute < 6; ++attribute) {
        const std::string& name = GainBoxName(prefix, attribute, number);
        results[name] = BoxText(window, name);
      }
    }
  }
  return results;
}

bool IsConvertedResult(const std::string& key) {
  if (key.rfind("转换收益", 0) == 0 || key == "attribute row 1") return true;
  return key.rfind("skill row ", 0) == 0 && std::stoi(key.substr(10)) % 2 == 1;
}

std::map<std::string, std::string> ConvertedResults(const std::map<std::string, std::string>& results) {
  std::map<std::string, std::string> converted;
  for (const auto& [key, value] : results) {
    if (IsConvertedResult(key)) converted.emplace(key, value);
  }
  return converted;
}

class WiringTest : public ::testing::Test {
 protected:
  void SetUp() override { m_spy = std::make_unique<QSignalSpy>(m_shown.window.get(), &MainWindow::recalculated); }
  QWidget& Window() { return *m_shown.window; }
  int Recalculations() const { return static_cast<int>(m_spy->count()); }
  void Click(const char* name) {
    auto* button = m_shown.operator()<QAbstractButton>(name);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  QLineEdit* Edit(const char* name) { return m_shown.operator()<QLineEdit>(name); }

  ShownWindow m_shown;
  std::unique_ptr<QSignalSpy> m_spy;
};

TEST_F(WiringTest, StartUpShowsTheInitialResults) {
  EXPECT_EQ(RowText(Window(), kAttributeTable, 0), kStartUpAttributeRow);
  EXPECT_EQ(RowText(Window(), kSkillTable, 0), "10385 | 1.89 | 0 | 1321 | 35.49 | 5284 | 62.62 | 13588");
  EXPECT_EQ(RowText(Window(), kSkillTable, 10), "3626.41 | 1.89 | 0 | 548 | 52.49 | 2194 | 45.62 | 5422");
  EXPECT_EQ(BoxText(Window(), "收益基础攻击力1"), "46");
  EXPECT_EQ(BoxText(Window(), "收益命中1"), "无");
  EXPECT_EQ(BoxText(Window(), "收益基础攻击力7"), "0.03625");
  EXPECT_EQ(BoxText(Window(), "收益无双7"), "0");
}

TEST_F(WiringTest, TypingDigitsRecalculatesOnEveryKeystroke) {
  QLineEdit* spirit = Edit("编辑框10");
  spirit->setFocus();
  spirit->selectAll();
  QTest::keyClick(spirit, Qt::Key_Backspace);
  EXPECT_EQ(Recalculations(), 1);
  EXPECT_EQ(RowText(Window(), kAttributeTable, 0).substr(0, 4), "0 | ");
  const struct {
    char key;
    const char* spiritCell;
  } keystrokes[] = {{'9', "9"}, {'4', "94"}, {'9', "949"}};
  int expectedCount = 1;
  for (const auto& keystroke : keystrokes) {
    QTest::keyClick(spirit, keystroke.key);
    EXPECT_EQ(Recalculations(), ++expectedCount);
    EXPECT_EQ(RowText(Window(), kAttributeTable, 0).substr(0, std::string(keystroke.spiritCell).size() + 3),
              std::string(keystroke.spiritCell) + " | ");
  }
  EXPECT_EQ(RowText(Window(), kAttributeTable, 0), kStartUpAttributeRow);
}

TEST_F(WiringTest, ClearedHitBoxReadsZero) {
  Edit("编辑框9")->clear();
  EXPECT_EQ(Recalculations(), 1);
  EXPECT_EQ(RowText(Window(), kAttributeTable, 0), "949 | 0 | -5 | 247.17 | 1300  （35.94%） | 30.29 | 4916 | -5");
}

TEST_F(WiringTest, EveryAttributeBoxRecalculatesOnTextChange) {
  int expected = 0;
  for (const char* name : {"编辑框10", "编辑框9", "编辑框8", "编辑框7", "编辑框6", "编辑框5", "编辑框4"}) {
    QLineEdit* box = Edit(name);
    box->setFocus();
    box->end(false);
    QTest::keyClick(box, '1');
    EXPECT_EQ(Recalculations(), ++expected) << name;
  }
}

TEST_F(WiringTest, WeaponDamageBoxesCannotBeEdited) {
  for (const char* name : {"编辑框2", "编辑框1"}) {
    QLineEdit* box = Edit(name);
    box->setFocus();
    QTest::keyClicks(box, "12");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QString("0")) << name;
  }
  EXPECT_EQ(Recalculations(), 0);
}

TEST_F(WiringTest, ChoosingAComboItemRecalculates) {
  auto* combo = m_shown.operator()<QComboBox>("组合框5");
  combo->showPopup();
  QAbstractItemView* list = combo->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  const QModelIndex item = list->model()->index(2, 0);  // "珍·九还丹 根骨57点"
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
  EXPECT_EQ(Recalculations(), 1);
  EXPECT_EQ(combo->currentIndex(), 2);
  EXPECT_EQ(RowText(Window(), kAttributeTable, 0).substr(0, 7), "1006 | ");
}

TEST_F(WiringTest, TypingIntoAComboStartsNothing) {
  const auto before = AllResults(Window());
  for (const char* name : {"组合框1", "组合框2", "组合框3", "组合框4", "组合框5"}) {
    auto* combo = m_shown.operator()<QComboBox>(name);
    combo->lineEdit()->setFocus();
    TypeText(combo->lineEdit(), QString::fromUtf8("无"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(combo->lineEdit()->text(), QString::fromUtf8("无")) << name;
  }
  EXPECT_EQ(Recalculations(), 0);
  EXPECT_EQ(AllResults(Window()), before);
}

TEST_F(WiringTest, TalentBuffAndBookBoxesRecalculateOnClick) {
  const char* const boxes[] = {
      "奇穴雾锁", "奇穴白虹", "奇穴霜峰", "奇穴无形", "奇穴万物", "奇穴跬步", "奇穴期声", "奇穴抱阳",
      "增益紫气东来", "增益金刚怒目", "增益天鼓雷音阵", "增益繁音急节", "增益套装伤害", "增益套装攻击力",
      "增益橙武属性", "增益水特效", "增益风特效", "增益切糕会效", "增益切糕无双", "增益切糕会心",
      "选择框1", "选择框2", "选择框3", "选择框4", "选择框5", "选择框6", "选择框7", "选择框8", "选择框9",
      "选择框10", "选择框11", "选择框12", "选择框13", "选择框14", "选择框15", "选择框17", "选择框18", "选择框19"};
  auto* tabs = m_shown.operator()<QTabWidget>("选择夹2");
  auto* books = m_shown.operator()<QTabWidget>("选择夹1");
  int expected = 0;
  for (const char* name : boxes) {
    auto* box = m_shown.operator()<QCheckBox>(name);
    ASSERT_NE(box, nullptr);
    // Bring the box's page forward, as the user would.
    for (QTabWidget* tab : {tabs, books}) {
      for (int page = 0; page < tab->count(); ++page) {
        if (tab->widget(page)->isAncestorOf(box)) tab->setCurrentIndex(page);
      }
    }
    const bool wasChecked = box->isChecked();
    Click(name);
    EXPECT_NE(box->isChecked(), wasChecked) << name;
    EXPECT_EQ(Recalculations(), ++expected) << name;
  }
}

TEST_F(WiringTest, QiegaoCritBoxRaisesCritAtOnce) {
  m_shown.operator()<QTabWidget>("选择夹2")->setCurrentIndex(1);
  Click("增益切糕会心");
  EXPECT_EQ(RowText(Window(), kAttributeTable, 0), "949 | 103.11 | 48.05 | 247.17 | 1300  （35.94%） | 30.29 | 4916 | 98.11");
}

TEST_F(WiringTest, PlaceholderBoxesChangeNothing) {
  m_shown.operator()<QTabWidget>("选择夹2")->setCurrentIndex(1);
  const auto before = AllResults(Window());
  for (const char* name : {"增益切糕命中", "选择框29", "选择框30", "选择框31", "选择框32", "选择框33", "选择框34",
                           "选择框35", "选择框36"}) {
    Click(name);
    EXPECT_TRUE(m_shown.operator()<QCheckBox>(name)->isChecked()) << name;
  }
  EXPECT_EQ(Recalculations(), 0);
  m_shown.window->Recalculate();  // nor does the next recalculation read them
  EXPECT_EQ(AllResults(Window()), before);
}

TEST_F(WiringTest, TargetRadioSetsTheDescriptionAndRecalculates) {
  const struct {
    const char* radio;
    const char* description;
    const char* critCapCell;
  } cases[] = {{"mz99", "命中要求115，无双要求40，减伤40%", nullptr},
               {"mz96", "命中要求102.5，无双要求15，减伤15%", "100"},
               {"mz97", "命中要求105，无双要求20，减伤25%", "98.11"},
               {"mz97", "命中要求105，无双要求20，减伤25%", "98.11"}};
  int expected = 0;
  for (const auto& c : cases) {
    Click(c.radio);
    EXPECT_EQ(Recalculations(), ++expected) << c.radio;
    EXPECT_EQ(m_shown.operator()<QLabel>("标签54")->text().toStdString(), c.description);
    if (c.critCapCell != nullptr) {
      const std::string row = RowText(Window(), kAttributeTable, 0);
      EXPECT_EQ(row.substr(row.rfind(" | ") + 3), c.critCapCell) << c.radio;
    }
  }
}

TEST_F(WiringTest, ConversionBoxesStartNothing) {
  for (const char* name : {"编辑框30", "编辑框29", "编辑框20", "编辑框14", "编辑框19", "编辑框13", "编辑框18",
                           "编辑框12", "编辑框17", "编辑框11", "编辑框16", "编辑框3", "编辑框21", "编辑框15"}) {
    QTest::keyClicks(Edit(name), "5");
  }
  EXPECT_EQ(Recalculations(), 0);
  EXPECT_EQ(RowText(Window(), kAttributeTable, 1), " |  |  |  |  |  |  | ");
}

TEST_F(WiringTest, LowerGainBoxesReadTenUntilTheFirstConversion) {
  QTest::keyClick(Edit("编辑框6"), '1');
  for (int number = 1; number <= 12; ++number) {
    for (int attribute = 0; attribute < 6; ++attribute) {
      EXPECT_EQ(BoxText(Window(), GainBoxName(kConvertedGainPrefix, attribute, number)), "10");
    }
  }
  Edit("编辑框6")->setText("1300");
  Click("按钮1");
  EXPECT_EQ(BoxText(Window(), "转换收益基础攻击力1"), "46");
  EXPECT_EQ(BoxText(Window(), "转换收益命中1"), "无");
  EXPECT_EQ(BoxText(Window(), "转换收益基础攻击力7"), "0.03625");
  EXPECT_EQ(RowText(Window(), kAttributeTable, 1), kStartUpAttributeRow);
  // Column 1 of a converted row shows the float text where the skill row truncates.
  const std::string convertedRow = RowText(Window(), kSkillTable, 1);
  EXPECT_EQ(convertedRow.substr(0, 5), "10385");
  EXPECT_EQ(convertedRow.substr(convertedRow.find(" | ")), " | 1.89 | 0 | 1321 | 35.49 | 5284 | 62.62 | 13588");
}

TEST_F(WiringTest, AfterConversionInputChangesRefreshOnlyTheUnconvertedResults) {
  QTest::keyClicks(Edit("编辑框30"), "100");
  Click("按钮1");
  EXPECT_EQ(Recalculations(), 0);
  EXPECT_EQ(RowText(Window(), kAttributeTable, 1).substr(0, 6), "849 | ");
  const auto converted = AllResults(Window());

  Edit("编辑框10")->setText("1200");
  const auto after = AllResults(Window());
  EXPECT_EQ(ConvertedResults(after), ConvertedResults(converted));
  for (int row = 0; row < 12; row += 2) {
    const std::string key = "skill row " + std::to_string(row);
    EXPECT_NE(after.at(key), converted.at(key)) << key;
  }
  EXPECT_NE(after.at("attribute row 0"), converted.at("attribute row 0"));
  EXPECT_NE(after.at("收益基础攻击力1"), converted.at("收益基础攻击力1"));
}

TEST_F(WiringTest, RowTwelveStaysEmpty) {
  Click("按钮1");
  Edit("编辑框10")->setText("1000");
  EXPECT_EQ(RowText(Window(), kSkillTable, 12), " |  |  |  |  |  |  | ");
  EXPECT_EQ(Find<QTreeWidget>(Window(), kSkillTable)->topLevelItem(12)->text(0), QString());
}

TEST(EscapeKey, ClosesTheMainWindowAndWithItTheProgram) {
  ShownWindow shown;
  auto* combo = shown.operator()<QComboBox>("组合框1");
  combo->showPopup();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(combo->view()->window()));
  QTest::keyClick(combo->view(), Qt::Key_Escape);  // the open list claims the key
  EXPECT_TRUE(shown.window->isVisible());

  // The program's loop, as it runs in the program: Esc must end it.
  QApplication::setQuitOnLastWindowClosed(true);
  QLineEdit* spirit = shown.operator()<QLineEdit>("编辑框10");
  spirit->setFocus();
  QTimer::singleShot(0, spirit, [spirit] { QTest::keyClick(spirit, Qt::Key_Escape); });
  QTimer neverEnded;  // stopped with this test
  neverEnded.callOnTimeout([] { QApplication::exit(1); });
  neverEnded.start(10000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(shown.window->isVisible());
  QApplication::setQuitOnLastWindowClosed(false);
}

}  // namespace
}  // namespace qichun::testing
