#pragma once
// DrawingArea: the scrollable drawing surface of the active board.
//
// The surface is the board at the current zoom, rnd(zoom*W + 1) x
// rnd(zoom*H + 1) pixels; the scrollable area around it is white, the board
// itself shows the background colour, the grid with its emphasis and origin
// lines, the board elements (through the element painter) and the origin
// marker. All zoom and scroll state lives in the TBoardView the area is given;
// the area keeps its scroll bars and the view in step and emits ViewChanged
// after every zoom, scroll, origin or grid change so that rulers and overview
// can follow.
//
// Mouse input leaves as TViewMouseEvent (MouseInput), keys as KeyInput for the
// main window's keyboard handler. The middle button pans; the wheel zooms at
// the cursor; dragging the origin marker with the left button moves the origin.
// Zoom history: the view holds the history of the shown board; on a board
// switch the window stores it in the old board (TPlatine::ZoomHistory) and
// hands the new board's one to TBoardView::SetZoomHistory, then calls SyncFromView.
#include <QAbstractScrollArea>
#include <QMenu>
#include <QPoint>
#include <functional>
#include <optional>

#include "app/drawing_area_event.h"
#include "geom/int_point.h"
#include "core/element_list.h"
#include "io/colour_scheme.h"
#include "render/board_image_cache.h"
#include "render/board_view.h"
#include "render/element_index.h"
#include "render/paint_board.h"
#include "render/render_context.h"

class QAction;

namespace corvane {

class DrawingArea : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // The view must outlive the area.
  explicit DrawingArea(TBoardView& view, QWidget* parent = nullptr);

  TBoardView& View() { return view_; }
  const TBoardView& View() const { return view_; }

  // Background and grid colours (the scheme's entries 0 and 1); repaints.
  void SetColours(const TFarbschema& scheme);

  // Replaces the whole board drawing by a painter of its own (the photo view,
  // tests). The painter covers the viewport; `exposed` is the viewport
  // rectangle of the surface to repaint; the area adds the origin marker.
  using TElementPainter = std::function<void(QPainter& painter, const QRect& exposed)>;
  void SetElementPainter(TElementPainter painter);

  // Draws `elements` through PaintBoard (background, ground plane, grid,
  // elements, connections) with the render context the callback returns for
  // each repaint; zoom and the screen flag are set here. The list must stay
  // valid until replaced; nullptr goes back to background and grid only.
  using TContextSource = std::function<TRenderContext()>;
  void SetBoard(const ElementList* elements, TContextSource context);

  // As SetBoard, with the list asked for at every repaint (the active board
  // of a project, which may move or change between repaints); nullptr from
  // the source draws background and grid only.
  using TListSource = std::function<const ElementList*()>;
  void SetBoardSource(TListSource elements, TContextSource context);

  // Fills the seams of the scene (photo view, template, DRC markers) before
  // each repaint of the board image.
  using TSceneHooks = std::function<void(TBoardScene& scene, const TRenderContext& ctx)>;
  void SetSceneHooks(TSceneHooks hooks);

  // The board is kept rendered in an image; these mark parts of it stale so
  // that the next paint draws them again. Repaint() invalidates everything.
  void InvalidateBoard();
  void InvalidateWorld(const TIntRect& world);
  // The element index of the shown list; edits in place call Invalidate().
  TElementIndex& Index() { return index_; }
  const TBoardImageCache& BoardImage() const { return cache_; }
  // Brings the board image up to date now (tests, overlays).
  void UpdateBoardImage();

  // Pixel size of the drawing surface at the current zoom.
  QSize SurfaceSize() const;

  // Takes over zoom, scroll positions and board size from the view after it
  // was changed elsewhere (board switch, board size, overview); repaints.
  void SyncFromView();

