#include "app/drawing_area.h"

#include <QAction>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QThread>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "core/units.h"
#include "render/canvas.h"
#include "render/grid_lines.h"
#include "render/paint_board.h"

namespace corvane {
namespace {

QColor FromBgr(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Half the size of the origin marker and the distance at which it is grabbed.
constexpr int kOriginMarkerRadius = 6;
// Pause after an automatic scroll step so that dragging does not race.
constexpr unsigned long kAutoScrollPauseMs = 30;

uint8_t ButtonFlag(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return vbLeft;
    case Qt::RightButton: return vbRight;
    case Qt::MiddleButton: return vbMiddle;
    default: return vbNone;
  }
}

uint8_t ButtonFlags(Qt::MouseButtons b) {
  uint8_t flags = vbNone;
  if (b & Qt::LeftButton) flags |= vbLeft;
  if (b & Qt::RightButton) flags |= vbRight;
  if (b & Qt::MiddleButton) flags |= vbMiddle;
  return flags;
}

}  // namespace

DrawingArea::DrawingArea(TBoardView& view, QWidget* parent)
    : QAbstractScrollArea(parent), view_(view), cache_([this](TCanvas& canvas) { PaintBoardImage(canvas); }) {
  const TFarbschema standard = StandardColourScheme();
  background_ = static_cast<uint32_t>(standard.Farben[fsBackground]);
  grid_ = static_cast<uint32_t>(standard.Farben[fsGrid]);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  BuildZoomMenu();
  view_.SetVisibleSize(viewport()->width(), viewport()->height());
  UpdateScrollBars();
}

void DrawingArea::BuildZoomMenu() {
  zoomMenu_ = new QMenu(this);
  zoomPreviousAction_ = zoomMenu_->addAction(tr("Zoom previous"), this, [this] { ZoomPrevious(); });
  zoomMenu_->addSeparator();
  zoomMenu_->addAction(tr("Zoom board"), this, [this] { ZoomBoard(); });
  zoomObjectsAction_ = zoomMenu_->addAction(tr("Zoom objects"), this, [this] { emit ZoomObjectsRequested(); });
  zoomSelectionAction_ =
      zoomMenu_->addAction(tr("Zoom selection"), this, [this] { emit ZoomSelectionRequested(); });
  connect(zoomMenu_, &QMenu::aboutToShow, this,
          [this] { zoomPreviousAction_->setEnabled(!view_.ZoomHistory().empty()); });
}

void DrawingArea::SetColours(const TFarbschema& scheme) {
  background_ = static_cast<uint32_t>(scheme.Farben[fsBackground]);
  grid_ = static_cast<uint32_t>(scheme.Farben[fsGrid]);
  Repaint();
}

void DrawingArea::SetElementPainter(TElementPainter painter) {
  elementPainter_ = std::move(painter);
  Repaint();
}

void DrawingArea::SetBoard(const ElementList* elements, TContextSource context) {
  boardSource_ = nullptr;
  boardElements_ = elements;
  boardContext_ = std::move(context);
  index_.Invalidate();
  Repaint();
}

void DrawingArea::SetBoardSource(TListSource elements, TContextSource context) {
  boardElements_ = nullptr;
  boardSource_ = std::move(elements);
  boardContext_ = std::move(context);
  index_.Invalidate();
  Repaint();
}

void DrawingArea::SetSceneHooks(TSceneHooks hooks) {
  sceneHooks_ = std::move(hooks);
  Repaint();
}

void DrawingArea::InvalidateBoard() {
  index_.Invalidate();
  cache_.InvalidateAll();
  viewport()->update();
}

void DrawingArea::InvalidateWorld(const TIntRect& world) {
  cache_.SetView(viewport()->size(), ScreenMapping(view_));
  cache_.InvalidateWorld(world);
  viewport()->update();
}

void DrawingArea::UpdateBoardImage() {
  cache_.SetView(viewport()->size(), ScreenMapping(view_));
  cache_.Update();
}

void DrawingArea::PaintBoardImage(TCanvas& canvas) {
  const ElementList* elements = ShownElements();
  if (elements == nullptr || !boardContext_) return;
  TRenderContext ctx = boardContext_();
  ctx.Zoom = view_.Zoom();
  ctx.Screen = true;
  // The surface only: outside it the area stays white.
  const QRect surface(-view_.HPos(), -view_.VPos(), view_.SurfaceWidth(), view_.SurfaceHeight());
  canvas.SetClipDevice(canvas.ClipDevice().intersected(surface));
  if (canvas.ClipDevice().isEmpty()) return;
  canvas.SetBackdrop(ctx.Colours.Background);
  TBoardScene scene;
  scene.Elements = elements;
  scene.Breite = view_.BoardWidth();
  scene.Hoehe = view_.BoardHeight();
  scene.View = &view_;
  scene.Index = &index_;
  if (sceneHooks_) sceneHooks_(scene, ctx);
  PaintBoard(canvas, scene, ctx);
}

QSize DrawingArea::SurfaceSize() const { return {view_.SurfaceWidth(), view_.SurfaceHeight()}; }

void DrawingArea::UpdateScrollBars() {
  syncing_ = true;
  horizontalScrollBar()->setRange(0, view_.MaxHPos());
  verticalScrollBar()->setRange(0, view_.MaxVPos());
  horizontalScrollBar()->setPageStep(std::max(1, view_.VisibleWidth()));
  verticalScrollBar()->setPageStep(std::max(1, view_.VisibleHeight()));
  horizontalScrollBar()->setSingleStep(view_.HIncrement());
  verticalScrollBar()->setSingleStep(view_.VIncrement());
  horizontalScrollBar()->setValue(view_.HPos());
  verticalScrollBar()->setValue(view_.VPos());
  syncing_ = false;
}

void DrawingArea::AfterViewChange() {
  UpdateScrollBars();
  viewport()->update();
  emit ViewChanged();
}

void DrawingArea::SyncFromView() {
  view_.SetVisibleSize(viewport()->width(), viewport()->height());
  // Another board or board size may show at the same zoom and position.
  index_.Invalidate();
  cache_.InvalidateAll();
  AfterViewChange();
}

void DrawingArea::Repaint() { InvalidateBoard(); }

void DrawingArea::SetZoom(double zoom) {
  view_.SetZoom(zoom);
  AfterViewChange();
}

void DrawingArea::CenterOn(double x, double yDown) {
  view_.CenterOn(x, yDown);
  AfterViewChange();
}

TIntPoint DrawingArea::ViewportToSurface(QPoint p) const { return {p.x() + view_.HPos(), p.y() + view_.VPos()}; }

QPoint DrawingArea::SurfaceToViewport(TIntPoint p) const { return {p.x - view_.HPos(), p.y - view_.VPos()}; }

void DrawingArea::MovePointerToSurface(TIntPoint surface) {
  QCursor::setPos(viewport()->mapToGlobal(SurfaceToViewport(surface)));
}

bool DrawingArea::ZoomInAt(QPoint viewportPos) {
  const std::optional<TIntPoint> pointer = view_.ZoomInAt(ViewportToSurface(viewportPos));
  if (!pointer) return false;
  AfterViewChange();
  MovePointerToSurface(*pointer);
  return true;
}

bool DrawingArea::ZoomOutAt(QPoint viewportPos) {
  const std::optional<TIntPoint> pointer = view_.ZoomOutAt(ViewportToSurface(viewportPos));
  if (!pointer) return false;
  AfterViewChange();
  MovePointerToSurface(*pointer);
  return true;
}

void DrawingArea::ZoomBoard() {
  view_.PushZoomHistory();
  view_.ZoomBoard();
  AfterViewChange();
}

bool DrawingArea::ZoomAllObjects(const TIntRect& bounds) {
  view_.PushZoomHistory();
  if (!view_.ZoomAllObjects(bounds)) {
    // Nothing changed: the pushed entry would only repeat the current view.
    std::vector<TZoomEntry> history = view_.ZoomHistory();
    history.pop_back();
    view_.SetZoomHistory(std::move(history));
    return false;
  }
  AfterViewChange();
  return true;
}

bool DrawingArea::ZoomSelection(const TIntRect& bounds) {
  view_.PushZoomHistory();
  if (!view_.ZoomSelection(bounds)) {
    std::vector<TZoomEntry> history = view_.ZoomHistory();
    history.pop_back();
    view_.SetZoomHistory(std::move(history));
    return false;
  }
  AfterViewChange();
  return true;
}

bool DrawingArea::ZoomPrevious() {
  if (!view_.ZoomPrevious()) return false;
  AfterViewChange();
  return true;
}

void DrawingArea::AutoScroll(TIntPoint surface) {
  const TScrollStep step = view_.AutoScroll(surface.x, surface.y);
  if (step.Scrolled()) {
    AfterViewChange();
    // The pointer is set to where it is, so the tool sees a move.
    QCursor::setPos(QCursor::pos());
    QThread::msleep(kAutoScrollPauseMs);
  }
  emit ViewChanged();
}

void DrawingArea::SetOriginAtLastRightClick(bool ctrl) {
  if (!view_.SetOriginAtClick(lastRightClick_, ctrl)) return;
  emit OriginChanged();
  AfterViewChange();
}

void DrawingArea::ResetOriginTopLeft() {
  view_.ResetOriginTopLeft();
  emit OriginChanged();
  AfterViewChange();
}

void DrawingArea::SetOriginBottomLeft() {
  view_.SetOriginBottomLeft();
  emit OriginChanged();
  AfterViewChange();
}

QPoint DrawingArea::OriginMarkerPos() const {
  if (draggingOrigin_ && originDragTarget_) return SurfaceToViewport(view_.WorldToDevice(*originDragTarget_));
  return SurfaceToViewport(view_.OriginPixel());
}

bool DrawingArea::OverOriginMarker(QPoint viewportPos) const {
  const QPoint d = viewportPos - OriginMarkerPos();
  return std::abs(d.x()) <= kOriginMarkerRadius && std::abs(d.y()) <= kOriginMarkerRadius;
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  view_.SetVisibleSize(viewport()->width(), viewport()->height());
  // Another board or board size may show at the same zoom and position.
  index_.Invalidate();
  cache_.InvalidateAll();
  AfterViewChange();
}

void DrawingArea::scrollContentsBy(int, int) {
  if (syncing_) return;
  view_.ScrollTo(horizontalScrollBar()->value(), verticalScrollBar()->value());
  viewport()->update();
  emit ViewChanged();
}

void DrawingArea::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect exposed = event->rect();
  const QRect surface(-view_.HPos(), -view_.VPos(), view_.SurfaceWidth(), view_.SurfaceHeight());
  // White outside the board.
  painter.fillRect(exposed, Qt::white);
  if (elementPainter_) {
    // The board painter draws background, grid and elements of the board.
    painter.save();
    painter.setClipRect(surface.intersected(exposed));
    elementPainter_(painter, surface.intersected(exposed));
    painter.restore();
  } else if (boardContext_ && ShownElements() != nullptr) {
    // Stale parts of the board image are drawn again, then the exposed part
    // is copied; overlays are drawn over the copy.
    cache_.SetView(viewport()->size(), ScreenMapping(view_));
    cache_.Paint(painter, exposed);
  } else {
    painter.fillRect(surface.intersected(exposed), FromBgr(background_));
    PaintGridLines(painter, surface.intersected(exposed));
  }
  PaintOriginMarker(painter);
}

