#pragma once
// BoardDisplay: shows the main window's active board in the drawing area
// through its board image: the render context of the shown board (active
// layer, visibility, ground planes, colour scheme, transparent mode), the
// photo view and the scanned-copy templates. The window calls
// MainWindow::RepaintBoard after every change of the board, which
// invalidates the image.

#include <QObject>
#include <QString>

#include <array>
#include <string>

#include "render/photo_view.h"
#include "render/render_context.h"
#include "render/template_drawing.h"

namespace corvane {

class MainWindow;
class PhotoViewWindow;
class ScannedCopyDialog;

class BoardDisplay : public QObject {
  Q_OBJECT

 public:
  explicit BoardDisplay(MainWindow& window);

  // The render context of the next repaint.
  TRenderContext Context() const;

  // ShowPhotoView: the zoom tool, every element deselected, the photo view
  // window shown (which switches the photo view on).
  void ShowPhotoView();
  // After a change of the window's options: the mirroring follows side 2,
  // keeping the same part of the board in view.
  void SetPhotoSide();
  bool PhotoViewOn() const { return photoOn_; }
  PhotoViewWindow* PhotoWindow() const { return photoWindow_; }

  // "Scanned copy" (Actions().ScannedCopy), on the page of the active side.
  void ShowScannedCopy();
  ScannedCopyDialog* ScannedCopy();

  // The loaded template bitmaps; the stored file names of the shown board
  // are loaded on the next repaint when they changed (missing files: none).
  const TTemplateBitmaps& Templates() const { return templates_; }
  // Loads a template for a side; false (previous bitmap kept) on failure.
  bool LoadTemplate(int side, const std::string& path, int32_t* dpi = nullptr);
  void ClearTemplate(int side);

  // The hold buttons: templates hidden; all layers hidden (template alone).
  void SetTemplatesHeld(bool held);
  void SetLayersHeld(bool held);

 private:
  void OnPhotoWindowShown(bool shown);
  void MirrorScroll();
  void SyncTemplateFiles();
  void Repaint();

  MainWindow& window_;
  PhotoViewWindow* photoWindow_ = nullptr;
  ScannedCopyDialog* scannedCopy_ = nullptr;
  TPhotoOptions photo_;
  bool photoOn_ = false;
  bool mirrored_ = false;
  TTemplateBitmaps templates_;
  std::array<std::string, 2> templateFiles_;  // the files the bitmaps came from
  bool templatesHeld_ = false;
  bool layersHeld_ = false;
};

}  // namespace corvane
