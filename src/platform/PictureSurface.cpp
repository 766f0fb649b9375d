#include "platform/PictureSurface.h"

#include "platform/PictureData.h"

namespace platform {

PictureSurface::PictureSurface(PictureData* d, bool mask) : data(d), isMask(mask) {}

QSize PictureSurface::Size() const { return data ? QSize(data->Width(), data->Height()) : QSize(); }

double PictureSurface::DevicePixelRatio() const { return data ? data->Ratio() : 1.0; }

QPainter* PictureSurface::Begin() {
  if (!data) return nullptr;
  if (isMask) {
    data->MaskChanged();
  } else {
    data->ColourChanged();
  }
  QImage& target = isMask ? data->MaskImage() : data->Colour();
  painter.emplace();
  if (!painter->begin(&target)) {
    painter.reset();
    return nullptr;
  }
  return &*painter;
}

void PictureSurface::End() { painter.reset(); }

bool PictureSurface::FillWhole(QRgb colour) {
  if (!isMask || !data) return false;
  data->SetUniformMask(qGray(colour));
  return true;
}

}  // namespace platform
