// The priority class of this process.
#pragma once

namespace platform {

enum class PriorityClass { High, Normal, Idle };

class ProcessPriority {
 public:
  virtual ~ProcessPriority() = default;
  virtual void Set(PriorityClass priority) = 0;
};

}  // namespace platform
