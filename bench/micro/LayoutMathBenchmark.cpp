// The pure layout arithmetic, apart from any widget: table line sizing, flexbox placement and
// text clamping, at the sizes the workloads use.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "source/widgets_base/TextClamp.h"
#include "source/widgets_layout/FlexPlacement.h"
#include "source/widgets_layout/TableLines.h"

namespace {

using namespace zarvo;

// Sizes from the same generator as the flow workload: widths 20..80, heights 16..40.
std::vector<Vector2d> FlowSizes(size_t count) {
  std::vector<Vector2d> sizes(count);
  uint32_t s = 12345;
  auto next = [&s] {
    s = s * 1664525u + 1013904223u;
    return s >> 8;
  };
  for (Vector2d& size : sizes) {
    size.x = 20 + next() % 61;
    size.y = 16 + next() % 25;
  }
  return sizes;
}

// Folding N cells into their lines, then sharing a larger room among N lines: one axis of an
// N x N table's first pass and its enlargement.
void BM_TableLineSizing(benchmark::State& state) {
  const size_t count = static_cast<size_t>(state.range(0));
  std::vector<TableLine> lines(count);
  std::vector<Float> sizes(count);
  std::vector<Float> offsets(count + 1);
  for (auto _ : state) {
    for (TableLine& line : lines) line.Reset();
    for (size_t i = 0; i < count; ++i) {
      LineSample sample;
      sample.size = 20.0 + static_cast<Float>(i % 7);
      sample.stretch = i % 3 == 0 ? LineStretch::kPreferred : LineStretch::kFixed;
      sample.preferred = 1.0;
      AddLineSample(lines[i], sample);
    }
    const Float total = SumClampedSizes(lines);
    DistributeLines(lines, total * 1.5, true, true, sizes);
    ComputeLineOffsets(sizes, offsets);
    benchmark::DoNotOptimize(offsets.back());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(count));
}
BENCHMARK(BM_TableLineSizing)->Arg(100)->Arg(10000);

void BM_TableLineHit(benchmark::State& state) {
  const size_t count = static_cast<size_t>(state.range(0));
  std::vector<Float> sizes(count, 20.0);
  std::vector<Float> offsets(count + 1);
  ComputeLineOffsets(sizes, offsets);
  const Float at = offsets[count - 2] + 5.0;
  for (auto _ : state) benchmark::DoNotOptimize(FindLinesIn(offsets, at, at).first);
}
BENCHMARK(BM_TableLineHit)->Arg(10000);

void BM_FlexPlacement(benchmark::State& state) {
  const size_t count = static_cast<size_t>(state.range(0));
  const std::vector<Vector2d> sizes = FlowSizes(count);
  std::vector<Vector2d> positions(count);
  std::vector<FlexLine> lines(count);
  for (auto _ : state) {
    const FlexPlacementResult placed =
        PlaceFlexItems(FLEXBOX_LAYOUT::LEFT_RIGHT_TOP_BOTTOM, {1000.0, 800.0}, sizes, positions, lines);
    benchmark::DoNotOptimize(placed.contentSize);
    benchmark::DoNotOptimize(positions.back());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(count));
}
BENCHMARK(BM_FlexPlacement)->Arg(1000)->Arg(100000);

// Clamping with a measure of a fixed width per byte, so that the benchmark times the cutting,
// not a font.
void BM_TextClamp(benchmark::State& state) {
  const auto mode = static_cast<CLAMP_MODE>(state.range(0));
  const std::string text = "The quick brown fox jumps over the lazy dog, then over the lazy cat";
  const auto measure = [](std::string_view part) { return 7.0 * static_cast<Float>(part.size()); };
  for (auto _ : state) benchmark::DoNotOptimize(ClampText(text, mode, 140.0, measure));
}
BENCHMARK(BM_TextClamp)
    ->Arg(static_cast<int64_t>(CLAMP_MODE::START))
    ->Arg(static_cast<int64_t>(CLAMP_MODE::MIDDLE))
    ->Arg(static_cast<int64_t>(CLAMP_MODE::END));

}  // namespace
