#include "SoundArt.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace SoundArt {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::vector<float> Silence(double seconds) { return std::vector<float>(static_cast<size_t>(seconds * kRate)); }

double Time(size_t i) { return static_cast<double>(i) / kRate; }

// White noise from a fixed seed.
class Noise {
 public:
  double Next() {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<double>(state >> 11) / static_cast<double>(1ull << 53) * 2 - 1;
  }

 private:
  uint64_t state = 0x2545F4914F6CDD1Dull;
};

// A band-pass filter whose centre may move from sample to sample.
class BandPass {
 public:
  double Run(double in, double centre, double q) {
    const double w = kTwoPi * centre / kRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    const double b0 = alpha / a0;
    const double b2 = -alpha / a0;
    const double a1 = -2 * std::cos(w) / a0;
    const double a2 = (1 - alpha) / a0;
    const double out = b0 * in + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = in;
    y2 = y1;
    y1 = out;
    return out;
  }

 private:
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// A struck tone: partials of the frequency, each dying away at its rate.
struct Partial {
  double ratio;
  double amplitude;
  double decay;  // seconds to fall to 1/e
};

void AddTone(std::vector<float>& out, double start, double frequency, const std::vector<Partial>& partials,
             double attack, double gain) {
  const size_t first = static_cast<size_t>(start * kRate);
  for (size_t i = first; i < out.size(); ++i) {
    const double t = Time(i - first);
    const double rise = std::min(1.0, t / attack);
    double v = 0;
    for (const Partial& p : partials) v += p.amplitude * std::exp(-t / p.decay) * std::sin(kTwoPi * frequency * p.ratio * t);
    out[i] += static_cast<float>(gain * rise * rise * v);
  }
}

// Raised-cosine fades at both ends, so the sound starts and stops at rest.
void Fade(std::vector<float>& s, double in, double out) {
  const size_t nIn = static_cast<size_t>(in * kRate);
  const size_t nOut = static_cast<size_t>(out * kRate);
  for (size_t i = 0; i < nIn && i < s.size(); ++i) s[i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / nIn));
  for (size_t i = 0; i < nOut && i < s.size(); ++i) {
    s[s.size() - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / nOut));
  }
  if (!s.empty()) s.front() = s.back() = 0;
}

// Scaled to a peak well below full scale, leaving room for the encoder.
std::vector<float> Finished(std::vector<float> s, double fadeIn, double fadeOut, double peak) {
  Fade(s, fadeIn, fadeOut);
  float max = 0;
  for (const float v : s) max = std::max(max, std::abs(v));
  if (max > 0) {
    for (float& v : s) v *= static_cast<float>(peak / max);
  }
  return s;
}

void PutLe(QByteArray& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

QByteArray Wav(const std::vector<float>& samples) {
  QByteArray data;
  for (const float v : samples) {
    const int sample = static_cast<int>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767));
    PutLe(data, static_cast<uint16_t>(static_cast<int16_t>(sample)), 2);
  }
  QByteArray wav("RIFF");
  PutLe(wav, 36 + data.size(), 4);
  wav.append("WAVEfmt ");
  PutLe(wav, 16, 4);
  PutLe(wav, 1, 2);         // PCM
  PutLe(wav, 1, 2);         // mono
  PutLe(wav, kRate, 4);
  PutLe(wav, kRate * 2, 4);
  PutLe(wav, 2, 2);
  PutLe(wav, 16, 2);
  wav.append("data");
  PutLe(wav, data.size(), 4);
  return wav + data;
}

}  // namespace

// A card turned over: a soft low tap and a papery flick, then a lighter
// second flick as it lands.
std::vector<float> FlipPiece() {
  std::vector<float> s = Silence(0.17);
  Noise noise;
  BandPass paper;
  double phase = 0;
  const size_t lead = static_cast<size_t>(0.003 * kRate);  // starts from rest
  for (size_t i = lead; i < s.size(); ++i) {
    const double t = Time(i - lead);
    const double pitch = 150 + 270 * std::exp(-t / 0.02);
    phase += kTwoPi * pitch / kRate;
    const double tap = 0.55 * std::exp(-t / 0.022) * std::sin(phase);
    const double flick = std::exp(-t / 0.016) + 0.45 * (t > 0.045 ? std::exp(-(t - 0.045) / 0.014) : 0);
    s[i] = static_cast<float>(tap + 1.6 * flick * paper.Run(noise.Next(), 2600, 0.9));
  }
  return Finished(s, 0.008, 0.03, 0.7);
}

