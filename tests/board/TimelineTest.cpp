// The timeline against the VCD of the same run: every example's register, tone and volume
// changes as tovixsim dumped them (the golden VCD files), the same built behind a session by
// replaying its history, a stretch of it rebuilt exactly, and the run folded into a small memory,
// whose picture columns must still hold every change.
#include "board/Timeline.h"
#include "board/BoardProbe.h"
#include "board/TimelineBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r'))
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The changes of a VCD after its initial values: signal id → (time, value).
std::map<char, std::vector<std::pair<std::uint64_t, std::uint32_t>>>
VcdChanges(const std::filesystem::path& path) {
    std::map<char, std::vector<std::pair<std::uint64_t, std::uint32_t>>> changes;
    std::ifstream in(path);
    std::uint64_t time = 0;
    bool body = false;
    for (std::string line; std::getline(in, line);) {
        if (line == "$end" && !body) { // the end of $dumpvars
            body = true;
        } else if (!body || line.empty()) {
        } else if (line[0] == '#') {
            time = std::stoull(line.substr(1));
        } else if (line[0] == 'b') {
            const std::size_t space = line.find(' ');
            changes[line[space + 1]].push_back({time, static_cast<std::uint32_t>(std::stoul(
                                                          line.substr(1, space - 1), nullptr, 2))});
        } else {
            changes[line[1]].push_back({time, line[0] == '1' ? 1u : 0u});
        }
    }
    return changes;
}

// The example run as tovixsim runs it: to 10 s of virtual time, command by command.
TTimeline RunExample(const std::vector<std::string>& lines, std::size_t maxBytes) {
    TBoard board(Compiled(lines));
    TTimeline timeline(board.State(), maxBytes);
    while (board.Status() == TBoardStatus::Running && board.TimeUs() < 10'000'000) {
        const TBoardState before = board.State();
        board.Step();
        if (board.Status() == TBoardStatus::Error)
            break;
        timeline.Command(before, board.State(), board.Program().Op(before.Pc),
                         board.Program().LineOf(before.Pc));
    }
    timeline.Finish(board.TimeUs());
    return timeline;
}

TEST(Timeline, HoldsWhatTheVcdOfTheSameRunHolds) {
    const std::pair<char, TTimelineSignal> signals[] = {
        {'!', TTimelineSignal::PortD},  {'"', TTimelineSignal::DdrD},
        {'#', TTimelineSignal::PortB},  {'$', TTimelineSignal::DdrB},
        {'%', TTimelineSignal::ToneHz}, {'&', TTimelineSignal::Volume}};
    for (const auto& entry : std::filesystem::directory_iterator(EXAMPLES_DIR)) {
        if (entry.path().extension() != ".tovix")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        const std::vector<std::string> lines = ReadLines(entry.path());
        const TTimeline timeline = RunExample(lines, TTimeline::kDefaultBytes);
        auto vcd =
            VcdChanges(std::string(GOLDEN_DIR) + "/" + entry.path().stem().string() + ".vcd");
        std::size_t total = 0;
        for (const auto& [id, signal] : signals) {
            std::vector<std::pair<std::uint64_t, std::uint32_t>> drawn;
            for (const TTimelineChange& change : timeline.Changes(signal))
                drawn.push_back({change.TimeUs, change.Value});
            EXPECT_EQ(drawn, vcd[id]) << "signal " << id;
            total += drawn.size();
        }

        // Built behind a session's run by replaying its history: the same changes.
        TBoardSession session([&lines] { return lines; });
        session.SetSpeed(TRunSpeed::Fastest, 0);
        session.SetTimeLimit(10'000'000);
        session.Start(0);
        while (session.Advance(0, 1000).What == TAdvance::Budget) {
        }
        TTimelineBuilder builder;
        while (!builder.Continue(session, 7)) {
        }
        ASSERT_TRUE(builder.Timeline());
        for (const auto& [id, signal] : signals)
            EXPECT_EQ(builder.Timeline()->Changes(signal), timeline.Changes(signal));

        // A stretch rebuilt exactly from the history: the changes dated within it.
        const std::uint64_t from = timeline.EndUs() / 3, to = timeline.EndUs() / 2;
        TTimelineDetail detail;
        detail.Start(session, from, to);
        while (!detail.Continue(5)) {
        }
        ASSERT_TRUE(detail.Covers(from, to));
        for (const auto& [id, signal] : signals) {
            const auto within = [&](const TTimeline& t) {
                std::vector<TTimelineChange> changes;
                for (const TTimelineChange& change : t.Changes(signal))
                    if (change.TimeUs >= from && change.TimeUs < to)
                        changes.push_back(change);
                return std::pair(changes, t.ValueBefore(signal, from));
            };
            EXPECT_EQ(within(*detail.Timeline()), within(timeline)) << "signal " << id;
        }

        // Folded into a memory for a few dozen changes: the columns of the whole run still
        // count every change and agree on the values where they start and end.
        const TTimeline folded = RunExample(lines, 40 * sizeof(TTimelineChange));
        if (total > 80) {
            EXPECT_GT(folded.FoldedUntil(), 0u);
        }
        for (const auto& [id, signal] : signals) {
            const auto exact = timeline.Columns(signal, 0, timeline.EndUs() + 1, 64);
            const auto summed = folded.Columns(signal, 0, folded.EndUs() + 1, 64);
            std::uint32_t exactCount = 0, summedCount = 0;
            for (const TTimelineSpan& span : exact)
                exactCount += span.Count;
            for (const TTimelineSpan& span : summed)
                summedCount += span.Count;
            EXPECT_GE(summedCount, exactCount) << "signal " << id;
            EXPECT_EQ(summed.back().Last, exact.back().Last) << "signal " << id;
        }
    }
}

} // namespace
