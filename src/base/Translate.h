// The user's language for the texts of the Qt-free layers.
//
// The texts stay English in the code. VEXA_TR_NOOP marks one for Qt's
// translation tools (lupdate reads it as QT_TRANSLATE_NOOP), and Tr() looks it
// up, at the moment it is shown or formatted, through the translator that the
// editor or vexa-cli installed at start. Without a translator (the tests, the
// privileged helper, LANG=C) Tr() returns the English text itself.
//
// A translation is used only when it keeps the placeholders of its English
// text (the same %d / %s in the same order, the same %1 / %2): a printf format
// with other conversions would read the wrong arguments.
#pragma once

#include <cstddef>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <string_view>

// Marks an English text for translation; it is the text itself. CONTEXT is
// the translators' group of the text: "vexa" for every text of the core.
#define VEXA_TR_NOOP(context, text) text

namespace vexa::msg {

// The translators' context of every core text.
inline constexpr const char* kTranslationContext = "vexa";

// Turns an English source text (NUL-terminated) into the user's language, or
// returns it unchanged; the result is UTF-8.
using Translator = std::string (*)(const char* source);

namespace detail {
struct TranslationCache {
  std::mutex mutex;
  Translator translator = nullptr;
  // Source text -> its translation. The map's nodes never move, so the
  // pointers handed out stay valid as long as the program runs.
  std::map<std::string, std::string, std::less<>> texts;
};
inline TranslationCache& Cache() {
  static TranslationCache cache;
  return cache;
}
}  // namespace detail

// The placeholders of a text, in order: each printf conversion (%d, %s ...;
// %% is none) and each Qt argument marker (%1 .. %99), as written.
inline std::string Placeholders(std::string_view text) {
  std::string out;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '%') continue;
    const char next = text[i + 1];
    if (next == '%') {
      ++i;
      continue;
    }
    size_t end = i + 1;
    if (next >= '0' && next <= '9') {
      while (end < text.size() && end < i + 3 && text[end] >= '0' && text[end] <= '9') ++end;
    } else {
      // Flags, width, precision and length, then the conversion letter.
      while (end < text.size() &&
             std::string_view("-+ #0123456789.lhzjt").find(text[end]) != std::string_view::npos)
        ++end;
      if (end < text.size()) ++end;
    }
    out.append(text.substr(i, end - i));
    out += ' ';
    i = end - 1;
  }
  return out;
}

// Whether a translation may stand for its source: the same placeholders. The
// Qt markers may change their order (%2 before %1), the printf ones may not.
inline bool SamePlaceholders(std::string_view source, std::string_view translation) {
  const std::string a = Placeholders(source);
  const std::string b = Placeholders(translation);
  if (a == b) return true;
  if (a.find('%') == std::string::npos || a.size() != b.size()) return false;
  auto markers = [](const std::string& list) {
    std::multiset<std::string> set;
    size_t start = 0;
    for (size_t space; (space = list.find(' ', start)) != std::string::npos; start = space + 1)
      set.insert(list.substr(start, space - start));
    return set;
  };
  auto onlyQtMarkers = [](const std::string& list) {
    for (size_t i = 0; i < list.size(); ++i)
      if (list[i] == '%' && !(i + 1 < list.size() && list[i + 1] >= '0' && list[i + 1] <= '9')) return false;
    return true;
  };
  return onlyQtMarkers(a) && onlyQtMarkers(b) && markers(a) == markers(b);
}

// Installs the translator (nullptr: English). Called once at start, before
// any text is shown.
inline void SetTranslator(Translator translator) {
  detail::TranslationCache& cache = detail::Cache();
  std::lock_guard lock(cache.mutex);
  cache.translator = translator;
  cache.texts.clear();
}

// The text in the user's language; safe from any thread. Without a
// translator it is SOURCE itself.
inline std::string_view Tr(std::string_view source) {
  detail::TranslationCache& cache = detail::Cache();
  std::lock_guard lock(cache.mutex);
  if (cache.translator == nullptr || source.empty()) return source;
  auto found = cache.texts.find(source);
  if (found == cache.texts.end()) {
    std::string key(source);
    std::string text = cache.translator(key.c_str());
    if (text.empty() || !SamePlaceholders(key, text)) text = key;
    found = cache.texts.emplace(std::move(key), std::move(text)).first;
  }
  return found->second;
}

// The same for a printf format: the result is NUL-terminated.
inline const char* Tr(const char* source) {
  if (source == nullptr) return source;
  const std::string_view text = Tr(std::string_view(source));
  return text.data();
}

}  // namespace vexa::msg
