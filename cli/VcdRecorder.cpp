// Recording the changes and writing them as VCD text.
#include "cli/VcdRecorder.h"

namespace {

struct TSignalInfo {
    const char* Type;
    int Width;
    char Id;
    const char* Name;
};

constexpr TSignalInfo kInfo[] = {
    {"wire", 8, '!', "PORTD"}, {"wire", 8, '"', "DDRD"},        {"wire", 8, '#', "PORTB"},
    {"wire", 8, '$', "DDRB"},  {"integer", 32, '%', "tone_hz"}, {"wire", 1, '&', "volume_raised"},
};

// "b00101100 !" for a vector (all its bits), "1&" for a single bit.
std::string ValueText(const TSignalInfo& info, std::uint32_t value) {
    if (info.Width == 1)
        return std::string(1, value ? '1' : '0') + info.Id + "\n";
    int width = info.Width;
    if (width > 8) { // integers without their leading zeros, which VCD lets a reader add
        width = 1;
        while (width < info.Width && (value >> width) != 0)
            ++width;
    }
    std::string bits = "b";
    for (int bit = width - 1; bit >= 0; --bit)
        bits += (value >> bit) & 1 ? '1' : '0';
    return bits + " " + info.Id + "\n";
}

// Text is handed to the sink in pieces of about this size.
constexpr std::size_t kPassSize = 1 << 14;

} // namespace

TVcdRecorder::TVcdRecorder(const TBoardState& s, TSink sink) : FSink(std::move(sink)) {
    FCurrent[kPortD] = s.Port[0];
    FCurrent[kDdrD] = s.Ddr[0];
    FCurrent[kPortB] = s.Port[1];
    FCurrent[kDdrB] = s.Ddr[1];
    FCurrent[kTone] = 0;
    FCurrent[kVolume] = s.Sound.Raised;
    FPending = "$version tovixsim $end\n$timescale 1us $end\n$scope module board $end\n";
    for (const TSignalInfo& info : kInfo)
        FPending += std::string("$var ") + info.Type + " " + std::to_string(info.Width) + " " +
                    info.Id + " " + info.Name + " $end\n";
    FPending += "$upscope $end\n$enddefinitions $end\n#0\n$dumpvars\n";
    for (int k = 0; k < kSignals; ++k)
        FPending += ValueText(kInfo[k], FCurrent[k]);
    FPending += "$end\n";
    Pass();
}

void TVcdRecorder::Pass() {
    if (FError == 0 && !FPending.empty())
        FError = FSink(FPending);
    FPending.clear();
}

void TVcdRecorder::Set(std::uint64_t time, TSignal signal, std::uint32_t value) {
    if (FCurrent[signal] == value)
        return;
    FCurrent[signal] = value;
    if (time != FLastTime)
        FPending += "#" + std::to_string(time) + "\n";
    FLastTime = time;
    FPending += ValueText(kInfo[signal], value);
}

void TVcdRecorder::Command(const TBoardState& before, const TBoardState& after, int fetchedBytes) {
    std::uint64_t at = before.TimeUs + kBoard.FetchUsPerByte * static_cast<unsigned>(fetchedBytes);
    Set(at, kPortD, after.Port[0]);
    Set(at, kDdrD, after.Ddr[0]);
    Set(at, kPortB, after.Port[1]);
    Set(at, kDdrB, after.Ddr[1]);
    Set(at, kVolume, after.Sound.Raised);
    if (after.Sound.Tones != before.Sound.Tones && after.Sound.Last &&
        after.Sound.Last->DurationUs > 0) {
        const TTone& tone = *after.Sound.Last;
        Set(tone.StartUs, kTone, ToneFrequencyHz(tone.PeriodUs));
        Set(tone.StartUs + tone.DurationUs, kTone, 0);
    }
    if (FPending.size() >= kPassSize)
        Pass();
}

void TVcdRecorder::Finish(std::uint64_t endUs) {
    if (endUs > FLastTime)
        FPending += "#" + std::to_string(endUs) + "\n";
    FLastTime = endUs;
    Pass();
}
