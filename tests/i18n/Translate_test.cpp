#include "base/Translate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexa::msg {
namespace {

TEST(SamePlaceholders, TranslationMayStandForItsSource) {
  struct Case {
    const char* source;
    const char* translation;
    bool same;
  };
  const std::vector<Case> cases = {
      {"Ready", "Bereit", true},
      {"%d of %d keyboards written", "%d von %d Tastaturen beschrieben", true},
      {"%s: %d bytes", "%d Bytes: %s", false},  // printf reads its arguments in order
      {"%s: %d bytes", "%s: %s Bytes", false},
      {"Written into %d keyboards", "In Tastaturen geschrieben", false},  // dropped
      {"Written into keyboards", "In %d Tastaturen geschrieben", false},  // added
      {"%1 of %2", "%2 von %1", true},                                    // Qt markers may swap
      {"%1 of %2", "%1 von %1", false},
      {"%1 of %2", "%1 von", false},
      {"Save changes to %1?", "Änderungen an %1 speichern?", true},
      {"100%% done", "fertig", true},  // %% is no placeholder
      {"%d%%", "%d %%", true},
      {"%1: %s", "%s: %1", false},  // a printf conversion among them fixes the order
      {"%5d", "%d", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SamePlaceholders(c.source, c.translation), c.same) << c.source << " -> " << c.translation;
}

// A translator that answers from a fixed table.
std::string TableTranslator(const char* source) {
  const std::string text = source;
  if (text == "Ready") return "Bereit";
  if (text == "%d keyboards") return "Tastaturen";  // lost its placeholder
  if (text == "%s: %d") return "%d: %s";            // swapped printf conversions
  return {};
}

TEST(Tr, UsesOnlyTranslationsThatKeepThePlaceholders) {
  SetTranslator(&TableTranslator);
  EXPECT_EQ(Tr(std::string_view("Ready")), "Bereit");
  EXPECT_EQ(Tr(std::string_view("%d keyboards")), "%d keyboards");
  EXPECT_STREQ(Tr("%s: %d"), "%s: %d");
  EXPECT_EQ(Tr(std::string_view("Unknown text")), "Unknown text");
  EXPECT_EQ(Tr(std::string_view()), "");
  SetTranslator(nullptr);
  EXPECT_EQ(Tr(std::string_view("Ready")), "Ready");
}

}  // namespace
}  // namespace vexa::msg
