#pragma once

// What runs once the main window exists: its first results, the version
// check with its dialog, then the colours of the skill rows.

#include <QObject>

namespace qichun {

class MainWindow;
class VersionCheck;

class StartupSequence : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY(StartupSequence)

 public:
  StartupSequence(MainWindow& window, VersionCheck& versionCheck);

  // Returns when a dialog the check opened has been closed.
  void Run();

 signals:
  // The window is on the screen with the results of its initial inputs.
  void firstResultsShown();

 private:
  MainWindow& m_window;
  VersionCheck& m_versionCheck;
};

}  // namespace qichun
