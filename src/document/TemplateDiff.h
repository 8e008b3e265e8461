// What differs between two templates read under one model, for
// `vexa-cli template diff` and for keeping templates in version control.
//
// Keys are compared by layout position (the label is A's), then the keys the
// layout does not show: the image holds all 176 key indexes whatever the
// model, and the keyboard stores them too (the PX2400's hidden twin of the
// KeyLock key is left out: it always holds the KeyLock key's content).
//
// Settings are compared as the two settings dialogs show them, named by the
// dialogs' own texts under the model's feature flag layout ("Enable beeping
// when a key typed", "Track2 Properties: Prefix", ...), with the value texts
// the dialogs show (on/off, "9600", MR text such as "[CR][LF]"). The card
// reader is named only on models that have one. Any other settings byte whose
// bits differ where no item looks (the unused byte, the tail marker, bits no
// dialog shows, the card reader area of a model without a reader) is named by
// its offset. The group index is left out: it is rebuilt from the key
// contents at every save.
#pragma once

#include <string>
#include <vector>

namespace vexa {

class CVEXADoc;

struct KeyDifference {
  int position;  // layout position; -1 for a key index the layout does not show
  int keyIndex;
  std::string label;  // empty for a key the layout does not show
  std::string a;
  std::string b;
};

struct SettingDifference {
  std::string name;
  std::string a;
  std::string b;
};

struct TemplateDifferences {
  std::vector<KeyDifference> keys;
  std::vector<SettingDifference> settings;
  [[nodiscard]] bool Empty() const { return keys.empty() && settings.empty(); }
};

// Both documents must hold the same model; `a`'s layout and model are used.
[[nodiscard]] TemplateDifferences DiffTemplates(const CVEXADoc& a, const CVEXADoc& b);

}  // namespace vexa
