// Test main of the render tests: drawing needs a QGuiApplication (fonts), and
// test discovery runs this binary outside CTest's environment, so the
// offscreen platform is chosen here when none is set.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QGuiApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
