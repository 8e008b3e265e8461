// The progress of several transfers that run at once (vexa-cli keyboard write
// --all: one worker per keyboard), on stderr, one line per keyboard.
//
// On a terminal each keyboard keeps one line that is redrawn in place: the
// board prints its lines once, and an update moves the cursor up to its
// line, rewrites it and moves back below the board (ANSI cursor movement;
// nothing else may print meanwhile). Elsewhere (a log file, a pipe) there
// are no control characters: a plain line when a keyboard's transfer
// begins and at each quarter of it.
//
// Row(i) is keyboard i's ProgressSink; the rows are called from the
// keyboards' workers, each row by one thread, all rows at once: one lock
// keeps the lines whole.
#pragma once

#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "device/ProgressSink.h"

namespace vexa::cli {

class ProgressBoard {
 public:
  // `labels`: one per keyboard, in the order of the lines. `columns`: the
  // terminal's width; a line is cut to fit, since a line the terminal wraps
  // would throw the cursor movements off.
  ProgressBoard(std::ostream& err, bool terminal, std::vector<std::string> labels, int columns = 80);
  ~ProgressBoard();
  ProgressBoard(const ProgressBoard&) = delete;
  ProgressBoard& operator=(const ProgressBoard&) = delete;

  ProgressSink& Row(size_t index);
  // A keyboard's work has ended: on a terminal its line shows `result`
  // instead of the bar (any thread).
  void Done(size_t row, const std::string& result);

  // The line of a keyboard on a terminal: label, title, bar of 20 and percent.
  [[nodiscard]] static std::string Line(const std::string& label, const std::string& title, int blocksDone,
                                        const std::string& percent);

 private:
  class RowSink;
  void Begin(size_t row, std::string_view title);
  void Step(size_t row, int block, std::string_view percent);
  // Rewrites a row's line in place (terminal only), under the lock.
  void Redraw(size_t row);

  std::ostream& m_err;
  bool m_terminal;
  size_t m_columns;
  std::mutex m_mutex;
  struct State {
    std::string label;
    std::string title;
    int blocksDone = 0;
    std::string percent;
    std::string result;
  };
  std::vector<State> m_rows;
  std::vector<std::unique_ptr<RowSink>> m_sinks;
};

}  // namespace vexa::cli
