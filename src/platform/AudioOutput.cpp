#include "platform/AudioOutput.h"

#include "platform/AudioMixer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QCoreApplication>
#include <QIODevice>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <atomic>

namespace platform {
namespace {

// About 60 ms of output buffer: short enough that a sound follows its
// event, long enough not to stutter.
constexpr int kBufferBytes = kAudioRate * kAudioChannels * 2 * 60 / 1000;
// The device is closed after this long without a sound, and reopened by
// the next one.
constexpr int kIdleCloseMs = 3000;

// The mixer as the device the output pulls its data from.
class MixerDevice : public QIODevice {
 public:
  AudioMixer mixer;

  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override { return kBufferBytes + QIODevice::bytesAvailable(); }

 protected:
  qint64 readData(char* data, qint64 maxSize) override {
    const size_t frame = sizeof(int16_t) * kAudioChannels;
    const size_t bytes = static_cast<size_t>(maxSize) / frame * frame;
    mixer.Mix(reinterpret_cast<int16_t*>(data), bytes / sizeof(int16_t));
    return static_cast<qint64>(bytes);
  }

  qint64 writeData(const char*, qint64) override { return -1; }
};

QAudioFormat OutputFormat() {
  QAudioFormat format;
  format.setSampleRate(kAudioRate);
  format.setChannelCount(kAudioChannels);
  format.setSampleFormat(QAudioFormat::Int16);
  return format;
}

}  // namespace

// Everything below except Start's queueing runs on the audio thread.
struct AudioOutput::Engine {
  QThread thread;
  QObject* worker = nullptr;  // lives on the audio thread
  MixerDevice feed;
  std::atomic<bool> silent = false;  // no device: sounds are dropped at once
  QAudioSink* sink = nullptr;
  QTimer* idleTimer = nullptr;
  bool triedDevice = false;
  bool running = false;

  Engine() {
    worker = new QObject;
    worker->moveToThread(&thread);
    feed.moveToThread(&thread);
    thread.setObjectName("audio");
    thread.start();
  }

  void Wake() {
    if (!triedDevice) Open();
    if (!sink) return;
    if (sink->state() == QAudio::StoppedState) sink->start(&feed);
    idleTimer->start();
  }

  void Open() {
    triedDevice = true;
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull() || !output.isFormatSupported(OutputFormat())) {
      silent = true;
      feed.mixer.Clear();
      return;
    }
    feed.open(QIODevice::ReadOnly);
    sink = new QAudioSink(output, OutputFormat(), worker);
    sink->setBufferSize(kBufferBytes);
    idleTimer = new QTimer(worker);
    idleTimer->setInterval(kIdleCloseMs);
    QObject::connect(idleTimer, &QTimer::timeout, worker, [this] {
      if (feed.mixer.Idle()) {
        sink->stop();
        idleTimer->stop();
      }
    });
  }

  void Close() {
    delete sink;
    sink = nullptr;
    delete idleTimer;
    idleTimer = nullptr;
    feed.close();
  }
};

AudioOutput& AudioOutput::Instance() {
  static AudioOutput* output = [] {
    // Closed before the application object goes, while Qt still stands.
    qAddPostRoutine(&AudioOutput::Shutdown);
    return new AudioOutput;
  }();
  return *output;
}

AudioOutput::AudioOutput() : engine(std::make_unique<Engine>()) { engine->running = true; }

AudioOutput::~AudioOutput() = default;

void AudioOutput::Start(std::shared_ptr<const AudioSamples> samples, float gain) {
  if (!engine->running || engine->silent || !samples || samples->empty() || !(gain > 0)) return;
  engine->feed.mixer.Add(std::move(samples), gain);
  QMetaObject::invokeMethod(engine->worker, [e = engine.get()] { e->Wake(); }, Qt::QueuedConnection);
}

void AudioOutput::Shutdown() {
  Engine& e = *Instance().engine;
  if (!e.running) return;
  e.running = false;
  QMetaObject::invokeMethod(e.worker, [&e] { e.Close(); }, Qt::BlockingQueuedConnection);
  e.thread.quit();
  e.thread.wait();
  delete e.worker;
  e.worker = nullptr;
}

}  // namespace platform
