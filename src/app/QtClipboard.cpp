#include "app/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vexa {

std::optional<std::u16string> QtClipboard::Text() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasText()) return std::nullopt;
  return data->text().toStdU16String();
}

void QtClipboard::SetText(const std::u16string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdU16String(text));
}

}  // namespace vexa
