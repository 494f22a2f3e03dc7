#pragma once
#include <string>

namespace zarvo::bench {

// Virtual machines may give one process cores of very different speed (here, one core ran
// every workload 1.4 to 1.8 times slower than the other), and a process lands on either. A
// comparison of two sizes is then only meaningful on one core: --all pins itself, and so the
// workload processes it starts, to the core WORKLOADS_CPU names, or else to the one that runs a
// short calibration loop fastest. Returns a line saying what each core measured and which was
// chosen, or why none was.
std::string PinToOneCpu();

}  // namespace zarvo::bench