  // Zoom and scrolling, each followed by a repaint and ViewChanged.
  void SetZoom(double zoom);
  void CenterOn(double x, double yDown);
  // Wheel zoom at a viewport position; false when nothing changed (off the
  // surface, or at the limit). On success the mouse pointer moves onto the
  // pixel of the world point that was under it.
  bool ZoomInAt(QPoint viewportPos);
  bool ZoomOutAt(QPoint viewportPos);
  // The zoom menu commands; each first pushes the zoom history.
  void ZoomBoard();
  bool ZoomAllObjects(const TIntRect& bounds);
  bool ZoomSelection(const TIntRect& bounds);
  bool ZoomPrevious();
  // Called by the tools while dragging (surface pixels).
  void AutoScroll(TIntPoint surface);

  // The zoom menu: "Zoom board", "Zoom objects", "Zoom selection",
  // "Zoom previous", "Repaint". Objects and selection ask the window for the
  // bounds through ZoomObjectsRequested / ZoomSelectionRequested.
  QMenu* ZoomMenu() { return zoomMenu_; }
  QAction* ZoomPreviousAction() { return zoomPreviousAction_; }
  QAction* ZoomSelectionAction() { return zoomSelectionAction_; }
  QAction* ZoomObjectsAction() { return zoomObjectsAction_; }

  // Coordinate origin commands. "Set to click position" uses the last right
  // click on the surface.
  void SetOriginAtLastRightClick(bool ctrl);
  void ResetOriginTopLeft();
  void SetOriginBottomLeft();
  // The origin marker's centre, viewport pixels.
  QPoint OriginMarkerPos() const;

  // Repaints the surface (the "Repaint" command and every model change).
  void Repaint();

  // Viewport pixel <-> drawing-surface pixel.
  TIntPoint ViewportToSurface(QPoint p) const;
  QPoint SurfaceToViewport(TIntPoint p) const;

 signals:
  void MouseInput(const corvane::TViewMouseEvent& event);
  void KeyInput(int key, Qt::KeyboardModifiers modifiers);
  // Zoom, scroll position, origin or grid changed.
  void ViewChanged();
  // The pointer is over the surface at this world point (ruler markers, read-out).
  void CursorMoved(corvane::TFloatPoint world);
  void OriginChanged();
  void ZoomObjectsRequested();
  void ZoomSelectionRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildZoomMenu();
  void UpdateScrollBars();
  void AfterViewChange();
  void MovePointerToSurface(TIntPoint surface);
  TViewMouseEvent MakeEvent(TViewMouseAction action, const QMouseEvent* event, uint8_t button) const;
  bool OverOriginMarker(QPoint viewportPos) const;
  void PaintGridLines(QPainter& painter, const QRect& exposed);
  void PaintBoardImage(TCanvas& canvas);
  const ElementList* ShownElements() const { return boardSource_ ? boardSource_() : boardElements_; }
  void PaintOriginMarker(QPainter& painter);

  TBoardView& view_;
  TElementPainter elementPainter_;
  const ElementList* boardElements_ = nullptr;
  TContextSource boardContext_;
  TListSource boardSource_;
  TSceneHooks sceneHooks_;
  TElementIndex index_;
  TBoardImageCache cache_;
  uint32_t background_ = 0;
  uint32_t grid_ = 0;
  bool syncing_ = false;  // scroll bars being set from the view
  QMenu* zoomMenu_ = nullptr;
  QAction* zoomPreviousAction_ = nullptr;
  QAction* zoomSelectionAction_ = nullptr;
  QAction* zoomObjectsAction_ = nullptr;
  // Click-versus-drag tracking of the pressed buttons.
  QPoint pressPos_;
  bool dragging_ = false;
  // Middle-button panning.
  bool panning_ = false;
  QPoint panStart_;
  int32_t panH_ = 0;
  int32_t panV_ = 0;
  // Origin marker drag.
  bool draggingOrigin_ = false;
  std::optional<TFloatPoint> originDragTarget_;
  TIntPoint lastRightClick_{};
};

}  // namespace corvane
