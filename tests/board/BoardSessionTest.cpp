// The board session at fake wall times: pacing in real time and ×10, stop points and До курсора
// after pauses and tones at every speed, a line without a command, an edit mid-run and stop
// points moved while paused. Each row is a script of the window's commands and the log of where
// the runs halted.
#include "board/BoardSession.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Plays script on a session of lines: "speed=rt|x10|fast", "stops=L,L" (0-based lines),
// "limit=MS" (of virtual time), "start", "pause", "step", "reset", "runto=L", "edit", "run" (the
// wall clock in 1 ms ticks until the run halts, at most 10 s), "wait=N" (N such ticks), "back"
// (Шаг назад), "runback" and "backto=L". Each "run" logs "status @line wall-ms", the other
// commands log the status and line.
std::string Play(const std::vector<std::string>& lines, const std::string& script) {
    TBoardSession session([&lines] { return lines; });
    std::vector<int> stops;
    session.SetStopLineSource([&stops] { return stops; });
    std::uint64_t wallUs = 0;
    std::ostringstream log;
    const auto note = [&](bool withTime) {
        log << session.Status() << " @" << session.ActiveLine();
        if (withTime)
            log << " " << wallUs / 1000 << "ms";
        log << "; ";
    };
    std::istringstream words(script);
    for (std::string word; words >> word;) {
        const std::string value = word.substr(word.find('=') + 1);
        if (word.starts_with("speed=")) {
            session.SetSpeed(value == "rt"    ? TRunSpeed::RealTime
                             : value == "x10" ? TRunSpeed::Times10
                                              : TRunSpeed::Fastest,
                             wallUs);
        } else if (word.starts_with("stops=")) {
            stops.clear();
            std::istringstream list(value);
            for (std::string line; std::getline(list, line, ',');)
                stops.push_back(std::stoi(line));
            session.StopLinesChanged();
        } else if (word.starts_with("limit=")) {
            session.SetTimeLimit(std::stoull(value) * 1000);
        } else if (word == "start") {
            session.Start(wallUs);
        } else if (word == "pause" || word == "step" || word == "reset") {
            word == "pause" ? session.Pause() : word == "step" ? session.Step() : session.Reset();
            note(false);
        } else if (word == "back" || word == "runback") {
            word == "back" ? session.StepBack() : session.RunBack();
            note(false);
        } else if (word.starts_with("backto=")) {
            session.RunBackToLine(std::stoi(value));
            note(false);
        } else if (word.starts_with("runto=")) {
            session.RunToLine(std::stoi(value), wallUs);
            note(false);
        } else if (word == "edit") {
            session.TextChanged();
            note(false);
        } else if (word == "run" || word.starts_with("wait=")) {
            const int ticks = word == "run" ? 10'000 : std::stoi(value);
            for (int tick = 0; tick < ticks && session.Mode() == TRunMode::Running; ++tick) {
                while (session.Advance(wallUs, 1'000).What == TAdvance::Budget) {
                }
                if (session.Mode() == TRunMode::Running)
                    wallUs += 1'000;
            }
            if (word == "run")
                note(true);
        } else {
            ADD_FAILURE() << "unknown word " << word;
        }
    }
    return log.str();
}

TEST(BoardSession, RunsAsTheWindowDrivesIt) {
    // 0000 configd_FF  0002 pause_05 (5 ms)  0004 portdwrite_01  0006 sound_02_10 (20 ms)
    // 0009 portdwrite_02  000B stop
    const std::vector<std::string> program = {"configd_FF",  "pause_05",      "portdwrite_01",
                                              "sound_02_10", "portdwrite_02", "stop",
                                              "// end"};
    const std::vector<std::string> pauseThenStop = {"pause_64", "stop"};
    struct TRow {
        const char* name;
        const std::vector<std::string>& lines;
        const char* script;
        const char* log;
    };
    const TRow rows[] = {
        {"real time: the wall clock paces a 100 ms pause", pauseThenStop, "start run",
         "остановлено: stop @-1 101ms; "},
        {"x10: ten times faster", pauseThenStop, "speed=x10 start run",
         "остановлено: stop @-1 11ms; "},
        {"as fast as it can: at once", pauseThenStop, "speed=fast start run",
         "остановлено: stop @-1 0ms; "},
        {"stop points after a pause and a tone, real time", program,
         "stops=2,4 start run start run start run",
         "пауза: точка остановки @2 6ms; пауза: точка остановки @4 27ms; "
         "остановлено: stop @-1 28ms; "},
        {"stop points after a pause and a tone, x10", program,
         "speed=x10 stops=2,4 start run start run",
         "пауза: точка остановки @2 1ms; пауза: точка остановки @4 4ms; "},
        {"stop points after a pause and a tone, as fast as it can", program,
         "speed=fast stops=2,4 start run start run",
         "пауза: точка остановки @2 0ms; пауза: точка остановки @4 0ms; "},
        {"До курсора to a line after a tone, real time", program, "runto=4 run",
         "работает @0; пауза: до курсора @4 26ms; "},
        {"До курсора from a comment line: the next command",
         {"configd_FF", "// here", "pause_05", "stop"},
         "speed=x10 runto=1 run",
         "работает @0; пауза: до курсора @2 1ms; "},
        {"До курсора with no command on or after the line starts nothing", program,
         "runto=6 step runto=6",
         "на строке 7 и после неё нет команд @-1; пауза: шаг @1; "
         "пауза: на строке 7 и после неё нет команд @1; "},
        {"an edit mid-run ends it", program, "start wait=10 edit start run",
         "остановлено: текст изменён @-1; остановлено: stop @-1 37ms; "},
        {"an edit while paused ends the run and the next one starts anew", program,
         "stops=4 start run edit start run",
         "пауза: точка остановки @4 26ms; остановлено: текст изменён @-1; "
         "пауза: точка остановки @4 52ms; "},
        {"stop points moved while paused", program, "stops=2 start run stops=4 start run",
         "пауза: точка остановки @2 6ms; пауза: точка остановки @4 27ms; "},
        {"Сброс: paused at the first command; Пауза pauses", program, "step step reset start pause",
         "пауза: шаг @1; пауза: шаг @2; сброс @0; пауза @0; "},
        {"a time limit pauses a paced run", program, "limit=10 start run",
         "пауза: время вышло @4 6ms; "},
        {"a faulty operand starts nothing",
         {"pause_6", "stop"},
         "start run",
         "не запущено: ошибки в программе @-1 0ms; "},
        {"Шаг назад after steps, and forward again the same way", program,
         "step step step back back step",
         "пауза: шаг @1; пауза: шаг @2; пауза: шаг @3; пауза: шаг назад @2; "
         "пауза: шаг назад @1; пауза: шаг @2; "},
        {"Шаг назад at the start stays there", program, "reset back",
         "сброс @0; пауза: начало прогона @0; "},
        {"back from the end of a run, then on to the same end", program,
         "speed=fast start run back back start run",
         "остановлено: stop @-1 0ms; пауза: шаг назад @5; пауза: шаг назад @4; "
         "остановлено: stop @-1 0ms; "},
        {"back to the stop point passed, then to the start", program,
         "speed=fast stops=2 start run start run runback runback",
         "пауза: точка остановки @2 0ms; остановлено: stop @-1 0ms; "
         "пауза: точка остановки @2; пауза: начало прогона @0; "},
        {"back to the cursor's line, and a line not run yet", program,
         "speed=fast runto=4 run backto=2 backto=4",
         "работает @0; пауза: до курсора @4 0ms; пауза: до курсора @2; "
         "пауза: команда строки 5 раньше не выполнялась @2; "},
        {"an edit clears the history", program, "step step edit back",
         "пауза: шаг @1; пауза: шаг @2; остановлено: текст изменён @-1; "
         "остановлено: текст изменён @-1; "},
        {"a run error is the status",
         {"goto_0001", "stop"},
         "start run",
         "ошибка: переход внутрь команды (0001) (строка 1) @-1 0ms; "},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Play(row.lines, row.script), row.log);
    }
}

} // namespace
