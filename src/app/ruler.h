#pragma once
// Ruler: the horizontal or vertical ruler beside the drawing area, in mm or
// mil as the view's unit says, with a marker at the cursor position. The
// ticks come from RulerTicks; call update() (or connect ViewChanged) after
// every scroll, zoom, resize, origin or unit change.
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "render/board_view.h"
#include "render/ruler_ticks.h"

namespace corvane {

class Ruler : public QWidget {
  Q_OBJECT

 public:
  // Horizontal rulers are 25 pixels high, vertical ones 25 pixels wide.
  static constexpr int kThickness = 25;

  Ruler(TRulerKind kind, const TBoardView& view, QWidget* parent = nullptr);

  TRulerKind Kind() const { return kind_; }
  // Horizontal ruler: the left edge of the scrollable area within the ruler.
  void SetAreaLeft(int areaLeft);
  // Cursor marker at a pixel position along the ruler; nothing hides it.
  void SetMarker(std::optional<int> position);
  std::optional<int> Marker() const { return marker_; }

  // The ticks and the label texts shown at the current size and view.
  std::vector<TRulerTick> Ticks() const;
  std::vector<std::string> Labels() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TRulerKind kind_;
  const TBoardView& view_;
  int areaLeft_ = 0;
  std::optional<int> marker_;
};

}  // namespace corvane
