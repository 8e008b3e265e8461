// The shipped translations: every message finished, every placeholder, menu
// shortcut and mnemonic kept, and the mnemonics of each menu unique in each
// language.
#include <gtest/gtest.h>

#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/Translate.h"
#include "commands/CommandTable.h"

namespace vexa {
namespace {

struct Message {
  std::string context;
  std::string source;
  std::string translation;
  bool unfinished = false;
};

std::vector<std::string> Languages() {
  std::vector<std::string> out;
  const std::string list = VEXA_LANGUAGES;
  for (size_t start = 0; start < list.size();) {
    const size_t end = std::min(list.find(',', start), list.size());
    out.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

std::vector<Message> ReadTs(const std::string& language) {
  QFile file(QString::fromStdString(std::string(VEXA_SOURCE_DIR "/translations/vexa_") + language + ".ts"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  std::vector<Message> messages;
  QXmlStreamReader xml(&file);
  std::string context;
  Message current;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText().toStdString();
    } else if (xml.name() == u"message") {
      current = Message{context, {}, {}, false};
    } else if (xml.name() == u"source") {
      current.source = xml.readElementText().toStdString();
    } else if (xml.name() == u"translation") {
      const QStringView type = xml.attributes().value(QStringLiteral("type"));
      // Texts no longer in the code are not shipped.
      if (type == u"obsolete" || type == u"vanished") continue;
      current.unfinished = type == u"unfinished";
      current.translation = xml.readElementText().toStdString();
      messages.push_back(current);
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

// The mnemonic letter of a menu text ('&' before it; "&&" is an ampersand),
// lower case; 0 when there is none.
char32_t Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    return text[i + 1].toLower().unicode();
  }
  return 0;
}

// What follows the tab of a menu text: the shortcut, never translated.
std::string Shortcut(const std::string& text) {
  const size_t tab = text.find('\t');
  return tab == std::string::npos ? std::string() : text.substr(tab);
}

TEST(TranslationFiles, EveryMessageIsFinishedAndKeepsItsPlaceholders) {
  for (const std::string& language : Languages()) {
    SCOPED_TRACE(language);
    const std::vector<Message> messages = ReadTs(language);
    EXPECT_GT(messages.size(), 200u);
    for (const Message& m : messages) {
      SCOPED_TRACE(m.context + ": " + m.source);
      EXPECT_FALSE(m.unfinished);
      EXPECT_FALSE(m.translation.empty());
      EXPECT_TRUE(msg::SamePlaceholders(m.source, m.translation))
          << "placeholders " << msg::Placeholders(m.source) << "became " << msg::Placeholders(m.translation);
      EXPECT_EQ(Shortcut(m.source), Shortcut(m.translation));
      const QString source = QString::fromStdString(m.source),
                    translation = QString::fromStdString(m.translation);
      EXPECT_EQ(Mnemonic(source) != 0, Mnemonic(translation) != 0) << m.translation;
      // Line structure: a message with line breaks keeps its lines apart (the
      // help's and the messages' layout), one without stays one line.
      EXPECT_EQ(m.source.find('\n') == std::string::npos, m.translation.find('\n') == std::string::npos)
          << m.translation;
    }
  }
}

TEST(TranslationFiles, MnemonicsAreUniqueWithinEachMenu) {
  for (const std::string& language : Languages()) {
    SCOPED_TRACE(language);
    QTranslator translator;
    ASSERT_TRUE(translator.load(QString::fromStdString("vexa_" + language), QStringLiteral(VEXA_QM_DIR)));
    auto translated = [&translator](std::string_view english) {
      const std::string source(english);
      const QString text = translator.translate(msg::kTranslationContext, source.c_str());
      return text.isEmpty() ? QString::fromStdString(source) : text;
    };
    std::map<char32_t, QString> titles;
    for (const MenuInfo& menu : MenuBar()) {
      const QString title = translated(menu.title);
      const char32_t key = Mnemonic(title);
      ASSERT_NE(key, 0u) << title.toStdString();
      EXPECT_TRUE(titles.emplace(key, title).second)
          << title.toStdString() << " and " << titles[key].toStdString() << " share a mnemonic";
      std::map<char32_t, QString> items;
      for (int id : menu.items) {
        const CommandInfo* command = FindCommand(id);
        if (command == nullptr || command->text.empty()) continue;
        const QString text = translated(command->text);
        const char32_t item = Mnemonic(text);
        if (item == 0) continue;
        EXPECT_TRUE(items.emplace(item, text).second)
            << "in " << title.toStdString() << ": " << text.toStdString() << " and "
            << items[item].toStdString() << " share a mnemonic";
      }
    }
  }
}

}  // namespace
}  // namespace vexa
