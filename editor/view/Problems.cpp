// Problem ranges and how edits move them.
#include "editor/view/Problems.h"

#include <algorithm>
#include <tuple>

namespace {

bool Before(const TCodeProblem& a, const TCodeProblem& b) {
    return std::tie(a.Line, a.Start) < std::tie(b.Line, b.Start);
}

// Where column p of an edited line lands: before the edit it stays, after it it shifts, inside
// the removed bytes it goes to the edit's start (a span's start) or end (a span's end).
int MapColumn(int p, int at, int removed, int inserted, bool isEnd) {
    if (isEnd ? p <= at : p < at)
        return p;
    if (p >= at + removed)
        return p + inserted - removed;
    return isEnd ? at + inserted : at;
}

} // namespace

TColor ProblemColor(TProblemKind kind) {
    // TColor is 0x00BBGGRR.
    return kind == TProblemKind::Error ? TColor{0x0000E0} : TColor{0x0090D8};
}

void TCodeProblemList::Set(std::vector<TCodeProblem> problems) {
    std::erase_if(problems, [](const TCodeProblem& p) { return p.End <= p.Start; });
    if (!std::is_sorted(problems.begin(), problems.end(), Before))
        std::stable_sort(problems.begin(), problems.end(), Before);
    FProblems = std::move(problems);
}

std::vector<TCodeProblem>::iterator TCodeProblemList::FirstOf(int line) {
    return std::lower_bound(FProblems.begin(), FProblems.end(), line,
                            [](const TCodeProblem& p, int l) { return p.Line < l; });
}

std::span<const TCodeProblem> TCodeProblemList::OfLine(int line) const {
    auto first = std::lower_bound(FProblems.begin(), FProblems.end(), line,
                                  [](const TCodeProblem& p, int l) { return p.Line < l; });
    auto last = std::find_if(first, FProblems.end(),
                             [line](const TCodeProblem& p) { return p.Line != line; });
    return {first, last};
}

const TCodeProblem* TCodeProblemList::At(int line, int col) const {
    for (const TCodeProblem& p : OfLine(line))
        if (p.Start <= col && col < p.End)
            return &p;
    return nullptr;
}

const TCodeProblem* TCodeProblemList::Next(int line, int col) const {
    if (FProblems.empty())
        return nullptr;
    auto it = std::upper_bound(FProblems.begin(), FProblems.end(), std::pair(line, col),
                               [](std::pair<int, int> at, const TCodeProblem& p) {
                                   return std::tie(at.first, at.second) < std::tie(p.Line, p.Start);
                               });
    return it == FProblems.end() ? &FProblems.front() : &*it;
}

const TCodeProblem* TCodeProblemList::Previous(int line, int col) const {
    if (FProblems.empty())
        return nullptr;
    auto it = std::lower_bound(FProblems.begin(), FProblems.end(), std::pair(line, col),
                               [](const TCodeProblem& p, std::pair<int, int> at) {
                                   return std::tie(p.Line, p.Start) < std::tie(at.first, at.second);
                               });
    return it == FProblems.begin() ? &FProblems.back() : &*std::prev(it);
}

void TCodeProblemList::ShiftFrom(int line, int delta) {
    for (auto it = FirstOf(line); it != FProblems.end(); ++it)
        it->Line += delta;
}

void TCodeProblemList::LinesInserted(int at, int count) {
    if (count > 0)
        ShiftFrom(at, count);
}

void TCodeProblemList::LinesRemoved(int first, int count) {
    if (count <= 0)
        return;
    auto from = FirstOf(first);
    auto to = FirstOf(first + count);
    for (auto it = to; it != FProblems.end(); ++it)
        it->Line -= count;
    FProblems.erase(from, to);
}

void TCodeProblemList::LineEdited(int line, int at, int removed, int inserted) {
    auto first = FirstOf(line);
    auto last = first;
    for (; last != FProblems.end() && last->Line == line; ++last) {
        last->Start = MapColumn(last->Start, at, removed, inserted, false);
        last->End = MapColumn(last->End, at, removed, inserted, true);
    }
    // The mapping keeps the order of starts, so only emptied spans need to go.
    FProblems.erase(
        std::remove_if(first, last, [](const TCodeProblem& p) { return p.End <= p.Start; }), last);
}

void TCodeProblemList::LineSplit(int line, int col, int newStart) {
    auto first = FirstOf(line);
    auto last = first;
    while (last != FProblems.end() && last->Line == line)
        ++last;
    ShiftFrom(line + 1, 1);
    // Spans from col on move down; the order within the line is kept, so they stay last.
    for (auto it = first; it != last; ++it)
        if (it->Start >= col) {
            it->Line = line + 1;
            it->Start = std::max(0, it->Start - col + newStart);
            it->End = std::max(it->Start, it->End - col + newStart);
        } else if (it->End > col) {
            it->End = it->Start; // across the break: goes below
        }
    FProblems.erase(
        std::remove_if(first, last, [](const TCodeProblem& p) { return p.End <= p.Start; }), last);
}

void TCodeProblemList::LinesJoined(int line, int col) {
    for (auto it = FirstOf(line + 1); it != FProblems.end(); ++it) {
        if (it->Line == line + 1) {
            it->Start += col;
            it->End += col;
        }
        --it->Line;
    }
}
