#include "app/grid_button.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <array>

#include "app/grid_size_dialog.h"

namespace corvane {
namespace {

constexpr std::array<int, 5> kGridMarks{0, 2, 4, 5, 10};

}  // namespace

GridButton::GridButton(TBoardView& view, QWidget* parent) : QToolButton(parent), view_(view) {
  setToolTip(tr("Adjust grid"));
  setPopupMode(QToolButton::InstantPopup);
  popup_ = new QMenu(this);
  setMenu(popup_);
  for (int i = 0; i < kBuiltinGridCount; ++i) {
    QAction* item = popup_->addAction(QString());
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, i] { ChooseItem(i); });
    gridItems_.push_back(item);
  }
  popup_->addSeparator();
  userSeparator_ = popup_->addSeparator();
  addAction_ = popup_->addAction(tr("Add new grid value..."), this, [this] { AddUserGrid(); });
  removeAction_ = popup_->addAction(tr("Remove current grid value"), this, [this] { RemoveCurrentGrid(); });
  popup_->addSeparator();
  markMenu_ = popup_->addMenu(tr("Subdivisions"));
  auto* marks = new QActionGroup(markMenu_);
  for (int m : kGridMarks) {
    QAction* item = markMenu_->addAction(m == 0 ? tr("Off") : QString::number(m));
    item->setCheckable(true);
    item->setData(m);
    marks->addAction(item);
    connect(item, &QAction::triggered, this, [this, m] {
      view_.SetGridMark(m);
      emit GridChanged();
    });
  }
  showGridAction_ = popup_->addAction(tr("Show grid"));
  showGridAction_->setCheckable(true);
  connect(showGridAction_, &QAction::triggered, this, [this](bool on) {
    view_.SetGridVisible(on);
    emit GridChanged();
  });
  connect(popup_, &QMenu::aboutToShow, this, &GridButton::UpdateMenuState);
  RefreshCaptions();
  UpdateMenuState();
}

void GridButton::ChooseItem(int item) {
  if (item < 0 || item >= menu_.Count()) return;
  SetGrid(GridSpacingOfTag(menu_.Tag(item)));
}

void GridButton::SetGrid(double spacing) {
  if (!view_.SetGrid(spacing)) return;
  setText(QString::fromStdString(GridButtonCaption(view_.Grid(), view_.Unit())));
  UpdateMenuState();
  emit GridChanged();
}

void GridButton::RefreshCaptions() {
  for (int i = 0; i < static_cast<int>(gridItems_.size()); ++i)
    gridItems_[i]->setText(QString::fromStdString(menu_.Caption(i, view_.Unit())));
  setText(QString::fromStdString(GridButtonCaption(view_.Grid(), view_.Unit())));
}

void GridButton::UpdateMenuState() {
  const double spacing = view_.Grid();
  for (int i = 0; i < static_cast<int>(gridItems_.size()); ++i) gridItems_[i]->setChecked(menu_.IsChecked(i, spacing));
  removeAction_->setEnabled(menu_.CanRemoveCurrent(spacing));
  userSeparator_->setVisible(menu_.UserSeparatorVisible());
  for (QAction* item : markMenu_->actions()) item->setChecked(item->data().toInt() == view_.GridMark());
  showGridAction_->setChecked(view_.GridVisible());
}

void GridButton::RebuildUserItems() {
  while (static_cast<int>(gridItems_.size()) > kBuiltinGridCount) {
    delete gridItems_.back();
    gridItems_.pop_back();
  }
  for (int i = kBuiltinGridCount; i < menu_.Count(); ++i) {
    auto* item = new QAction(popup_);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, i] { ChooseItem(i); });
    popup_->insertAction(userSeparator_, item);
    gridItems_.push_back(item);
  }
  RefreshCaptions();
  UpdateMenuState();
}

void GridButton::AddUserGrid() {
  const std::optional<double> mm = asker_ ? asker_(view_.Unit()) : GridSizeDialog::Ask(view_.Unit(), this);
  if (!mm) return;
  const std::optional<int> item = menu_.AddUserGrid(*mm);
  if (!item) return;
  RebuildUserItems();
  ChooseItem(*item);
}

void GridButton::RemoveCurrentGrid() {
  if (!menu_.RemoveCurrentGrid(view_.Grid())) return;
  RebuildUserItems();
}

void GridButton::LoadUserGrids(const TSettings& settings) {
  menu_.LoadUserGrids(settings.Section(kUserGridSection));
  RebuildUserItems();
}

void GridButton::SaveUserGrids(TSettings& settings) const {
  settings.SetSection(kUserGridSection, menu_.SaveUserGrids());
}

}  // namespace corvane
