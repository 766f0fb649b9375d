// Paints the game's pictures and synthesises its sounds into a folder:
//   pemola_assets <resources folder> [contact sheet.png]
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <vector>

#include "GlyphArt.h"
#include "PieceArt.h"
#include "SoundArt.h"

namespace {

struct PictureFile {
  const char* name;
  std::function<QImage()> make;
};

const std::vector<PictureFile>& Pictures() {
  using PieceArt::Shape;
  static const std::vector<PictureFile> files = {
      {"PieceSquare.png", [] { return PieceArt::Piece(Shape::Square); }},
      {"PieceCircle.png", [] { return PieceArt::Piece(Shape::Circle); }},
      {"PieceTriangle.png", [] { return PieceArt::Piece(Shape::Triangle); }},
      {"PieceDiamond.png", [] { return PieceArt::Piece(Shape::Diamond); }},
      {"PieceOctagon.png", [] { return PieceArt::Piece(Shape::Octagon); }},
      {"PieceEmpty.png", PieceArt::Empty},
      {"PieceUnknown.png", PieceArt::Unknown},
      {"LargeHelp.png", GlyphArt::Help},
      {"LargeHighscore.png", GlyphArt::Highscore},
      {"LargeReloadImage.png", GlyphArt::Reload},
      {"LargeArrowLeft.png", GlyphArt::ArrowLeft},
      {"LargeClose.png", GlyphArt::Close},
      {"HeaderNoise.bmp", GlyphArt::HeaderNoise},
      {"Icon.png", PieceArt::Icon},
  };
  return files;
}

struct SoundFile {
  const char* name;
  std::function<std::vector<float>()> make;
};

const std::vector<SoundFile> kSounds = {
    {"FlipPiece.mp3", SoundArt::FlipPiece},
    {"CorrectSound.mp3", SoundArt::CorrectSound},
    {"FlipBoard.mp3", SoundArt::FlipBoard},
    {"GameOver.mp3", SoundArt::GameOver},
};

// Straight alpha keeps the colour under transparent pixels out of the file
// in a predictable way (the PNG writer stores straight alpha anyway).
bool Save(const QImage& image, const QString& path) {
  const QImage::Format format = image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
  return image.convertToFormat(format).save(path);
}

// Every picture on black, on the header's grey and as the game dims it;
// glyphs turned white, as the header shows them. For looking at, not shipped.
QImage ContactSheet() {
  const int cell = 180;
  const auto& files = Pictures();
  QImage sheet(cell * 7, cell * 4, QImage::Format_RGB32);
  sheet.fill(QColor(0x20, 0x20, 0x20));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (size_t i = 0; i < files.size(); ++i) {
    QImage image = files[i].make();
    const QRect box((i % 7) * cell, (i / 7) * cell * 2, cell, cell * 2);
    p.fillRect(box.adjusted(4, 4, -4, -4), i < 7 ? Qt::black : QColor(0x6B, 0x6B, 0x6B));
    if (i >= 7 && i < 12) {
      QPainter tint(&image);
      tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
      tint.fillRect(image.rect(), Qt::white);
    }
    const QSize size = image.size().scaled(cell - 20, cell * 2 - 20, Qt::KeepAspectRatio);
    p.drawImage(QRect(box.topLeft() + QPoint(10, 10), size), image);
  }
  return sheet;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: pemola_assets <resources folder> [contact sheet.png]\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(out.path())) {
    std::fprintf(stderr, "cannot make %s\n", argv[1]);
    return 1;
  }
  bool ok = true;
  for (const PictureFile& f : Pictures()) {
    if (!Save(f.make(), out.filePath(f.name))) {
      std::fprintf(stderr, "cannot write %s\n", f.name);
      ok = false;
    }
  }
  for (const SoundFile& f : kSounds) ok = SoundArt::WriteMp3(f.make(), out.filePath(f.name)) && ok;
  if (argc > 2 && !ContactSheet().save(QString::fromLocal8Bit(argv[2]))) ok = false;
  return ok ? 0 : 1;
}
