#pragma once
// MacroPanelWidget: the "Macros" side panel: the macro library as a tree,
// the preview of the selected macro with its two text lines, the buttons
// "Add macro", "Delete macro", "Through-Pads", "Mirror", "Change side" and
// the hide button. The logic is TMacroPanel's; this is its face.
#include <QWidget>
#include <filesystem>
#include <functional>

#include "edit/macro_panel.h"
#include "edit/macro_tree.h"
#include "io/colour_scheme.h"

class QLineEdit;
class QSplitter;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace corvane {

class MacroPreview;

class MacroPanelWidget : public QWidget {
  Q_OBJECT

 public:
  explicit MacroPanelWidget(QWidget* parent = nullptr);

  // What selecting a macro needs from the window (automatic mirroring, the
  // active layer), asked at each selection.
  void SetSelectOptions(std::function<TMacroSelectOptions()> options) { options_ = std::move(options); }
  // The question before a file is deleted; true for OK.
  void SetDeleteQuestion(std::function<bool(const QString& name)> ask) { askDelete_ = std::move(ask); }
  void SetScheme(const TFarbschema& scheme);

  // Scans the root folder and shows its tree (nothing selected).
  void BuildTree(const std::filesystem::path& root);
  // Selects the first node named as the file (without folder, any case),
  // which loads it. Returns whether one was found.
  bool SelectFile(const std::filesystem::path& file);
  // The file of the selected node; empty when none is selected.
  std::filesystem::path SelectedFile() const;

  // "Delete macro" on the selected node.
  void DeleteSelected();

  int PreviewHeight() const;
  void SetPreviewHeight(int pixels);

  const TMacroPanel& Panel() const { return panel_; }
  // The macro element list a drop copies from.
  ElementList& MacroElements() { return panel_.Elements; }
  const TMacroTree& Tree() const { return tree_; }
  QTreeWidget* TreeView() const { return treeView_; }
  QToolButton* Button(const char* objectName) const;
  QWidget* Preview() const;

 protected:
  // Drags start from the preview and the tree.
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void HideRequested();
  void AddMacroRequested();

 private:
  void FillItems(QTreeWidgetItem* parent, const std::vector<TMacroNode>& nodes);
  TMacroNodePath PathOf(const QTreeWidgetItem* item) const;
  void ItemSelected();
  void TextsEdited();
  void Transformed();

  std::filesystem::path root_;
  TMacroTree tree_;
  TMacroPanel panel_;
  std::function<TMacroSelectOptions()> options_;
  std::function<bool(const QString&)> askDelete_;
  QTreeWidget* treeView_ = nullptr;
  QSplitter* splitter_ = nullptr;
  MacroPreview* preview_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  QToolButton* mirror_ = nullptr;
  QToolButton* changeSide_ = nullptr;
  QToolButton* throughPads_ = nullptr;
  bool filling_ = false;
  QPoint pressAt_;
  bool pressed_ = false;
};

// The drag format of a macro from the panel.
inline constexpr const char* kMacroMimeType = "application/x-corvane-macro";

}  // namespace corvane
