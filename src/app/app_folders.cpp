#include "app/app_folders.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace corvane {

namespace {
QString FromEnvironment(const char* name) { return qEnvironmentVariable(name); }
QString Clean(const QString& folder) {
  QString f = QDir::cleanPath(folder);
  while (f.size() > 1 && f.endsWith(u'/')) f.chop(1);
  return f;
}
}  // namespace

QString ProgramFolder() {
  const QString forced = FromEnvironment("CORVANE_PROGRAM_FOLDER");
  if (!forced.isEmpty()) return Clean(forced);
  return Clean(QCoreApplication::applicationDirPath());
}

QString ConfigFolder() {
  const QString forced = FromEnvironment("CORVANE_CONFIG_FOLDER");
  if (!forced.isEmpty()) return Clean(forced);
  return Clean(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

std::filesystem::path ToPath(const QString& s) { return std::filesystem::path(s.toStdString()); }
QString FromPath(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

QString HelpFile(int topic) {
  const QString name = topic == 0 ? QStringLiteral("index.html") : QString::number(topic) + QStringLiteral(".html");
  for (const QString& folder : {ProgramFolder() + QStringLiteral("/docs/help"),
                                QStringLiteral(CORVANE_SOURCE_DIR_APP) + QStringLiteral("/docs/help")}) {
    const QFileInfo file(folder + u'/' + name);
    if (file.isFile()) return file.absoluteFilePath();
  }
  return {};
}

bool OpenHelpTopic(int topic) {
  const QString file = HelpFile(topic);
  if (file.isEmpty()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

}  // namespace corvane
