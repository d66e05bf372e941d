// The program's start-up with the version page at the URL given as the only
// argument: writes "shown" when the first results are on the screen, then
// finishes the start-up sequence and exits.

#include <QApplication>
#include <QUrl>

#include <cstdio>

#include "ui/main_window.h"
#include "ui/row_colour_registry.h"
#include "ui/startup_sequence.h"
#include "ui/version_check.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: mochou_startup_probe VERSION_PAGE_URL\n", stderr);
    return 2;
  }
  QApplication application(argc, argv);
  qichun::RowColourRegistry rowColours;
  qichun::MainWindow window(rowColours);
  qichun::VersionCheck versionCheck(
      qichun::VersionCheckSettings{QUrl(QString::fromLocal8Bit(argv[1])), QUrl(QStringLiteral("https://mochou-qichun.example/download"))},
      [](const QUrl&) {});
  qichun::StartupSequence startup(window, versionCheck);
  QObject::connect(&startup, &qichun::StartupSequence::firstResultsShown, [] {
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
  });
  startup.Run();
  return 0;
}
