#include "platform/Sound.h"

#include <QFileInfo>
#include <algorithm>

namespace platform {
namespace {

std::function<void(const Sound&)>& observer() {
  static std::function<void(const Sound&)> fn;
  return fn;
}

}  // namespace

std::unique_ptr<Sound> Sound::Open(const std::string& path) {
  if (!QFileInfo(QString::fromStdString(path)).isFile()) return nullptr;
  return std::unique_ptr<Sound>(new Sound(path));
}

Sound::Sound(std::string p) : path(std::move(p)) {}

Sound::~Sound() = default;

void Sound::Play() {
  if (observer()) observer()(*this);
}

void Sound::SetVolume(int value) { volume = std::clamp(value, 0, 100); }

void Sound::SetPlayObserver(std::function<void(const Sound&)> fn) { observer() = std::move(fn); }

}  // namespace platform
