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
  m_title = FileNameOf(path);
  m_modified = false;
  return Outcome::Success();
}

Outcome CVEXADoc::SaveTemplate(const std::string& path) {
  if (ValidateAllKeys() >= 0) return Outcome::Failure(std::string(msg::kWrongKeyWord));
  if (std::string refusal = CheckKeyDataFits(); !refusal.empty()) return Outcome::Failure(std::move(refusal));
  BuildImage();
  if (Outcome written = WriteTemplateFile(path, m_image); !written.ok) return written;
  m_pathName = path;
  m_title = FileNameOf(path);
  m_modified = false;
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
    return Outcome::Failure(msg::FormatMessage(msg::kTextFileCannotWrite, path.c_str()) +
                            (error == msg::kLinkOfAnotherUser ? "\n" + error : ""));
  // A line feed inside a label or content ends the line in the file (the format
  // has no escape for it), so the import would shift every later key. Tell the
  // user which key it is.
  for (int p = 0; p < m_keyCount; ++p) {
    const auto pos = static_cast<size_t>(p);
    const int key = m_keyMap[pos];
    const bool contentHasLf = key >= 0 && key < kKeyCount && Content(key).find('\n') != std::string::npos;
    if (contentHasLf || m_labels[pos].find('\n') != std::string::npos)
      return Outcome::Warning(msg::FormatMessage(msg::kTextFileLineFeed, path.c_str(), p));
  }
  return Outcome::Success();
}

Outcome CVEXADoc::ImportTextTemplate(const std::string& path) {
  const auto file = ReadFileBytes(path, kMaxTextTemplateBytes + 1);
  if (!file) return Outcome::Failure(msg::FormatMessage(msg::kTextFileMissing, path.c_str()));
  if (file->size() > kMaxTextTemplateBytes)
    return Outcome::Failure(msg::FormatMessage(msg::kTextFileTooLarge, path.c_str()));

  const TextTemplateRows rows = ParseTextTemplate(*file, m_keyCount);
  bool keyLockRead = false;
  for (size_t p = 0; p < rows.lines.size(); ++p) {
    const int key = m_keyMap[p];
    m_labels[p] = rows.lines[p].label;
    if (key < 0 || key >= kKeyCount) continue;
    m_contents[static_cast<size_t>(key)] = rows.lines[p].content;
    if (key == kLinkedKeyIndex) keyLockRead = true;
  }
  // Keep the PX2400's hidden twin in step, as the editor does, so that a KeyLock
  // line that empties the key is not undone by the twin's old content on save.
  if (m_modelId == kPx2400Id && keyLockRead) m_contents[kLinkedKeyTwinIndex] = m_contents[kLinkedKeyIndex];

  if (rows.rowCount != static_cast<size_t>(m_keyCount))
    return Outcome::Warning(std::string(msg::kTextFileRowCount));
  return Outcome::Success();
}

Outcome CVEXADoc::LoadDefaultTextTemplate() {
  const std::string path = DefaultTextTemplatePath();
  SetTitleFromTextPath(path);
  return ImportTextTemplate(path);
}

std::string CVEXADoc::DefaultTextTemplatePath() const {
  return m_startupDirectory + "/" + std::string(Model().defaultTextFile);
}

void CVEXADoc::SetTitleFromTextPath(const std::string& path) { m_title = path + " : " + m_modelName; }

std::string CVEXADoc::SaveQuestionName() const {
  if (!m_pathName.empty()) return FileNameOf(m_pathName);
  return std::string(kNewTemplateTitle) + m_modelName;
}

}  // namespace vexa
