#include "app/unit_button.h"

namespace corvane {

UnitButton::UnitButton(TBoardView& view, QWidget* parent) : QToolButton(parent), view_(view) {
  RefreshCaption();
  connect(this, &QToolButton::clicked, this, [this] { ToggleUnit(); });
}

void UnitButton::RefreshCaption() { setText(QString::fromLatin1(UnitCaption(view_.Unit()))); }

void UnitButton::ToggleUnit() {
  view_.ToggleUnit();
  RefreshCaption();
  emit UnitChanged(view_.Unit());
}

void UnitButton::SetUnit(TUnitMode unit) {
  if (unit != view_.Unit()) ToggleUnit();
}

}  // namespace corvane
