#include <benchmark/benchmark.h>

#include "host/core/Id.h"

namespace {

void BM_IdHashCatalogueId(benchmark::State& state) {
  const std::string text = "net.zarvo.mvp.widgetclasses.button";
  for (auto _ : state) {
    benchmark::DoNotOptimize(zarvo::HashIdBytes(text));
  }
}
BENCHMARK(BM_IdHashCatalogueId);

void BM_IdCompareEqual(benchmark::State& state) {
  const zarvo::Id a("net.zarvo.ui.message.eventtype");
  const zarvo::Id b(std::string_view("net.zarvo.ui.message.eventtype"));
  for (auto _ : state) {
    benchmark::DoNotOptimize(a == b);
  }
}
BENCHMARK(BM_IdCompareEqual);

}  // namespace
