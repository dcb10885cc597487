#include "messages/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTranslator>
#include <memory>

#include "io/cp1252.h"

namespace corvane {

namespace {

// The source texts; QT_TRANSLATE_NOOP marks them for the translation tools.
namespace text {
const char* const NewerVersion = QT_TRANSLATE_NOOP("Messages", "\"%1\" was created with a newer version of Corvane (Version %2).");
const char* const CannotOpenNewer = QT_TRANSLATE_NOOP("Messages", "Your version of Corvane is not able to open this file.");
const char* const NotLayoutFile = QT_TRANSLATE_NOOP("Messages", "\"%1\" is not a Corvane file.");
const char* const CannotWrite = QT_TRANSLATE_NOOP("Messages", "The file \"%1\" can not be written.");
const char* const CannotRead = QT_TRANSLATE_NOOP("Messages", "The file \"%1\" can not be read.");
const char* const DoesNotExist = QT_TRANSLATE_NOOP("Messages", "The file \"%1\" does not exist.");
const char* const Unsupported = QT_TRANSLATE_NOOP("Messages", "\"%1\" cannot be opened: files of this kind are not supported yet.");
const char* const Damaged = QT_TRANSLATE_NOOP("Messages", "\"%1\" is damaged and cannot be opened.");
const char* const EndsEarly = QT_TRANSLATE_NOOP("Messages", "The file ends early.");
const char* const CountTooLarge = QT_TRANSLATE_NOOP("Messages", "A count is larger than the rest of the file.");
const char* const BadIndex = QT_TRANSLATE_NOOP("Messages", "An index lies outside its list.");
const char* const StringTooLong = QT_TRANSLATE_NOOP("Messages", "A text is longer than its field.");
const char* const BadValue = QT_TRANSLATE_NOOP("Messages", "A value is out of range.");
const char* const PlaceElement = QT_TRANSLATE_NOOP("Messages", "Board %1, element %2, %3, byte offset %4.");
const char* const PlaceBoard = QT_TRANSLATE_NOOP("Messages", "Board %1, %2, byte offset %3.");
const char* const PlaceFile = QT_TRANSLATE_NOOP("Messages", "%1, byte offset %2.");
const char* const Open = QT_TRANSLATE_NOOP("Messages", "Open");
const char* const FileNotFoundMenu = QT_TRANSLATE_NOOP("Messages", "File not found!");
const char* const FileNotFoundRecent = QT_TRANSLATE_NOOP("Messages", "File not found");
const char* const OlderVersion = QT_TRANSLATE_NOOP("Messages", "This layout was create with an older version.");
const char* const Exchanged = QT_TRANSLATE_NOOP("Messages", "The elements on the copper-layer C1 and C2 will be exchanged,");
const char* const NewLayers = QT_TRANSLATE_NOOP("Messages", "because of the new layer-structure.");
const char* const FontTexts = QT_TRANSLATE_NOOP("Messages", "There are %1 Font-Text elements on the layout.");
const char* const NotSupported = QT_TRANSLATE_NOOP("Messages", "These elements will not be supported anymore.");
const char* const ReplaceFontTexts = QT_TRANSLATE_NOOP("Messages", "Replace these elements with Layout-Text elements?");
const char* const Converted = QT_TRANSLATE_NOOP("Messages", "Text-elements converted.");
const char* const SaveChanges = QT_TRANSLATE_NOOP("Messages", "Save changes?");
const char* const BoardAdded = QT_TRANSLATE_NOOP("Messages", "A new Board named \"%1\" was added.");
const char* const DeleteBoard = QT_TRANSLATE_NOOP("Messages", "Delete board \"%1\" ?");
const char* const OnlyBoard = QT_TRANSLATE_NOOP("Messages", "A project must at least contains one board.");
const char* const Autosave = QT_TRANSLATE_NOOP("Messages", "Autosave...");
}  // namespace text

QString Tr(const char* source) { return QCoreApplication::translate(kMessagesContext, source); }

const QChar kLineBreak(u'\r');

// File names in errors are code page 1252 bytes like every text of the program.
QString FromCp1252(const std::string& s) { return QString::fromStdString(Cp1252ToUtf8(s)); }

QString DamageReason(IoErrorKind kind) {
  switch (kind) {
    case IoErrorKind::EndsEarly: return Tr(text::EndsEarly);
    case IoErrorKind::CountTooLarge: return Tr(text::CountTooLarge);
    case IoErrorKind::BadIndex: return Tr(text::BadIndex);
    case IoErrorKind::StringTooLong: return Tr(text::StringTooLong);
    default: return Tr(text::BadValue);
  }
}

QString DamagePlace(const IoError& e) {
  const QString field = QString::fromStdString(e.Field);
  const QString offset = QString::number(e.Offset < 0 ? 0 : e.Offset);
  if (e.Board >= 0 && e.Element >= 0)
    return Tr(text::PlaceElement).arg(e.Board + 1).arg(e.Element + 1).arg(field, offset);
  if (e.Board >= 0) return Tr(text::PlaceBoard).arg(e.Board + 1).arg(field, offset);
  return Tr(text::PlaceFile).arg(field, offset);
}

std::vector<std::unique_ptr<QTranslator>>& InstalledTranslators() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

}  // namespace

bool InstallLanguage(int languageIndex) {
  std::vector<std::unique_ptr<QTranslator>>& installed = InstalledTranslators();
  for (const std::unique_ptr<QTranslator>& t : installed) QCoreApplication::removeTranslator(t.get());
  installed.clear();
  if (languageIndex == 1) return true;
  // Every library embeds its translations under :/i18n as <name>_<de|fr>.qm.
  const QString suffix = languageIndex == 2 ? QStringLiteral("_fr.qm") : QStringLiteral("_de.qm");
  const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QLatin1Char('*') + suffix}, QDir::Files, QDir::Name);
  bool all = !files.isEmpty();
  for (const QString& name : files) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/") + name) || !QCoreApplication::installTranslator(translator.get())) {
      all = false;
      continue;
    }
    installed.push_back(std::move(translator));
  }
  return all;
}

