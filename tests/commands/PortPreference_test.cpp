#include "commands/PortPreference.h"

#include <gtest/gtest.h>

#include <optional>

#include "document/SettingsStore.h"

namespace vexa {
namespace {

TEST(PortPreferenceTest, OffersThePortChosenLastTimeAndPs2TheFirstTime) {
  MemorySettingsStore settings;
  PortPreference preference(settings);
  EXPECT_EQ(preference.Initial(), PortKind::kPs2);
  preference.Remember(PortKind::kUsb);
  EXPECT_EQ(settings.ReadInt(kSettingsSection, "Port"), 5);
  EXPECT_EQ(PortPreference(settings).Initial(), PortKind::kUsb);  // at the next start
  preference.Remember(PortKind::kPs2);
  EXPECT_EQ(preference.Initial(), PortKind::kPs2);
  for (int stored : {1, 4, 6, -5}) {  // anything else is PS/2
    settings.WriteInt(kSettingsSection, "Port", stored);
    EXPECT_EQ(preference.Initial(), PortKind::kPs2) << stored;
  }
}

// What a start does: USB first while a USB keyboard is connected, else the
// port chosen last time; "Don't ask at start" takes the stored port without a
// dialog, keyboard or not.
TEST(PortPreferenceTest, StartAsksUnlessToldNotTo) {
  const struct {
    const char* what;
    std::optional<int> port, dontAsk;
    bool usbConnected;
    PortKind expected;
    bool ask;
  } cases[] = {
      {"first start, no keyboard", {}, {}, false, PortKind::kPs2, true},
      {"first start, USB keyboard", {}, {}, true, PortKind::kUsb, true},
      {"PS/2 last time, USB keyboard", 0, 0, true, PortKind::kUsb, true},
      {"USB last time, no keyboard", 5, 0, false, PortKind::kUsb, true},
      {"don't ask, PS/2", 0, 1, true, PortKind::kPs2, false},
      {"don't ask, USB", 5, 1, false, PortKind::kUsb, false},
      {"don't ask without a port chosen", {}, 1, false, PortKind::kPs2, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemorySettingsStore settings;
    if (c.port) settings.WriteInt(kSettingsSection, PortPreference::kEntry, *c.port);
    if (c.dontAsk) settings.WriteInt(kSettingsSection, PortPreference::kDontAskEntry, *c.dontAsk);
    const PortPreference::AtStart start = PortPreference(settings).Start(c.usbConnected);
    EXPECT_EQ(start.port, c.expected);
    EXPECT_EQ(start.ask, c.ask);
  }
  MemorySettingsStore settings;
  PortPreference preference(settings);
  preference.Remember(PortKind::kUsb, true);
  EXPECT_TRUE(preference.DontAsk());
  preference.Remember(PortKind::kUsb);  // the dialog answered with the box cleared
  EXPECT_FALSE(preference.DontAsk());
}

}  // namespace
}  // namespace vexa
