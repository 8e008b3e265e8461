#include "document/qt/QtSettingsStore.h"

#include <QFile>
#include <QString>

#include "base/Messages.h"

namespace vexa {
namespace {

constexpr const char* kRecentGroup = "Recent File List";

QString Key(const std::string& section, const std::string& entry) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(entry);
}

QString RecentKey(int i) { return QStringLiteral("%1/File%2").arg(QLatin1String(kRecentGroup)).arg(i + 1); }

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>(ToQString(msg::kSettingsOrganisation),
                                             ToQString(msg::kSettingsApplication))) {}

QtSettingsStore::QtSettingsStore(const std::string& path)
    : m_settings(std::make_unique<QSettings>(QFile::decodeName(path.c_str()), QSettings::IniFormat)) {}

std::optional<int> QtSettingsStore::ReadInt(const std::string& section, const std::string& entry) const {
  const QVariant value = m_settings->value(Key(section, entry));
  if (!value.isValid()) return std::nullopt;
  bool ok = false;
  const int number = value.toInt(&ok);
  // A value that is not a number counts as absent, as if it had never been stored.
  if (!ok) return std::nullopt;
  return number;
}

void QtSettingsStore::WriteInt(const std::string& section, const std::string& entry, int value) {
  m_settings->setValue(Key(section, entry), value);
  m_settings->sync();
}

std::vector<std::string> QtSettingsStore::RecentFiles() const {
  std::vector<std::string> files;
  for (int i = 0; i < kRecentFileCount; ++i) {
    const QString path = m_settings->value(RecentKey(i)).toString();
    if (path.isEmpty()) continue;
    files.push_back(QFile::encodeName(path).toStdString());
  }
  return files;
}

void QtSettingsStore::SetRecentFiles(const std::vector<std::string>& files) {
  for (int i = 0; i < kRecentFileCount; ++i) {
    if (static_cast<size_t>(i) < files.size() && !files[static_cast<size_t>(i)].empty())
      m_settings->setValue(RecentKey(i), QFile::decodeName(files[static_cast<size_t>(i)].c_str()));
    else
      m_settings->remove(RecentKey(i));
  }
  m_settings->sync();
}

}  // namespace vexa
