// What the line store asks of the one that holds it and what it tells it, as a document tells
// its watcher: the store keeps the lines, its owner keeps what depends on them (caret,
// selection, view, undo). TNullLineStoreOwner lets a store be used without an editor.
#pragma once

#include "base/TextFile.h"

class TCodeMemoStrings;

class TLineStoreOwner {
public:
    // The TAB width of lines that come in.
    virtual int TabSize() const = 0;

    // A change at line, told before or after it is made: above the first line shown, it makes
    // the scan state kept for that line stale.
    virtual void ChangeAt(int line) = 0;
    // The checkpoints of lines after line may be stale (-1: every line's).
    virtual void CheckpointsChangedAfter(int line) = 0;
    // Lines were added by Add (every other change comes through the store's OnChange).
    virtual void LinesChanged() = 0;
    virtual void Invalidate() = 0;

    // The selection collapses (before Insert).
    virtual void ClearSelection() = 0;
    // The caret goes to the start of the text and the selection goes (before every line goes).
    virtual void ResetCaret() = 0;
    // Deletes line index of lines as the owner's own line deletion does, keeping its caret on
    // the text; lines.Deleting() is true meanwhile.
    virtual void DeleteLineAt(TCodeMemoStrings& lines, int index) = 0;
    // A text whose lines were all taken out and put back shows its top left corner.
    virtual void ShowTopLeft() = 0;

    // Around Assign, which replaces every line.
    virtual void TextAssigning() = 0;
    virtual void TextAssigned() = 0;
    // Around the replacement of every line by a file's: TextLoading comes after the file has
    // been read, so that a file that cannot be read changes nothing.
    virtual void TextLoading() = 0;
    virtual void TextLoaded() = 0;

    // The shape of the text changed, for what the owner keeps by line and column: count lines
    // were inserted before index, count lines from first on were removed (every line when the
    // text is cleared or each line loses its leading spaces), or bytes of one line were
    // replaced (removed bytes from column at gave way to inserted others).
    virtual void LinesInsertedAt(int /*index*/, int /*count*/) {}
    virtual void LinesRemovedAt(int /*first*/, int /*count*/) {}
    virtual void LineEdited(int /*line*/, int /*at*/, int /*removed*/, int /*inserted*/) {}

protected:
    ~TLineStoreOwner() = default;
};

// The owner of a store without an editor: lines are deleted plainly, and nothing else happens.
class TNullLineStoreOwner final : public TLineStoreOwner {
public:
    int TabSize() const override { return kDefaultTabSize; }
    void ChangeAt(int) override {}
    void CheckpointsChangedAfter(int) override {}
    void LinesChanged() override {}
    void Invalidate() override {}
    void ClearSelection() override {}
    void ResetCaret() override {}
    void DeleteLineAt(TCodeMemoStrings& lines, int index) override;
    void ShowTopLeft() override {}
    void TextAssigning() override {}
    void TextAssigned() override {}
    void TextLoading() override {}
    void TextLoaded() override {}
};
