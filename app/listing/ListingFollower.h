// Keeps the listing of the editor's text current as the user types: after a pause in the edits
// it lists the text again in slices on the GUI thread, each a few milliseconds long, so that a
// text of a million lines never holds up a key. The text itself is never changed.
#pragma once

#include "compiler/ProgramListing.h"
#include "workbench/MemoCompileTarget.h"

#include <QObject>
#include <QTimer>

#include <cstdint>

class TCodeCustomMemo;

class TListingFollower : public QObject {
    Q_OBJECT

public:
    // Quiet time after the last edit before listing again, and the length of one slice.
    static constexpr int kDebounceMs = 150;
    static constexpr int kSliceMs = 6;
    // Lines listed (or labels resolved, warnings merged) between two looks at the clock: a line
    // the lint reads closely costs a few microseconds.
    static constexpr int kLinesPerStep = 1024;

    explicit TListingFollower(TCodeCustomMemo& memo, QObject* parent = nullptr);

    // The text has changed: list it again once the edits pause.
    void TextChanged();
    // The last complete listing; it may be of an earlier text (see IsCurrent).
    const TProgramListing& Listing() const { return FListing; }
    // True when Listing() is of the text as it stands.
    bool IsCurrent() const;
    // Lists the text now, in one go, unless the listing is current.
    void MakeCurrent();
    // Starts listing the text at once, in slices, unless the listing is current or being made.
    void ListSoon();

signals:
    // A new complete listing is in Listing().
    void Updated();
    // The text changed after the listing was made: it is being listed again.
    void Outdated();

private:
    // A new build of the text as it stands.
    void BeginBuild();
    void StartBuild();
    void BuildSlice();
    void Finish();
    std::uint64_t TextVersion() const;

    TCodeCustomMemo& FMemo;
    TMemoCompileTarget FText;
    TListingBuilder FBuilder;
    TProgramListing FListing;
    std::uint64_t FListedVersion = 0;
    std::uint64_t FBuildVersion = 0;
    bool FHasListing = false;
    QTimer FDebounce;
    QTimer FSlice;
};
