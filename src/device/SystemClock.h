// The real waits: the calling thread sleeps. NowMs() is the monotonic clock,
// so a change of the wall-clock time during a transfer changes nothing.
#pragma once

#include "device/Clock.h"

namespace vexa {

class SystemClock : public Clock {
 public:
  void Sleep(int milliseconds) override;
  [[nodiscard]] std::int64_t NowMs() const override;
};

}  // namespace vexa
