// The live listing's faults and warnings made into the editor's problem ranges after every new
// listing, in slices of a few milliseconds on the GUI thread: a program of a million lines may
// have a hundred thousand of them. A change of the text drops the work under way; the next
// listing starts it again.
#pragma once

#include "editor/view/Problems.h"

#include <QTimer>

#include <vector>

class TCodeCustomMemo;
class TListingFollower;

class TEditorProblems {
public:
    // Problems made from the listing of the text kept by follower, for memo.
    TEditorProblems(TCodeCustomMemo& memo, TListingFollower& follower);

    // A new listing is complete: make its problems.
    void Start();
    // The text changed: the problems under way would land in the wrong places.
    void Stop();
    bool Busy() const { return FSlice.isActive(); }

    // Problems made between two looks at the clock, and the length of one slice.
    static constexpr int kProblemsPerStep = 2048;
    static constexpr int kSliceMs = 6;

private:
    void Slice();
    // Makes at most count more problems; true when every one is made.
    bool Continue(int count);

    TCodeCustomMemo& FMemo;
    TListingFollower& FFollower;
    QTimer FSlice;
    std::size_t FNext[3] = {0, 0, 0}; // faults, goto warnings, passed-over warnings
    std::vector<TCodeProblem> FMade[3];
};
