#include "platform/FontChoice.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

constexpr const char* kRounded = "Arial Rounded MT Bold";
constexpr const char* kRoundedStandIn = "Comfortaa";

bool HasRounded() {
  static const bool has = QFontDatabase::hasFamily(kRounded);
  return has;
}

}  // namespace

QFont ChooseFont(const Font& font) {
  QFont chosen = QGuiApplication::font();
  if (font.name == kRounded) {
    chosen.setFamilies({HasRounded() ? kRounded : kRoundedStandIn});
    if (!HasRounded()) chosen.setWeight(QFont::Bold);
  } else if (!font.name.empty() && font.name != "System") {
    chosen.setFamilies({QString::fromStdString(font.name)});
  }
  if (font.bold) chosen.setWeight(QFont::Bold);
  chosen.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size))));
  return chosen;
}

std::string FontTextKey(const Font& font, const std::string& text) {
  return font.name + '\0' + std::to_string(font.size) + (font.bold ? 'b' : 'r') + text;
}

}  // namespace platform
