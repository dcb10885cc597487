#pragma once
// A board drawn into a picture of a given resolution, as the bitmap export
// and `corvane-cli render` make it: all visible layers as the drawing area
// shows them, without grid and selection.

#include <QImage>

#include <cstdint>
#include <string>

#include "core/board.h"
#include "io/colour_scheme.h"
#include "render/photo_view.h"
#include "render/render_context.h"

namespace corvane {

// Pictures stay within these limits; larger ones are refused with an error.
inline constexpr int32_t kMaxPictureSide = 32767;
inline constexpr int64_t kMaxPicturePixels = int64_t{1} << 28;

struct TPictureSize {
  int32_t Width = 0;
  int32_t Height = 0;
  friend bool operator==(const TPictureSize&, const TPictureSize&) = default;
};

// rnd(dpi * W / 2540) x rnd(dpi * H / 2540) for a board of W x H world units.
TPictureSize PicturePixels(int32_t boardWidth, int32_t boardHeight, double dpi);

struct TBoardPicture {
  QImage Image;
  std::string Error;  // empty when the picture was made
  bool ok() const { return Error.empty(); }
};

// The whole repaint of the board at its stored view state (active layer,
// visibility, ground planes) into a picture of PicturePixels: the isotropic
// mapping of the board onto the picture, the zoom for pixel-sized details
// set to rnd(w / W * 1000) / 1000, no grid, selected elements drawn
// unselected (their selection is kept).
// With `photo`, the photo repaint of that side instead (side 2 mirrored).
TBoardPicture RenderBoardPicture(TPlatine& board, double dpi, const TFarbschema& scheme,
                                 const TRenderSettings& settings, const TPhotoOptions* photo = nullptr);

}  // namespace corvane
