// The live table of vexa-cli keyboard watch on a terminal: one line per
// keyboard in work (its serial number, the transfer under way, a bar and the
// percentage), redrawn as the keyboards progress, while the finished
// keyboards' result lines scroll above it.
//
// The table is the last thing on the terminal: to print a line, the table is
// erased (cursor up over its lines, clear to the end of the screen), the line
// printed, the table drawn again. Nothing else may print to the terminal
// meanwhile. Elsewhere (a pipe, a log) there is no table, only the lines.
//
// Any thread: one lock keeps lines and table whole.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "device/ProgressSink.h"

namespace vexa::cli {

class StationTable {
 public:
  // `columns`: the terminal's width; a line is cut to fit, since a line the
  // terminal wraps would throw the cursor movements off.
  StationTable(std::ostream& err, bool terminal, int columns = 80);
  ~StationTable();
  StationTable(const StationTable&) = delete;
  StationTable& operator=(const StationTable&) = delete;

  // A keyboard's line, shown until Remove(key); its progress goes to the sink
  // returned, which stays valid as long as the table.
  ProgressSink& Add(const std::string& key, const std::string& label);
  void Remove(const std::string& key);
  // Prints `line` (a line feed is added) to `stream` above the table.
  void Print(std::ostream& stream, const std::string& line);

 private:
  class Row;
  void Changed();  // redraw, under the lock
  void Erase();
  void Draw();

  std::ostream& m_err;
  bool m_terminal;
  size_t m_columns;
  std::mutex m_mutex;
  std::vector<std::string> m_order;  // the keys in work, oldest first
  std::map<std::string, Row*> m_rows;
  std::vector<std::unique_ptr<Row>> m_all;  // kept: a sink outlives its line
  size_t m_drawn = 0;                       // lines of the table on the terminal
};

}  // namespace vexa::cli
