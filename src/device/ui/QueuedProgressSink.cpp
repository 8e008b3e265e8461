#include "device/ui/QueuedProgressSink.h"

namespace vexa {

namespace {

QByteArray Bytes(std::string_view text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string_view View(const QByteArray& bytes) {
  return std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

QueuedProgressSink::QueuedProgressSink(ProgressSink& target, QObject* parent) : QObject(parent) {
  // Queued even when a call comes from this thread, so the order never
  // depends on where the transfer runs.
  connect(
      this, &QueuedProgressSink::begun, this,
      [&target](const QByteArray& title) { target.Begin(View(title)); }, Qt::QueuedConnection);
  connect(
      this, &QueuedProgressSink::stepped, this,
      [&target](int block, const QByteArray& percent) { target.Step(block, View(percent)); },
      Qt::QueuedConnection);
  connect(
      this, &QueuedProgressSink::ended, this, [&target] { target.End(); }, Qt::QueuedConnection);
}

void QueuedProgressSink::Begin(std::string_view title) { emit begun(Bytes(title)); }

void QueuedProgressSink::Step(int block, std::string_view percentText) {
  emit stepped(block, Bytes(percentText));
}

void QueuedProgressSink::End() { emit ended(); }

}  // namespace vexa
