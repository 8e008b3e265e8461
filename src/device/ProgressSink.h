// Where a transfer shows its progress: the editor draws it into the view, the
// command line prints it on stderr. Begin comes once with the title text, Step
// after every block that arrived or was confirmed (block 0..63, with the
// percentage text "1%" .. "100%"), End once when the display goes away.
#pragma once

#include <string_view>

namespace vexa {

class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void Begin(std::string_view title) = 0;
  virtual void Step(int block, std::string_view percentText) = 0;
  virtual void End() = 0;
};

// For callers that show nothing.
class NullProgressSink : public ProgressSink {
 public:
  void Begin(std::string_view) override {}
  void Step(int, std::string_view) override {}
  void End() override {}
};

}  // namespace vexa
