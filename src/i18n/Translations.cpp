#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdlib>
#include <memory>

#include "base/Translate.h"

namespace vexa::i18n {
namespace {

// "de_DE.UTF-8@euro" -> "de_DE"; empty for C and POSIX.
std::string LanguageOf(std::string_view locale) {
  const size_t end = locale.find_first_of(".@");
  std::string name(locale.substr(0, end));
  if (name == "C" || name == "POSIX") return {};
  return name;
}

bool IsEnglish(const std::string& language) { return language == "en" || language.rfind("en_", 0) == 0; }

// The translators in use: VEXA's own and Qt's (standard buttons, file
// chooser). Held for the whole run; the core's lookups read the first.
struct Loaded {
  std::unique_ptr<QTranslator> vexa;
  std::unique_ptr<QTranslator> qt;
};
Loaded& Current() {
  static Loaded loaded;
  return loaded;
}

std::string TranslateCore(const char* source) {
  const QTranslator* translator = Current().vexa.get();
  if (translator == nullptr) return {};
  return translator->translate(msg::kTranslationContext, source).toStdString();
}

}  // namespace

std::vector<std::string> MessageLanguages(const Environment& env) {
  auto value = [&env](const char* name) -> std::string {
    const char* v = env(name);
    return v == nullptr ? std::string() : std::string(v);
  };
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = value(name);
    if (!locale.empty()) break;
  }
  const std::string localeLanguage = LanguageOf(locale);
  if (localeLanguage.empty()) return {};

  std::vector<std::string> entries;
  const std::string list = value("LANGUAGE");
  for (size_t start = 0; start <= list.size();) {
    const size_t colon = std::min(list.find(':', start), list.size());
    const std::string entry = LanguageOf(std::string_view(list).substr(start, colon - start));
    if (!entry.empty()) entries.push_back(entry);
    start = colon + 1;
  }
  entries.push_back(localeLanguage);

  std::vector<std::string> languages;
  auto add = [&languages](const std::string& language) {
    for (const std::string& known : languages)
      if (known == language) return;
    languages.push_back(language);
  };
  for (const std::string& entry : entries) {
    if (IsEnglish(entry)) break;
    add(entry);
    const size_t underscore = entry.find('_');
    if (underscore != std::string::npos) add(entry.substr(0, underscore));
  }
  return languages;
}

QStringList TranslationFolders() {
  // vexa-cli runs without a QCoreApplication: the program's own path then.
  const QString programFolder = QCoreApplication::instance() != nullptr
                                    ? QCoreApplication::applicationDirPath()
                                    : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
  return {programFolder + QStringLiteral("/translations"),
          QDir::cleanPath(programFolder + QStringLiteral("/../share/vexa/translations"))};
}

QString LoadTranslations(QCoreApplication* app) {
  return LoadTranslations(
      app, [](const char* name) { return std::getenv(name); }, TranslationFolders());
}

QString LoadTranslations(QCoreApplication* app, const Environment& env, const QStringList& folders) {
  UnloadTranslations(app);
  for (const std::string& language : MessageLanguages(env)) {
    const QString name = QString::fromStdString(language);
    auto translator = std::make_unique<QTranslator>();
    bool found = false;
    for (const QString& folder : folders) {
      // Exactly this language's file: QTranslator would otherwise strip
      // "_YY" itself and report a language other than the one it loaded
      // (the list above already falls back from de_DE to de).
      if (translator->load(QStringLiteral("vexa_") + name, folder, QStringLiteral(""))) {
        found = true;
        break;
      }
    }
    if (!found) continue;
    Loaded& loaded = Current();
    loaded.vexa = std::move(translator);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      loaded.qt = std::move(qt);
    if (app != nullptr) {
      if (loaded.qt) QCoreApplication::installTranslator(loaded.qt.get());
      QCoreApplication::installTranslator(loaded.vexa.get());
    }
    msg::SetTranslator(&TranslateCore);
    return name;
  }
  return {};
}

void UnloadTranslations(QCoreApplication* app) {
  Loaded& loaded = Current();
  msg::SetTranslator(nullptr);
  if (app != nullptr) {
    if (loaded.vexa) QCoreApplication::removeTranslator(loaded.vexa.get());
    if (loaded.qt) QCoreApplication::removeTranslator(loaded.qt.get());
  }
  loaded.vexa.reset();
  loaded.qt.reset();
}

QString FromBytes(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    // The length of a well-formed UTF-8 sequence starting here, or 0.
    size_t length = 0;
    char32_t code = 0;
    if (b >= 0xC2 && b <= 0xDF) {
      length = 2;
      code = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3;
      code = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4;
      code = b & 0x07;
    }
    bool wellFormed = length != 0 && i + length <= bytes.size();
    for (size_t k = 1; wellFormed && k < length; ++k) {
      const auto c = static_cast<unsigned char>(bytes[i + k]);
      if ((c & 0xC0) != 0x80) wellFormed = false;
      code = (code << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if (wellFormed &&
        ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
         (code >= 0xD800 && code <= 0xDFFF)))
      wellFormed = false;
    if (wellFormed) {
      out += QString::fromUcs4(&code, 1);
      i += length;
    } else {
      out += QChar(b);
      ++i;
    }
  }
  return out;
}

}  // namespace vexa::i18n
