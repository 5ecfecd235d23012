// The listing follower: a debounce timer, then zero-time timer slices until the text is listed.
#include "app/listing/ListingFollower.h"

#include "editor/CodeMemo.h"

#include <QElapsedTimer>

#include <climits>

TListingFollower::TListingFollower(TCodeCustomMemo& memo, QObject* parent)
    : QObject(parent), FMemo(memo), FText(memo) {
    FDebounce.setSingleShot(true);
    FDebounce.setInterval(kDebounceMs);
    connect(&FDebounce, &QTimer::timeout, this, &TListingFollower::StartBuild);
    FSlice.setSingleShot(true);
    FSlice.setInterval(0);
    connect(&FSlice, &QTimer::timeout, this, &TListingFollower::BuildSlice);
}

std::uint64_t TListingFollower::TextVersion() const {
    return FMemo.Lines().TextVersion();
}

bool TListingFollower::IsCurrent() const {
    return FHasListing && FListedVersion == TextVersion();
}

void TListingFollower::TextChanged() {
    // A build under way lists a text that no longer is: drop it.
    FSlice.stop();
    FBuilder.Restart();
    FDebounce.start();
    emit Outdated();
}

void TListingFollower::MakeCurrent() {
    if (IsCurrent())
        return;
    FDebounce.stop();
    FSlice.stop();
    BeginBuild();
    FBuilder.Continue(FText, INT_MAX);
    Finish();
}

void TListingFollower::ListSoon() {
    if (IsCurrent() || FSlice.isActive())
        return;
    FDebounce.stop();
    StartBuild();
}

void TListingFollower::BeginBuild() {
    FBuilder.Restart();
    FBuildVersion = TextVersion();
}

void TListingFollower::StartBuild() {
    BeginBuild();
    BuildSlice();
}

void TListingFollower::BuildSlice() {
    if (FBuildVersion != TextVersion()) {
        // Changed without a word to us: start over after the usual pause.
        TextChanged();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    while (!FBuilder.Continue(FText, kLinesPerStep)) {
        if (clock.elapsed() >= kSliceMs) {
            FSlice.start();
            return;
        }
    }
    Finish();
}

void TListingFollower::Finish() {
    FListing = FBuilder.Take();
    FListedVersion = FBuildVersion;
    FHasListing = true;
    emit Updated();
}
