#pragma once

// A tab control whose pages place their children relative to the whole
// control, tab header included, as the window definition measures them.

#include <QTabWidget>

namespace qichun {

class TabControl : public QTabWidget {
  Q_OBJECT
  Q_DISABLE_COPY(TabControl)

 public:
  explicit TabControl(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceChildrenOfPages();
};

}  // namespace qichun
