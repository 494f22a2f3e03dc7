#pragma once
#include "host/ui/QuickTabItemInterface.h"

namespace zarvo {

// The handle on one tab: its item id.
class QuickTabItemImpl : public virtual QuickTabItemInterface {
 public:
  void SetId(Int id) override { id_ = id; }
  Int GetId() const override { return id_; }
  Result<void> CopyFrom(const ObjectInterface& source) override;

 private:
  Int id_ = 0;
};

}  // namespace zarvo
