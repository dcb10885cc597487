#pragma once
// BoardOverviewPanel ("Platinen-Zoom"): the board's shape in green, 80 pixels
// on its larger side in a 93-pixel column, with a lime frame for the visible
// part. Dragging the frame with the left button pans; a left click without
// drag zooms in by 1.4, a right click zooms out, each after pushing the zoom
// history. Every change of the view is announced by ViewChanged (connect it
// to DrawingArea::SyncFromView); call update() when the view changed elsewhere.
#include <QWidget>

#include "render/board_overview.h"
#include "render/board_view.h"

namespace corvane {

class BoardOverviewPanel : public QWidget {
  Q_OBJECT

 public:
  explicit BoardOverviewPanel(TBoardView& view, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 signals:
  void ViewChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPoint PanelOrigin(const TOverviewGeometry& g) const;

  TBoardView& view_;
  bool pressed_ = false;
  bool dragged_ = false;
  QPoint grab_;  // pointer minus frame corner at the press
};

}  // namespace corvane