void DrawingArea::PaintGridLines(QPainter& painter, const QRect& exposed) {
  if (exposed.isEmpty()) return;
  const TFloatPoint a = view_.DeviceToWorld(ViewportToSurface(exposed.topLeft()), false);
  const TFloatPoint b = view_.DeviceToWorld(ViewportToSurface(exposed.bottomRight() + QPoint(1, 1)), false);
  const TIntRect clip{Rnd(a.x), Rnd(a.y), Rnd(b.x), Rnd(b.y)};
  const TGridPicture picture = GridLines(view_, clip, grid_);
  painter.save();
  painter.setClipRect(exposed);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const TDeviceMapping m = view_.VisibleMapping();
  auto draw = [&](const TGridLine& line, QColor colour) {
    const int width = line.Width <= 0 ? 1 : std::max(1, Rnd(line.Width * m.zoom));
    QPen pen(colour);
    pen.setWidth(width);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    if (line.Vertical) {
      const int x = Rnd(m.DeviceX(line.At));
      painter.drawLine(x, Rnd(m.DeviceY(line.To)), x, Rnd(m.DeviceY(line.From)));
    } else {
      const int y = Rnd(m.DeviceY(line.At));
      painter.drawLine(Rnd(m.DeviceX(line.From)), y, Rnd(m.DeviceX(line.To)), y);
    }
  };
  for (const TGridLine& line : picture.Lines) draw(line, FromBgr(grid_));
  for (const TGridLine& line : picture.OriginLines) draw(line, FromBgr(picture.OriginColour));
  painter.restore();
}

