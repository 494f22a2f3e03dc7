// Typed arithmetic as a spin box evaluates it when an edit ends: parse and evaluate one short
// text with units on the thread's kept parser.
#include <benchmark/benchmark.h>

#include "host/core/Expression.h"
#include "host/core/NumberFormat.h"

namespace {

using namespace zarvo;

void BM_EvaluateExpressionWithUnits(benchmark::State& state) {
  for (auto _ : state) {
    Result<Float> value = EvaluateExpression("2.5cm + 3*4mm", NumberUnit::kCentimetre, AngleMode::kRadians);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_EvaluateExpressionWithUnits);

// The text a spin box shows after every change.
void BM_FormatNumberWithUnit(benchmark::State& state) {
  const NumberFormat format{-1, -6, false, ' '};
  Float value = 3.7;
  for (auto _ : state) {
    std::string text = FormatNumberWithUnit(value, format, NumberUnit::kCentimetre);
    benchmark::DoNotOptimize(text);
    value += 0.125;
  }
}
BENCHMARK(BM_FormatNumberWithUnit);

}  // namespace