// Two bell-like notes a fifth apart, the second a little later and longer.
std::vector<float> CorrectSound() {
  std::vector<float> s = Silence(0.82);
  const std::vector<Partial> bell = {{1, 1, 0.34}, {2, 0.32, 0.17}, {3, 0.1, 0.09}, {4.17, 0.07, 0.05}};
  const std::vector<Partial> longer = {{1, 1, 0.42}, {2, 0.3, 0.2}, {3, 0.09, 0.1}, {4.17, 0.06, 0.05}};
  AddTone(s, 0, 1046.5, bell, 0.006, 0.8);        // C6
  AddTone(s, 0.11, 1568.0, longer, 0.006, 0.75);  // G6
  return Finished(s, 0.004, 0.12, 0.7);
}

// Air rushing past as the board turns: noise through a band that sweeps
// up and falls back, swelling and fading.
std::vector<float> FlipBoard() {
  std::vector<float> s = Silence(0.5);
  Noise noise;
  BandPass band;
  BandPass body;
  const double length = static_cast<double>(s.size()) / kRate;
  for (size_t i = 0; i < s.size(); ++i) {
    const double x = Time(i) / length;
    const double centre = 360 * std::pow(5.5, std::sin(std::numbers::pi * std::pow(x, 0.8)));
    const double swell = std::pow(x, 1.4) * std::pow(1 - x, 2.2);
    const double n = noise.Next();
    s[i] = static_cast<float>(swell * (band.Run(n, centre, 1.3) + 0.5 * body.Run(n, centre * 0.5, 0.8)));
  }
  return Finished(s, 0.01, 0.08, 0.75);
}

// Three soft notes falling through a minor triad; the last one sags and
// wavers as it fades.
std::vector<float> GameOver() {
  std::vector<float> s = Silence(1.22);
  const struct {
    double start;
    double frequency;
    double length;
  } notes[] = {{0, 392.0, 0.3}, {0.26, 311.13, 0.3}, {0.52, 261.63, 0.7}};
  for (const auto& note : notes) {
    const bool last = &note == &notes[2];
    const size_t first = static_cast<size_t>(note.start * kRate);
    const size_t count = static_cast<size_t>(note.length * kRate);
    double phase = 0;
    for (size_t i = 0; i < count && first + i < s.size(); ++i) {
      const double t = Time(i);
      const double vibrato = last ? 1 + 0.005 * std::sin(kTwoPi * 5.2 * t) * std::min(1.0, t / 0.2) : 1;
      const double sag = last ? 1 - 0.035 * std::max(0.0, t - 0.3) : 1;
      phase += kTwoPi * note.frequency * vibrato * sag / kRate;
      const double rise = std::min(1.0, t / 0.018);
      const double fall = std::exp(-t / (last ? 0.42 : 0.22)) * std::min(1.0, (note.length - t) / 0.06);
      const double tone = std::sin(phase) + 0.28 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase);
      s[first + i] += static_cast<float>(0.6 * rise * fall * tone);
    }
  }
  return Finished(s, 0.003, 0.15, 0.7);
}

bool WriteMp3(const std::vector<float>& samples, const QString& path) {
  QTemporaryDir dir;
  const QString wav = dir.filePath("sound.wav");
  QFile file(wav);
  if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(Wav(samples)) < 0) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(wav));
    return false;
  }
  file.close();
  // Fixed options and no tag with dates or names: the same bytes every run.
  QProcess lame;
  lame.start("lame", {"--quiet", "--noreplaygain", "-m", "m", "-b", "128", "-q", "2", wav, path});
  if (!lame.waitForFinished(60000) || lame.exitStatus() != QProcess::NormalExit || lame.exitCode() != 0) {
    std::fprintf(stderr, "lame failed for %s: %s\n", qPrintable(path), qPrintable(lame.errorString()));
    return false;
  }
  return true;
}

}  // namespace SoundArt
