// The run call the board window drives: why it stops, and that any way of slicing a run ends in
// the state that one command at a time reaches.
#include "board/BoardHistory.h"
#include "board/BoardProbe.h"
#include "compiler/CommandSet.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// 0000 configd_FF  0002 incd  0003 pause_01  0005 incb  0006 goto_0002
const std::vector<std::string> kLoop = {"configd_FF", "incd", "pause_01", "incb", "goto_0002"};

TEST(BoardRun, StopsForTheReasonAsked) {
    struct TRow {
        const char* name;
        std::vector<int> points;
        TRunLimits limits;
        TStopReason reason;
        const char* expect;
    };
    const TRow rows[] = {
        {"budget", {}, {3, UINT64_MAX, -1}, TStopReason::Budget, "pc=0005 steps=3"},
        {"budget of nothing", {}, {0, UINT64_MAX, -1}, TStopReason::Budget, "pc=0000 steps=0"},
        {"time limit before a command",
         {},
         {UINT64_MAX, 300, -1},
         TStopReason::TimeLimit,
         "pc=0003 time=300"},
        {"a command runs whole",
         {},
         {UINT64_MAX, 301, -1},
         TStopReason::TimeLimit,
         "pc=0005 time=1500"},
        {"stop point",
         {5},
         {UINT64_MAX, UINT64_MAX, -1},
         TStopReason::StopPoint,
         "pc=0005 portd=01 portb=00"},
        {"run to", {}, {UINT64_MAX, UINT64_MAX, 6}, TStopReason::RunTo, "pc=0006 portb=01"},
        {"stop point before run to",
         {3},
         {UINT64_MAX, UINT64_MAX, 6},
         TStopReason::StopPoint,
         "pc=0003"},
        {"a run going on in slices stops at a point it starts on",
         {0},
         {UINT64_MAX, UINT64_MAX, -1, false},
         TStopReason::StopPoint,
         "pc=0000 steps=0"},
        {"not a command start is no stop point",
         {4},
         {9, UINT64_MAX, -1},
         TStopReason::Budget,
         "steps=9"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        TBoard board(Compiled(kLoop));
        board.SetStopPoints(row.points);
        EXPECT_EQ(board.Run(row.limits), row.reason);
        EXPECT_EQ(Mismatches(board, row.expect), "");
    }
}

TEST(BoardRun, LeavesTheStartingStopPointAndEndsOnStopOrError) {
    TBoard board(Compiled(kLoop));
    board.SetStopPoints({2});
    EXPECT_EQ(board.Run({}), TStopReason::StopPoint);
    EXPECT_EQ(Mismatches(board, "pc=0002 steps=1"), "");
    EXPECT_EQ(board.Run({}), TStopReason::StopPoint); // once round the loop
    EXPECT_EQ(Mismatches(board, "pc=0002 steps=5 portd=01 portb=01"), "");
    EXPECT_EQ(board.Run({UINT64_MAX, UINT64_MAX, 2}), TStopReason::StopPoint);
    EXPECT_EQ(board.Step(), TStopReason::Budget); // a step ignores stop points
    EXPECT_EQ(Mismatches(board, "pc=0003 portd=03"), "");
    board.Reset();
    EXPECT_EQ(Mismatches(board, "pc=0000 steps=0 time=0 portd=00 ddrd=00"), "");
    EXPECT_TRUE(board.IsStopPoint(2)); // a reset keeps the stop points

    TBoard stops(Compiled({"stop"}));
    EXPECT_EQ(stops.Run({}), TStopReason::Stopped);
    EXPECT_EQ(stops.Run({}), TStopReason::Stopped);
    EXPECT_EQ(stops.Step(), TStopReason::Stopped);
    EXPECT_EQ(Mismatches(stops, "steps=1"), "");
    TBoard fails(Compiled({"nop"}));
    EXPECT_EQ(fails.Run({}), TStopReason::Error);
    EXPECT_EQ(fails.Step(), TStopReason::Error);
    EXPECT_EQ(Mismatches(fails, "steps=1 error=0001"), "");
}

TEST(BoardRun, TheToneSoundsFromItsStartForItsDuration) {
    TBoard board(Compiled({"nop", "sound_01_32", "stop"}));
    board.Run({});
    const std::pair<std::uint64_t, std::uint32_t> at[] = {
        {0, 0}, {399, 0}, {400, 500}, {10'399, 500}, {10'400, 0}};
    for (auto [t, period] : at)
        EXPECT_EQ(board.TonePeriodAt(t), period) << t;
}

// A random image: commands of every kind with random operands, gotos to random addresses (most
// of them command starts), now and then a byte that is no opcode.
std::string RandomImage(std::mt19937& rng) {
    const auto& table = CommandTable();
    int count = 1 + static_cast<int>(rng() % 40);
    std::string image;
    std::vector<int> starts;
    for (int i = 0; i < count; ++i) {
        starts.push_back(static_cast<int>(image.size()));
        if (rng() % 30 == 0) {
            image += static_cast<char>(0xF0);
            continue;
        }
        const TCommand& command = table[rng() % table.size()];
        if (command.Mnemonic == "stop" && rng() % 4 != 0)
            continue; // fewer stops, longer runs
        image += static_cast<char>(command.Opcode);
        for (int k = 1; k < command.Size; ++k)
            image += static_cast<char>(command.Form == TOperandForm::Pin     ? rng() % 10
                                       : command.Form == TOperandForm::Sound ? rng() % 3
                                                                             : rng() % 256);
    }
    // Point every goto somewhere: a start mostly, now and then anywhere.
    TBoardProgram decoded{image};
    for (int at : decoded.CommandStarts()) {
        const TCommand* command = decoded.CommandAt(at);
        if (!command || command->Form != TOperandForm::Address ||
            at + 2 >= static_cast<int>(image.size()))
            continue;
        int target = rng() % 8 == 0 ? static_cast<int>(rng() % (image.size() + 2))
                                    : starts[rng() % starts.size()];
        image[static_cast<std::size_t>(at) + 1] = static_cast<char>(target >> 8);
        image[static_cast<std::size_t>(at) + 2] = static_cast<char>(target & 0xFF);
    }
    return image;
}

// The history gives back every earlier state exactly: seeks back and forth, to a moment of
// time, the last time a command was about to run, and the same with the history thinned to a
// handful of snapshots.
TEST(BoardRun, HistoryGivesBackEveryEarlierState) {
    std::mt19937 rng(21);
    for (int trial = 0; trial < 200; ++trial) {
        const std::string image = RandomImage(rng);
        SCOPED_TRACE(trial);
        // The reference: the state after every step, one by one.
        TBoard reference{TBoardProgram(image)};
        std::vector<TBoardState> states{reference.State()};
        while (states.size() < 3000) {
            const TStopReason reason = reference.Step();
            // An error is no step of its own: the state before it takes its status.
            if (reference.Steps() < states.size())
                states.back() = reference.State();
            else
                states.push_back(reference.State());
            if (reason != TStopReason::Budget)
                break;
        }
        const std::uint64_t last = reference.Steps();
        const auto warningsBefore = [&](std::uint64_t step) {
            std::vector<TBoardEvent> before;
            for (const TBoardEvent& warning : reference.Warnings())
                if (warning.Step < step)
                    before.push_back(warning);
            return before;
        };

        for (const std::size_t bytes : {TBoardHistory::kDefaultBytes, std::size_t{2000}}) {
            TBoard board{TBoardProgram(image)};
            TBoardHistory history(bytes, 7);
            history.Begin(board);
            // Recorded in random slices up to where the reference got, its error included.
            const bool error = reference.Status() == TBoardStatus::Error;
            while (board.Status() == TBoardStatus::Running && (board.Steps() < last || error)) {
                TRunLimits limits;
                limits.MaxSteps = std::min({history.Room(board), std::uint64_t{1} + rng() % 40,
                                            std::max<std::uint64_t>(last - board.Steps(), 1)});
                board.Run(limits);
                history.Note(board);
            }
            ASSERT_EQ(history.Frontier(), last);
            EXPECT_EQ(history.Warnings(), reference.Warnings());
            for (int seek = 0; seek < 30; ++seek) {
                const std::uint64_t step = rng() % (last + 1);
                history.Seek(board, step);
                ASSERT_EQ(board.State(), states[step]);
                ASSERT_EQ(board.Warnings(), warningsBefore(step));
            }
            // A moment of time: the last state that had got no further than it.
            for (int seek = 0; seek < 10; ++seek) {
                const std::uint64_t t = rng() % (states.back().TimeUs + 2);
                std::size_t expected = 0;
                while (expected + 1 < states.size() && states[expected + 1].TimeUs <= t)
                    ++expected;
                history.SeekTime(board, t);
                ASSERT_EQ(board.State(), states[expected]) << "t=" << t;
            }
            const auto& starts = board.Program().CommandStarts();
            const int offset = starts[rng() % starts.size()];
            const std::uint64_t before = rng() % (last + 1);
            std::optional<std::uint64_t> expected;
            for (std::uint64_t step = 0; step < before; ++step)
                if (states[step].Pc == offset && states[step].Status == TBoardStatus::Running)
                    expected = step;
            EXPECT_EQ(history.LastStepAt(board, {offset}, before), expected);
            if (bytes < TBoardHistory::kDefaultBytes) {
                EXPECT_LE(history.Bytes(), bytes + 200);
            }
        }
    }
}

TEST(BoardRun, SlicedRunsReachTheStateOfSteppingOneByOne) {
    std::mt19937 rng(12);
    for (int trial = 0; trial < 300; ++trial) {
        std::string image = RandomImage(rng);
        SCOPED_TRACE(trial);
        const std::uint64_t maxSteps = 2000;

        TBoard stepped{TBoardProgram(image)};
        while (stepped.Steps() < maxSteps && stepped.Step() == TStopReason::Budget) {
        }

        TBoard straight{TBoardProgram(image)};
        straight.Run({maxSteps, UINT64_MAX, -1});

        // Slices of random budgets and time limits, with stop points and run-to offsets.
        TBoard sliced{TBoardProgram(image)};
        const auto& starts = sliced.Program().CommandStarts();
        sliced.SetStopPoints({starts[rng() % starts.size()], starts[rng() % starts.size()]});
        for (;;) {
            std::uint64_t left = maxSteps - sliced.Steps();
            TRunLimits limits{std::min<std::uint64_t>(left, rng() % 50),
                              sliced.TimeUs() + rng() % 200'000,
                              rng() % 3 == 0 ? starts[rng() % starts.size()] : -1};
            TStopReason reason = sliced.Run(limits);
            if (reason == TStopReason::Stopped || reason == TStopReason::Error ||
                sliced.Steps() == maxSteps)
                break;
        }

        for (const TBoard* other : {&straight, &sliced}) {
            EXPECT_EQ(other->State(), stepped.State());
            EXPECT_EQ(other->Warnings(), stepped.Warnings());
            EXPECT_EQ(other->Error(), stepped.Error());
        }
    }
}

} // namespace
