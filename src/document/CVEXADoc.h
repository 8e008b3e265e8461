// The one template document: the 176 key contents, the 2048-byte memory image,
// the current keyboard model with its layout, and the blank and defined flags.
//
// The two forms of a template (key contents and memory image) are brought into
// line only at fixed moments: the image is decoded after a reset, a load or a
// read from the keyboard; it is built from the contents just before a save or a
// write into the keyboard. Between those moments editing changes only the key
// contents and the settings dialogs only the settings area of the image.
//
// Indexing: contents, blank and defined flags by key index (0..175); labels, key
// map and rectangles by layout position (0..key count - 1).
#pragma once

#include <array>
#include <string>

#include "base/Outcome.h"
#include "document/MemoryImage.h"
#include "document/SettingsStore.h"
#include "models/ModelTable.h"

namespace vexa {

class CVEXADoc {
 public:
  // Reads the current model id from the settings store (2013 when absent) and
  // records the start-up directory, where Load Default looks for text templates.
  CVEXADoc(SettingsStore& settings, std::string startupDirectory);

  // --- Template lifecycle -------------------------------------------------
  // New template: ResetImage, DecodeImage, ResetKeyStates, Apply model; title
  // "Template : <model>"; no path; not modified.
  void NewTemplate();
  // Opens a template file: its first 2048 bytes become the image, which is then
  // decoded; the flags follow (keys with content blue, the others black). A file
  // that cannot be read, or holds 1..2047 bytes, is refused and the template
  // stays exactly as it was. An empty file changes nothing but the flags.
  // On success the path is kept, the title becomes "<file name> : <model>"
  // and the template is not modified.
  [[nodiscard]] Outcome OpenTemplate(const std::string& path);
  // Saves: every key must be valid and the key data must fit; then the image is
  // built and written atomically (a temporary file renamed over the target).
  // On success the path is kept, the title becomes "<file name> : <model>",
  // the template is not modified and every key with content is defined again
  // (green marks a change since the last save). A refused or failed save leaves
  // any previous file untouched and the document modified as it was; an
  // invalid key is named on the message's second line.
  [[nodiscard]] Outcome SaveTemplate(const std::string& path);
  // Model switch after the user confirmed: stores the id in the settings store,
  // resets and decodes the image, ResetKeyStates, Apply model. Every key content
  // is lost; the modified flag is not touched. The path is forgotten, so the
  // next Save asks for a file name instead of overwriting the file that was
  // open with an empty template of another model.
  void SwitchModel(int modelId);
  // Fills key count, layout, model name, card reader flag and title from the
  // model id (an id outside the table uses the PX2400 row but keeps its value).
  void ApplyModel();
  // Blank and defined flags of all 176 keys := 1.
  void ResetKeyStates();
  // Open/read flag rule: blank where the content encodes to no bytes; else not
  // blank and defined.
  void RefreshFlagsAfterLoad();

  // --- Validation and the image ----------------------------------------------
  // Index of the first key (0..175) that neither validator accepts; -1 when all
  // are valid. The caller shows msg::kWrongKeyWord.
  [[nodiscard]] int ValidateAllKeys() const;
  // How messages name a key: the label of the layout position showing it,
  // else "key index N".
  [[nodiscard]] std::string KeyName(int keyIndex) const;
  // "Wrong function word or scan code word!!" with, on a second line, which
  // word of the key is wrong and why.
  [[nodiscard]] std::string WrongKeyMessage(int keyIndex) const;
  // Where an invalid key stands, as text templates count: position, key index,
  // label and content (`position` -1: the first position showing the key).
  [[nodiscard]] std::string InvalidKeyPlace(int keyIndex, int position = -1) const;
  // The first layout position showing the key; -1 when none does.
  [[nodiscard]] int PositionOfKey(int keyIndex) const;
  // Refusal text when the key data do not fit the content area, else empty.
  [[nodiscard]] std::string CheckKeyDataFits() const;
  void ResetImage();
  void BuildImage();  // PX2400: keys 160 and 121 made equal first
  void DecodeImage();
  // Free bytes of the content area for the current contents; refreshes the
  // blank flags as a side effect.
  int SpaceLeft();
  // Replaces the image by `image` and decodes it; flags as after an open.
  void TakeImageFromKeyboard(const Image& image);

