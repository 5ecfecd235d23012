#include "board/BoardProbe.h"

#include "base/HexDigits.h"
#include "board/BoardFormat.h"

#include <sstream>
#include <stdexcept>

namespace {

std::string Offsets(const std::vector<TBoardEvent>& events) {
    std::string out;
    for (const TBoardEvent& e : events)
        out += (out.empty() ? "" : ",") + HexDigits(static_cast<unsigned>(e.Offset), 4);
    return out;
}

} // namespace

std::string Probe(const TBoard& board, const std::string& key) {
    const TBoardState& s = board.State();
    if (key == "status")
        return StatusName(s.Status);
    if (key == "pc")
        return HexDigits(static_cast<unsigned>(s.Pc), 4);
    if (key == "line")
        return std::to_string(board.PcLine());
    if (key == "time")
        return std::to_string(s.TimeUs);
    if (key == "steps")
        return std::to_string(s.Steps);
    if (key == "portd" || key == "portb")
        return HexDigits(s.Port[key == "portb"], 2);
    if (key == "ddrd" || key == "ddrb")
        return HexDigits(s.Ddr[key == "ddrb"], 2);
    if (key == "lcd")
        return LcdPortName(s.Lcd.Port);
    if (key == "ac")
        return HexDigits(s.Lcd.Ac, 2);
    if (key == "shift")
        return HexDigits(s.Lcd.Shift, 2);
    if (key.size() == 4 && key.starts_with("lcd") && key[3] >= '1' && key[3] <= '4') {
        std::string text = LcdLineText(s.Lcd, key[3] - '1');
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        for (char& c : text)
            c = c == ' ' ? '.' : c;
        return text;
    }
    if (key == "volume")
        return VolumeName(s.Sound.Raised);
    if (key == "tones")
        return std::to_string(s.Sound.Tones);
    if (key == "tone")
        return s.Sound.Last ? std::to_string(s.Sound.Last->StartUs) + "/" +
                                  std::to_string(s.Sound.Last->DurationUs) + "/" +
                                  std::to_string(s.Sound.Last->PeriodUs)
                            : "-";
    if (key == "warn")
        return Offsets(board.Warnings());
    if (key == "error")
        return board.Error() ? HexDigits(static_cast<unsigned>(board.Error()->Offset), 4) : "-";
    if (key == "errmsg") {
        std::string text = board.Error() ? board.Error()->Message : "-";
        for (char& c : text)
            c = c == ' ' ? '_' : c;
        return text;
    }
    throw std::invalid_argument("no probe " + key);
}

std::string Mismatches(const TBoard& board, const std::string& expected) {
    std::istringstream words(expected);
    std::string word, out;
    while (words >> word) {
        auto eq = word.find('=');
        std::string key = word.substr(0, eq), want = word.substr(eq + 1);
        std::string got = Probe(board, key);
        if (got != want)
            out += " " + key + "=" + got + " (want " + want + ")";
    }
    return out;
}

TBoardProgram Compiled(const std::vector<std::string>& lines) {
    TCompiledProgram compiled = CompileProgram(lines);
    if (!compiled.Result.Succeeded())
        throw std::invalid_argument("program does not compile: " + compiled.Result.Faults[0].Text);
    return std::move(compiled.Program);
}
