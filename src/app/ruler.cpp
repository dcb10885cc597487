#include "app/ruler.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace corvane {
namespace {

// Label fonts: Arial 13 pixels on the horizontal ruler, 11 turned on the vertical one.
constexpr int kHorizontalFontPixels = 13;
constexpr int kVerticalFontPixels = 11;
constexpr int kMarkerHalf = 3;

QFont LabelFont(int pixels) {
  QFont font("Arial");
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

Ruler::Ruler(TRulerKind kind, const TBoardView& view, QWidget* parent) : QWidget(parent), kind_(kind), view_(view) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (kind_ == rkHorizontal)
    setFixedHeight(kThickness);
  else
    setFixedWidth(kThickness);
}

QSize Ruler::sizeHint() const { return kind_ == rkHorizontal ? QSize(200, kThickness) : QSize(kThickness, 200); }

void Ruler::SetAreaLeft(int areaLeft) {
  areaLeft_ = areaLeft;
  update();
}

void Ruler::SetMarker(std::optional<int> position) {
  if (marker_ == position) return;
  marker_ = position;
  update();
}

std::vector<TRulerTick> Ruler::Ticks() const {
  return kind_ == rkHorizontal ? HorizontalRulerTicks(view_, width(), areaLeft_) : VerticalRulerTicks(view_, height());
}

std::vector<std::string> Ruler::Labels() const {
  std::vector<std::string> labels;
  for (const TRulerTick& tick : Ticks())
    if (tick.Label) labels.push_back(*tick.Label);
  return labels;
}

void Ruler::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  painter.setPen(Qt::black);
  const std::vector<TRulerTick> ticks = Ticks();
  if (kind_ == rkHorizontal) {
    const int h = height();
    painter.setFont(LabelFont(kHorizontalFontPixels));
    const QFontMetrics metrics(painter.font());
    painter.setClipRect(QRect(kHorizontalRulerClipStart, 0, width() - kHorizontalRulerClipStart, h));
    for (const TRulerTick& tick : ticks) {
      painter.drawLine(tick.Position, h - 1, tick.Position, h - 1 - tick.Length);
      if (tick.Label) {
        const int textHeight = metrics.height();
        painter.drawText(tick.Position + 4, h - textHeight - 3 + metrics.ascent(), QString::fromStdString(*tick.Label));
      }
    }
    painter.setClipping(false);
    if (marker_) {
      painter.setPen(Qt::red);
      painter.drawLine(*marker_, 0, *marker_, h - 1);
      painter.drawLine(*marker_ - kMarkerHalf, 0, *marker_ + kMarkerHalf, 0);
    }
  } else {
    const int w = width();
    painter.setFont(LabelFont(kVerticalFontPixels));
    const QFontMetrics metrics(painter.font());
    for (const TRulerTick& tick : ticks) {
      painter.drawLine(w - 1, tick.Position, w - 1 - tick.Length, tick.Position);
      if (tick.Label) {
        const QString text = QString::fromStdString(*tick.Label);
        const int textWidth = metrics.horizontalAdvance(text);
        painter.save();
        // Reading upwards: the text's baseline runs bottom to top from (3, y + textWidth + 4).
        painter.translate(3 + metrics.ascent(), tick.Position + textWidth + 4);
        painter.rotate(-90);
        painter.drawText(0, 0, text);
        painter.restore();
      }
    }
    if (marker_) {
      painter.setPen(Qt::red);
      painter.drawLine(0, *marker_, w - 1, *marker_);
      painter.drawLine(0, *marker_ - kMarkerHalf, 0, *marker_ + kMarkerHalf);
    }
  }
}

}  // namespace corvane
