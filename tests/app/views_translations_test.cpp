// The translations of the views (drawing area, grid, options and text
// dialogs) are complete in German and French, keep accelerators and
// placeholders, and cover the same texts.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/font_text_dialog.h"
#include "app/grid_size_dialog.h"
#include "app/options_dialog.h"
#include "app/photo_view_window.h"
#include "app/text_dialog.h"

namespace corvane {
namespace {

struct TsEntry {
  std::string context, source, translation;
  bool unfinished = false;
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
      current.source = xml.readElementText().toStdString();
    } else if (xml.name() == u"translation") {
      current.unfinished = !xml.attributes().value("type").isEmpty();
      current.translation = xml.readElementText().toStdString();
      entries.push_back(current);
    }
  }
  if (xml.hasError()) problem = xml.errorString();
  return entries;
}

std::set<std::pair<std::string, std::string>> Check(const char* name) {
  const QString path = QString(CORVANE_SOURCE_DIR) + "/translations/" + name;
  QString problem;
  const std::vector<TsEntry> entries = ReadTs(path, problem);
  EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
  EXPECT_FALSE(entries.empty()) << name;
  std::set<std::pair<std::string, std::string>> seen;
  for (const TsEntry& e : entries) {
    EXPECT_FALSE(e.unfinished) << name << ": " << e.source;
    EXPECT_FALSE(e.translation.empty()) << name << ": " << e.source;
    EXPECT_TRUE(seen.insert({e.context, e.source}).second) << "twice: " << e.source;
    EXPECT_EQ(e.source.find('&') != std::string::npos, e.translation.find('&') != std::string::npos)
        << "accelerator of " << e.source;
    for (const char* mark : {"%1", "%2"})
      EXPECT_EQ(e.source.find(mark) != std::string::npos, e.translation.find(mark) != std::string::npos)
          << mark << " in " << e.source;
  }
  return seen;
}

TEST(ViewsTranslations, PhotoViewAndTemplateTextsAreCompleteInBothLanguages) {
  const auto de = Check("corvane_photo_de.ts");
  const auto fr = Check("corvane_photo_fr.ts");
  EXPECT_EQ(de, fr);
  for (const char* context : {"PhotoViewWindow", "ScannedCopyDialog", "BoardDisplay"}) {
    bool found = false;
    for (const auto& entry : de) found = found || entry.first == std::string("corvane::") + context;
    EXPECT_TRUE(found) << context;
  }
  const struct {
    const char* qm;
    const char* title;
    const char* xray;
  } cases[] = {{":/i18n/corvane_photo_de.qm", "Fotoansicht", "R\u00f6ntgen"},
               {":/i18n/corvane_photo_fr.qm", "Vue photo", "Rayons X"}};
  for (const auto& c : cases) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QString::fromLatin1(c.qm))) << c.qm;
    QCoreApplication::installTranslator(&translator);
    PhotoViewWindow window;
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(c.title)) << c.qm;
    EXPECT_EQ(window.XRayBox()->text(), QString::fromUtf8(c.xray)) << c.qm;
    QCoreApplication::removeTranslator(&translator);
  }
}

TEST(ViewsTranslations, GermanAndFrenchAreCompleteAndCoverTheSameTexts) {
  const auto de = Check("corvane_views_de.ts");
  const auto fr = Check("corvane_views_fr.ts");
  EXPECT_EQ(de, fr);
  // A sample of texts the widgets show must be there.
  for (const char* context : {"OptionsDialog", "GridButton", "TextDialog", "DrawingArea"}) {
    bool found = false;
    for (const auto& entry : de) found = found || entry.first == std::string("corvane::") + context;
    EXPECT_TRUE(found) << context;
  }
}

struct LanguageCase {
  const char* qm;
  const char* textDialog;
  const char* fontTextDialog;
  const char* newGrid;
};

// The embedded translations reach the widgets at run time (the contexts are
// the widgets' class names).
TEST(ViewsTranslations, EmbeddedTranslationsReachTheWidgets) {
  const LanguageCase cases[] = {
      {":/i18n/corvane_views_de.qm", "Texteigenschaften", "Texteingabe", "Neues Raster"},
      {":/i18n/corvane_views_fr.qm", "Propri\u00e9t\u00e9s du texte", "Saisie du texte", "Nouvelle grille"},
  };
  for (const LanguageCase& c : cases) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QString::fromLatin1(c.qm))) << c.qm;
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(TextDialog().windowTitle(), QString::fromUtf8(c.textDialog)) << c.qm;
    EXPECT_EQ(FontTextDialog(96).windowTitle(), QString::fromUtf8(c.fontTextDialog)) << c.qm;
    EXPECT_EQ(GridSizeDialog(umMm).windowTitle(), QString::fromUtf8(c.newGrid)) << c.qm;
    QCoreApplication::removeTranslator(&translator);
  }
  EXPECT_EQ(TextDialog().windowTitle(), QStringLiteral("Text properties"));
}

}  // namespace
}  // namespace corvane