QString IoErrorMessage(const IoError& e) {
  const QString name = FromCp1252(FileNameOnly(e.File));
  const QString path = FromCp1252(e.File);
  switch (e.Kind) {
    case IoErrorKind::None: return {};
    case IoErrorKind::NewerVersion:
      return Tr(text::NewerVersion).arg(name).arg(e.Version) + kLineBreak + Tr(text::CannotOpenNewer);
    case IoErrorKind::NotLayoutFile: return Tr(text::NotLayoutFile).arg(name);
    case IoErrorKind::CannotWrite: return Tr(text::CannotWrite).arg(path);
    case IoErrorKind::CannotRead: return Tr(text::CannotRead).arg(path);
    case IoErrorKind::FileNotFound: return Tr(text::DoesNotExist).arg(path);
    case IoErrorKind::Unsupported: return Tr(text::Unsupported).arg(name);
    case IoErrorKind::EndsEarly:
    case IoErrorKind::CountTooLarge:
    case IoErrorKind::BadIndex:
    case IoErrorKind::StringTooLong:
    case IoErrorKind::BadValue:
      return Tr(text::Damaged).arg(name) + kLineBreak + DamageReason(e.Kind) + kLineBreak + DamagePlace(e);
  }
  return {};
}

QString CaptionCorvane() { return QStringLiteral("Corvane"); }
QString CaptionOpen() { return Tr(text::Open); }

QString FileNotFoundMessage(bool fromRecentFiles) {
  return Tr(fromRecentFiles ? text::FileNotFoundRecent : text::FileNotFoundMenu);
}

QString OldVersionWarning() {
  return Tr(text::OlderVersion) + kLineBreak + kLineBreak + Tr(text::Exchanged) + kLineBreak + Tr(text::NewLayers);
}

QString FontTextQuestion(std::size_t count) {
  return Tr(text::FontTexts).arg(count) + kLineBreak + Tr(text::NotSupported) + kLineBreak + kLineBreak +
         Tr(text::ReplaceFontTexts);
}

QString FontTextsConverted() { return Tr(text::Converted); }
QString SaveChangesQuestion() { return Tr(text::SaveChanges); }
QString NewBoardAddedMessage(const QString& boardName) { return Tr(text::BoardAdded).arg(boardName); }
QString DeleteBoardQuestion(const QString& boardName) { return Tr(text::DeleteBoard).arg(boardName); }
QString OnlyBoardMessage() { return Tr(text::OnlyBoard); }
QString AutosaveHint() { return Tr(text::Autosave); }

const std::vector<const char*>& MessageSourceTexts() {
  static const std::vector<const char*> all = {
      text::NewerVersion,  text::CannotOpenNewer, text::NotLayoutFile, text::CannotWrite,   text::CannotRead,
      text::DoesNotExist,  text::Unsupported,     text::Damaged,       text::EndsEarly,     text::CountTooLarge,
      text::BadIndex,      text::StringTooLong,   text::BadValue,      text::PlaceElement,  text::PlaceBoard,
      text::PlaceFile,     text::Open,            text::FileNotFoundMenu, text::FileNotFoundRecent,
      text::OlderVersion,  text::Exchanged,       text::NewLayers,     text::FontTexts,     text::NotSupported,
      text::ReplaceFontTexts, text::Converted,    text::SaveChanges,   text::BoardAdded,    text::DeleteBoard,
      text::OnlyBoard,     text::Autosave,
  };
  return all;
}

}  // namespace corvane
