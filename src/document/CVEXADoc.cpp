#include "document/CVEXADoc.h"

#include <filesystem>

#include "base/Messages.h"
#include "document/FileIo.h"
#include "document/KeyContent.h"
#include "document/TemplateFile.h"
#include "document/TextTemplate.h"
#include "models/KeyLayout.h"

namespace vexa {
namespace {

constexpr int kPx2400Id = 2013;
// The title of a template that belongs to no file, before the model name.
constexpr std::string_view kNewTemplateTitle = "Template : ";

// A text template is a few kilobytes; anything far larger is not one (a device
// or a stray binary picked in the file chooser) and is refused rather than read
// without end.
constexpr std::size_t kMaxTextTemplateBytes = 16u << 20;

std::string FileNameOf(const std::string& path) {
  const std::string name = std::filesystem::path(path).filename().string();
  return name.empty() ? path : name;
}

}  // namespace

CVEXADoc::CVEXADoc(SettingsStore& settings, std::string startupDirectory)
    : m_settings(settings), m_startupDirectory(std::move(startupDirectory)) {
  m_modelId = m_settings.ReadInt(kSettingsSection, kSettingsModelEntry).value_or(kDefaultModelId);
}

const ModelInfo& CVEXADoc::Model() const { return ModelOf(m_modelId); }

// --- Template lifecycle -------------------------------------------------------

void CVEXADoc::NewTemplate() {
  ResetImage();
  DecodeImage();
  ResetKeyStates();
  ApplyModel();
  m_pathName.clear();
  m_modified = false;
}

Outcome CVEXADoc::OpenTemplate(const std::string& path) {
  const TemplateFileRead read = ReadTemplateFile(path);
  if (!read.outcome.ok) return read.outcome;  // the template stays exactly as it was
  // An empty file holds nothing to read: image and contents stay, only the
  // flags are brought up to date as after any open.
  if (!read.empty) {
    m_image = read.image;
    DecodeImage();
  }
  RefreshFlagsAfterLoad();
  m_pathName = path;
  m_title = FileNameOf(path) + " : " + m_modelName;
  m_modified = false;
  return Outcome::Success();
}

Outcome CVEXADoc::SaveTemplate(const std::string& path) {
  if (const int bad = ValidateAllKeys(); bad >= 0) return Outcome::Failure(WrongKeyMessage(bad));
  if (std::string refusal = CheckKeyDataFits(); !refusal.empty()) return Outcome::Failure(std::move(refusal));
  BuildImage();
  if (Outcome written = WriteTemplateFile(path, m_image); !written.ok) return written;
  m_pathName = path;
  m_title = FileNameOf(path) + " : " + m_modelName;
  m_modified = false;
  // Green marks what changed since the last save: the keys saved are defined again.
  RefreshFlagsAfterLoad();
  return Outcome::Success();
}

void CVEXADoc::SwitchModel(int modelId) {
  m_modelId = modelId;
  m_settings.WriteInt(kSettingsSection, kSettingsModelEntry, modelId);
  ResetImage();
  DecodeImage();
  ResetKeyStates();
  ApplyModel();
  // The template now belongs to no file: Save asks for a name, as after New,
  // instead of overwriting the file that was open with an empty template of
  // another model.
  m_pathName.clear();
}

void CVEXADoc::ApplyModel() {
  const ModelInfo& info = ModelOf(m_modelId);
  const auto layout = LayoutOf(m_modelId);
  m_keyCount = info.keyCount;
  // Positions beyond the key count keep whatever they held.
  for (size_t p = 0; p < layout.size() && p < static_cast<size_t>(kKeyCount); ++p) {
    m_labels[p] = std::string(layout[p].label);
    m_keyMap[p] = layout[p].keyIndex;
    m_rects[p] = layout[p].rect;
  }
  m_modelName = std::string(info.name);
  m_cardReader = info.cardReader;
  m_title = std::string(kNewTemplateTitle) + m_modelName;
}

void CVEXADoc::ResetKeyStates() {
  m_blank.fill(1);
  m_defined.fill(1);
}

void CVEXADoc::RefreshFlagsAfterLoad() {
  for (size_t k = 0; k < static_cast<size_t>(kKeyCount); ++k) {
    if (EncodedLength(m_contents[k]) <= 0) {
      m_blank[k] = 1;  // the defined flag stays as it was
    } else {
      m_blank[k] = 0;
      m_defined[k] = 1;
    }
  }
}

// --- Validation and the image -------------------------------------------------

int CVEXADoc::ValidateAllKeys() const { return FirstInvalidKey(m_contents); }

int CVEXADoc::PositionOfKey(int keyIndex) const {
  for (int p = 0; p < m_keyCount; ++p)
    if (m_keyMap[static_cast<size_t>(p)] == keyIndex) return p;
  return -1;
}

std::string CVEXADoc::KeyName(int keyIndex) const {
  const int position = PositionOfKey(keyIndex);
  if (position >= 0 && !m_labels[static_cast<size_t>(position)].empty())
    return m_labels[static_cast<size_t>(position)];
  return msg::FormatMessage(msg::Tr(msg::kHiddenKeyName), keyIndex);
}

std::string CVEXADoc::WrongKeyMessage(int keyIndex) const {
  std::string text(msg::Tr(msg::kWrongKeyWord));
  if (keyIndex < 0 || keyIndex >= kKeyCount) return text;
  const std::string detail = DescribeContentFault(Content(keyIndex), KeyName(keyIndex));
  if (!detail.empty()) text += "\n" + detail;
  return text;
}

std::string CVEXADoc::InvalidKeyPlace(int keyIndex, int position) const {
  if (position < 0) position = PositionOfKey(keyIndex);
  if (position < 0)
    return msg::FormatMessage(msg::Tr(msg::kInvalidHiddenKey), keyIndex, Content(keyIndex).c_str());
  return msg::FormatMessage(msg::Tr(msg::kInvalidKeyAt), position, keyIndex,
                            m_labels[static_cast<size_t>(position)].c_str(), Content(keyIndex).c_str());
}

std::string CVEXADoc::CheckKeyDataFits() const {
  // Saving makes the PX2400's linked keys equal first, so measure what will be built.
  KeyContents built = m_contents;
  ApplyLinkedKeyRule(built, m_modelId);
  return vexa::CheckKeyDataFits(built);
}

void CVEXADoc::ResetImage() { vexa::ResetImage(m_image); }

void CVEXADoc::BuildImage() { vexa::BuildImage(m_image, m_contents, m_modelId); }

void CVEXADoc::DecodeImage() { vexa::DecodeImage(m_image, m_contents, m_modelId); }

int CVEXADoc::SpaceLeft() { return vexa::SpaceLeft(m_contents, &m_blank); }

void CVEXADoc::TakeImageFromKeyboard(const Image& image) {
  m_image = image;
  DecodeImage();
  RefreshFlagsAfterLoad();
}

// --- Text template files --------------------------------------------------------

Outcome CVEXADoc::ExportTextTemplate(const std::string& path) const {
  const std::string text = FormatTextTemplate(m_labels, m_contents, m_keyMap, m_keyCount);
  std::string error;
  if (!WriteFileAtomically(path, text, &error))
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTextFileCannotWrite), path.c_str()) +
                            (error == msg::Tr(msg::kLinkOfAnotherUser) ? "\n" + error : ""));
  // A line feed inside a label or content ends the line in the file (the format
  // has no escape for it), so the import would shift every later key. Tell the
  // user which key it is.
  for (int p = 0; p < m_keyCount; ++p) {
    const auto pos = static_cast<size_t>(p);
    const int key = m_keyMap[pos];
    const bool contentHasLf = key >= 0 && key < kKeyCount && Content(key).find('\n') != std::string::npos;
    if (contentHasLf || m_labels[pos].find('\n') != std::string::npos)
      return Outcome::Warning(msg::FormatMessage(msg::Tr(msg::kTextFileLineFeed), path.c_str(), p));
  }
  return Outcome::Success();
}

