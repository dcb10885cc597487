#include "app/options_dialog_colours.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include "messages/messages.h"

namespace corvane {

TColourSchemes::TColourSchemes(QString programFolder) : folder_(std::move(programFolder)) {
  schemes_.fill(StandardColourScheme());
}

QString TColourSchemes::FileOf(int n) const {
  return QDir(folder_).filePath(QString::fromStdString(ColourSchemeFileName(n)));
}

QString TColourSchemes::Load() {
  QString problem;
  for (int n = 1; n <= kUserSchemeCount; ++n) {
    const TColourSchemeRead read = ReadColourScheme(FileOf(n).toStdString());
    schemes_[n] = read.Scheme;
    if (read.Error && problem.isEmpty()) problem = IoErrorMessage(read.Error);
  }
  return problem;
}

QString TColourSchemes::Save(int n, const TFarbschema& scheme) {
  if (n < 1 || n > kUserSchemeCount) return {};
  const IoError error = WriteColourScheme(FileOf(n).toStdString(), scheme);
  if (error) return IoErrorMessage(error);
  schemes_[n] = scheme;
  return {};
}

const TFarbschema& TColourSchemes::Scheme(int n) const {
  return schemes_[(n >= 0 && n <= kUserSchemeCount) ? n : 0];
}

void TColourSchemes::SetScheme(int n, const TFarbschema& scheme) {
  if (n >= 1 && n <= kUserSchemeCount) schemes_[n] = scheme;
}

QColor SchemeColour(int32_t entry) {
  const auto c = static_cast<uint32_t>(entry);
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int32_t SchemeEntry(const QColor& colour) {
  return static_cast<int32_t>(static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8) |
                              (static_cast<uint32_t>(colour.blue()) << 16));
}

std::vector<QColor> LoadCustomColours(const QString& file) {
  std::vector<QColor> colours;
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) return colours;
  // A hostile file could be huge: only the first lines that can matter are read.
  constexpr qint64 kMaxLineLength = 64;
  while (!in.atEnd() && static_cast<int>(colours.size()) < kMaxCustomColours) {
    const QString line = QString::fromLatin1(in.readLine(kMaxLineLength)).trimmed();
    const QColor c = QColor::fromString(line);
    if (line.startsWith('#') && c.isValid()) colours.push_back(c);
  }
  return colours;
}

bool SaveCustomColours(const QString& file, const std::vector<QColor>& colours) {
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  QTextStream stream(&out);
  int written = 0;
  for (const QColor& c : colours) {
    if (written++ >= kMaxCustomColours) break;
    stream << c.name(QColor::HexRgb) << '\n';
  }
  stream.flush();
  return out.commit();
}

}  // namespace corvane
