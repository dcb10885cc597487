// The translations of the manufacturing dialogs: complete, and every
// accelerator and filter part kept.
#include <gtest/gtest.h>

#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>

namespace corvane {
namespace {

bool HasAccelerator(const QString& s) {
  for (qsizetype i = 0; i + 1 < s.size(); ++i)
    if (s[i] == '&' && s[i + 1] != '&' && !s[i + 1].isSpace()) return true;
  return false;
}

class CamTranslationFile : public ::testing::TestWithParam<const char*> {};

TEST_P(CamTranslationFile, IsCompleteWithAcceleratorsAndFilterParts) {
  QFile file(QString(CORVANE_SOURCE_DIR) + "/translations/" + GetParam());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  int messages = 0;
  QString source;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("source")) {
      source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      const bool unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
      const QString translation = xml.readElementText();
      ++messages;
      EXPECT_FALSE(unfinished) << source.toStdString();
      EXPECT_FALSE(translation.isEmpty()) << source.toStdString();
      EXPECT_EQ(HasAccelerator(source), HasAccelerator(translation)) << source.toStdString();
      EXPECT_EQ(source.count('|'), translation.count('|')) << source.toStdString();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_GT(messages, 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, CamTranslationFile, ::testing::Values("corvane_cam_de.ts", "corvane_cam_fr.ts"));

TEST(CamTranslations, AreEmbeddedIntoTheProgram) {
  for (const char* name : {":/i18n/corvane_cam_de.qm", ":/i18n/corvane_cam_fr.qm"}) {
    QTranslator translator;
    EXPECT_TRUE(translator.load(QString::fromLatin1(name))) << name;
  }
}

}  // namespace
}  // namespace corvane
