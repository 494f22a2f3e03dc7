#pragma once
#include <gtest/gtest.h>

#include <source_location>
#include <string_view>

typedef struct _cairo_surface cairo_surface_t;

namespace zarvo {
class Image;
}

namespace zarvo::test {

// How far an image may stray from its golden: a pixel differs when one of its premultiplied
// channels is off by more than maxChannelDifference, and the image fails when more than
// maxDifferingFraction of its pixels differ. The defaults absorb rasteriser rounding, not a
// moved edge.
struct GoldenTolerance {
  int maxChannelDifference = 8;
  double maxDifferingFraction = 0.005;
};

// Compares `actual` with ZARVO_TEST_DATA_DIR/golden/<name>.png. On failure the actual image
// and a diff image (differing pixels red over a faded copy) go to
// ZARVO_TEST_OUTPUT_DIR/golden/<name>.actual.png and <name>.diff.png. With the environment
// variable ZARVO_UPDATE_GOLDEN=1 the golden is written (or overwritten) instead and the check
// passes: look at the new image before committing it. A missing golden fails.
testing::AssertionResult MatchesGolden(const Image& actual, std::string_view name, GoldenTolerance tolerance = {});
testing::AssertionResult MatchesGolden(cairo_surface_t* actual, std::string_view name, GoldenTolerance tolerance = {});

// The same as a non-fatal expectation reported at the caller's line.
void ExpectMatchesGolden(const Image& actual, std::string_view name, GoldenTolerance tolerance = {},
                         std::source_location where = std::source_location::current());
void ExpectMatchesGolden(cairo_surface_t* actual, std::string_view name, GoldenTolerance tolerance = {},
                         std::source_location where = std::source_location::current());

}  // namespace zarvo::test
