#include "bench/workloads/Workload.h"

namespace zarvo::bench {

const std::vector<WorkloadSpec>& GetWorkloads() {
  static const std::vector<WorkloadSpec> workloads = {};
  return workloads;
}

}  // namespace zarvo::bench
