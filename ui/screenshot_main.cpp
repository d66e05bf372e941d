// Renders the main window as it looks after start-up into a PNG file.
// Usage: mochou-qichun-screenshot OUTPUT.png

#include <QApplication>
#include <QPixmap>

#include <cstdio>

#include "ui/main_window.h"
#include "ui/row_colour_registry.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: mochou-qichun-screenshot OUTPUT.png\n", stderr);
    return 2;
  }
  QApplication application(argc, argv);
  qichun::RowColourRegistry rowColours;
  qichun::MainWindow window(rowColours);
  // The start-up sequence without its version check, which needs the network.
  window.Recalculate();
  window.show();
  window.ColourSkillRows();
  QApplication::processEvents();
  return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
