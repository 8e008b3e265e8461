#include "models/ui/CKeyWordTable.h"

#include <QTextEdit>
#include <algorithm>

#include "models/KeyWordDictionary.h"
#include "view/Cp1252.h"

namespace vexa {

CKeyWordTable::CKeyWordTable(QWidget* parent) : QDialog(parent), m_text(new QTextEdit(this)) {
  setWindowTitle(tr("Special Function Key Word Table"));
  setFixedSize(612, 490);
  m_text->setGeometry(10, 10, 590, 470);
  m_text->setAcceptRichText(false);
  m_text->setReadOnly(true);
  m_text->setAccessibleName(tr("Special function key words"));
  m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_text->setLineWrapMode(QTextEdit::NoWrap);
  // Two columns: the key words, then from one tab stop past the longest of
  // them the descriptions, all starting in the same column.
  QFont font(QStringLiteral("monospace"));
  font.setStyleHint(QFont::TypeWriter);
  m_text->setFont(font);
  const QString text = QString::fromStdU16String(Cp1252ToUtf16(KeyWordHelpColumns()));
  const QFontMetricsF metrics(font);
  qreal widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab >= 0) widest = std::max(widest, metrics.horizontalAdvance(line.left(tab)));
  }
  m_text->setTabStopDistance(widest + metrics.horizontalAdvance(QStringLiteral("  ")));
  m_text->setPlainText(text);
}

}  // namespace vexa
