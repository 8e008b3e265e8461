#include "commands/PortPreference.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vexa
