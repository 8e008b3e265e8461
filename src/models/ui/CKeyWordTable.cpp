#include "models/ui/CKeyWordTable.h"

#include <QTextEdit>

#include "models/KeyWordDictionary.h"
#include "view/Cp1252.h"

namespace vexa {

CKeyWordTable::CKeyWordTable(QWidget* parent) : QDialog(parent), m_text(new QTextEdit(this)) {
  setWindowTitle(QStringLiteral("Special Function Key Word Table"));
  setFixedSize(612, 490);
  m_text->setGeometry(10, 10, 590, 470);
  m_text->setAcceptRichText(false);
  m_text->setReadOnly(true);
  m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_text->setLineWrapMode(QTextEdit::NoWrap);
  // Tabs line the help text up in columns, as in a fixed-pitch listing.
  QFont font(QStringLiteral("monospace"));
  font.setStyleHint(QFont::TypeWriter);
  m_text->setFont(font);
  m_text->setTabStopDistance(QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')) * 8);
  m_text->setPlainText(QString::fromStdU16String(Cp1252ToUtf16(std::string(KeyWordHelpText()))));
}

}  // namespace vexa
