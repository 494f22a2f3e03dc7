#include "tests/support/TestEnvironment.h"

#include <cstdlib>

#include "host/core/HostRegistrations.h"
#include "source/ModuleUnits.h"

namespace zarvo::test {

void HostEnvironment::SetUp() {
  // Golden images depend on the fonts; pin them before anything touches fontconfig.
  setenv("FONTCONFIG_FILE", ZARVO_TEST_FONTCONFIG, 1);
  // As an application starts: the host's declarations, then the module, from the source tree's
  // modules folder.
  RecordHostRegistrations();
  Result<void> loaded = LoadWidgetsModule();
  ASSERT_TRUE(loaded.IsOk()) << loaded.GetError().ToString();
}

void HostEnvironment::TearDown() {
  Result<void> unloaded = UnloadWidgetsModule();
  EXPECT_TRUE(unloaded.IsOk()) << unloaded.GetError().ToString();
}

}  // namespace zarvo::test
