// Every .ts file is complete: each message has a finished, non-empty
// translation, and every text the program translates is in each file.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>
#include <set>
#include <string>

#include "messages/messages.h"

namespace corvane {
namespace {

struct TsMessage {
  std::string context, source, translation;
  bool unfinished = false;
};

std::vector<TsMessage> ReadTs(const QString& path, QString& problem) {
  std::vector<TsMessage> messages;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    problem = "cannot open " + path;
    return messages;
  }
  QXmlStreamReader xml(&file);
  std::string context;
  TsMessage current;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText().toStdString();
    } else if (xml.name() == u"message") {
      current = TsMessage{context, {}, {}, false};
    } else if (xml.name() == u"source") {
      current.source = xml.readElementText().toStdString();
    } else if (xml.name() == u"translation") {
      const QString type = xml.attributes().value("type").toString();
      current.unfinished = !type.isEmpty();  // "unfinished", "vanished", "obsolete"
      current.translation = xml.readElementText().toStdString();
      messages.push_back(current);
    }
  }
  if (xml.hasError()) problem = xml.errorString();
  return messages;
}

class TranslationFile : public ::testing::TestWithParam<const char*> {};

TEST_P(TranslationFile, HasNoUnfinishedOrMissingTranslation) {
  const QString path = QString(CORVANE_SOURCE_DIR) + "/translations/" + GetParam();
  QString problem;
  const std::vector<TsMessage> messages = ReadTs(path, problem);
  ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
  ASSERT_FALSE(messages.empty());
  std::set<std::pair<std::string, std::string>> seen;
  for (const TsMessage& m : messages) {
    EXPECT_FALSE(m.unfinished) << m.source;
    EXPECT_FALSE(m.translation.empty()) << m.source;
    EXPECT_TRUE(seen.insert({m.context, m.source}).second) << "twice: " << m.source;
    // Placeholders survive translation.
    for (const char* mark : {"%1", "%2", "%3", "%4"})
      EXPECT_EQ(m.source.find(mark) != std::string::npos, m.translation.find(mark) != std::string::npos)
          << mark << " in " << m.source;
  }
  for (const char* source : MessageSourceTexts())
    EXPECT_TRUE(seen.count({kMessagesContext, source})) << "missing: " << source;
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFile, ::testing::Values("corvane_de.ts", "corvane_fr.ts"));

TEST(Translations, TheEmbeddedTranslationsCoverEveryMessage) {
  for (int language : {0, 2}) {
    ASSERT_TRUE(InstallLanguage(language)) << language;
    for (const char* source : MessageSourceTexts()) {
      const QString translated = QCoreApplication::translate(kMessagesContext, source);
      EXPECT_FALSE(translated.isEmpty()) << source;
      EXPECT_NE(translated.toStdString(), source) << language << ": " << source;
    }
  }
  ASSERT_TRUE(InstallLanguage(1));
  EXPECT_EQ(QCoreApplication::translate(kMessagesContext, "Open").toStdString(), "Open");
}

}  // namespace
}  // namespace corvane
