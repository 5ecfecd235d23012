// What the listing tells of one command beyond its bytes: the reason of a faulty operand, the
// warning of a goto that lands wrongly, or the line and command a goto lands on. The listing
// window's Переход column and the tooltip over a goto's address both say it, each in its way.
#pragma once

#include <QString>

class TCodeCustomMemo;
struct TProgramListing;

struct TJumpNote {
    bool Fault = false;  // Problem is a faulty operand's reason ...
    QString Problem;     // ... or a goto's warning; empty for neither
    int TargetLine = -1; // a sound goto: the 0-based line it lands on
    QString TargetText;  // and that line without its leading spaces
};

// The note of entry (an index into listing.Entries) over the editor's lines in memo.
TJumpNote JumpNote(const TProgramListing& listing, const TCodeCustomMemo& memo, int entry);
