// tovixsim: the board model without a window. Runs a program through the board window's session
// (compiled in memory, or an image taken as it is) as fast as it goes to a limit of virtual time,
// and reports the board's state.
//
//   tovixsim PROGRAM.tovix|IMAGE.bin [--ms N | --at-us T] [--until-line N] [--trace] [--json]
//            [--vcd FILE] [--svg FILE]
//
// Exit status: 0 stopped or time reached, 1 the program has errors (compile faults or a run
// error), 2 usage or input/output error.
#include "base/Errors.h"
#include "base/FileIO.h"
#include "base/TextFile.h"
#include "board/BoardChanges.h"
#include "board/BoardMessages.h"
#include "board/BoardSession.h"
#include "board/TimelineSvg.h"
#include "cli/Arguments.h"
#include "cli/CompileReport.h"
#include "cli/SimReport.h"
#include "cli/StandardOutput.h"
#include "cli/VcdRecorder.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitProgramErrors = 1;
constexpr int kExitUsage = 2;

// A longer run would not fit the microseconds of virtual time; no real program needs it.
constexpr std::uint64_t kMaxRunMs = 1'000'000'000;

// A goto reaches no further than 64 KiB: a larger file is no image of a program.
constexpr std::int64_t kMaxImageBytes = 65536;

const char* const kUsage =
    "использование: tovixsim ПРОГРАММА.tovix|ОБРАЗ.bin [--ms N | --at-us T] [--until-line N]\n"
    "                [--trace] [--json] [--vcd ФАЙЛ] [--svg ФАЙЛ]\n"
    "  ПРОГРАММА.tovix     текст программы (расширение .tovix в любом регистре) компилируется\n"
    "                      в памяти; любой другой файл запускается как образ (байты EEPROM);\n"
    "                      образ Intel HEX (.hex, .ihx) не запускается\n"
    "  --ms N              выполнять до N мс виртуального времени (по умолчанию 10000)\n"
    "  --at-us T           выполнять до T мкс виртуального времени\n"
    "  --until-line N      остановиться перед первым выполнением команды строки N\n"
    "                      (состояние \"paused\")\n"
    "  --trace             строка на каждую команду: время (мкс), адрес, строка, команда,\n"
    "                      изменения (через табуляцию)\n"
    "  --json              в конце один объект JSON с состоянием платы\n"
    "  --vcd ФАЙЛ          записать изменения портов и звука в формате VCD (IEEE 1364)\n"
    "  --svg ФАЙЛ          нарисовать прогон во времени (выводы, звук, ЖКИ) в формате SVG\n"
    "Код выхода: 0 остановлена или время вышло, 1 ошибка в программе, 2 ошибка вызова или "
    "файла.\n";

struct TOptions {
    std::string Program;
    std::uint64_t Ms = kBoard.DefaultRunMs;
    std::optional<std::uint64_t> AtUs;
    std::optional<int> UntilLine; // 1-based
    bool Trace = false;
    bool Json = false;
    std::optional<std::string> Vcd;
    std::optional<std::string> Svg;
    bool Help = false;
};

int UsageError(const std::string& problem) {
    std::cerr << "tovixsim: ошибка: " << problem << "\n" << kUsage;
    return kExitUsage;
}

