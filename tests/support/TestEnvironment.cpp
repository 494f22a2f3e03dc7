#include "tests/support/TestEnvironment.h"

#include <cstdlib>

namespace zarvo::test {

void HostEnvironment::SetUp() {
  // Golden images depend on the fonts; pin them before anything touches fontconfig.
  setenv("FONTCONFIG_FILE", ZARVO_TEST_FONTCONFIG, 1);
}

void HostEnvironment::TearDown() {}

}  // namespace zarvo::test
