#include "cli/StationTable.h"

#include <algorithm>

#include "cli/ProgressBoard.h"

namespace vexa::cli {

class StationTable::Row : public ProgressSink {
 public:
  Row(StationTable& table, std::string label) : m_table(table), label(std::move(label)) {}
  void Begin(std::string_view text) override {
    const std::lock_guard lock(m_table.m_mutex);
    title = text;
    blocksDone = 0;
    percent.clear();
    m_table.Changed();
  }
  void Step(int block, std::string_view text) override {
    const std::lock_guard lock(m_table.m_mutex);
    blocksDone = block + 1;
    percent = text;
    m_table.Changed();
  }
  void End() override {}

  StationTable& m_table;
  std::string label;
  std::string title;
  int blocksDone = 0;
  std::string percent;
};

StationTable::StationTable(std::ostream& err, bool terminal, int columns)
    : m_err(err), m_terminal(terminal), m_columns(static_cast<size_t>(std::max(columns, 20) - 1)) {}

StationTable::~StationTable() = default;

ProgressSink& StationTable::Add(const std::string& key, const std::string& label) {
  const std::lock_guard lock(m_mutex);
  m_all.push_back(std::make_unique<Row>(*this, label));
  m_rows[key] = m_all.back().get();
  m_order.erase(std::remove(m_order.begin(), m_order.end(), key), m_order.end());
  m_order.push_back(key);
  Changed();
  return *m_all.back();
}

void StationTable::Remove(const std::string& key) {
  const std::lock_guard lock(m_mutex);
  m_rows.erase(key);
  m_order.erase(std::remove(m_order.begin(), m_order.end(), key), m_order.end());
  Changed();
}

void StationTable::Print(std::ostream& stream, const std::string& line) {
  const std::lock_guard lock(m_mutex);
  if (m_terminal) Erase();
  m_err << std::flush;
  stream << line << '\n' << std::flush;
  if (m_terminal) Draw();
}

void StationTable::Changed() {
  if (!m_terminal) return;
  Erase();
  Draw();
}

void StationTable::Erase() {
  // Up to the table's first line, then clear everything below.
  if (m_drawn > 0) m_err << "\x1b[" << m_drawn << "F\x1b[J";
  m_drawn = 0;
}

void StationTable::Draw() {
  size_t width = 0;
  for (const std::string& key : m_order) width = std::max(width, m_rows[key]->label.size());
  for (const std::string& key : m_order) {
    const Row& row = *m_rows[key];
    const std::string label = row.label + std::string(width - row.label.size(), ' ');
    m_err << ProgressBoard::Line(label, row.title, row.blocksDone, row.percent).substr(0, m_columns) << '\n';
  }
  m_drawn = m_order.size();
  m_err << std::flush;
}

}  // namespace vexa::cli
