#pragma once
// ScannedCopyDialog: "Scanned copy", the template settings of both board
// sides of the shown board, one page each ("Board side 1", "Board side 2").
// Every change is written to the project's view state at once and repaints
// the board when the page belongs to the active side.

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace corvane {

class BoardDisplay;
class MainWindow;

class ScannedCopyDialog : public QDialog {
  Q_OBJECT

 public:
  ScannedCopyDialog(MainWindow& window, BoardDisplay& display);

  // Shows the page of the active layer's side (side 1 unless layer 3 or 4)
  // with the current values.
  void Open();
  int ShownSide() const;

  // "&Load bitmap..." of a side: asks for a file (starting in the folder last
  // used) and loads it; on failure the error is shown and the old name stays.
  void LoadBitmap(int side);
  void DeleteBitmap(int side);

  struct TPage {
    QLabel* File = nullptr;
    QPushButton* Load = nullptr;
    QPushButton* Delete = nullptr;
    QCheckBox* Show = nullptr;
    QSpinBox* Dpi = nullptr;
    QPushButton* Colour = nullptr;
    QSpinBox* X = nullptr;
    QSpinBox* Y = nullptr;
  };
  const TPage& Page(int side) const { return pages_[side == 2 ? 1 : 0]; }
  QTabWidget* Tabs() const { return tabs_; }

 private:
  QWidget* BuildPage(int side);
  void LoadValues();
  void StoreValues(int side);
  void Changed(int side);

  MainWindow& window_;
  BoardDisplay& display_;
  QTabWidget* tabs_ = nullptr;
  std::array<TPage, 2> pages_;
  bool loading_ = false;
  QString lastFolder_;  // remembered while the program runs
};

}  // namespace corvane
