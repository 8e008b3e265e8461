// The user's language in the editor and in vexa-cli: which translation to
// load, loading it, and turning the core's texts into QStrings.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QCoreApplication;

namespace vexa::i18n {

// The languages to try, best first ("de_DE", "de" ...), from the environment
// as gettext reads it: LANGUAGE (a colon-separated list), then the first set
// of LC_ALL, LC_MESSAGES and LANG. LANGUAGE counts only when the locale is not
// C or POSIX, so LANG=C always means English. The list ends at the first
// English entry: English is the program's own language.
using Environment = std::function<const char*(const char* name)>;
std::vector<std::string> MessageLanguages(const Environment& env);

// The folders searched for vexa_LANG.qm: beside the program (the build tree)
// and the shared data folder of the prefix it is installed in.
QStringList TranslationFolders();

// Loads the first language of MessageLanguages(getenv) that VEXA has a
// translation for, with Qt's own translation for the standard buttons, and
// makes the core's texts (msg::Tr) use it. Without APP (vexa-cli) only the
// core's texts and QCoreApplication-free lookups are translated. Returns the
// language loaded, empty for English.
QString LoadTranslations(QCoreApplication* app);

// The same with the environment and the folders given (the tests).
QString LoadTranslations(QCoreApplication* app, const Environment& env, const QStringList& folders);

// Back to English (the tests).
void UnloadTranslations(QCoreApplication* app);

// A text of the core as a QString: UTF-8 where the bytes are UTF-8 (the
// translations, file names), each other byte as the character of its value
// (the 8-bit characters of key contents, as the editor has always shown them).
QString FromBytes(std::string_view bytes);

}  // namespace vexa::i18n
