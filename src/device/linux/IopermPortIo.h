// The real keyboard controller and interrupt controller ports (x86 Linux,
// root). Created only through Acquire(), which asks RealPortGuard first and
// then the kernel for exactly the four ports used.
#pragma once

#include <memory>

#include "device/PortIo.h"

namespace vexa {

class IopermPortIo : public PortIo {
 public:
  // Null unless the guard allows real ports and the kernel grants all four.
  [[nodiscard]] static std::unique_ptr<IopermPortIo> Acquire();
  ~IopermPortIo() override;
  IopermPortIo(const IopermPortIo&) = delete;
  IopermPortIo& operator=(const IopermPortIo&) = delete;

  std::uint8_t In(std::uint16_t port) override;
  void Out(std::uint16_t port, std::uint8_t value) override;

 private:
  IopermPortIo() = default;
};

}  // namespace vexa