bool EndsWithNoCase(const std::string& text, std::string_view tail) {
    if (text.size() < tail.size())
        return false;
    return std::equal(
        tail.begin(), tail.end(), text.end() - static_cast<long>(tail.size()),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// A whole number no larger than max, or nothing.
std::optional<std::uint64_t> Number(const std::string& value, std::uint64_t max) {
    std::uint64_t n = 0;
    auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (value.empty() || ec != std::errc() || end != value.data() + value.size() || n > max)
        return std::nullopt;
    return n;
}

std::optional<int> ParseCommandLine(int argc, char** argv, TOptions& options) {
    bool msGiven = false;
    const std::vector<TOption> table = {
        {.Name = "--trace", .Take = SetFlag(options.Trace)},
        {.Name = "--json", .Take = SetFlag(options.Json)},
        {.Name = "--ms",
         .NoValue = "после --ms нужно число миллисекунд",
         .Twice = "параметр --ms указан дважды",
         .Take =
             [&](const std::string& value) {
                 const std::optional<std::uint64_t> n = Number(value, kMaxRunMs);
                 if (!n)
                     return "неверное число миллисекунд «" + value + "»";
                 options.Ms = *n;
                 msGiven = true;
                 return std::string();
             }},
        {.Name = "--at-us",
         .NoValue = "после --at-us нужно число микросекунд",
         .Twice = "параметр --at-us указан дважды",
         .Take =
             [&](const std::string& value) {
                 const std::optional<std::uint64_t> n = Number(value, kMaxRunMs * 1000);
                 if (!n)
                     return "неверное число микросекунд «" + value + "»";
                 options.AtUs = *n;
                 return std::string();
             }},
        {.Name = "--until-line",
         .NoValue = "после --until-line нужен номер строки",
         .Twice = "параметр --until-line указан дважды",
         .Take =
             [&](const std::string& value) {
                 const std::optional<std::uint64_t> n = Number(value, INT32_MAX);
                 if (!n || *n == 0)
                     return "неверный номер строки «" + value + "»";
                 options.UntilLine = static_cast<int>(*n);
                 return std::string();
             }},
        {.Name = "--vcd",
         .NoValue = "после --vcd нужно имя файла",
         .EmptyIsNoValue = true,
         .Twice = "параметр --vcd указан дважды",
         .Take = KeepValue(options.Vcd)},
        {.Name = "--svg",
         .NoValue = "после --svg нужно имя файла",
         .EmptyIsNoValue = true,
         .Twice = "параметр --svg указан дважды",
         .Take = KeepValue(options.Svg)},
    };
    TArguments arguments = ParseArguments(std::vector<std::string>(argv + 1, argv + argc), table);
    if (!arguments.Problem.empty())
        return UsageError(arguments.Problem);
    if (msGiven && options.AtUs)
        return UsageError("параметры --ms и --at-us вместе не указываются");
    options.Program = arguments.Program;
    options.Help = arguments.Help;
    if (!options.Help &&
        (EndsWithNoCase(options.Program, ".hex") || EndsWithNoCase(options.Program, ".ihx")))
        return UsageError("образ Intel HEX не запускается, нужен образ .bin");
    return std::nullopt;
}

// Loads the program into a session, paused at its first command: a .tovix compiled there, the
// bytes of any other file as the image. Returns an exit status when it cannot be run.
std::optional<int> LoadProgram(const std::string& path, std::optional<TBoardSession>& session) {
    if (!EndsWithNoCase(path, ".tovix")) {
        std::string bytes;
        if (int err = ReadWholeFile(path, bytes, kMaxImageBytes)) {
            if (err == rrTooLarge)
                std::cerr << path << ": ошибка: образ больше 64 КБ\n";
            else
                std::cerr << path
                          << ": ошибка: не удалось прочитать образ: " << ReadFailureReason(err)
                          << "\n";
            return kExitUsage;
        }
        session.emplace(std::move(bytes));
        session->Reset();
        return std::nullopt;
    }
    std::optional<TProgramLines> program = ReadProgramLines(path);
    if (!program)
        return kExitUsage;
    session.emplace([lines = std::move(program->Expanded)] { return lines; });
    session->Reset();
    if (!session->CompileResult().Succeeded()) {
        PrintFailedCompile(path, program->Raw, kDefaultTabSize, session->CompileResult());
        return kExitProgramErrors;
    }
    return std::nullopt;
}

// Runs command by command, for the trace, the VCD and the timeline: each command's state
// before and after. Stops early when an output cannot be written any more.
void RunTraced(TBoardSession& session, bool trace, TVcdRecorder* vcd, TTimeline* timeline) {
    const TBoard& board = session.Board();
    std::size_t warningsSeen = 0;
    for (;;) {
        if ((trace && !std::cout) || (vcd && vcd->Error()))
            return;
        const TBoardState before = board.State();
        const TAdvance advance = session.Advance(0, 1);
        if (board.Status() == TBoardStatus::Error) {
            if (trace)
                std::cout << TraceLine(board.Program(), before.TimeUs, before.Pc, {},
                                       "ошибка: " + board.Error()->Message);
            return;
        }
        if (board.Steps() == before.Steps)
            return; // the time is up
        const TBoardState& after = board.State();
        std::string note;
        if (board.Warnings().size() > warningsSeen) {
            note = "предупреждение: " + board.Warnings().back().Message;
            warningsSeen = board.Warnings().size();
            if (timeline)
                timeline->Warning(board.Warnings().back(), before.TimeUs);
        }
        if (timeline)
            timeline->Command(before, after, board.Program().Op(before.Pc),
                              board.Program().LineOf(before.Pc));
        if (trace)
            std::cout << TraceLine(board.Program(), before.TimeUs, before.Pc,
                                   Changes(before, after), note);
        if (vcd)
            vcd->Command(before, after, board.Program().Op(before.Pc).Size);
        if (advance.What != TAdvance::Budget)
            return;
    }
}

int OutputFailed(const std::string& path, const char* kind, int err) {
    std::cerr << path << ": ошибка: не удалось записать " << kind << ": "
              << WriteError(err, path).what() << "\n";
    return kExitUsage;
}

// The file name of a path, for the picture's title.
std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int main(int argc, char** argv) {
    TOptions options;
    if (auto status = ParseCommandLine(argc, argv, options))
        return *status;
    if (options.Help) {
        std::cout << kUsage;
        return StandardOutputWritten("tovixsim") ? kExitOk : kExitUsage;
    }
    std::optional<TBoardSession> session;
    if (auto status = LoadProgram(options.Program, session))
        return *status;

    if (options.Vcd && SameFile(*options.Vcd, options.Program)) {
        std::cerr << *options.Vcd << ": ошибка: файл VCD не может заменить файл программы\n";
        return kExitUsage;
    }
    if (options.Svg && SameFile(*options.Svg, options.Program)) {
        std::cerr << *options.Svg << ": ошибка: файл SVG не может заменить файл программы\n";
        return kExitUsage;
    }

    // As fast as it goes, to the time limit or the line.
    session->SetSpeed(TRunSpeed::Fastest, 0);
    session->SetTimeLimit(options.AtUs ? *options.AtUs : options.Ms * 1000);
    if (options.UntilLine) {
        session->RunToLine(*options.UntilLine - 1, 0);
        if (session->Mode() != TRunMode::Running) {
            std::cerr << options.Program
                      << ": ошибка: " << BoardText::NoCommandFrom(*options.UntilLine) << "\n";
            return kExitUsage;
        }
    } else {
        session->Start(0);
    }
    const TBoard& board = session->Board();
    std::optional<TTimeline> timeline;
    if (options.Svg)
        timeline.emplace(board.State());
    TTimeline* drawn = timeline ? &*timeline : nullptr;
    int vcdFailure = 0;
    if (options.Vcd) {
        // The dump goes to its file as the run goes; the file takes the target's name only when
        // the whole of it is written. A target that cannot be opened runs nothing.
        vcdFailure = WriteFileAtomically(*options.Vcd, [&](AtomicFileWriter& file) {
            TVcdRecorder vcd(board.State(),
                             [&](std::string_view text) { return file.Write(text); });
            RunTraced(*session, options.Trace, &vcd, drawn);
            vcd.Finish(board.TimeUs());
            return vcd.Error();
        });
    } else if (options.Trace || drawn) {
        RunTraced(*session, options.Trace, nullptr, drawn);
    } else {
        while (session->Advance(0, UINT64_MAX).What == TAdvance::Budget) {
        }
    }

    for (const TBoardEvent& warning : board.Warnings())
        std::cerr << EventLine(options.Program, "предупреждение", warning);
    if (board.Error())
        std::cerr << EventLine(options.Program, "ошибка", *board.Error());
    if (vcdFailure != 0)
        return OutputFailed(*options.Vcd, "VCD", vcdFailure);
    if (timeline) {
        timeline->Finish(board.TimeUs());
        const std::string svg = TimelineSvg(*timeline, FileName(options.Program));
        if (int err = WriteFileAtomically(*options.Svg,
                                          [&](AtomicFileWriter& file) { return file.Write(svg); }))
            return OutputFailed(*options.Svg, "SVG", err);
    }
    const bool paused = session->Status() == BoardText::PausedRunTo;
    std::cout << (options.Json ? BoardJson(board, paused) : BoardSummary(board, paused));
    if (!StandardOutputWritten("tovixsim"))
        return kExitUsage;
    return board.Status() == TBoardStatus::Error ? kExitProgramErrors : kExitOk;
}
