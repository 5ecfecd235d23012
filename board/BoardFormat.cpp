// The board's texts.
#include "board/BoardFormat.h"

#include "base/HexDigits.h"
#include "board/CharacterRom.h"

std::array<TRegister, 4> Registers(const TBoardState& state) {
    return {{{"PORTD", state.Port[0]},
             {"DDRD", state.Ddr[0]},
             {"PORTB", state.Port[1]},
             {"DDRB", state.Ddr[1]}}};
}

std::string RegistersText(const TBoardState& state, std::string_view toValue,
                          std::string_view between) {
    std::string text;
    for (const TRegister& r : Registers(state)) {
        if (!text.empty())
            text += between;
        text += r.Name;
        text += toValue;
        AppendHexDigits(text, r.Value, 2);
    }
    return text;
}

std::string LcdLineText(const TLcdState& lcd, int row) {
    std::string text;
    for (int column = 0; column < kBoard.LcdColumns; ++column)
        AppendUtf8(text, LcdCharacter(lcd.Visible(row, column)));
    return text;
}

std::array<std::string, 4> LcdLines(const TLcdState& lcd) {
    std::array<std::string, 4> lines;
    for (int row = 0; row < 4; ++row)
        lines[static_cast<std::size_t>(row)] = LcdLineText(lcd, row);
    return lines;
}

const char* StatusName(TBoardStatus status) {
    switch (status) {
    case TBoardStatus::Running:
        return "running";
    case TBoardStatus::Stopped:
        return "stopped";
    case TBoardStatus::Error:
        break;
    }
    return "error";
}

const char* LcdPortName(TLcdPort port) {
    return port == TLcdPort::D ? "D" : port == TLcdPort::B ? "B" : "-";
}

const char* VolumeName(bool raised) {
    return raised ? "raised" : "normal";
}

const char* VolumeText(bool raised) {
    return raised ? "повышенная" : "обычная";
}

std::string EventPlace(const TBoardEvent& event) {
    const std::string offset = HexDigits(static_cast<unsigned>(event.Offset), 4);
    if (event.Line > 0)
        return "Строка " + std::to_string(event.Line) + ", адрес " + offset;
    return "Адрес " + offset;
}
