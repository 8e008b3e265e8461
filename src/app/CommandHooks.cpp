#include "app/CommandHooks.h"

#include <array>

#include "app/CommandRouter.h"
#include "app/CommandTable.h"
#include "document/CVEXADoc.h"

namespace vexa {

void CommandHooks::Register(CommandRouter& router, const CVEXADoc& doc) {
  static constexpr std::array kPending{
      cmd::kClearKey,       cmd::kSetAsciiMode,   cmd::kSetScanCodeMode,  cmd::kInsertCaps,
      cmd::kInsertDelay,    cmd::kLevelSeparator, cmd::kShiftLevel,       cmd::kEnterAsciiCode,
      cmd::kSwitchDisplay,  cmd::kSelectScanCode, cmd::kReadFromKeyboard, cmd::kWriteIntoKeyboard,
      cmd::kConfigKeyboard, cmd::kKeyboardOutput,
  };
  for (int id : kPending) {
    if (!router.HasHandler(id)) router.Register(id, [] {});
  }
  // The card reader settings exist only on models with a card reader.
  if (!router.HasHandler(cmd::kConfigCardReader)) {
    router.Register(
        cmd::kConfigCardReader, [] {}, [&doc] { return doc.HasCardReader(); });
  }
  // cmd::kConfigRs232 stays unregistered: that button is always disabled.
}

}  // namespace vexa