  // --- Text template files -------------------------------------------------
  // Writes one line per layout position: escaped label, comma, escaped content,
  // CR LF. The file is replaced atomically. The modified flag is not changed.
  [[nodiscard]] Outcome ExportTextTemplate(const std::string& path) const;
  // Reads a text template into the labels and contents, position by position.
  // A wrong row count still applies the lines read and returns a Warning. A
  // file that cannot be read, or is far too large for a text template, is
  // refused and nothing changes. So is a file that gives any key a content
  // neither key mode accepts: the message names the first such line's
  // position, label and content and the word that is wrong. On the PX2400 a KeyLock line also sets the
  // hidden twin key, so an emptied KeyLock stays empty on save. Flags and the
  // modified flag are not changed.
  [[nodiscard]] Outcome ImportTextTemplate(const std::string& path);
  // Reads <start-up directory>/<model default file> as ImportTextTemplate does.
  // Like every text template command it leaves the title alone: the title
  // names the template's file, which a text file never replaces.
  [[nodiscard]] Outcome LoadDefaultTextTemplate();
  [[nodiscard]] std::string DefaultTextTemplatePath() const;

  // --- State ------------------------------------------------------------------
  [[nodiscard]] bool IsModified() const { return m_modified; }
  void SetModified(bool modified) { m_modified = modified; }
  [[nodiscard]] const std::string& PathName() const { return m_pathName; }
  [[nodiscard]] const std::string& Title() const { return m_title; }
  // What "Save changes to %1?" names: the file Save will write (its name), or
  // for a template that has no file yet the title of a new template.
  [[nodiscard]] std::string SaveQuestionName() const;
  void SetTitle(std::string title) { m_title = std::move(title); }

  [[nodiscard]] int ModelId() const { return m_modelId; }
  [[nodiscard]] int KeyCount() const { return m_keyCount; }
  [[nodiscard]] const std::string& ModelName() const { return m_modelName; }
  [[nodiscard]] bool HasCardReader() const { return m_cardReader; }
  [[nodiscard]] const ModelInfo& Model() const;  // the table row in use
  [[nodiscard]] const std::string& StartupDirectory() const { return m_startupDirectory; }

  // Direct field access for the view, the key editor and the dialogs.
  KeyContents& Contents() { return m_contents; }
  const KeyContents& Contents() const { return m_contents; }
  std::string& Content(int keyIndex) { return m_contents.at(static_cast<size_t>(keyIndex)); }
  const std::string& Content(int keyIndex) const { return m_contents.at(static_cast<size_t>(keyIndex)); }
  Image& MemoryImage() { return m_image; }
  const Image& MemoryImage() const { return m_image; }
  std::array<int, kKeyCount>& BlankFlags() { return m_blank; }
  std::array<int, kKeyCount>& DefinedFlags() { return m_defined; }
  const std::array<int, kKeyCount>& BlankFlags() const { return m_blank; }
  const std::array<int, kKeyCount>& DefinedFlags() const { return m_defined; }
  // By layout position.
  std::array<std::string, kKeyCount>& Labels() { return m_labels; }
  const std::array<std::string, kKeyCount>& Labels() const { return m_labels; }
  const std::array<int, kKeyCount>& KeyMap() const { return m_keyMap; }
  const std::array<KeyRect, kKeyCount>& KeyRects() const { return m_rects; }

 private:
  SettingsStore& m_settings;
  bool m_cardReader = true;
  KeyContents m_contents;
  Image m_image{};
  std::array<std::string, kKeyCount> m_labels;
  std::array<int, kKeyCount> m_blank{};
  std::array<int, kKeyCount> m_defined{};
  std::array<int, kKeyCount> m_keyMap{};
  std::array<KeyRect, kKeyCount> m_rects{};
  int m_keyCount = 0;
  int m_modelId = 2013;
  std::string m_modelName;
  std::string m_title;
  std::string m_startupDirectory;
  std::string m_pathName;
  bool m_modified = false;
};

}  // namespace vexa
