// The editor's text: a list of single-byte lines without line breaks and without TABs, each
// with an object slot that may carry the line's property record, plus a cache of line lengths.
#pragma once

#include "base/TextFile.h"
#include "editor/buffer/ChunkedVector.h"
#include "editor/buffer/LineLengths.h"
#include "editor/buffer/LineStoreOwner.h"
#include "editor/buffer/LineText.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The root of the objects a line's slot can hold.
class TObject {
public:
    virtual ~TObject() = default;
};

// The tokenizer's state at the start of a line.
struct TScanState {
    std::int32_t Values[3] = {0, 0, 0};
    bool operator==(const TScanState&) const = default;
};

// Per-line flags, created on demand the first time a flag of the line is set.
class TLineProp : public TObject {
public:
    TObject* LineObject = nullptr; // the caller's object for this line; not owned
    bool Breakpoint = false;       // compile mark
    bool Modified = false;         // changed by editing
    TScanState SavedStyleState;
    bool SavedStyleStateValid = false;
};

// Every line record of one list, allocated in blocks and freed all together: records are never
// freed one by one.
class TLinePropPool {
public:
    // A new record with its initial values.
    TLineProp* New();
    void Clear();
    int Count() const { return FCount; }

private:
    static constexpr int kBlock = 4096;
    std::vector<std::unique_ptr<TLineProp[]>> FBlocks;
    int FCount = 0;
};

// One step of a batch of whole-line edits, at a line of the text as it was before the batch:
// the line's text replaced (its record and object stay), a new line inserted before it (Line ==
// Count() appends), or the line removed. A batch is in line order; at one line its insertions
// come first, then at most one replacement or removal.
struct TLineBatchStep {
    enum TKind : std::uint8_t { Replace, Insert, Remove };
    int Line = 0;
    TKind Kind = Replace;
    std::string Text;
};

class TCodeMemoStrings {
public:
    using TNotifyEvent = std::function<void(TCodeMemoStrings&)>;

    explicit TCodeMemoStrings(TLineStoreOwner& owner);
    ~TCodeMemoStrings();
    TCodeMemoStrings(const TCodeMemoStrings&) = delete;
    TCodeMemoStrings& operator=(const TCodeMemoStrings&) = delete;

    int Count() const { return static_cast<int>(FLines.size()); }
    int Add(std::string_view s);
    void InsertLine(int index, std::string_view s);
    void Insert(int index, std::string_view s);
    void Delete(int index);
    // Removes line index and its length entry and nothing else: the removal that the editor's
    // own line deletion performs.
    void RemoveLine(int index);
    // Removes count lines from first on, as count RemoveLine calls would, in one step.
    void RemoveLines(int first, int count);
    // Inserts lines before index, as InsertLine for each in turn would, in one step.
    void InsertLines(int index, const std::vector<std::string_view>& lines);
    // Makes a batch of line edits with one change notification and returns the batch that takes
    // them back (its lines are those of the new text). Many insertions and removals rebuild the
    // line sequence in one pass instead of shifting the lines after each.
    std::vector<TLineBatchStep> ApplyBatch(std::vector<TLineBatchStep> steps);
    void Clear();
    std::string Get(int index) const;
    // The line's bytes without a copy; valid until the next change of the list.
    std::string_view Line(int index) const;
    // Length of line index from the length cache.
    int LineLength(int index) const;
    void Put(int index, std::string_view s);
    // Put for the editing commands, which know more of the new text: it holds no TAB, and it is
    // the line now with the removed bytes from offset at on replaced by others.
    void PutEdited(int index, std::string_view text, int at, int removed);
    TObject* GetObject(int index) const;
    void PutObject(int index, TObject* obj);
    TLineProp* GetLineProp(int index) const;
    TLineProp* CreateLineProp(int index);
    // Appends every line of source with its object, without TAB expansion.
    void AddStrings(const TCodeMemoStrings& source);
    void AddStrings(const std::vector<std::string>& source);
    void Assign(const TCodeMemoStrings& source);
    void Assign(const std::vector<std::string>& source);
    void SetUpdateState(bool updating);
    void BeginUpdate();
    void EndUpdate();
    // Reads a program file; raises EFOpenError, leaving the text as it was, when it cannot.
    void LoadFromFile(const std::string& fileName);
    // Writes the program file; raises EFCreateError when it cannot (an earlier file stays whole).
    void SaveToFile(const std::string& fileName) const;
    // Removes the leading spaces of every line, and every line's record and object, ending as
    // taking all lines out (Clear) and adding them back does, with one change notification;
    // returns the spaces each line lost.
    std::vector<std::int32_t> StripLeadingSpaces();
    // All lines as plain strings.
    std::vector<std::string> ToVector() const;

    int LockCount() const { return FLockCount; }
    bool Deleting() const { return FDeleting; }
    int LinePropCount() const { return FLinePropList.Count(); }
    const TIntList& LineLengths() const { return FLineLengths; }
    // Changes with every change of any line's text; what was worked out from the text under
    // one value holds while it stays.
    std::uint64_t TextVersion() const { return FTextVersion; }
    // A change that replaced the text of one line: Removed bytes from offset At on gave way to
    // Inserted bytes, and the text version became Version.
    struct TLineEdit {
        std::uint64_t Version = 0;
        int Line = -1;
        int At = 0;
        int Removed = 0;
        int Inserted = 0;
    };
    // The changes after text version version, oldest first, when each was such an edit and is
    // still remembered (the latest kLineEditsKept are); nullopt otherwise.
    std::optional<std::span<const TLineEdit>> LineEditsSince(std::uint64_t version) const;
    static constexpr std::size_t kLineEditsKept = 64;

    // Fired by the list after every change made outside an update block.
    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

private:
    struct TEntry {
        LineText Text;
        TObject* Object = nullptr; // a TLineProp of this list, or the caller's object
    };

    void CheckIndex(int index) const;
    void Changing();
    void Changed();
    void RawInsert(int index, std::string_view s, TObject* obj);
    void RawDelete(int index);
    void RawClear();
    void RebuildLineLengths();
    TChunkedVector<TEntry> ParseLines(std::string_view bytes) const;

    TLineStoreOwner& FOwner;
    int FLockCount = 0;
    int FUpdateCount = 0;
    bool FDeleting = false;
    std::uint64_t FTextVersion = 0;
    std::vector<TLineEdit> FLineEdits; // consecutive versions, the latest last
    TLinePropPool FLinePropList;
    TIntList FLineLengths;
    TChunkedVector<TEntry> FLines;
};
