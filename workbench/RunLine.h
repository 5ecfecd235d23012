// The editor's marks for the line of a board run's next command: the gutter's arrow and the
// active line's colours, over a compile mark's, the line scrolled into view.
#pragma once

class TCodeCustomMemo;

class TRunLineMarks {
public:
    explicit TRunLineMarks(TCodeCustomMemo& memo) : FMemo(memo) {}

    // Marks line (0-based); -1 takes the marks away.
    void Show(int line);

private:
    TCodeCustomMemo& FMemo;
    int FShown = -1;
};
