// corvan50: the layout editor. The command-line arguments, joined by single
// blanks, name one project file to open.
#include <QApplication>
#include <QProxyStyle>
#include <QStringList>

#include "app/main_window.h"

namespace {
// Tool tips appear after 1000 ms.
class HintStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == QStyle::SH_ToolTip_WakeUpDelay) return 1000;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};
}  // namespace

int main(int argc, char** argv) {
  corvane::MarkStartupClock();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("corvan50"));
  QApplication::setOrganizationName(QStringLiteral("Corvane"));
  app.setStyle(new HintStyle);
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  corvane::MainWindow window;
  window.show();
  window.OpenCommandLineFile(arguments.join(u' '));
  return QApplication::exec();
}
