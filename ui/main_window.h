#pragma once

// The calculator's one window: every input, every result, and the wiring of
// each control's event to the calculation.

#include <QWidget>

#include <memory>
#include <string_view>

#include "core/recalculate.h"
#include "ui/row_colour_registry.h"

namespace Ui {
class MainWindow;
}

namespace qichun {

class ReportListView;
class WidgetControlPanel;

class MainWindow : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY(MainWindow)

 public:
  explicit MainWindow(RowColourRegistry& rowColours, QWidget* parent = nullptr);
  ~MainWindow() override;

  void Recalculate();
  void ApplyTargetRadio(std::string_view radio);
  void RunConversion();
  // Black on white for the six skill rows and the empty last row.
  void ColourSkillRows();

  ReportListView& AttributeTable() const;
  ReportListView& SkillTable() const;

 signals:
  void recalculated();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AddGainPages();
  void SetUpListViews();
  void ConnectEvents();

  std::unique_ptr<Ui::MainWindow> m_ui;
  RowColourRegistry& m_rowColours;
  std::unique_ptr<WidgetControlPanel> m_controls;
  CalculationState m_state;
};

}  // namespace qichun
