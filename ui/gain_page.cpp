#include "ui/gain_page.h"

#include <QLineEdit>

#include "skills/run_skill_model.h"
#include "ui_gain_page.h"

namespace qichun {

GainPage::GainPage(int number, const QString& upperHeading, const QString& lowerHeading, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::GainPage>()) {
  m_ui->setupUi(this);
  m_ui->upperHeading->setText(upperHeading);
  m_ui->lowerHeading->setText(lowerHeading);
  // The form names its boxes without the number; the calculation's names add it.
  for (std::string_view prefix : {kGainPrefix, kConvertedGainPrefix}) {
    for (int attribute = 0; attribute < static_cast<int>(kGainAttributeWords.size()); ++attribute) {
      const std::string formName = std::string(prefix).append(kGainAttributeWords[static_cast<std::size_t>(attribute)]);
      if (auto* box = findChild<QLineEdit*>(QString::fromUtf8(formName))) {
        box->setObjectName(QString::fromStdString(GainBoxName(prefix, attribute, number)));
      }
    }
  }
}

GainPage::~GainPage() = default;

}  // namespace qichun