void DrawingArea::PaintOriginMarker(QPainter& painter) {
  const QPoint c = OriginMarkerPos();
  const int r = kOriginMarkerRadius;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::yellow, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(c, r - 2, r - 2);
  painter.drawLine(c.x() - r, c.y(), c.x() + r, c.y());
  painter.drawLine(c.x(), c.y() - r, c.x(), c.y() + r);
  painter.restore();
}

TViewMouseEvent DrawingArea::MakeEvent(TViewMouseAction action, const QMouseEvent* event, uint8_t button) const {
  TViewMouseEvent e;
  e.Action = action;
  e.Button = button;
  e.Buttons = ButtonFlags(event->buttons());
  e.Surface = ViewportToSurface(event->position().toPoint());
  e.World = view_.DeviceToWorld(e.Surface, false);
  e.Snapped = view_.DeviceToWorld(e.Surface, true);
  const Qt::KeyboardModifiers mods = event->modifiers();
  e.Shift = mods & Qt::ShiftModifier;
  e.Ctrl = mods & Qt::ControlModifier;
  e.Alt = mods & Qt::AltModifier;
  return e;
}

void DrawingArea::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  const QPoint pos = event->position().toPoint();
  if (delta > 0)
    ZoomInAt(pos);
  else if (delta < 0)
    ZoomOutAt(pos);
  event->accept();
}

