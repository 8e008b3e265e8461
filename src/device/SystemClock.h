// The real waits: the calling thread sleeps.
#pragma once

#include "device/Clock.h"

namespace vexa {

class SystemClock : public Clock {
 public:
  void Sleep(int milliseconds) override;
};

}  // namespace vexa
