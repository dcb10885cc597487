#include "app/board_display.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>

#include "app/drawing_area.h"
#include "app/main_window.h"
#include "app/photo_view_window.h"
#include "app/scanned_copy_dialog.h"
#include "core/project.h"
#include "io/file_bytes.h"

namespace corvane {

namespace {

// The template settings of the shown board, kept in the project's view state.
TPlatinenKopf TemplateHeader(const TViewState& v) {
  TPlatinenKopf h;
  h.AktiverLayer = v.AktiverLayer;
  h.Vorlage1Zeigen = v.Vorlage1Zeigen;
  h.Vorlage2Zeigen = v.Vorlage2Zeigen;
  h.Vorlage1Dpi = v.Vorlage1Dpi;
  h.Vorlage2Dpi = v.Vorlage2Dpi;
  h.Vorlage1X = v.Vorlage1X;
  h.Vorlage2X = v.Vorlage2X;
  h.Vorlage1Y = v.Vorlage1Y;
  h.Vorlage2Y = v.Vorlage2Y;
  h.Vorlage1Farbe = v.Vorlage1Farbe;
  h.Vorlage2Farbe = v.Vorlage2Farbe;
  return h;
}

const ElementList kNoElements;

}  // namespace

BoardDisplay::BoardDisplay(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName(QStringLiteral("BoardDisplay"));
  photoWindow_ = new PhotoViewWindow(&window);
  connect(photoWindow_, &PhotoViewWindow::OptionsChanged, this, &BoardDisplay::SetPhotoSide);
  connect(photoWindow_, &PhotoViewWindow::VisibilityChanged, this, &BoardDisplay::OnPhotoWindowShown);
  if (auto* button = window.findChild<QAction*>(QStringLiteral("SB_RealAnsicht")))
    connect(button, &QAction::triggered, this, &BoardDisplay::ShowPhotoView);

  if (QAction* scanned = window.Actions().ScannedCopy) {
    connect(scanned, &QAction::triggered, this, &BoardDisplay::ShowScannedCopy);
    window.SetCommandAvailable(scanned);
  }

  // The two hold buttons of the tool panel.
  if (auto* bar = window.findChild<QToolBar*>(QStringLiteral("ModeBar"))) {
    auto hold = [&](const char* name, const QString& caption, const QString& hint, void (BoardDisplay::*set)(bool)) {
      auto* button = new QToolButton(bar);
      button->setObjectName(QLatin1String(name));
      button->setText(caption);
      button->setToolTip(hint);
      connect(button, &QToolButton::pressed, this, [this, set] { (this->*set)(true); });
      connect(button, &QToolButton::released, this, [this, set] { (this->*set)(false); });
      bar->addWidget(button);
    };
    hold("HoldHideTemplates", tr("No bitmap"), tr("Hide both scanned-copy bitmaps while held down"),
         &BoardDisplay::SetTemplatesHeld);
    hold("HoldHideLayers", tr("Bitmap only"), tr("Show only the scanned-copy bitmap while held down"),
         &BoardDisplay::SetLayersHeld);
  }

  DrawingArea* area = window.Surface();
  area->SetBoardSource(
      [this]() -> const ElementList* {
        TProject& p = window_.Project();
        if (!p.HasActiveBoard()) return nullptr;
        // While the layers are held hidden only the template shows.
        return layersHeld_ ? &kNoElements : &p.ActiveElements();
      },
      [this] { return Context(); });
  area->SetSceneHooks([this](TBoardScene& scene, const TRenderContext& ctx) {
    const TProject& p = window_.Project();
    const TPhotoOptions options = photo_;
    scene.PhotoView = [this, options, ctx, elements = scene.Elements, w = scene.Breite, h = scene.Hoehe,
                       index = scene.Index](TCanvas& canvas) {
      DrawPhotoBoard(canvas, *elements, w, h, ctx, options, layersHeld_ ? nullptr : index);
    };
    if (!templatesHeld_) {
      SyncTemplateFiles();
      const TPlatinenKopf header = TemplateHeader(p.View);
      scene.Template = [this, header, ctx](TCanvas& canvas) { DrawTemplate(canvas, header, ctx, templates_); };
    }
  });
}

TRenderContext BoardDisplay::Context() const {
  TProject& p = window_.Project();
  const TSettings& settings = window_.MutableSettings();
  TRenderSettings look;
  look.AutoMasseDunkel = settings.Optionen.AutoMasseDunkel;
  look.Transparent = settings.Optionen.Transparent;
  look.BohrungenWeiss = settings.Optionen.BohrungenWeiss;
  look.VirtuelleKnoten = settings.Optionen.VirtuelleKnoten;
  TPlatinenKopf header;
  header.AktiverLayer = p.View.AktiverLayer;
  header.MasseAn = p.View.MasseAn;
  if (p.HasActiveBoard()) header.Sichtbar = p.ActiveBoard().Kopf.Sichtbar;
  TRenderContext ctx = ScreenContext(header, window_.Scheme(), look, window_.View().Zoom());
  ctx.PhotoView = photoOn_;
  ctx.PhotoMirrored = photoOn_ && mirrored_;
  return ctx;
}

ScannedCopyDialog* BoardDisplay::ScannedCopy() {
  if (scannedCopy_ == nullptr) scannedCopy_ = new ScannedCopyDialog(window_, *this);
  return scannedCopy_;
}

void BoardDisplay::ShowScannedCopy() { ScannedCopy()->Open(); }

void BoardDisplay::ShowPhotoView() {
  window_.SetMode(ToolMode::Zoom);
  TProject& p = window_.Project();
  if (p.HasActiveBoard())
    for (TObjekt& e : p.ActiveElements()) e.Markiert = 0;
  photoWindow_->show();
  photoWindow_->raise();
}

void BoardDisplay::OnPhotoWindowShown(bool shown) {
  if (shown == photoOn_) return;
  photoOn_ = shown;
  photo_ = photoWindow_->Options();
  const bool mirror = photoOn_ && photo_.Side == 2;
  if (mirror != mirrored_) {
    mirrored_ = mirror;
    MirrorScroll();
  }
  Repaint();
}

void BoardDisplay::SetPhotoSide() {
  photo_ = photoWindow_->Options();
  const bool mirror = photoOn_ && photo_.Side == 2;
  if (mirror != mirrored_) {
    mirrored_ = mirror;
    MirrorScroll();
  }
  Repaint();
}

void BoardDisplay::MirrorScroll() {
  DrawingArea* area = window_.Surface();
  TBoardView& view = area->View();
  view.SetMirrored(mirrored_);
  // The same part of the board stays in view: range - position - visible width.
  view.ScrollTo(view.SurfaceWidth() - view.HPos() - view.VisibleWidth(), view.VPos());
  area->SyncFromView();
}

void BoardDisplay::SyncTemplateFiles() {
  const TViewState& v = window_.Project().View;
  const std::array<const std::string*, 2> stored{&v.Vorlage1Datei, &v.Vorlage2Datei};
  for (int side = 1; side <= 2; ++side) {
    const std::string& name = *stored[static_cast<std::size_t>(side - 1)];
    std::string& loaded = templateFiles_[static_cast<std::size_t>(side - 1)];
    if (name == loaded) continue;
    loaded = name;
    TMonoBitmap bmp;
    // A file that is missing or cannot be read shows nothing.
    templates_.Of(side) = !name.empty() && ReadBmpFile(name, bmp).ok() ? MonoImage(bmp) : QImage();
  }
}

bool BoardDisplay::LoadTemplate(int side, const std::string& path, int32_t* dpi) {
  TMonoBitmap bmp;
  if (!ReadBmpFile(path, bmp).ok()) return false;
  QImage image = MonoImage(bmp);
  if (image.isNull()) return false;
  templates_.Of(side) = std::move(image);
  templateFiles_[static_cast<std::size_t>(side == 2 ? 1 : 0)] = path;
  if (dpi != nullptr) *dpi = bmp.Dpi;
  return true;
}

void BoardDisplay::ClearTemplate(int side) {
  templates_.Of(side) = QImage();
  templateFiles_[static_cast<std::size_t>(side == 2 ? 1 : 0)].clear();
}

void BoardDisplay::SetTemplatesHeld(bool held) {
  templatesHeld_ = held;
  Repaint();
}

void BoardDisplay::SetLayersHeld(bool held) {
  layersHeld_ = held;
  Repaint();
}

void BoardDisplay::Repaint() { window_.RepaintBoard(); }

}  // namespace corvane
