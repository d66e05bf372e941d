#pragma once

// One page of stat-gain boxes: the six "收益…N" boxes above the six "转换收益…N" boxes.

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class GainPage;
}

namespace qichun {

class GainPage : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY(GainPage)

 public:
  // `number` (1 to 12) completes the box names, as in "收益命中3".
  GainPage(int number, const QString& upperHeading, const QString& lowerHeading, QWidget* parent);
  ~GainPage() override;

 private:
  std::unique_ptr<Ui::GainPage> m_ui;
};

}  // namespace qichun
