#include "models/ModelTable.h"

#include <array>
#include <cctype>
#include <string>

namespace vexa {
namespace {

using enum FeatureLayout;

// clang-format off
constexpr std::array<ModelInfo, 6> kModels{{
    // id    name      keys  menu   reader features     default text file
    {2013, "PX2400", 124, 32811, true,  OneByte,    "PX2400.txt"},
    {2014, "PX2100", 122, 32818, true,  OneByte,    "PX2100.txt"},
    {2015, "PX2200", 134, 32819, true,  OneByte,    "PX2200.txt"},
    {2016, "DV3500",  67, 32821, true,  OneByte,    "DV3500.txt"},
    {2017, "DV3100",  17, 32822, false, SerialPort, "DV3100.txt"},
    {2018, "DV3300", 176, 32823, false, SerialPort, "DV3300.txt"},
}};
// clang-format on

constexpr std::array<int, 6> kMenuOrder{2014, 2015, 2013, 2018, 2016, 2017};

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

std::span<const ModelInfo> Models() { return kModels; }

const ModelInfo& ModelOf(int modelId) {
  return IsKnownModel(modelId) ? kModels[static_cast<size_t>(modelId - kFirstModelId)] : kModels[0];
}

bool IsKnownModel(int modelId) { return modelId >= kFirstModelId && modelId <= kLastModelId; }

std::optional<int> ParseModel(std::string_view nameOrId) {
  for (const ModelInfo& m : kModels) {
    if (SameLetters(nameOrId, m.name)) return m.id;
    if (nameOrId == std::to_string(m.id)) return m.id;
  }
  return std::nullopt;
}

std::span<const int> KeyboardMenuOrder() { return kMenuOrder; }

bool HasLShapedEnter(int modelId) { return modelId <= 2015 || modelId > kLastModelId; }

}  // namespace vexa
