#include "document/SettingsStore.h"

#include <algorithm>

namespace vexa {

std::vector<std::string> AddRecentFile(std::vector<std::string> list, const std::string& path) {
  if (path.empty()) return list;
  list.erase(std::remove(list.begin(), list.end(), path), list.end());
  list.insert(list.begin(), path);
  if (list.size() > static_cast<size_t>(kRecentFileCount)) list.resize(kRecentFileCount);
  return list;
}

}  // namespace vexa
