#include "render/board_picture.h"

#include <QPainter>

#include <cmath>
#include <vector>

#include "core/units.h"
#include "render/canvas.h"
#include "render/paint_board.h"

namespace corvane {

TPictureSize PicturePixels(int32_t boardWidth, int32_t boardHeight, double dpi) {
  return {Rnd(dpi * boardWidth / 2540.0), Rnd(dpi * boardHeight / 2540.0)};
}

TBoardPicture RenderBoardPicture(TPlatine& board, double dpi, const TFarbschema& scheme,
                                 const TRenderSettings& settings, const TPhotoOptions* photo) {
  TBoardPicture out;
  const int32_t W = board.Kopf.Breite, H = board.Kopf.Hoehe;
  if (!(std::isfinite(dpi) && dpi > 0)) {
    out.Error = "the resolution must be a positive number of dpi";
    return out;
  }
  if (W < 1 || H < 1) {
    out.Error = "the board has no area";
    return out;
  }
  const TPictureSize size = PicturePixels(W, H, dpi);
  const std::string pixels = std::to_string(size.Width) + " x " + std::to_string(size.Height) + " pixels";
  if (size.Width < 1 || size.Height < 1) {
    out.Error = "a picture of " + pixels + " would be empty; choose a higher resolution";
    return out;
  }
  if (size.Width > kMaxPictureSide || size.Height > kMaxPictureSide ||
      int64_t{size.Width} * size.Height > kMaxPicturePixels) {
    out.Error = "a picture of " + pixels + " is too large; choose a lower resolution";
    return out;
  }
  out.Image = QImage(size.Width, size.Height, QImage::Format_RGB32);
  if (out.Image.isNull()) {
    out.Error = "not enough memory for a picture of " + pixels;
    return out;
  }
  out.Image.fill(Qt::white);

  // Drawn unselected; the selection comes back afterwards.
  std::vector<TObjekt*> selected;
  for (TObjekt& e : board.Elemente)
    if (e.Markiert) {
      selected.push_back(&e);
      e.Markiert = 0;
    }

  const double zoom = Rnd(static_cast<double>(size.Width) / W * 1000.0) / 1000.0;
  TRenderContext ctx = ScreenContext(board.Kopf, scheme, settings, zoom);
  ctx.Screen = false;
  TBoardScene scene;
  scene.Elements = &board.Elemente;
  scene.Breite = W;
  scene.Hoehe = H;
  const bool mirrored = photo != nullptr && photo->Side == 2;
  if (photo != nullptr) {
    ctx.PhotoView = true;
    ctx.PhotoMirrored = mirrored;
    scene.PhotoView = [&](TCanvas& canvas) { DrawPhotoBoard(canvas, board.Elemente, W, H, ctx, *photo); };
  }
  {
    QPainter painter(&out.Image);
    TCanvas canvas(painter);
    canvas.SetMapping(PictureMapping(W, H, size.Width, size.Height, mirrored));
    PaintBoard(canvas, scene, ctx);
  }
  for (TObjekt* e : selected) e->Markiert = 1;
  return out;
}

}  // namespace corvane
