#include "device/linux/IopermPortIo.h"

#include "device/RealPortGuard.h"

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define VEXA_HAVE_PORT_IO 1
#endif

namespace vexa {
namespace {

constexpr std::uint16_t kPorts[] = {ioport::kControllerData, ioport::kControllerStatus, ioport::kPicMask1,
                                    ioport::kPicMask2};

bool Permit(bool on) {
#ifdef VEXA_HAVE_PORT_IO
  bool all = true;
  for (std::uint16_t p : kPorts) all = ::ioperm(p, 1, on ? 1 : 0) == 0 && all;
  return all;
#else
  (void)on;
  return false;
#endif
}

bool IsGuardedPort(std::uint16_t port) {
  for (std::uint16_t p : kPorts)
    if (p == port) return true;
  return false;
}

}  // namespace

std::unique_ptr<IopermPortIo> IopermPortIo::Acquire() {
  if (!RealPortGuard::Allowed()) return nullptr;
  if (!Permit(true)) {
    (void)Permit(false);
    return nullptr;
  }
  return std::unique_ptr<IopermPortIo>(new IopermPortIo());
}

IopermPortIo::~IopermPortIo() { (void)Permit(false); }

std::uint8_t IopermPortIo::In(std::uint16_t port) {
#ifdef VEXA_HAVE_PORT_IO
  if (IsGuardedPort(port)) return ::inb(port);
#endif
  (void)port;
  return 0xFF;
}

void IopermPortIo::Out(std::uint16_t port, std::uint8_t value) {
#ifdef VEXA_HAVE_PORT_IO
  if (IsGuardedPort(port)) ::outb(value, port);
#endif
  (void)port, (void)value;
}

}  // namespace vexa