Outcome CVEXADoc::ImportTextTemplate(const std::string& path) {
  const auto file = ReadFileBytes(path, kMaxTextTemplateBytes + 1);
  if (!file) return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTextFileMissing), path.c_str()));
  if (file->size() > kMaxTextTemplateBytes)
    return Outcome::Failure(msg::FormatMessage(msg::Tr(msg::kTextFileTooLarge), path.c_str()));

  const TextTemplateRows rows = ParseTextTemplate(*file, m_keyCount);
  const KeyContents contentsBefore = m_contents;
  const auto labelsBefore = m_labels;
  bool keyLockRead = false;
  // The position whose line gave each key its content (the later of two
  // positions sharing a key wins).
  std::array<int, kKeyCount> lineOfKey;
  lineOfKey.fill(-1);
  for (size_t p = 0; p < rows.lines.size(); ++p) {
    const int key = m_keyMap[p];
    m_labels[p] = rows.lines[p].label;
    if (key < 0 || key >= kKeyCount) continue;
    m_contents[static_cast<size_t>(key)] = rows.lines[p].content;
    lineOfKey[static_cast<size_t>(key)] = static_cast<int>(p);
    if (key == kLinkedKeyIndex) keyLockRead = true;
  }
  // Keep the PX2400's hidden twin in step, as the editor does, so that a KeyLock
  // line that empties the key is not undone by the twin's old content on save.
  if (m_modelId == kPx2400Id && keyLockRead) m_contents[kLinkedKeyTwinIndex] = m_contents[kLinkedKeyIndex];

  // Every key the file sets must be valid; the first one that is not stops the
  // import, and the template stays exactly as it was.
  int badPosition = -1;
  for (size_t k = 0; k < lineOfKey.size(); ++k) {
    const int p = lineOfKey[k];
    if (p >= 0 && !IsValidContent(m_contents[k]) && (badPosition < 0 || p < badPosition)) badPosition = p;
  }
  if (badPosition >= 0) {
    const int key = m_keyMap[static_cast<size_t>(badPosition)];
    std::string message = WrongKeyMessage(key);
    // The place first, as the file has it, then the word that is wrong.
    const size_t lineEnd = message.find('\n');
    const std::string place = InvalidKeyPlace(key, badPosition);
    message = lineEnd == std::string::npos
                  ? message + "\n" + place
                  : message.substr(0, lineEnd) + "\n" + place + message.substr(lineEnd);
    m_contents = contentsBefore;
    m_labels = labelsBefore;
    return Outcome::Failure(std::move(message));
  }

  if (rows.rowCount != static_cast<size_t>(m_keyCount))
    return Outcome::Warning(std::string(msg::Tr(msg::kTextFileRowCount)));
  return Outcome::Success();
}

Outcome CVEXADoc::LoadDefaultTextTemplate() { return ImportTextTemplate(DefaultTextTemplatePath()); }

std::string CVEXADoc::DefaultTextTemplatePath() const {
  return m_startupDirectory + "/" + std::string(Model().defaultTextFile);
}

std::string CVEXADoc::SaveQuestionName() const {
  if (!m_pathName.empty()) return FileNameOf(m_pathName);
  return std::string(kNewTemplateTitle) + m_modelName;
}

}  // namespace vexa
