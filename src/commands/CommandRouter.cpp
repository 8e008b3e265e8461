#include "commands/CommandRouter.h"

#include <utility>

namespace vexa {

void CommandRouter::Register(int id, Handler handler, Rule enabled, Rule checked) {
  m_entries[id] = Entry{std::move(handler), std::move(enabled), std::move(checked)};
}

void CommandRouter::SetBusyRule(Rule busy, std::set<int> allowedWhileBusy) {
  m_busy = std::move(busy);
  m_allowedWhileBusy = std::move(allowedWhileBusy);
}

bool CommandRouter::HasHandler(int id) const {
  auto it = m_entries.find(id);
  return it != m_entries.end() && it->second.handler;
}

bool CommandRouter::Execute(int id) {
  if (!IsEnabled(id)) return false;
  // Copy first: a handler may re-register commands while it runs.
  Handler handler = m_entries.at(id).handler;
  if (m_around) {
    m_around(id, handler);
  } else {
    handler();
  }
  return true;
}

bool CommandRouter::IsEnabled(int id) const {
  auto it = m_entries.find(id);
  if (it == m_entries.end() || !it->second.handler) return false;
  if (m_busy && !m_allowedWhileBusy.contains(id) && m_busy()) return false;
  return !it->second.enabled || it->second.enabled();
}

bool CommandRouter::IsChecked(int id) const {
  auto it = m_entries.find(id);
  return it != m_entries.end() && it->second.checked && it->second.checked();
}

bool CommandRouter::HasCheckRule(int id) const {
  auto it = m_entries.find(id);
  return it != m_entries.end() && it->second.checked;
}

}  // namespace vexa
