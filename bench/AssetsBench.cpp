// Sound playing and decoding, and an opaque full-size blit as the
// reference for drawing a transition frame.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "platform/Resources.h"
#include "platform/Sound.h"
#include "view/SoundAssets.h"

namespace {

// Decoding and fonts need an application object; the benchmarks make one
// on the offscreen platform unless another benchmark did.
void NeedApp() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "pemola_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  new QGuiApplication(argc, argv);
}

void UseShippedResources() {
  NeedApp();
  platform::SetResourcesFolder(PEMOLA_SOURCE_RESOURCES);
}

// The start-up preload: all four sounds decoded from their files. The first
// run in a process also starts the decoding framework.
void BM_SoundPreload(benchmark::State& state) {
  UseShippedResources();
  for (auto _ : state) {
    SoundAssets::Forget();
    SoundAssets::Preload();
    benchmark::DoNotOptimize(SoundAssets::GameOver());
  }
}
BENCHMARK(BM_SoundPreload)->Name("BM_SoundPreload/first")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoundPreload)->Unit(benchmark::kMillisecond);

// From the call of Play to its return, with the real output behind it (on
// a machine without an audio device the output drops the sound at once).
void BM_SoundPlay(benchmark::State& state) {
  UseShippedResources();
  platform::Sound* sound = SoundAssets::CorrectSound();
  if (!sound) {
    state.SkipWithError("CorrectSound.mp3 not loadable");
    return;
  }
  sound->SetVolume(1);
  for (auto _ : state) sound->Play();
}
BENCHMARK(BM_SoundPlay)->Unit(benchmark::kMicrosecond);

// A screen-sized opaque picture drawn at its own size onto another.
void BM_OpaqueBlit(benchmark::State& state) {
  NeedApp();
  const int w = static_cast<int>(state.range(0));
  const int h = static_cast<int>(state.range(1));
  const double ratio = static_cast<double>(state.range(2));
  auto source = platform::Picture::Create(w, h, ratio);
  auto target = platform::Picture::Create(w, h, ratio);
  source->Graphics().SetForeColor(0x336699);
  source->Graphics().FillRect(0, 0, w, h);
  for (auto _ : state) target->Graphics().DrawPicture(*source, 0, 0);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(source->PixelWidth()) *
                          source->PixelHeight() * 4);
}
BENCHMARK(BM_OpaqueBlit)
    ->ArgNames({"w", "h", "ratio"})
    ->Args({1280, 800, 1})
    ->Args({1920, 1080, 1})
    ->Args({3840, 2160, 1})
    ->Args({1280, 800, 2})
    ->Unit(benchmark::kMillisecond);

// One fade frame's second half: the whole mask filled with one grey, then
// the picture drawn over the other at that opacity.
void BM_FadeBlit(benchmark::State& state) {
  NeedApp();
  const int w = static_cast<int>(state.range(0));
  const int h = static_cast<int>(state.range(1));
  auto source = platform::Picture::Create(w, h);
  auto target = platform::Picture::Create(w, h);
  int grey = 0;
  for (auto _ : state) {
    grey = (grey + 7) % 256;
    source->MaskGraphics().SetForeColor(grey * 0x010101u);
    source->MaskGraphics().FillRect(0, 0, w, h);
    target->Graphics().DrawPicture(*source, 0, 0);
  }
}
BENCHMARK(BM_FadeBlit)->ArgNames({"w", "h"})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

// A 1 x 1 darkening overlay stretched over a whole screen.
void BM_DarkOverlay(benchmark::State& state) {
  NeedApp();
  auto overlay = platform::Picture::Create(1, 1);
  overlay->MaskGraphics().SetForeColor(0x3F3F3F);
  overlay->MaskGraphics().FillRect(0, 0, 1, 1);
  auto target = platform::Picture::Create(1920, 1080);
  for (auto _ : state) target->Graphics().DrawPicture(*overlay, 0, 0, 1920, 1080, 0, 0, 1, 1);
}
BENCHMARK(BM_DarkOverlay)->Unit(benchmark::kMillisecond);

}  // namespace
