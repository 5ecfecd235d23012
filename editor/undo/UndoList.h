// The undo history: records of the user's changes, each knowing how to undo, redo and absorb a
// following record of its kind, kept newest first by TCodeUndoList.
#pragma once

#include "editor/buffer/LineStore.h"

#include <memory>
#include <string>
#include <vector>

class TCodeCustomMemo;

// A change of the text. Positions are (column, line), 0-based; a CR (13) in Text stands for a
// line break.
struct TUndo {
    TCodeCustomMemo* Memo = nullptr; // set by the list when the record is added
    int BeforeX = 0;
    int BeforeY = 0;
    int AfterX = 0;
    int AfterY = 0;
    std::string Text;

    TUndo() = default;
    TUndo(int beforeX, int beforeY, std::string text, int afterX, int afterY)
        : BeforeX(beforeX), BeforeY(beforeY), AfterX(afterX), AfterY(afterY),
          Text(std::move(text)) {}
    virtual ~TUndo() = default;

    // Absorbs next, a record made right after this one; true if it did.
    virtual bool Merge(const TUndo& next);
    // Reverses the change; the caret stands at (AfterX, AfterY).
    virtual void Undo() {}
    // Makes the change again; the caret stands at (BeforeX, BeforeY).
    virtual void Redo() {}
};

// The blanks that one Enter removed from the text besides splitting the line: the trailing
// blanks of the part before the caret, the leading spaces of the part moved down (auto-indent)
// and that part's trailing blanks. Undo puts them back, redo removes them again.
struct TLineBreakTrim {
    std::string Left;
    std::string Right;
    std::string Tail;
};

// Typing, Tab and Enter in insert mode. Breaks holds one entry for every CR of Text.
struct TInsertCharUndo : TUndo {
    using TUndo::TUndo;
    std::vector<TLineBreakTrim> Breaks;
    bool Merge(const TUndo& next) override;
    void Undo() override;
    void Redo() override;
};

// Typing in overwrite mode. Replaced holds, for every byte of Text, the byte it replaced, or -1
// where it was appended to the line.
struct TOverwriteCharUndo : TUndo {
    using TUndo::TUndo;
    std::vector<int> Replaced;
    bool Merge(const TUndo& next) override;
    void Undo() override;
    void Redo() override;
};

// Delete and Backspace without a selection; joining two lines records a single CR.
struct TDeleteCharUndo : TUndo {
    TDeleteCharUndo(int beforeX, int beforeY, std::string text, int afterX, int afterY,
                    bool backspace)
        : TUndo(beforeX, beforeY, std::move(text), afterX, afterY), Backspace(backspace) {}
    bool Backspace = false;
    bool Merge(const TUndo& next) override;
    void Undo() override;
    void Redo() override;
};

// Deleting the caret's line; Text is the deleted line. OnlyLine tells the deletion of a text's
// only line (which empties it) from that of the first of two lines.
struct TDeleteLineUndo : TUndo {
    using TUndo::TUndo;
    bool OnlyLine = false;
    void Undo() override;
    void Redo() override;
};

// A record that knows the selection it deleted, start before end.
struct TSelUndo : TUndo {
    using TUndo::TUndo;
    int SelStartX = 0;
    int SelStartY = 0;
    int SelEndX = 0;
    int SelEndY = 0;
};

// Deleting a selection; Text is the selected text.
struct TDeleteBufUndo : TSelUndo {
    using TSelUndo::TSelUndo;
    void Undo() override;
    void Redo() override;
};

// Inserting a block of text.
struct TPasteUndo : TUndo {
    using TUndo::TUndo;
    void Undo() override;
    void Redo() override;
};

// Whole lines replaced, inserted and removed in one step (TCodeCustomMemo::EditLines). Steps is
// the batch that takes the text the other way; each undo and redo leaves its own reverse there.
struct TLineBatchUndo : TUndo {
    using TUndo::TUndo;
    std::vector<TLineBatchStep> Steps;
    void Undo() override;
    void Redo() override;
};

class TCodeUndoList {
public:
    explicit TCodeUndoList(TCodeCustomMemo& memo) : FMemo(memo) {}
    ~TCodeUndoList();
    TCodeUndoList(const TCodeUndoList&) = delete;
    TCodeUndoList& operator=(const TCodeUndoList&) = delete;

    // Takes ownership of record (dropped while an undo or redo runs, or absorbed by the newest).
    void Add(std::unique_ptr<TUndo> record);
    void Undo();
    void Redo();
    void Clear();

    // Records at the front that have been undone.
    int Position() const { return FPosition; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // Record index; 0 is the newest.
    const TUndo& Item(int index) const { return *FItems[static_cast<std::size_t>(index)]; }
    bool CanUndo() const { return FPosition < Count(); }
    bool CanRedo() const { return FPosition > 0; }
    bool Performing() const { return FPerforming; }
    int Limit() const { return FLimit; }
    // Below 1 becomes 10, above 100 becomes 100; a new limit empties the list.
    void SetLimit(int limit);

private:
    void Perform(TUndo& record, bool redo);
    void Notify();

    TCodeCustomMemo& FMemo;
    std::vector<std::unique_ptr<TUndo>> FItems; // newest first
    int FPosition = 0;
    bool FPerforming = false;
    int FLimit = 100;
};
