// The six keyboard models the editor supports and the facts that hang on each:
// key count, Keyboard menu command, card reader, feature flag layout and the
// default text template file.
//
// Model ids are consecutive (2013..2018), so anything keyed by model is a
// six-entry table indexed by id - 2013. A stored id outside that range is
// tolerated everywhere: it behaves as a PX2400 (124 keys, PX2400 layout and
// name) while keeping its own value, so no menu entry is checked for it and the
// rules tied to id 2013 itself (the KeyLock key sharing with key index 121) do
// not apply.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace vexa {

// A key's rectangle in the view's drawing coordinates, in pixels.
struct KeyRect {
  int left = 0, top = 0, width = 0, height = 0;

  friend bool operator==(const KeyRect&, const KeyRect&) = default;
};

// Which of the two layouts of the keyboard feature flags the model uses.
enum class FeatureLayout { OneByte, SerialPort };

struct ModelInfo {
  int id;
  std::string_view name;  // six characters, shown in the document title
  int keyCount;           // layout positions 0..keyCount-1
  int menuCommand;        // command id of the model's Keyboard menu entry
  bool cardReader;        // false: the card reader settings command is disabled
  FeatureLayout featureLayout;
  std::string_view defaultTextFile;  // read by Load Default from the start-up directory
};

inline constexpr int kFirstModelId = 2013, kLastModelId = 2018, kDefaultModelId = 2013;

// All six rows, in id order 2013..2018.
std::span<const ModelInfo> Models();

// The row of `modelId`; any id outside 2013..2018 gives the PX2400 row.
const ModelInfo& ModelOf(int modelId);

[[nodiscard]] bool IsKnownModel(int modelId);

// A model name ("PX2400" .. "DV3300", letters in either case) or a decimal id
// ("2013" .. "2018"); nothing else, no surrounding blanks.
[[nodiscard]] std::optional<int> ParseModel(std::string_view nameOrId);

// Model ids in the order of the Keyboard menu: PX2100, PX2200, PX2400, DV3300,
// DV3500, DV3100.
std::span<const int> KeyboardMenuOrder();

// Whether the Enter key is drawn as two rectangles (positions 41 and 28, a click
// on 28 selecting 41): the three PX models, and any id outside the table since
// it gets the PX2400 layout.
[[nodiscard]] bool HasLShapedEnter(int modelId);

}  // namespace vexa
