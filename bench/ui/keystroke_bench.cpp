// One keystroke into "编辑框6" (overcome): the text change, the recalculation
// and all 128 result texts written, in the real window on the offscreen platform.

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include "ui/main_window.h"
#include "ui/row_colour_registry.h"

namespace {

void BM_KeystrokeIntoOvercome(benchmark::State& state) {
  qichun::RowColourRegistry rowColours;
  qichun::MainWindow window(rowColours);
  window.Recalculate();
  window.show();
  window.ColourSkillRows();
  if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("window not shown");
  auto* overcome = window.findChild<QLineEdit*>(QStringLiteral("编辑框6"));
  overcome->setFocus();
  overcome->end(false);
  int recalculations = 0;
  QObject::connect(&window, &qichun::MainWindow::recalculated, [&recalculations] { ++recalculations; });
  bool append = true;
  for (auto _ : state) {
    // Alternating a digit and its removal keeps every result in a realistic range.
    QTest::keyClick(overcome, append ? Qt::Key_7 : Qt::Key_Backspace);
    append = !append;
  }
  if (recalculations != static_cast<int>(state.iterations())) state.SkipWithError("a keystroke did not recalculate");
}
BENCHMARK(BM_KeystrokeIntoOvercome)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
