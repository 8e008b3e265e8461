// Commands whose features are not in the editor yet: the Key Edit commands,
// reading and writing the keyboard, the two configuration dialogs and the
// keyboard output test. Each is registered here as a hook that does nothing, so
// its menu item and toolbar button exist and follow their enabling rules; the
// feature replaces the hook by registering its own handler under the same id.
#pragma once

namespace vexa {

class CVEXADoc;
class CommandRouter;

class CommandHooks {
 public:
  static void Register(CommandRouter& router, const CVEXADoc& doc);
};

}  // namespace vexa
