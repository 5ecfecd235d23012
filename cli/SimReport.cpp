// tovixsim's texts.
#include "cli/SimReport.h"

#include "base/HexDigits.h"
#include "board/BoardFormat.h"

namespace {

// A JSON string: quotes, backslashes and control characters escaped, UTF-8 kept as it is.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\u00" + HexDigits(static_cast<unsigned char>(c), 2);
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string LineOrNull(int line) {
    return line > 0 ? std::to_string(line) : "null";
}

std::string EventJson(const TBoardEvent& event) {
    return "{\"offset\": " + std::to_string(event.Offset) +
           ", \"line\": " + LineOrNull(event.Line) + ", \"message\": " + Quoted(event.Message) +
           "}";
}

} // namespace

std::string BoardJson(const TBoard& board, bool paused) {
    const TBoardState& s = board.State();
    std::string j = "{\n";
    auto field = [&](const char* name, const std::string& value, bool last = false) {
        j += "  \"" + std::string(name) + "\": " + value + (last ? "\n" : ",\n");
    };
    field("status", Quoted(paused ? std::string("paused") : StatusName(s.Status)));
    field("time_us", std::to_string(s.TimeUs));
    field("steps", std::to_string(s.Steps));
    field("pc", std::to_string(s.Pc));
    field("line", LineOrNull(board.PcLine()));
    field("portd", std::to_string(s.Port[0]));
    field("ddrd", std::to_string(s.Ddr[0]));
    field("portb", std::to_string(s.Port[1]));
    field("ddrb", std::to_string(s.Ddr[1]));

    const TLcdState& lcd = s.Lcd;
    std::string ddram, text;
    for (std::uint8_t code : lcd.Ddram)
        ddram += (ddram.empty() ? "" : ", ") + std::to_string(code);
    for (const std::string& line : LcdLines(lcd))
        text += (text.empty() ? "" : ", ") + Quoted(line);
    field("lcd",
          "{\n    \"port\": " +
              (lcd.Port == TLcdPort::None ? std::string("null") : Quoted(LcdPortName(lcd.Port))) +
              ",\n    \"ac\": " + std::to_string(lcd.Ac) +
              ",\n    \"shift\": " + std::to_string(lcd.Shift) + ",\n    \"ddram\": [" + ddram +
              "],\n    \"text\": [" + text + "]\n  }");

    const TSoundState& sound = s.Sound;
    std::string last = "null";
    if (sound.Last)
        last = "{\"start_us\": " + std::to_string(sound.Last->StartUs) +
               ", \"duration_us\": " + std::to_string(sound.Last->DurationUs) +
               ", \"period_us\": " + std::to_string(sound.Last->PeriodUs) + "}";
    field("sound", "{\"volume\": " + Quoted(VolumeName(sound.Raised)) +
                       ", \"tones\": " + std::to_string(sound.Tones) + ", \"last\": " + last + "}");

    std::string warnings;
    for (const TBoardEvent& warning : board.Warnings())
        warnings += (warnings.empty() ? "\n    " : ",\n    ") + EventJson(warning);
    field("warnings", "[" + warnings + (warnings.empty() ? "]" : "\n  ]"));
    field("error", board.Error() ? EventJson(*board.Error()) : "null", true);
    return j + "}\n";
}

std::string BoardSummary(const TBoard& board, bool paused) {
    const TBoardState& s = board.State();
    std::string out;
    switch (s.Status) {
    case TBoardStatus::Running:
        out += paused ? "Состояние: пауза перед строкой " + std::to_string(board.PcLine()) + "\n"
                      : "Состояние: выполняется (время вышло)\n";
        break;
    case TBoardStatus::Stopped:
        out += "Состояние: остановлено командой stop\n";
        break;
    case TBoardStatus::Error:
        out += "Состояние: ошибка\n";
        break;
    }
    out += "Время: " + std::to_string(s.TimeUs) + " мкс, команд: " + std::to_string(s.Steps) + "\n";
    out += "Адрес: " + HexDigits(static_cast<unsigned>(s.Pc), 4);
    if (int line = board.PcLine())
        out += " (строка " + std::to_string(line) + ")";
    out += "\n" + RegistersText(s) + "\n";
    if (s.Lcd.Port != TLcdPort::None) {
        out += std::string("ЖКИ на порту ") + LcdPortName(s.Lcd.Port) + ":\n";
        for (const std::string& line : LcdLines(s.Lcd))
            out += "  |" + line + "|\n";
    } else {
        out += "ЖКИ не подключён\n";
    }
    out += std::string("Звук: громкость ") + VolumeText(s.Sound.Raised) + ", сигналов " +
           std::to_string(s.Sound.Tones) + "\n";
    return out;
}

std::string TraceLine(const TBoardProgram& program, std::uint64_t time, int offset,
                      const std::vector<TBoardChange>& changes, const std::string& note) {
    int line = program.LineOf(offset);
    std::string out = std::to_string(time) + "\t" + HexDigits(static_cast<unsigned>(offset), 4) +
                      "\t" + (line > 0 ? std::to_string(line) : "-") + "\t" +
                      program.CommandText(offset) + "\t" + ChangesText(changes);
    if (!note.empty())
        out += (changes.empty() ? "" : "; ") + note;
    return out + "\n";
}

std::string EventLine(const std::string& program, const char* kind, const TBoardEvent& event) {
    std::string out = program;
    if (event.Line > 0)
        out += ":" + std::to_string(event.Line);
    return out + ": " + kind + ": " + event.Message + " (смещение " +
           HexDigits(static_cast<unsigned>(event.Offset), 4) + ")\n";
}
