// Routes commands by their numeric id to the feature that handles them, and
// answers the enabling and check questions that the main frame asks whenever it
// refreshes its menus and toolbar.
//
// A command nobody registered is disabled (its menu item and toolbar button are
// greyed) and does nothing when it arrives, which is what becomes of the
// toolbar's RS232 button and of the accelerators without a handler.
//
// While the busy rule answers true (a keyboard transfer runs), every command
// but the few named with it is disabled, whatever its own rule says: one
// place decides, so a menu, a toolbar button and an accelerator can never
// disagree about it.
//
// Every handler runs through one optional wrapper (SetAround): the edit history
// uses it to record the commands that change the template as undo steps.
#pragma once

#include <functional>
#include <map>
#include <set>

namespace vexa {

class CommandRouter {
 public:
  using Handler = std::function<void()>;
  using Rule = std::function<bool()>;
  // Runs the handler of command `id` (it must call `run` for the command to
  // happen).
  using Around = std::function<void(int id, const Handler& run)>;

  // Registers (or replaces) the handler of `id`. `enabled` defaults to always;
  // `checked` to never.
  void Register(int id, Handler handler, Rule enabled = {}, Rule checked = {});
  [[nodiscard]] bool HasHandler(int id) const;
  void SetAround(Around around) { m_around = std::move(around); }

  // While `busy` answers true, only the commands in `allowedWhileBusy` are
  // enabled.
  void SetBusyRule(Rule busy, std::set<int> allowedWhileBusy);

  // Runs the handler when the command is registered and enabled; returns
  // whether it ran.
  bool Execute(int id);
  [[nodiscard]] bool IsEnabled(int id) const;
  [[nodiscard]] bool IsChecked(int id) const;
  // Whether `id` has a check rule, i.e. shows a check mark in its menu while
  // the rule holds.
  [[nodiscard]] bool HasCheckRule(int id) const;

 private:
  struct Entry {
    Handler handler;
    Rule enabled;
    Rule checked;
  };
  std::map<int, Entry> m_entries;
  Rule m_busy;
  std::set<int> m_allowedWhileBusy;
  Around m_around;
};

}  // namespace vexa
