#include "ui/tab_control.h"

#include <QVariant>

namespace qichun {
namespace {

constexpr char kPlaceOnControl[] = "placeOnTabControl";

}  // namespace

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {}

void TabControl::showEvent(QShowEvent* event) {
  QTabWidget::showEvent(event);
  PlaceChildrenOfPages();
}

void TabControl::resizeEvent(QResizeEvent* event) {
  QTabWidget::resizeEvent(event);
  PlaceChildrenOfPages();
}

void TabControl::PlaceChildrenOfPages() {
  if (count() == 0 || !isVisible()) return;
  // Every page fills the same page area; its corner on the control is the shift.
  const QWidget* pageArea = widget(0)->parentWidget();
  const QPoint pageCorner = pageArea->mapTo(this, QPoint(0, 0));
  for (int index = 0; index < count(); ++index) {
    for (QObject* object : widget(index)->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child == nullptr) continue;
      QVariant place = child->property(kPlaceOnControl);
      if (!place.isValid()) {
        place = child->pos();
        child->setProperty(kPlaceOnControl, place);
      }
      child->move(place.toPoint() - pageCorner);
    }
  }
}

}  // namespace qichun
