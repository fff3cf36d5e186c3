// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_settings.h"

#include <QIODevice>
#include <QStandardPaths>
#include <QTextStream>

namespace aerodex {
namespace {

constexpr const char* kRecentSection = "Recent File List";
constexpr const char* kSettingsSection = "Settings";

// QSettings' own INI format percent-encodes blanks in section names
// ("[Recent%20File%20List]"); this one writes and reads them plainly.
bool ReadPlainIni(QIODevice& device, QSettings::SettingsMap& map) {
  QTextStream in(&device);
  QString section;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) {
      continue;
    }
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
      section = line.mid(1, line.size() - 2).trimmed();
      continue;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0) continue;
    const QString key = line.left(equals).trimmed();
    const QString value = line.mid(equals + 1).trimmed();
    map.insert(section.isEmpty() ? key : section + QLatin1Char('/') + key, value);
  }
  return true;
}

bool WritePlainIni(QIODevice& device, const QSettings::SettingsMap& map) {
  QTextStream out(&device);
  QString section = QStringLiteral("\x01");  // matches no real section
  for (auto it = map.cbegin(); it != map.cend(); ++it) {
    const qsizetype slash = it.key().lastIndexOf(QLatin1Char('/'));
    const QString keySection = slash < 0 ? QString() : it.key().left(slash);
    if (keySection != section) {
      if (section != QStringLiteral("\x01")) out << '\n';
      section = keySection;
      if (!section.isEmpty()) out << '[' << section << "]\n";
    }
    QString value = it.value().toString();
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    out << it.key().mid(slash + 1) << '=' << value << '\n';
  }
  return out.status() == QTextStream::Ok;
}

QSettings::Format PlainIniFormat() {
  static const QSettings::Format format =
      QSettings::registerFormat(QStringLiteral("ini"), ReadPlainIni, WritePlainIni);
  return format;
}

QString RecentKey(int index) {
  return QStringLiteral("%1/File%2").arg(QLatin1String(kRecentSection)).arg(index + 1);
}

}  // namespace

QString CAppSettings::DefaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/aerodex.ini");
}

CAppSettings::CAppSettings(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, PlainIniFormat())) {}

CAppSettings::~CAppSettings() = default;

QStringList CAppSettings::LoadRecentFiles(int count) const {
  QStringList files;
  for (int i = 0; i < count; ++i) {
    const QString file = settings_->value(RecentKey(i)).toString();
    if (!file.isEmpty()) files.append(file);
  }
  return files;
}

void CAppSettings::SaveRecentFiles(const QStringList& files, int count) {
  for (int i = 0; i < count; ++i) {
    if (i < files.size()) {
      settings_->setValue(RecentKey(i), files[i]);
    } else {
      settings_->remove(RecentKey(i));
    }
  }
}

int CAppSettings::PreviewPages() const {
  const int pages =
      settings_->value(QStringLiteral("%1/PreviewPages").arg(QLatin1String(kSettingsSection)), 1)
          .toInt();
  return pages == 2 ? 2 : 1;
}

void CAppSettings::SetPreviewPages(int pages) {
  settings_->setValue(QStringLiteral("%1/PreviewPages").arg(QLatin1String(kSettingsSection)),
                      pages == 2 ? 2 : 1);
}

bool CAppSettings::FitPageWidth() const {
  const QString key = QStringLiteral("%1/FitPageWidth").arg(QLatin1String(kSettingsSection));
  return settings_->value(key, 0).toInt() == 1;
}

void CAppSettings::SetFitPageWidth(bool fit) {
  const QString key = QStringLiteral("%1/FitPageWidth").arg(QLatin1String(kSettingsSection));
  settings_->setValue(key, fit ? 1 : 0);
}

// Base64, so that the plain INI file holds it as one line of text.
QByteArray CAppSettings::WindowGeometry() const {
  const QString key = QStringLiteral("%1/WindowGeometry").arg(QLatin1String(kSettingsSection));
  return QByteArray::fromBase64(settings_->value(key).toString().toLatin1());
}

void CAppSettings::SetWindowGeometry(const QByteArray& geometry) {
  const QString key = QStringLiteral("%1/WindowGeometry").arg(QLatin1String(kSettingsSection));
  settings_->setValue(key, QString::fromLatin1(geometry.toBase64()));
}

QString CAppSettings::FileName() const { return settings_->fileName(); }

void CAppSettings::Sync() { settings_->sync(); }

}  // namespace aerodex
