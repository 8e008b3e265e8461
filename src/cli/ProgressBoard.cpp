#include "cli/ProgressBoard.h"

#include <algorithm>

#include "document/MemoryImage.h"

namespace vexa::cli {

class ProgressBoard::RowSink : public ProgressSink {
 public:
  RowSink(ProgressBoard& board, size_t row) : m_board(board), m_row(row) {}
  void Begin(std::string_view title) override { m_board.Begin(m_row, title); }
  void Step(int block, std::string_view percentText) override { m_board.Step(m_row, block, percentText); }
  void End() override {}

 private:
  ProgressBoard& m_board;
  size_t m_row;
};

namespace {

constexpr int kBarWidth = 20;

}  // namespace

ProgressBoard::ProgressBoard(std::ostream& err, bool terminal, std::vector<std::string> labels, int columns)
    : m_err(err), m_terminal(terminal), m_columns(static_cast<size_t>(std::max(columns, 20) - 1)) {
  size_t width = 0;
  for (const std::string& label : labels) width = std::max(width, label.size());
  for (size_t i = 0; i < labels.size(); ++i) {
    State state;
    state.label = labels[i] + std::string(width - labels[i].size(), ' ');
    m_rows.push_back(std::move(state));
    m_sinks.push_back(std::make_unique<RowSink>(*this, i));
  }
  if (m_terminal) {
    for (const State& row : m_rows) m_err << Line(row.label, {}, 0, {}).substr(0, m_columns) << "\n";
    m_err << std::flush;
  }
}

ProgressBoard::~ProgressBoard() = default;

ProgressSink& ProgressBoard::Row(size_t index) { return *m_sinks.at(index); }

std::string ProgressBoard::Line(const std::string& label, const std::string& title, int blocksDone,
                                const std::string& percent) {
  const int filled = std::clamp(blocksDone, 0, kBlockCount) * kBarWidth / kBlockCount;
  std::string line = label + "  " + title + (title.empty() ? "" : " ") + "[" +
                     std::string(static_cast<size_t>(filled), '#') +
                     std::string(static_cast<size_t>(kBarWidth - filled), '.') + "]";
  if (!percent.empty()) line += " " + percent;
  return line;
}

void ProgressBoard::Redraw(size_t row) {
  // The cursor rests on the line below the board; row i is rows - i lines up.
  const size_t up = m_rows.size() - row;
  const State& s = m_rows[row];
  const std::string line =
      s.result.empty() ? Line(s.label, s.title, s.blocksDone, s.percent) : s.label + "  " + s.result;
  m_err << "\x1b[" << up << "A\r" << line.substr(0, m_columns) << "\x1b[K\x1b[" << up << "B\r" << std::flush;
}

void ProgressBoard::Done(size_t row, const std::string& result) {
  const std::lock_guard lock(m_mutex);
  m_rows.at(row).result = result;
  if (m_terminal) Redraw(row);
}

void ProgressBoard::Begin(size_t row, std::string_view title) {
  const std::lock_guard lock(m_mutex);
  State& s = m_rows[row];
  s.title = title;
  s.blocksDone = 0;
  s.percent.clear();
  if (m_terminal)
    Redraw(row);
  else
    m_err << s.label << "  " << title << "\n" << std::flush;
}

void ProgressBoard::Step(size_t row, int block, std::string_view percent) {
  const std::lock_guard lock(m_mutex);
  State& s = m_rows[row];
  s.blocksDone = block + 1;
  s.percent = percent;
  if (m_terminal)
    Redraw(row);
  else if ((block + 1) % (kBlockCount / 4) == 0)
    m_err << s.label << "  " << s.title << " " << percent << "\n" << std::flush;
}

}  // namespace vexa::cli
