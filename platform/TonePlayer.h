// The board's sound pin through the computer's audio output: a square wave of the tone's period,
// louder when the volume is raised. Where there is no audio output the player stays silent and
// nothing fails.
#pragma once

#include <QObject>

#include <cstdint>
#include <memory>

class QAudioSink;

class TTonePlayer : public QObject {
    Q_OBJECT

public:
    explicit TTonePlayer(QObject* parent = nullptr);
    ~TTonePlayer() override;

    // An audio output exists.
    bool Available() const { return FAvailable; }
    // Whether tones are played at all ("Звук"); off silences the output.
    void SetEnabled(bool enabled);
    // Plays a square wave with a period of periodUs microseconds (0: silence).
    void Play(std::uint32_t periodUs, bool raised);
    void Silence() { Play(0, false); }

private:
    class TSquareWave;

    void Start();

    bool FAvailable = false;
    bool FEnabled = true;
    std::unique_ptr<TSquareWave> FWave;
    std::unique_ptr<QAudioSink> FSink;
};