void DrawingArea::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::MiddleButton) {
    panning_ = true;
    panStart_ = pos;
    panH_ = view_.HPos();
    panV_ = view_.VPos();
    viewport()->setCursor(Qt::ClosedHandCursor);
    return;
  }
  if (event->button() == Qt::LeftButton && OverOriginMarker(pos)) {
    draggingOrigin_ = true;
    originDragTarget_ = view_.OriginDragTarget(ViewportToSurface(pos), event->modifiers() & Qt::ControlModifier);
    return;
  }
  if (event->button() == Qt::RightButton) lastRightClick_ = ViewportToSurface(pos);
  pressPos_ = pos;
  dragging_ = false;
  emit MouseInput(MakeEvent(TViewMouseAction::Press, event, ButtonFlag(event->button())));
}

void DrawingArea::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (panning_) {
    view_.ScrollTo(panH_ - (pos.x() - panStart_.x()), panV_ - (pos.y() - panStart_.y()));
    AfterViewChange();
    return;
  }
  if (draggingOrigin_) {
    originDragTarget_ = view_.OriginDragTarget(ViewportToSurface(pos), event->modifiers() & Qt::ControlModifier);
    emit CursorMoved(*originDragTarget_);
    AutoScroll(ViewportToSurface(pos));
    viewport()->update();
    return;
  }
  if (event->buttons() != Qt::NoButton) {
    const QPoint d = pos - pressPos_;
    if (std::abs(d.x()) > kDragThreshold || std::abs(d.y()) > kDragThreshold) dragging_ = true;
  }
  const TViewMouseEvent e = MakeEvent(TViewMouseAction::Move, event, vbNone);
  emit CursorMoved(e.World);
  emit MouseInput(e);
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && panning_) {
    panning_ = false;
    viewport()->unsetCursor();
    return;
  }
  if (event->button() == Qt::LeftButton && draggingOrigin_) {
    draggingOrigin_ = false;
    if (originDragTarget_ && view_.SetOrigin(*originDragTarget_)) emit OriginChanged();
    originDragTarget_.reset();
    AfterViewChange();
    return;
  }
  TViewMouseEvent e = MakeEvent(TViewMouseAction::Release, event, ButtonFlag(event->button()));
  e.Click = !dragging_;
  if (event->buttons() == Qt::NoButton) dragging_ = false;
  emit MouseInput(e);
}

void DrawingArea::mouseDoubleClickEvent(QMouseEvent* event) {
  emit MouseInput(MakeEvent(TViewMouseAction::DoubleClick, event, ButtonFlag(event->button())));
}

void DrawingArea::keyPressEvent(QKeyEvent* event) {
  emit KeyInput(event->key(), event->modifiers());
  event->accept();
}

}  // namespace corvane
