#include "ui/startup_sequence.h"

#include <QCoreApplication>
#include <QScreen>

#include "ui/main_window.h"
#include "ui/version_check.h"

namespace qichun {
namespace {

void ShowCentred(QWidget& window) {
  if (const QScreen* screen = window.screen()) {
    window.move(screen->availableGeometry().center() - window.rect().center());
  }
  window.show();
}

}  // namespace

StartupSequence::StartupSequence(MainWindow& window, VersionCheck& versionCheck)
    : m_window(window), m_versionCheck(versionCheck) {}

void StartupSequence::Run() {
  m_window.Recalculate();
  ShowCentred(m_window);
  // Paint the first results before the check makes the user wait.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  emit firstResultsShown();
  m_versionCheck.Run(&m_window);
  m_window.ColourSkillRows();
}

}  // namespace qichun
