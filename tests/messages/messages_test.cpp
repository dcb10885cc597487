#include <gtest/gtest.h>

#include "messages/messages.h"

namespace corvane {
namespace {

// Installs a language for one test and returns to English afterwards.
class Language {
 public:
  explicit Language(int index) { EXPECT_TRUE(InstallLanguage(index)); }
  ~Language() { InstallLanguage(1); }
};

IoError Error(IoErrorKind kind, const std::string& file = "/home/u/boards/amp.lay") {
  IoError e;
  e.Kind = kind;
  e.File = file;
  return e;
}

TEST(Messages, RejectedFilesInEnglish) {
  Language english(1);
  IoError newer = Error(IoErrorKind::NewerVersion);
  newer.Version = 6;
  EXPECT_EQ(IoErrorMessage(newer).toStdString(),
            "\"amp.lay\" was created with a newer version of Corvane (Version 6).\r"
            "Your version of Corvane is not able to open this file.");
  EXPECT_EQ(IoErrorMessage(Error(IoErrorKind::NotLayoutFile)).toStdString(), "\"amp.lay\" is not a Corvane file.");
  EXPECT_EQ(IoErrorMessage(Error(IoErrorKind::CannotWrite)).toStdString(),
            "The file \"/home/u/boards/amp.lay\" can not be written.");
  EXPECT_EQ(CaptionOpen().toStdString(), "Open");
}

TEST(Messages, DamagedFilesSayWhatAndWhere) {
  Language english(1);
  IoError e = Error(IoErrorKind::CountTooLarge);
  e.Board = 1;
  e.Element = 41;
  e.Field = "Punkte";
  e.Offset = 12345;
  EXPECT_EQ(IoErrorMessage(e).toStdString(),
            "\"amp.lay\" is damaged and cannot be opened.\r"
            "A count is larger than the rest of the file.\r"
            "Board 2, element 42, Punkte, byte offset 12345.");
  e.Element = -1;
  e.Kind = IoErrorKind::StringTooLong;
  e.Field = "Name";
  EXPECT_EQ(IoErrorMessage(e).toStdString(),
            "\"amp.lay\" is damaged and cannot be opened.\rA text is longer than its field.\r"
            "Board 2, Name, byte offset 12345.");
  e.Board = -1;
  e.Kind = IoErrorKind::EndsEarly;
  e.Field = "Title";
  EXPECT_EQ(IoErrorMessage(e).toStdString(),
            "\"amp.lay\" is damaged and cannot be opened.\rThe file ends early.\rTitle, byte offset 12345.");
}

TEST(Messages, GermanAndFrench) {
  IoError newer = Error(IoErrorKind::NewerVersion, "C:\\x\\B\xE4ume.lay");  // code page 1252 a umlaut
  newer.Version = 7;
  {
    Language german(0);
    EXPECT_EQ(IoErrorMessage(newer).toStdString(),
              "\xE2\x80\x9E" "B\xC3\xA4ume.lay\xE2\x80\x9C wurde mit einer neueren Version von Corvane erstellt "
              "(Version 7).\rIhre Version von Corvane kann diese Datei nicht \xC3\xB6" "ffnen.");
    EXPECT_EQ(DeleteBoardQuestion("Platine 2").toStdString(), "Platine \xE2\x80\x9EPlatine 2\xE2\x80\x9C l\xC3\xB6schen?");
  }
  {
    Language french(2);
    EXPECT_EQ(IoErrorMessage(Error(IoErrorKind::NotLayoutFile)).toStdString(),
              "\xC2\xAB amp.lay \xC2\xBB n'est pas un fichier Corvane.");
    EXPECT_EQ(CaptionOpen().toStdString(), "Ouvrir");
  }
  EXPECT_EQ(SaveChangesQuestion().toStdString(), "Save changes?");
}

TEST(Messages, MultiLineMessagesUseCarriageReturns) {
  Language english(1);
  EXPECT_EQ(OldVersionWarning().toStdString(),
            "This layout was create with an older version.\r\r"
            "The elements on the copper-layer C1 and C2 will be exchanged,\r"
            "because of the new layer-structure.");
  EXPECT_EQ(FontTextQuestion(3).toStdString(),
            "There are 3 Font-Text elements on the layout.\rThese elements will not be supported anymore.\r\r"
            "Replace these elements with Layout-Text elements?");
  EXPECT_EQ(NewBoardAddedMessage("Board 4").toStdString(), "A new Board named \"Board 4\" was added.");
  EXPECT_EQ(OnlyBoardMessage().toStdString(), "A project must at least contains one board.");
  EXPECT_EQ(FileNotFoundMessage(false).toStdString(), "File not found!");
  EXPECT_EQ(FileNotFoundMessage(true).toStdString(), "File not found");
}

}  // namespace
}  // namespace corvane
