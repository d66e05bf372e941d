#include "ui/program_entry.h"

#include <QApplication>
#include <QDesktopServices>

#include "ui/main_window.h"
#include "ui/published_pages.h"
#include "ui/row_colour_registry.h"
#include "ui/startup_sequence.h"
#include "ui/version_check.h"

namespace qichun {

int ProgramEntry(int argc, char** argv) {
  QApplication application(argc, argv);
  RowColourRegistry rowColours;  // lives until the program ends
  MainWindow window(rowColours);
  VersionCheck versionCheck(
      VersionCheckSettings{QUrl(QString::fromUtf8(kVersionPageUrl)), QUrl(QString::fromUtf8(kDownloadPageUrl))},
      [](const QUrl& page) { QDesktopServices::openUrl(page); });
  StartupSequence startup(window, versionCheck);
  startup.Run();
  // Closing the window, the last one, ends the loop.
  return application.exec();
}

}  // namespace qichun
