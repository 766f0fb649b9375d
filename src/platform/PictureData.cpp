#include "platform/PictureData.h"

#include <QPainter>
#include <algorithm>

#include "platform/PictureSurface.h"

namespace platform {
namespace {

QImage NewMask(const QImage& colour, int level) {
  QImage grey(colour.size(), QImage::Format_Grayscale8);
  grey.setDevicePixelRatio(colour.devicePixelRatio());
  grey.fill(level);
  return grey;
}

QImage Compose(const QImage& colour, const QImage& mask) {
  QImage out(colour.size(), QImage::Format_ARGB32_Premultiplied);
  if (out.isNull()) return out;
  out.setDevicePixelRatio(colour.devicePixelRatio());
  for (int y = 0; y < colour.height(); ++y) {
    const auto* c = reinterpret_cast<const QRgb*>(colour.constScanLine(y));
    const uchar* m = mask.constScanLine(y);
    auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < colour.width(); ++x) {
      o[x] = qPremultiply(qRgba(qRed(c[x]), qGreen(c[x]), qBlue(c[x]), 255 - m[x]));
    }
  }
  return out;
}

}  // namespace

PictureData::PictureData(int w, int h, QImage c)
    : width(w),
      height(h),
      colour(std::move(c)),
      colourSurface(std::make_shared<PictureSurface>(this, false)),
      maskSurface(std::make_shared<PictureSurface>(this, true)),
      colourGraphics(colourSurface),
      maskGraphics(maskSurface) {}

PictureData::~PictureData() {
  colourSurface->Detach();
  maskSurface->Detach();
}

void PictureData::AddMask() {
  if (hasMask) return;
  hasMask = true;
  uniformMask = 0;
  MaskChanged();
}

void PictureData::SetMaskImage(QImage grey) {
  hasMask = true;
  uniformMask.reset();
  mask = std::move(grey);
  mask.setDevicePixelRatio(colour.devicePixelRatio());
  MaskChanged();
}

void PictureData::SetUniformMask(int level) {
  hasMask = true;
  uniformMask = std::clamp(level, 0, 255);
  mask = QImage();
  MaskChanged();
}

QImage& PictureData::MaskImage() {
  AddMask();
  if (uniformMask) {
    mask = NewMask(colour, *uniformMask);
    uniformMask.reset();
  }
  return mask;
}

int PictureData::MaskAt(int x, int y) const {
  if (!hasMask || x < 0 || y < 0 || x >= colour.width() || y >= colour.height()) return 0;
  if (uniformMask) return *uniformMask;
  return mask.constScanLine(y)[x];
}

bool PictureData::IsSinglePixel() const { return colour.width() == 1 && colour.height() == 1; }

QColor PictureData::SinglePixel() const {
  QColor c(colour.pixel(0, 0));
  c.setAlpha(255 - MaskAt(0, 0));
  return c;
}

DrawSource PictureData::Source(const QRect& source, const QSize& target, double targetRatio) {
  DrawSource s;
  uint64_t maskKey = 0;
  if (hasMask && uniformMask) {
    s.image = &colour;
    s.opacity = (255 - *uniformMask) / 255.0;
  } else {
    s.image = &Composed();
    if (hasMask) maskKey = maskVersion;
  }
  s.rect = source;
  // Scaled copies serve upscaling too: a stretched strip (a header gradient)
  // or a piece drawn larger than its file is then a plain copy at every paint.
  const bool rescale = target != source.size();
  if (rescale && s.image->rect().contains(source)) {
    const QImage& small = ScaledCopy(*s.image, maskKey, source, target, targetRatio);
    if (!small.isNull()) {
      s.image = &small;
      s.rect = small.rect();
    }
  }
  return s;
}

const QImage& PictureData::Composed() {
  if (!hasMask) return colour;
  if (uniformMask) MaskImage();
  if (composedColour != colourVersion || composedMask != maskVersion) {
    composed = Compose(colour, mask);
    composedColour = colourVersion;
    composedMask = maskVersion;
  }
  return composed;
}

const QImage& PictureData::ScaledCopy(const QImage& base, uint64_t maskKey, const QRect& source,
                                      const QSize& target, double targetRatio) {
  for (const Scaled& s : scaled) {
    if (s.colourVersion == colourVersion && s.maskVersion == maskKey && s.source == source &&
        s.target == target &&
        s.image.devicePixelRatio() == targetRatio) {
      return s.image;
    }
  }
  Scaled& s = scaled[nextScaled];
  nextScaled = (nextScaled + 1) % scaled.size();
  s.colourVersion = colourVersion;
  s.maskVersion = maskKey;
  s.source = source;
  s.target = target;
  s.image = base.copy(source).scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  s.image.setDevicePixelRatio(targetRatio);
  return s.image;
}

DrawSource PictureData::Tiled(const QSize& tile, const QSize& area, double targetRatio) {
  DrawSource one = Source(QRect(QPoint(), colour.size()), tile, targetRatio);
  if (!one.image || one.image->isNull() || one.rect.isEmpty() || area.isEmpty()) return {};
  const uint64_t maskKey = hasMask && !uniformMask ? maskVersion : 0;
  const bool current = tiled.colourVersion == colourVersion && tiled.maskVersion == maskKey &&
                       tiled.source.size() == one.rect.size() && tiled.image.devicePixelRatio() == targetRatio &&
                       tiled.target.width() >= area.width() && tiled.target.height() >= area.height();
  if (!current) {
    QImage piece = one.image->copy(one.rect);
    piece.setDevicePixelRatio(1);
    QImage strip(area, piece.format());
    if (strip.isNull()) return {};
    QPainter p(&strip);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int y = 0; y < area.height(); y += piece.height())
      for (int x = 0; x < area.width(); x += piece.width()) p.drawImage(x, y, piece);
    p.end();
    strip.setDevicePixelRatio(targetRatio);
    tiled = {colourVersion, maskKey, QRect(QPoint(), piece.size()), area, std::move(strip)};
  }
  return {&tiled.image, QRect(QPoint(), area), one.opacity};
}

}  // namespace platform
