#include "app/board_overview_panel.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvane {

BoardOverviewPanel::BoardOverviewPanel(TBoardView& view, QWidget* parent) : QWidget(parent), view_(view) {
  setToolTip(QString());
  setStatusTip(tr("Board-Zoom"));
}

QSize BoardOverviewPanel::sizeHint() const { return {kOverviewColumnWidth, kOverviewSize + 4}; }

QPoint BoardOverviewPanel::PanelOrigin(const TOverviewGeometry& g) const {
  return {g.PanelLeft, std::max(1, (height() - g.PanelHeight) / 2)};
}

void BoardOverviewPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  const TOverviewGeometry g = OverviewGeometry(view_);
  const QPoint o = PanelOrigin(g);
  const QRect panel(o.x(), o.y(), g.PanelWidth, g.PanelHeight);
  // One-pixel bevel around the panel.
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(panel.left() - 1, panel.top() - 1, panel.right() + 1, panel.top() - 1);
  painter.drawLine(panel.left() - 1, panel.top() - 1, panel.left() - 1, panel.bottom() + 1);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(panel.left() - 1, panel.bottom() + 1, panel.right() + 1, panel.bottom() + 1);
  painter.drawLine(panel.right() + 1, panel.top() - 1, panel.right() + 1, panel.bottom() + 1);
  painter.fillRect(panel, QColor(0, 128, 0));
  painter.setClipRect(panel);
  painter.setPen(QColor(0, 255, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(o.x() + g.FrameLeft, o.y() + g.FrameTop, std::max(0, g.FrameWidth - 1),
                   std::max(0, g.FrameHeight - 1));
}

void BoardOverviewPanel::mousePressEvent(QMouseEvent* event) {
  const TOverviewGeometry g = OverviewGeometry(view_);
  const QPoint o = PanelOrigin(g);
  if (event->button() == Qt::RightButton) {
    view_.PushZoomHistory();
    view_.ZoomStepKeepingCentre(false);
    update();
    emit ViewChanged();
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  dragged_ = false;
  const QPoint p = event->position().toPoint();
  grab_ = p - QPoint(o.x() + g.FrameLeft, o.y() + g.FrameTop);
  const QRect frame(o.x() + g.FrameLeft, o.y() + g.FrameTop, g.FrameWidth, g.FrameHeight);
  // A press outside the frame grabs it at its centre.
  if (!frame.contains(p)) grab_ = QPoint(g.FrameWidth / 2, g.FrameHeight / 2);
}

void BoardOverviewPanel::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_) return;
  const TOverviewGeometry g = OverviewGeometry(view_);
  const QPoint o = PanelOrigin(g);
  const QPoint corner = event->position().toPoint() - grab_ - o;
  if (corner.x() == g.FrameLeft && corner.y() == g.FrameTop) return;
  dragged_ = true;
  DragOverviewFrame(view_, corner.x(), corner.y());
  update();
  emit ViewChanged();
}

void BoardOverviewPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (!dragged_) {
    view_.PushZoomHistory();
    view_.ZoomStepKeepingCentre(true);
    update();
    emit ViewChanged();
  }
}

}  // namespace corvane
