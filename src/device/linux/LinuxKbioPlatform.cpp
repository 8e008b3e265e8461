#include "device/linux/LinuxKbioPlatform.h"

#include <sys/utsname.h>

#include "base/Messages.h"
#include "device/PortByteLink.h"
#include "device/linux/BoundSerioRawLink.h"
#include "device/linux/LinuxPs2System.h"
#include "device/linux/SerioRawLink.h"
#include "device/linux/SerioSysfs.h"

namespace vexa {

LinuxKbioPlatform::LinuxKbioPlatform(std::string ps2Device)
    : LinuxKbioPlatform(std::move(ps2Device), std::make_unique<LinuxPs2System>()) {}

LinuxKbioPlatform::LinuxKbioPlatform(std::string ps2Device, std::unique_ptr<Ps2System> system)
    : m_ps2Device(std::move(ps2Device)), m_system(std::move(system)) {}

LinuxKbioPlatform::~LinuxKbioPlatform() = default;

bool LinuxKbioPlatform::QuerySystem() {
  struct utsname name {};
  return ::uname(&name) == 0;
}

DirectAccess LinuxKbioPlatform::AcquireDirectAccess() {
  DirectAccess access;
  if (!m_ps2Device.empty()) {
    // Opened once now, so a wrong path is told at start rather than at the
    // first transfer.
    auto link = std::make_unique<SerioRawLink>(m_ps2Device, m_system->ReceiveTimeoutMs());
    if (Outcome opened = link->Attach(); !opened.ok) {
      access.causes.push_back(opened.message);
      return access;
    }
    (void)link->Detach();
    m_link = std::move(link);
    access.link = m_link.get();
    return access;
  }

  const SerioSysfs sysfs(m_system->SysfsRoot());
  if (!sysfs.KeyboardPorts().empty()) {
    auto binding = std::make_unique<SerioRawBinding>(*m_system);
    access.notice = binding->RecoverAbandoned().message;
    access.causes = binding->Obstacles();
    if (access.causes.empty()) {
      m_link = std::make_unique<BoundSerioRawLink>(*m_system, std::move(binding));
      access.link = m_link.get();
    }
    return access;
  }

  access.causes.emplace_back(msg::Tr(msg::kPs2NoKeyboardPort));
  if (sysfs.LockedDown()) {
    access.causes.emplace_back(msg::Tr(msg::kPs2LockedDown));
    return access;
  }
  std::string refusal;
  m_ports = m_system->AcquirePorts(refusal);
  if (!m_ports) {
    access.causes.push_back(refusal);
    return access;
  }
  m_link = std::make_unique<PortByteLink>(*m_ports);
  access.link = m_link.get();
  access.causes.clear();
  return access;
}

std::unique_ptr<DriverDevice> LinuxKbioPlatform::OpenDriverDevice(const std::string& path) {
  return m_system->OpenDriverDevice(path);
}

}  // namespace vexa
