// The tone player: a QIODevice that computes the square wave as the audio sink pulls it.
#include "platform/TonePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <atomic>
#include <cstring>

namespace {

constexpr int kSampleRate = 22050;
constexpr std::int16_t kNormalLevel = 6000;
constexpr std::int16_t kRaisedLevel = 14000;

} // namespace

class TTonePlayer::TSquareWave : public QIODevice {
public:
    // Half a period in samples (0: silence) and the level; read by the audio thread.
    std::atomic<double> HalfPeriod{0};
    std::atomic<int> Level{kNormalLevel};

    qint64 readData(char* data, qint64 maxSize) override {
        qint64 samples = maxSize / 2;
        double half = HalfPeriod.load();
        std::int16_t level = static_cast<std::int16_t>(Level.load());
        for (qint64 i = 0; i < samples; ++i) {
            std::int16_t value = 0;
            if (half > 0) {
                FPhase += 1;
                if (FPhase >= 2 * half)
                    FPhase -= 2 * half;
                value = FPhase < half ? level : static_cast<std::int16_t>(-level);
            }
            std::memcpy(data + 2 * i, &value, 2);
        }
        return samples * 2;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return 4096 + QIODevice::bytesAvailable(); }

private:
    double FPhase = 0;
};

TTonePlayer::TTonePlayer(QObject* parent)
    : QObject(parent), FWave(std::make_unique<TSquareWave>()) {
    FAvailable = !QMediaDevices::defaultAudioOutput().isNull();
}

TTonePlayer::~TTonePlayer() {
    if (FSink)
        FSink->stop();
}

void TTonePlayer::Start() {
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format)) {
        FAvailable = false;
        return;
    }
    FWave->open(QIODevice::ReadOnly);
    FSink = std::make_unique<QAudioSink>(device, format);
    FSink->setBufferSize(kSampleRate / 20 * 2); // 50 ms: tones follow the model closely
    FSink->start(FWave.get());
}

void TTonePlayer::SetEnabled(bool enabled) {
    FEnabled = enabled;
    if (!enabled)
        FWave->HalfPeriod = 0;
}

void TTonePlayer::Play(std::uint32_t periodUs, bool raised) {
    if (!FAvailable || !FEnabled)
        return;
    double half = periodUs == 0 ? 0 : periodUs * 1e-6 * kSampleRate / 2;
    FWave->HalfPeriod = half;
    FWave->Level = raised ? kRaisedLevel : kNormalLevel;
    if (half > 0 && !FSink)
        Start();
}
