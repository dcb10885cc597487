#include "render/overlay_sprite.h"

#include <QPainter>

namespace corvane {

void TOverlaySprite::Restore(QImage& target) const {
  QPainter p(&target);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(position_, saved_);
}

void TOverlaySprite::Show(QImage& target, QPoint at) {
  if (visible_) Restore(target);
  position_ = at;
  // Parts outside the target are clipped when restored.
  saved_ = target.copy(QRect(at, picture_.size()));
  QPainter p(&target);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(at, picture_);
  visible_ = true;
}

void TOverlaySprite::Hide(QImage& target) {
  if (!visible_) return;
  Restore(target);
  visible_ = false;
}

}  // namespace corvane
