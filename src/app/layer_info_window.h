#pragma once
// "LayerInfo": the copper and silk-screen layers of both sides in the colours
// of the current scheme, seen from side 1 and from side 2, with a sample
// character in the S1 colour and mirrored in the S2 colour.
#include <QDialog>
#include <QImage>

#include "io/colour_scheme.h"

namespace corvane {

class LayerInfoWindow : public QDialog {
  Q_OBJECT

 public:
  LayerInfoWindow(const TFarbschema& scheme, int language, QWidget* parent = nullptr);
};

// The legend picture itself.
QImage LayerLegendPicture(const TFarbschema& scheme, int language);

}  // namespace corvane
