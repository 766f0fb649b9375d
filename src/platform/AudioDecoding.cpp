#include "platform/AudioDecoding.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace platform {
namespace {

// A decoder that hangs (a broken plugin) must not hang the game.
constexpr int kDecodeTimeoutMs = 10000;

QAudioFormat Format() {
  QAudioFormat format;
  format.setSampleRate(kAudioRate);
  format.setChannelCount(kAudioChannels);
  format.setSampleFormat(QAudioFormat::Int16);
  return format;
}

// Runs on the decoding thread; true when the whole file was decoded.
bool Decode(const QString& file, AudioSamples& samples) {
  QAudioDecoder decoder;
  if (!decoder.isSupported()) return false;
  decoder.setAudioFormat(Format());
  decoder.setSource(QUrl::fromLocalFile(file));
  QEventLoop loop;
  bool done = false;
  bool ok = false;
  auto take = [&] {
    while (decoder.bufferAvailable()) {
      const QAudioBuffer buffer = decoder.read();
      if (buffer.format() != Format()) {
        ok = false;
        done = true;
        loop.quit();
        return;
      }
      const auto* data = buffer.constData<int16_t>();
      samples.insert(samples.end(), data, data + buffer.sampleCount());
    }
  };
  auto finish = [&](bool success) {
    ok = success;
    done = true;
    loop.quit();
  };
  QObject::connect(&decoder, &QAudioDecoder::bufferReady, take);
  QObject::connect(&decoder, &QAudioDecoder::finished, [&] {
    take();
    if (!done) finish(true);
  });
  QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error),
                   [&] { finish(false); });
  QTimer::singleShot(kDecodeTimeoutMs, &loop, [&] { finish(false); });
  decoder.start();
  if (!done) loop.exec();
  decoder.stop();
  return ok;
}

}  // namespace

std::shared_ptr<const AudioSamples> DecodeAudioFile(const std::string& path) {
  const QFileInfo info(QString::fromStdString(path));
  if (!info.isFile()) return nullptr;
  const QString file = info.absoluteFilePath();
  auto samples = std::make_shared<AudioSamples>();
  bool ok = false;
  std::unique_ptr<QThread> thread(QThread::create([&] { ok = Decode(file, *samples); }));
  thread->start();
  thread->wait();
  if (!ok || samples->size() < kAudioChannels) return nullptr;
  samples->resize(samples->size() - samples->size() % kAudioChannels);
  return samples;
}

}  // namespace platform
