#include "device/linux/BoundSerioRawLink.h"

#include "base/Messages.h"
#include "device/linux/SerioSysfs.h"

namespace vexa {

Outcome BoundSerioRawLink::Attach() {
  std::string node;
  if (Outcome bound = m_binding->Bind(node); !bound.ok) return bound;
  m_link.SetPath(node);
  std::string error;
  for (int waited = 0; !m_link.Open(error); waited += kNodeRetryMs) {
    if (waited >= kNodeWaitMs)
      return Outcome::Failure(
          msg::FormatMessage(msg::Tr(msg::kPs2NodeNotAccessible), node.c_str(), error.c_str()));
    m_system.Sleep(kNodeRetryMs);
  }
  return Outcome::Success();
}

Outcome BoundSerioRawLink::Detach() {
  m_link.Close();
  return m_binding->Restore();
}

std::string BoundSerioRawLink::Where() const {
  const std::string node = m_link.Where();
  return node.empty() ? std::string(SerioSysfs::kKeyboardPortDescription) : node;
}

}  // namespace vexa
