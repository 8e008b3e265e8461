// Where the ports send their diagnostic lines (each ends in "\n"). The editor
// binds it to a logging category that is off by default; the default shows
// nothing.
#pragma once

#include <functional>
#include <string_view>

namespace vexa {

using DiagnosticSink = std::function<void(std::string_view line)>;

}  // namespace vexa
