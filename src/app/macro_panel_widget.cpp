#include "app/macro_panel_widget.h"

#include <QApplication>
#include <QDrag>
#include <QHBoxLayout>
#include <QMimeData>
#include <QMouseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_folders.h"
#include "geom/element_bounds.h"
#include "render/canvas.h"
#include "render/macro_preview.h"
#include "render/render_context.h"

namespace corvane {

namespace {

void SetHintOf(QWidget* w, const QString& hint) {
  const qsizetype bar = hint.indexOf(u'|');
  w->setToolTip(bar < 0 ? hint : hint.left(bar));
  w->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

}  // namespace

// The preview: the macro scaled into the box, on the scheme's background.
class MacroPreview : public QWidget {
 public:
  MacroPreview(const TMacroPanel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {}
  TFarbschema Scheme = StandardColourScheme();

 protected:
  void paintEvent(QPaintEvent*) override {
    QImage image(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    const TRenderColours colours = MakeRenderColours(Scheme, lyC1, false);
    {
      QPainter painter(&image);
      TCanvas canvas(painter);
      canvas.DeviceFillRect(QRect(0, 0, image.width(), image.height()), colours.Background);
      const TLayerState all;
      const std::optional<TIntRect> box = ListBounds(panel_.Elements, all);
      if (box) {
        const double l = std::min(box->left, box->right), r = std::max(box->left, box->right);
        const double b = std::min(box->top, box->bottom), t = std::max(box->top, box->bottom);
        const double rw = std::max(1.0, r - l), rh = std::max(1.0, t - b);
        const double s = std::max(0.01, std::min((image.width() - 10) / rw, (image.height() - 10) / rh));
        TDeviceMapping m;
        m.zoom = s;
        m.left = image.width() / 2.0 - (l + r) / 2.0 * s;
        m.top = image.height() / 2.0 + (t + b) / 2.0 * s;
        canvas.SetMapping(m);
        TRenderContext ctx;
        ctx.Colours = colours;
        ctx.Zoom = s;
        DrawMacroList(canvas, panel_.Elements, ctx, s, false);
      }
    }
    QPainter(this).drawImage(0, 0, image);
  }

 private:
  const TMacroPanel& panel_;
};

MacroPanelWidget::MacroPanelWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MacroPanel"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);

  auto* titleRow = new QHBoxLayout;
  auto* title = new QLabel(tr("Macros"), this);
  title->setObjectName(QStringLiteral("MacroTitle"));
  auto* hide = new QToolButton(this);
  hide->setObjectName(QStringLiteral("MacroHide"));
  hide->setText(QStringLiteral("\u00D7"));
  hide->setAutoRaise(true);
  SetHintOf(hide, tr("Hide the macro library"));
  connect(hide, &QToolButton::clicked, this, &MacroPanelWidget::HideRequested);
  titleRow->addWidget(title, 1);
  titleRow->addWidget(hide);
  layout->addLayout(titleRow);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(1);
  auto makeButton = [&](const char* name, const QString& caption, const QString& hint, bool checkable) {
    auto* b = new QToolButton(this);
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setCheckable(checkable);
    SetHintOf(b, hint);
    buttons->addWidget(b);
    return b;
  };
  QToolButton* add = makeButton("SB_MakroAdd", tr("Add"), tr("Add macro|Save selected objects or whole layout as macro"), false);
  QToolButton* remove = makeButton("SB_MakroDelete", tr("Delete"), tr("Delete macro|Remove selected macro file from disc"), false);
  throughPads_ = makeButton("SB_MakroDK", tr("TP"), tr("Through-Pads|All pads as through-pads"), true);
  mirror_ = makeButton("SB_MakroSpiegeln", tr("M"), tr("Mirror|Mirrors the macro"), true);
  changeSide_ = makeButton("SB_MakroSeite", tr("S"), tr("Change side|Change layers of the macro"), true);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  connect(add, &QToolButton::clicked, this, &MacroPanelWidget::AddMacroRequested);
  connect(remove, &QToolButton::clicked, this, &MacroPanelWidget::DeleteSelected);
  connect(mirror_, &QToolButton::clicked, this, [this] {
    ToggleMirror(panel_);
    Transformed();
  });
  connect(changeSide_, &QToolButton::clicked, this, [this] {
    ToggleChangeSide(panel_);
    Transformed();
  });
  connect(throughPads_, &QToolButton::clicked, this, [this] {
    ToggleThroughPads(panel_);
    Transformed();
  });

  splitter_ = new QSplitter(Qt::Vertical, this);
  treeView_ = new QTreeWidget(splitter_);
  treeView_->setObjectName(QStringLiteral("TV_Makro"));
  treeView_->setHeaderHidden(true);
  connect(treeView_, &QTreeWidget::itemSelectionChanged, this, &MacroPanelWidget::ItemSelected);
  auto* bottom = new QWidget(splitter_);
  auto* bottomLayout = new QVBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  bottomLayout->setSpacing(1);
  preview_ = new MacroPreview(panel_, bottom);
  preview_->setObjectName(QStringLiteral("PB_Makro"));
  SetHintOf(preview_, tr("Preview|Drag && drop the macro to your layout"));
  text1_ = new QLineEdit(bottom);
  text1_->setObjectName(QStringLiteral("E_MakroText1"));
  text2_ = new QLineEdit(bottom);
  text2_->setObjectName(QStringLiteral("E_MakroText2"));
  for (QLineEdit* e : {text1_, text2_}) {
    e->setMaxLength(50);
    connect(e, &QLineEdit::textEdited, this, &MacroPanelWidget::TextsEdited);
  }
  bottomLayout->addWidget(preview_, 1);
  bottomLayout->addWidget(text1_);
  bottomLayout->addWidget(text2_);
  preview_->installEventFilter(this);
  treeView_->viewport()->installEventFilter(this);
  splitter_->addWidget(treeView_);
  splitter_->addWidget(bottom);
  layout->addWidget(splitter_, 1);
}

bool MacroPanelWidget::eventFilter(QObject* watched, QEvent* event) {
  const bool fromTree = watched == treeView_->viewport();
  if (watched != preview_ && !fromTree) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    pressed_ = mouse->button() == Qt::LeftButton;
    pressAt_ = mouse->position().toPoint();
  } else if (event->type() == QEvent::MouseButtonRelease) {
    pressed_ = false;
  } else if (event->type() == QEvent::MouseMove && pressed_) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if ((mouse->position().toPoint() - pressAt_).manhattanLength() >= QApplication::startDragDistance() &&
        CanDragMacro(panel_, fromTree, SelectedFile())) {
      pressed_ = false;
      auto* drag = new QDrag(this);
      auto* data = new QMimeData;
      data->setData(QLatin1String(kMacroMimeType), QByteArray(fromTree ? "tree" : "preview"));
      drag->setMimeData(data);
      drag->exec(Qt::CopyAction);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void MacroPanelWidget::SetScheme(const TFarbschema& scheme) {
  preview_->Scheme = scheme;
  preview_->update();
}

QToolButton* MacroPanelWidget::Button(const char* objectName) const {
  return findChild<QToolButton*>(QLatin1String(objectName));
}

QWidget* MacroPanelWidget::Preview() const { return preview_; }

int MacroPanelWidget::PreviewHeight() const { return preview_->parentWidget()->height(); }

void MacroPanelWidget::SetPreviewHeight(int pixels) {
  const int total = std::max(splitter_->height(), pixels + 50);
  splitter_->setSizes({std::max(1, total - pixels), std::max(1, pixels)});
}

void MacroPanelWidget::FillItems(QTreeWidgetItem* parent, const std::vector<TMacroNode>& nodes) {
  for (const TMacroNode& node : nodes) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(treeView_);
    item->setText(0, FromPath(std::filesystem::path(node.Name)));
    if (node.Folder) FillItems(item, node.Children);
  }
}

void MacroPanelWidget::BuildTree(const std::filesystem::path& root) {
  root_ = root;
  tree_ = BuildMacroTree(root);
  filling_ = true;
  treeView_->clear();
  FillItems(nullptr, tree_);
  filling_ = false;
}

TMacroNodePath MacroPanelWidget::PathOf(const QTreeWidgetItem* item) const {
  TMacroNodePath path;
  for (const QTreeWidgetItem* i = item; i; i = i->parent()) {
    const int index = i->parent() ? i->parent()->indexOfChild(const_cast<QTreeWidgetItem*>(i))
                                  : treeView_->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(i));
    if (index < 0) return {};
    path.insert(path.begin(), static_cast<std::size_t>(index));
  }
  return path;
}

std::filesystem::path MacroPanelWidget::SelectedFile() const {
  const QList<QTreeWidgetItem*> selected = treeView_->selectedItems();
  if (selected.isEmpty()) return {};
  return MacroNodeFile(root_, tree_, PathOf(selected.front()));
}

bool MacroPanelWidget::SelectFile(const std::filesystem::path& file) {
  const std::optional<TMacroNodePath> path = FindMacroNode(tree_, file);
  if (!path || path->empty()) return false;
  QTreeWidgetItem* item = treeView_->topLevelItem(static_cast<int>(path->front()));
  for (std::size_t i = 1; item && i < path->size(); ++i) item = item->child(static_cast<int>((*path)[i]));
  if (!item) return false;
  treeView_->setCurrentItem(item);
  item->setSelected(true);
  return true;
}

void MacroPanelWidget::ItemSelected() {
  if (filling_) return;
  const std::filesystem::path file = SelectedFile();
  if (file.empty()) return;
  const TMacroSelectOptions options = options_ ? options_() : TMacroSelectOptions{};
  const TMacroSelectResult result = SelectMacro(panel_, file, options);
  if (result.Outcome == TMacroSelect::Ignored) return;
  filling_ = true;
  text1_->setText(QString::fromLatin1(panel_.Text1.c_str()));
  text2_->setText(QString::fromLatin1(panel_.Text2.c_str()));
  filling_ = false;
  Transformed();
}

void MacroPanelWidget::TextsEdited() {
  if (filling_ || panel_.File.empty()) return;
  SetMacroTexts(panel_, text1_->text().toLatin1().toStdString(), text2_->text().toLatin1().toStdString());
}

void MacroPanelWidget::Transformed() {
  mirror_->setChecked(panel_.MirrorDown);
  changeSide_->setChecked(panel_.ChangeSideDown);
  throughPads_->setChecked(panel_.ThroughPadsDown);
  preview_->update();
}

void MacroPanelWidget::DeleteSelected() {
  const QList<QTreeWidgetItem*> selected = treeView_->selectedItems();
  if (selected.isEmpty()) return;
  const std::filesystem::path file = SelectedFile();
  std::error_code ec;
  if (file.empty() || !std::filesystem::is_regular_file(file, ec)) return;
  if (askDelete_ && !askDelete_(FromPath(file.filename()))) return;
  if (!DeleteMacroFile(file).ok()) return;
  // The node goes; the tree model follows the folder again.
  const std::filesystem::path root = root_;
  BuildTree(root);
}

}  // namespace corvane
