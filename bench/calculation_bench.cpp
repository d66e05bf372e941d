// Timings of the per-keystroke path: the number rules, the attribute panel and
// one whole headless recalculation over a map of control states.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "conversion/conversion.h"
#include "core/attribute_panel.h"
#include "core/control_map.h"
#include "core/number_rules.h"
#include "core/recalculate.h"

namespace qichun {
namespace {

void BM_TextToInt(benchmark::State& state) {
  const std::string text = "1300";
  for (auto _ : state) benchmark::DoNotOptimize(TextToInt(text));
}
BENCHMARK(BM_TextToInt);

void BM_TextToDouble(benchmark::State& state) {
  const std::string text = "227.17";
  for (auto _ : state) benchmark::DoNotOptimize(TextToDouble(text));
}
BENCHMARK(BM_TextToDouble);

void BM_TextToFloat(benchmark::State& state) {
  const std::string text = "１０３．１１";  // full-width
  for (auto _ : state) benchmark::DoNotOptimize(TextToFloat(text));
}
BENCHMARK(BM_TextToFloat);

void BM_TruncToInt(benchmark::State& state) {
  double value = 4916.75;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(TruncToInt(value));
  }
}
BENCHMARK(BM_TruncToInt);

void BM_RoundPlaces(benchmark::State& state) {
  double value = 2.675;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(RoundPlaces(value, 2));
  }
}
BENCHMARK(BM_RoundPlaces);

void BM_IntToText(benchmark::State& state) {
  std::int32_t value = 13588;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(IntToText(value));
  }
}
BENCHMARK(BM_IntToText);

void BM_FloatToText(benchmark::State& state) {
  float value = 15086.7f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(FloatToText(value));
  }
}
BENCHMARK(BM_FloatToText);

void BM_DoubleToText(benchmark::State& state) {
  double value = 1.0 / 3.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(DoubleToText(value));
  }
}
BENCHMARK(BM_DoubleToText);

void BM_RoundedText(benchmark::State& state) {
  double value = 0.0364149;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(RoundedText(value, 5));
  }
}
BENCHMARK(BM_RoundedText);

void BM_PointsWithPercentText(benchmark::State& state) {
  std::int32_t points = 1300;
  for (auto _ : state) {
    benchmark::DoNotOptimize(points);
    benchmark::DoNotOptimize(PointsWithPercentText(points, kOvercomePerPercent));
  }
}
BENCHMARK(BM_PointsWithPercentText);

void BM_AttributePanelAndRow(benchmark::State& state) {
  const InputSnapshot snapshot = ReadInputSnapshot(ControlMap::WithInitialState(), TargetPresets()[1]);
  for (auto _ : state) {
    const AttributePanel panel = ComputeAttributePanel(snapshot);
    benchmark::DoNotOptimize(FormatAttributeRow(panel));
  }
}
BENCHMARK(BM_AttributePanelAndRow);

// One keystroke: read the map, the panel, the six skills, all 128 texts written.
void BM_HeadlessRecalculate(benchmark::State& state) {
  ControlMap window = ControlMap::WithInitialState();
  CalculationState calculation;
  const std::array<const char*, 2> overcome = {"1300", "1301"};
  std::size_t keystroke = 0;
  for (auto _ : state) {
    window.SetText("编辑框6", overcome[keystroke++ % 2]);
    Recalculate(window, calculation);
  }
}
BENCHMARK(BM_HeadlessRecalculate);

void BM_HeadlessConversion(benchmark::State& state) {
  ControlMap window = ControlMap::WithInitialState();
  window.SetText("编辑框30", "100");
  CalculationState calculation;
  Recalculate(window, calculation);
  for (auto _ : state) RunConversion(window, calculation);
}
BENCHMARK(BM_HeadlessConversion);

}  // namespace
}  // namespace qichun
