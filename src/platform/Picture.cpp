#include "platform/Picture.h"

#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/PictureData.h"

namespace platform {
namespace {

bool Inside(const QImage& image, int x, int y) {
  return x >= 0 && y >= 0 && x < image.width() && y < image.height();
}

// RGB32 keeps the colour of every pixel, whatever its alpha; the alpha
// goes into the mask.
std::unique_ptr<PictureData> FromFile(QImage file) {
  const bool transparent = file.hasAlphaChannel();
  QImage colour = file.convertToFormat(QImage::Format_ARGB32);
  QImage mask;
  if (transparent) {
    mask = QImage(colour.size(), QImage::Format_Grayscale8);
    if (mask.isNull()) return nullptr;
  }
  for (int y = 0; y < colour.height(); ++y) {
    auto* c = reinterpret_cast<QRgb*>(colour.scanLine(y));
    uchar* m = transparent ? mask.scanLine(y) : nullptr;
    for (int x = 0; x < colour.width(); ++x) {
      if (m) m[x] = static_cast<uchar>(255 - qAlpha(c[x]));
      c[x] |= 0xFF000000u;
    }
  }
  colour.reinterpretAsFormat(QImage::Format_RGB32);
  colour.setDevicePixelRatio(1);
  auto data = std::make_unique<PictureData>(colour.width(), colour.height(), colour);
  if (transparent) data->SetMaskImage(mask);
  return data;
}

}  // namespace

std::unique_ptr<Picture> Picture::Create(int width, int height, double ratio) {
  if (width < 1 || height < 1 || !(ratio > 0)) return nullptr;
  const double pw = std::ceil(width * ratio - 1e-9);
  const double ph = std::ceil(height * ratio - 1e-9);
  if (pw > std::numeric_limits<int>::max() || ph > std::numeric_limits<int>::max()) return nullptr;
  QImage colour(static_cast<int>(pw), static_cast<int>(ph), QImage::Format_RGB32);
  if (colour.isNull()) return nullptr;
  colour.fill(Qt::black);
  colour.setDevicePixelRatio(ratio);
  return std::unique_ptr<Picture>(new Picture(std::make_unique<PictureData>(width, height, colour)));
}

std::unique_ptr<Picture> Picture::Open(const std::string& path) {
  QImage file;
  if (path.empty() || !file.load(QString::fromStdString(path)) || file.isNull()) return nullptr;
  auto data = FromFile(std::move(file));
  if (!data) return nullptr;
  return std::unique_ptr<Picture>(new Picture(std::move(data)));
}

Picture::Picture(std::unique_ptr<PictureData> d) : data(std::move(d)) {}

Picture::~Picture() = default;

int Picture::Width() const { return data->Width(); }

int Picture::Height() const { return data->Height(); }

double Picture::DevicePixelRatio() const { return data->Ratio(); }

int Picture::PixelWidth() const { return data->Colour().width(); }

int Picture::PixelHeight() const { return data->Colour().height(); }

Graphics& Picture::Graphics() { return data->ColourGraphics(); }

bool Picture::HasMask() const { return data->HasMask(); }

Graphics& Picture::MaskGraphics() {
  data->AddMask();
  return data->MaskGraphics();
}

uint32_t Picture::Pixel(int x, int y) const {
  const QImage& colour = data->Colour();
  if (!Inside(colour, x, y)) return 0;
  return reinterpret_cast<const QRgb*>(colour.constScanLine(y))[x] & 0xFFFFFFu;
}

void Picture::SetPixel(int x, int y, uint32_t rgb) {
  QImage& colour = data->Colour();
  if (!Inside(colour, x, y)) return;
  data->ColourChanged();
  reinterpret_cast<QRgb*>(colour.scanLine(y))[x] = 0xFF000000u | (rgb & 0xFFFFFFu);
}

int Picture::MaskPixel(int x, int y) const { return data->MaskAt(x, y); }

void Picture::SetMaskPixel(int x, int y, int level) {
  if (!Inside(data->Colour(), x, y)) return;
  QImage& mask = data->MaskImage();
  data->MaskChanged();
  mask.scanLine(y)[x] = static_cast<uchar>(std::clamp(level, 0, 255));
}

PictureData& Picture::Data() const { return *data; }

}  // namespace platform
