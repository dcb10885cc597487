#pragma once
// The information window: "TITEL.BMP" from the program folder when present,
// else a drawn picture with the program name and version. As the splash
// window at start it stays on top without a button; "I&nfo..." shows it
// modal with "&OK".
#include <QDialog>
#include <QPixmap>

namespace corvane {

class InfoWindow : public QDialog {
  Q_OBJECT

 public:
  InfoWindow(const QString& programFolder, bool splash, QWidget* parent = nullptr);
  // The picture shown.
  const QPixmap& Picture() const { return picture_; }

 private:
  QPixmap picture_;
};

// The drawn picture used when "TITEL.BMP" is absent.
QPixmap DrawnTitlePicture();

}  // namespace corvane
