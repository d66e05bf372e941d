#include "ui/main_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <array>

#include "conversion/conversion.h"
#include "ui/gain_page.h"
#include "ui/report_list_view.h"
#include "ui/tab_control.h"
#include "ui/widget_control_panel.h"
#include "ui_main_window.h"

namespace qichun {
namespace {

// The caption's signature and user-group label name the project itself.
constexpr char kCaption[] = "墨筹-气纯版          mochou-qichun          版本：1.13";

// Which control's event starts which operation.
constexpr std::array<std::string_view, 9> kRecalculatingEdits = {
    "编辑框10", "编辑框9", "编辑框8", "编辑框7", "编辑框6", "编辑框5", "编辑框4", "编辑框2", "编辑框1"};
constexpr std::array<std::string_view, 5> kRecalculatingCombos = {"组合框1", "组合框2", "组合框3", "组合框4",
                                                                   "组合框5"};
constexpr std::array<std::string_view, 38> kRecalculatingBoxes = {
    // talents
    "奇穴雾锁", "奇穴白虹", "奇穴霜峰", "奇穴无形", "奇穴万物", "奇穴跬步", "奇穴期声", "奇穴抱阳",
    // buffs; the three 切糕 boxes recalculate at once like the rest
    "增益紫气东来", "增益金刚怒目", "增益天鼓雷音阵", "增益繁音急节", "增益套装伤害", "增益套装攻击力",
    "增益橙武属性", "增益水特效", "增益风特效", "增益切糕会效", "增益切糕无双", "增益切糕会心",
    // skill books
    "选择框1", "选择框2", "选择框3", "选择框4", "选择框5", "选择框6", "选择框7", "选择框8", "选择框9",
    "选择框10", "选择框11", "选择框12", "选择框13", "选择框14", "选择框15", "选择框17", "选择框18", "选择框19"};
constexpr std::array<std::string_view, 5> kTargetRadios = {"mz96", "mz97", "mz98", "mz99", "mz100"};
constexpr std::string_view kConvertButton = "按钮1";

constexpr std::array<const char*, 2> kGainPageHeadingsPointsPerPercent = {
    "提高1% DPS需要属性（点数）：", "转换后提高1% DPS需要属性（点数）："};
constexpr std::array<const char*, 2> kGainPageHeadingsPercentPerPoint = {
    "提高1点属性dps期望提高百分比：", "转换后提高1点属性dps期望提高百分比："};

constexpr std::array<int, 7> kColouredSkillRows = {0, 2, 4, 6, 8, 10, 12};

// The layout is measured for CJK text 11 pixels high: at that size every caption fits its box.
void UseWindowFont(QWidget& window) {
  QFont font = window.font();
  font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                    QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun")});
  font.setPixelSize(11);
  window.setFont(font);
}

template <typename Widget>
Widget* Named(const WidgetControlPanel& controls, std::string_view name) {
  return qobject_cast<Widget*>(controls.Find(name));
}

}  // namespace

MainWindow::MainWindow(RowColourRegistry& rowColours, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::MainWindow>()),
      m_rowColours(rowColours) {
  m_ui->setupUi(this);
  UseWindowFont(*this);
  setWindowTitle(QString::fromUtf8(kCaption));
  setFixedSize(size());
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  m_ui->按钮2->hide();
  m_ui->按钮3->hide();
  for (auto* combo : findChildren<QComboBox*>()) combo->setCurrentIndex(-1);

  AddGainPages();
  SetUpListViews();
  m_controls = std::make_unique<WidgetControlPanel>(*this);
  ConnectEvents();
}

MainWindow::~MainWindow() = default;

void MainWindow::AddGainPages() {
  TabControl* const tabs[] = {m_ui->选择夹3, m_ui->选择夹4};
  const std::array<const char*, 2>* headings[] = {&kGainPageHeadingsPointsPerPercent,
                                                  &kGainPageHeadingsPercentPerPoint};
  for (int block = 0; block < 2; ++block) {
    for (int page = 0; page < tabs[block]->count(); ++page) {
      auto* gains = new GainPage(block * 6 + page + 1, QString::fromUtf8((*headings[block])[0]),
                                 QString::fromUtf8((*headings[block])[1]), tabs[block]->widget(page));
      gains->resize(tabs[block]->size());
    }
  }
}

void MainWindow::SetUpListViews() {
  ReportListView& attributes = AttributeTable();
  attributes.headerItem()->setText(0, QString());
  attributes.SetColumnWidths({99, 99, 99, 99, 99, 99, 99, 99, 99});
  attributes.SetBackgrounds(Qt::white, Qt::white);

  ReportListView& skills = SkillTable();
  skills.SetColumnWidths({105, 97, 96, 96, 97, 96, 97, 96, 97});
  skills.SetBackgrounds(QColor(226, 226, 226), palette().color(QPalette::Button));
}

void MainWindow::ConnectEvents() {
  for (std::string_view name : kRecalculatingEdits) {
    connect(Named<QLineEdit>(*m_controls, name), &QLineEdit::textChanged, this, &MainWindow::Recalculate);
  }
  for (std::string_view name : kRecalculatingCombos) {
    auto* combo = Named<QComboBox>(*m_controls, name);
    // Typing into the edit field is not choosing an item: no completion, Enter selects
    // nothing, and leaving the field with an item's text does not choose that item.
    combo->setCompleter(nullptr);
    combo->lineEdit()->installEventFilter(this);
    disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
    connect(combo, &QComboBox::activated, this, &MainWindow::Recalculate);
  }
  for (std::string_view name : kRecalculatingBoxes) {
    connect(Named<QAbstractButton>(*m_controls, name), &QAbstractButton::clicked, this, &MainWindow::Recalculate);
  }
  for (std::string_view name : kTargetRadios) {
    connect(Named<QAbstractButton>(*m_controls, name), &QAbstractButton::clicked, this,
            [this, name] { ApplyTargetRadio(name); });
  }
  connect(Named<QAbstractButton>(*m_controls, kConvertButton), &QAbstractButton::clicked, this,
          &MainWindow::RunConversion);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::Recalculate() {
  qichun::Recalculate(*m_controls, m_state);
  emit recalculated();
}

void MainWindow::ApplyTargetRadio(std::string_view radio) {
  qichun::ApplyTargetRadio(*m_controls, m_state, radio);
  emit recalculated();
}

void MainWindow::RunConversion() { qichun::RunConversion(*m_controls, m_state); }

void MainWindow::ColourSkillRows() {
  for (int row : kColouredSkillRows) {
    SetRowColour(m_rowColours, SkillTable(), row, RgbColour(0, 0, 0), RgbColour(255, 255, 255), true);
  }
}

ReportListView& MainWindow::AttributeTable() const { return *m_ui->超级列表框1; }
ReportListView& MainWindow::SkillTable() const { return *m_ui->超级列表框2; }

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Reaches the window only when the focused control did not take the key.
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace qichun
