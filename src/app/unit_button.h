#pragma once
// UnitButton: the "mm"/"mil" button next to the rulers. A click switches the
// view's unit; SetUnit switches only when the unit differs (the menu items
// for mm and mil). Both emit UnitChanged after the switch; the window then
// re-captions the grid button, length fields and rulers.
#include <QToolButton>

#include "render/board_view.h"

namespace corvane {

class UnitButton : public QToolButton {
  Q_OBJECT

 public:
  explicit UnitButton(TBoardView& view, QWidget* parent = nullptr);
  void SetUnit(TUnitMode unit);
  void ToggleUnit();
  // Shows the view's unit (after it was set elsewhere, without a signal).
  void RefreshCaption();

 signals:
  void UnitChanged(corvane::TUnitMode unit);

 private:
  TBoardView& view_;
};

}  // namespace corvane
