// The main window's German and French translations are complete, keep their
// accelerators and placeholders, and reach the window through InstallLanguage.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <set>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "messages/messages.h"

namespace corvane {
namespace {

struct TsEntry {
  std::string Context, Source, Translation;
  bool Unfinished = false;
};

std::vector<TsEntry> ReadTs(const QString& path, QString& problem) {
  std::vector<TsEntry> entries;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    problem = "cannot open " + path;
    return entries;
  }
  QXmlStreamReader xml(&file);
  std::string context;
  TsEntry current;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText().toStdString();
    } else if (xml.name() == u"message") {
      current = TsEntry{context, {}, {}, false};
    } else if (xml.name() == u"source") {
      current.Source = xml.readElementText().toStdString();
    } else if (xml.name() == u"translation") {
      current.Unfinished = !xml.attributes().value("type").isEmpty();
      current.Translation = xml.readElementText().toStdString();
      entries.push_back(current);
    }
  }
  if (xml.hasError()) problem = xml.errorString();
  return entries;
}

// An accelerator is an "&" not followed by another "&".
bool HasAccelerator(const std::string& s) {
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] != '&') continue;
    if (s[i + 1] != '&') return true;
    ++i;
  }
  return false;
}

class ShellTranslationFile : public ::testing::TestWithParam<const char*> {};

TEST_P(ShellTranslationFile, IsCompleteWithAcceleratorsAndHintParts) {
  QString problem;
  const std::vector<TsEntry> entries =
      ReadTs(QString(CORVANE_SOURCE_DIR) + "/translations/" + GetParam(), problem);
  ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
  ASSERT_GT(entries.size(), 100u);
  std::set<std::pair<std::string, std::string>> seen;
  for (const TsEntry& e : entries) {
    EXPECT_FALSE(e.Unfinished) << e.Source;
    EXPECT_FALSE(e.Translation.empty()) << e.Source;
    EXPECT_TRUE(seen.insert({e.Context, e.Source}).second) << "twice: " << e.Source;
    EXPECT_EQ(HasAccelerator(e.Source), HasAccelerator(e.Translation)) << e.Source << " -> " << e.Translation;
    // Hints keep their "short|long" form; filters keep every part.
    EXPECT_EQ(std::count(e.Source.begin(), e.Source.end(), '|'),
              std::count(e.Translation.begin(), e.Translation.end(), '|'))
        << e.Source;
    EXPECT_EQ(e.Source.rfind('|', 0) == 0, e.Translation.rfind('|', 0) == 0) << e.Source;
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShellTranslationFile,
                         ::testing::Values("corvane_app_de.ts", "corvane_app_fr.ts"));

QStringList MenuTitles(const MainWindow& window) {
  QStringList titles;
  for (QAction* a : window.menuBar()->actions()) titles << a->text();
  return titles;
}

TEST(ShellTranslations, TheMenusFollowTheLanguageFile) {
  struct Case {
    const char* Language;  // value of key "Sprache"; null: no language file
    QStringList Menus;
  };
  const Case cases[] = {
      {nullptr, {"&Datei", "&Bearbeiten", "&Platine", "F&unktionen", "&Optionen", "&?"}},
      {"1", {"&File", "&Edit", "&Board", "F&unctions", "&Options", "&?"}},
      {"2", {"&Fichier", "É&dition", "&Carte", "F&onctions", "&Options", "&?"}},
  };
  for (const Case& c : cases) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    if (c.Language) {
      QFile f(folder.path() + "/SPRACHE.INI");
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(QByteArray("[Sprache]\r\nSprache=") + c.Language + "\r\n");
    }
    TMainWindowOptions options;
    options.ProgramFolder = folder.path();
    options.ConfigFolder = folder.path() + "/config";
    options.ShowSplash = false;
    options.WriteSettingsOnClose = false;
    MainWindow window(options);
    EXPECT_EQ(MenuTitles(window), c.Menus) << (c.Language ? c.Language : "none");
    // The messages library is translated as well.
    if (!c.Language) {
      EXPECT_NE(SaveChangesQuestion(), "Save changes?");
    }
  }
  InstallLanguage(1);
}

}  // namespace
}  // namespace corvane
