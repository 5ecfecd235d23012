// The editor's line list and its per-line records.
#include "editor/buffer/LineStore.h"

#include "base/Errors.h"
#include "base/ScopeGuard.h"

#include <algorithm>
#include <cstring>

// ---- TLinePropPool ----------------------------------------------------------------------------

TLineProp* TLinePropPool::New() {
    if (FCount % kBlock == 0)
        FBlocks.push_back(std::make_unique<TLineProp[]>(kBlock));
    return &FBlocks.back()[static_cast<std::size_t>(FCount++ % kBlock)];
}

void TLinePropPool::Clear() {
    FBlocks.clear();
    FBlocks.shrink_to_fit();
    FCount = 0;
}

// ---- TNullLineStoreOwner --------------------------------------------------------------------

void TNullLineStoreOwner::DeleteLineAt(TCodeMemoStrings& lines, int index) {
    lines.RemoveLine(index);
}

// ---- TCodeMemoStrings -----------------------------------------------------------------------

TCodeMemoStrings::TCodeMemoStrings(TLineStoreOwner& owner) : FOwner(owner) {}

TCodeMemoStrings::~TCodeMemoStrings() = default;

void TCodeMemoStrings::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(index);
}

void TCodeMemoStrings::Changing() {
    if (FUpdateCount == 0 && OnChanging)
        OnChanging(*this);
}

void TCodeMemoStrings::Changed() {
    if (FUpdateCount == 0 && OnChange)
        OnChange(*this);
}

void TCodeMemoStrings::RawInsert(int index, std::string_view s, TObject* obj) {
    FOwner.CheckpointsChangedAfter(index);
    Changing();
    FLines.insert(static_cast<std::size_t>(index), TEntry{LineText(s), obj});
    ++FTextVersion;
    FOwner.LinesInsertedAt(index, 1);
    Changed();
}

void TCodeMemoStrings::RawDelete(int index) {
    FOwner.CheckpointsChangedAfter(index - 1);
    Changing();
    FLines.erase(static_cast<std::size_t>(index));
    ++FTextVersion;
    FOwner.LinesRemovedAt(index, 1);
    Changed();
}

void TCodeMemoStrings::RawClear() {
    if (FLines.empty())
        return;
    Changing();
    FOwner.LinesRemovedAt(0, Count());
    FLines.clear();
    ++FTextVersion;
    Changed();
}

void TCodeMemoStrings::RebuildLineLengths() {
    FLineLengths.Clear();
    FLines.ForEach([this](const TEntry& entry) {
        FLineLengths.Add(static_cast<std::int32_t>(entry.Text.Size()));
    });
}

int TCodeMemoStrings::Add(std::string_view s) {
    std::string expanded;
    std::string_view text = WithTabsExpanded(s, FOwner.TabSize(), expanded);
    int index = Count();
    RawInsert(index, text, nullptr);
    FLineLengths.Add(static_cast<std::int32_t>(text.size()));
    FOwner.LinesChanged();
    return index;
}

void TCodeMemoStrings::InsertLine(int index, std::string_view s) {
    std::string text = ExpandTabs(s, FOwner.TabSize());
    FOwner.ChangeAt(index);
    if (index < 0 || index > Count())
        throw EListError(index);
    FLineLengths.Insert(index, static_cast<std::int32_t>(text.size()));
    RawInsert(index, text, nullptr);
}

void TCodeMemoStrings::Insert(int index, std::string_view s) {
    FOwner.ClearSelection();
    InsertLine(index, s);
    FOwner.Invalidate();
}

void TCodeMemoStrings::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    if (FDeleting) {
        RemoveLine(index);
        return;
    }
    FOwner.ChangeAt(index);
    TScopedValue deleting(FDeleting, true);
    FOwner.DeleteLineAt(*this, index);
}

void TCodeMemoStrings::RemoveLine(int index) {
    CheckIndex(index);
    FLineLengths.Delete(index);
    RawDelete(index);
}

void TCodeMemoStrings::RemoveLines(int first, int count) {
    if (count <= 0)
        return;
    CheckIndex(first);
    CheckIndex(first + count - 1);
    FOwner.CheckpointsChangedAfter(first - 1);
    Changing();
    FLineLengths.DeleteRange(first, count);
    FLines.erase(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
    ++FTextVersion;
    FOwner.LinesRemovedAt(first, count);
    Changed();
}

void TCodeMemoStrings::InsertLines(int index, const std::vector<std::string_view>& lines) {
    if (lines.empty())
        return;
    if (index < 0 || index > Count())
        throw EListError(index);
    FOwner.ChangeAt(index);
    std::vector<TEntry> entries;
    std::vector<std::int32_t> lengths;
    entries.reserve(lines.size());
    lengths.reserve(lines.size());
    std::string expanded;
    for (std::string_view line : lines) {
        std::string_view text = WithTabsExpanded(line, FOwner.TabSize(), expanded);
        entries.push_back(TEntry{LineText(text), nullptr});
        lengths.push_back(static_cast<std::int32_t>(text.size()));
    }
    FOwner.CheckpointsChangedAfter(index);
    Changing();
    FLineLengths.InsertRange(index, std::move(lengths));
    FLines.insert(static_cast<std::size_t>(index), std::move(entries));
    ++FTextVersion;
    FOwner.LinesInsertedAt(index, static_cast<int>(lines.size()));
    Changed();
}

namespace {

// Up to this many insertions and removals are made in place; more rebuild the sequence.
constexpr std::size_t kFewShifts = 64;

bool BatchOrder(const TLineBatchStep& a, const TLineBatchStep& b) {
    if (a.Line != b.Line)
        return a.Line < b.Line;
    return (a.Kind == TLineBatchStep::Insert) > (b.Kind == TLineBatchStep::Insert);
}

} // namespace

std::vector<TLineBatchStep> TCodeMemoStrings::ApplyBatch(std::vector<TLineBatchStep> steps) {
    std::vector<TLineBatchStep> inverse;
    if (steps.empty())
        return inverse;
    std::stable_sort(steps.begin(), steps.end(), BatchOrder);
    std::size_t shifts = 0;
    for (TLineBatchStep& step : steps) {
        bool insert = step.Kind == TLineBatchStep::Insert;
        if (step.Line < 0 || step.Line > Count() - (insert ? 0 : 1))
            throw EListError(step.Line);
        if (step.Text.find('\t') != std::string::npos)
            step.Text = ExpandTabs(step.Text, FOwner.TabSize());
        shifts += step.Kind != TLineBatchStep::Replace;
    }

    // What takes the batch back, in the lines of the new text.
    inverse.reserve(steps.size());
    int delta = 0;
    for (const TLineBatchStep& step : steps) {
        int at = step.Line + delta;
        switch (step.Kind) {
        case TLineBatchStep::Insert:
            inverse.push_back(TLineBatchStep{at, TLineBatchStep::Remove, {}});
            ++delta;
            break;
        case TLineBatchStep::Remove:
            inverse.push_back(TLineBatchStep{at, TLineBatchStep::Insert, Get(step.Line)});
            --delta;
            break;
        case TLineBatchStep::Replace:
            inverse.push_back(TLineBatchStep{at, TLineBatchStep::Replace, Get(step.Line)});
            break;
        }
    }
    std::stable_sort(inverse.begin(), inverse.end(), BatchOrder);

    const int first = steps.front().Line;
    FOwner.ChangeAt(first);
    FOwner.CheckpointsChangedAfter(first - 1);
    Changing();
    if (shifts <= kFewShifts) {
        // From the last step back, so that the lines of the earlier ones stay where they were.
        for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
            auto index = static_cast<std::size_t>(it->Line);
            auto length = static_cast<std::int32_t>(it->Text.size());
            switch (it->Kind) {
            case TLineBatchStep::Insert:
                FLines.insert(index, TEntry{LineText(it->Text), nullptr});
                FLineLengths.Insert(it->Line, length);
                break;
            case TLineBatchStep::Remove:
                FLines.erase(index);
                FLineLengths.Delete(it->Line);
                break;
            case TLineBatchStep::Replace:
                FLines[index].Text = LineText(it->Text);
                FLineLengths.Set(it->Line, length);
                break;
            }
        }
    } else {
        TChunkedVector<TEntry> lines;
        auto step = steps.begin();
        int index = 0;
        auto insertions = [&] {
            for (;
                 step != steps.end() && step->Line == index && step->Kind == TLineBatchStep::Insert;
                 ++step)
                lines.push_back(TEntry{LineText(step->Text), nullptr});
        };
        FLines.ForEach([&](TEntry& entry) {
            insertions();
            if (step != steps.end() && step->Line == index) {
                if (step->Kind == TLineBatchStep::Replace)
                    lines.push_back(TEntry{LineText(step->Text), entry.Object});
                ++step;
            } else {
                lines.push_back(std::move(entry));
            }
            ++index;
        });
        insertions();
        FLines = std::move(lines);
        RebuildLineLengths();
    }
    ++FTextVersion;
    Changed();
    return inverse;
}

void TCodeMemoStrings::Clear() {
    FOwner.ResetCaret();
    FLinePropList.Clear();
    FLineLengths.Clear();
    FOwner.CheckpointsChangedAfter(-1);
    RawClear();
}

std::string TCodeMemoStrings::Get(int index) const {
    CheckIndex(index);
    return std::string(FLines[static_cast<std::size_t>(index)].Text.View());
}

std::string_view TCodeMemoStrings::Line(int index) const {
    CheckIndex(index);
    return FLines[static_cast<std::size_t>(index)].Text.View();
}

int TCodeMemoStrings::LineLength(int index) const {
    CheckIndex(index);
    return static_cast<int>(FLines[static_cast<std::size_t>(index)].Text.Size());
}

namespace {

// How many bytes a and b have in common from their start; lines can be megabytes long, so
// most of them are compared a block at a time.
int CommonPrefixLength(std::string_view a, std::string_view b) {
    constexpr std::size_t block = 4096;
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i + block <= n && std::memcmp(a.data() + i, b.data() + i, block) == 0)
        i += block;
    while (i < n && a[i] == b[i])
        ++i;
    return static_cast<int>(i);
}

// How many bytes a and b have in common at their end.
int CommonSuffixLength(std::string_view a, std::string_view b) {
    constexpr std::size_t block = 4096;
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i + block <= n && std::memcmp(a.data() + a.size() - i - block,
                                         b.data() + b.size() - i - block, block) == 0)
        i += block;
    while (i < n && a[a.size() - 1 - i] == b[b.size() - 1 - i])
        ++i;
    return static_cast<int>(i);
}

} // namespace

void TCodeMemoStrings::Put(int index, std::string_view s) {
    // The index is checked before the length cache is touched, so that a bad index cannot leave
    // the cache out of step with the lines.
    CheckIndex(index);
    std::string expanded;
    std::string_view text = WithTabsExpanded(s, FOwner.TabSize(), expanded);
    const std::string_view old = Line(index);
    const int head = CommonPrefixLength(old, text);
    const int tail = CommonSuffixLength(old.substr(static_cast<std::size_t>(head)),
                                        text.substr(static_cast<std::size_t>(head)));
    PutEdited(index, text, head, static_cast<int>(old.size()) - head - tail);
}

void TCodeMemoStrings::PutEdited(int index, std::string_view text, int at, int removed) {
    CheckIndex(index);
    const int inserted = static_cast<int>(text.size()) - LineLength(index) + removed;
    auto length = static_cast<std::int32_t>(text.size());
    if (index < FLineLengths.Count())
        FLineLengths.Set(index, length);
    else
        FLineLengths.Add(length);
    FOwner.CheckpointsChangedAfter(index);
    Changing();
    FLines[static_cast<std::size_t>(index)].Text = LineText(text);
    // The edits kept follow one another with nothing else in between.
    if (!FLineEdits.empty() && FLineEdits.back().Version != FTextVersion)
        FLineEdits.clear();
    if (FLineEdits.size() == kLineEditsKept)
        FLineEdits.erase(FLineEdits.begin());
    FLineEdits.push_back(TLineEdit{++FTextVersion, index, at, removed, inserted});
    FOwner.LineEdited(index, at, removed, inserted);
    Changed();
    FOwner.ChangeAt(index);
}

std::optional<std::span<const TCodeMemoStrings::TLineEdit>>
TCodeMemoStrings::LineEditsSince(std::uint64_t version) const {
    if (version == FTextVersion)
        return std::span<const TLineEdit>();
    if (version > FTextVersion || FLineEdits.empty() || FLineEdits.back().Version != FTextVersion ||
        FTextVersion - version > FLineEdits.size())
        return std::nullopt;
    return std::span(FLineEdits).last(static_cast<std::size_t>(FTextVersion - version));
}

TObject* TCodeMemoStrings::GetObject(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    TObject* obj = FLines[static_cast<std::size_t>(index)].Object;
    if (auto* prop = dynamic_cast<TLineProp*>(obj))
        return prop->LineObject;
    return obj;
}

void TCodeMemoStrings::PutObject(int index, TObject* obj) {
    if (index < 0 || index >= Count())
        return;
    TObject*& slot = FLines[static_cast<std::size_t>(index)].Object;
    if (auto* prop = dynamic_cast<TLineProp*>(slot))
        prop->LineObject = obj;
    else
        slot = obj;
}

TLineProp* TCodeMemoStrings::GetLineProp(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return dynamic_cast<TLineProp*>(FLines[static_cast<std::size_t>(index)].Object);
}

TLineProp* TCodeMemoStrings::CreateLineProp(int index) {
    CheckIndex(index);
    TLineProp* prop = FLinePropList.New();
    TObject*& slot = FLines[static_cast<std::size_t>(index)].Object;
    prop->LineObject = slot;
    slot = prop;
    return prop;
}

void TCodeMemoStrings::AddStrings(const TCodeMemoStrings& source) {
    BeginUpdate();
    // Copy first: source may be this very list. A line's record belongs to its own list, so
    // the caller's object inside it is what comes along.
    TChunkedVector<TEntry> entries = source.FLines;
    entries.ForEach([this](const TEntry& entry) {
        auto* prop = dynamic_cast<TLineProp*>(entry.Object);
        RawInsert(Count(), entry.Text.View(), prop ? prop->LineObject : entry.Object);
    });
    // The lengths are complete before the change is told, so that its handler sees them.
    RebuildLineLengths();
    EndUpdate();
    if (FLockCount == 0)
        FOwner.Invalidate();
}

void TCodeMemoStrings::AddStrings(const std::vector<std::string>& source) {
    BeginUpdate();
    for (const auto& line : source)
        RawInsert(Count(), line, nullptr);
    RebuildLineLengths();
    EndUpdate();
    if (FLockCount == 0)
        FOwner.Invalidate();
}

void TCodeMemoStrings::Assign(const TCodeMemoStrings& source) {
    if (&source == this)
        return;
    FOwner.TextAssigning();
    Clear();
    AddStrings(source);
    FOwner.TextAssigned();
}

void TCodeMemoStrings::Assign(const std::vector<std::string>& source) {
    FOwner.TextAssigning();
    Clear();
    AddStrings(source);
    FOwner.TextAssigned();
}

void TCodeMemoStrings::SetUpdateState(bool updating) {
    if (updating)
        ++FLockCount;
    else if (FLockCount > 0)
        --FLockCount;
}

void TCodeMemoStrings::BeginUpdate() {
    if (FUpdateCount++ == 0)
        SetUpdateState(true);
}

void TCodeMemoStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) {
        SetUpdateState(false);
        Changed();
    }
}

TChunkedVector<TCodeMemoStrings::TEntry>
TCodeMemoStrings::ParseLines(std::string_view bytes) const {
    TChunkedVector<TEntry> entries;
    ForEachTextFileLine(bytes, [&](std::string_view line) {
        if (line.find('\t') == std::string_view::npos)
            entries.push_back(TEntry{LineText(line), nullptr});
        else
            entries.push_back(TEntry{LineText(ExpandTabs(line, FOwner.TabSize())), nullptr});
    });
    return entries;
}

void TCodeMemoStrings::LoadFromFile(const std::string& fileName) {
    // Read and split before anything is reset, so that a file that cannot be read changes
    // nothing.
    TChunkedVector<TEntry> entries = ParseLines(ReadTextFileBytes(fileName));

    FOwner.TextLoading();
    // The list is cleared and every line appended, as Add would, without a notification per
    // line (they are silenced anyway); TABs are already expanded.
    Clear();
    FLines = std::move(entries);
    ++FTextVersion;
    RebuildLineLengths();
    FOwner.TextLoaded();
}

void TCodeMemoStrings::SaveToFile(const std::string& fileName) const {
    WriteTextFile(fileName, Count(), [&](int i) { return Line(i); });
}

std::vector<std::int32_t> TCodeMemoStrings::StripLeadingSpaces() {
    // What Clear does to the editor before the lines go.
    FOwner.ResetCaret();
    std::vector<std::int32_t> indents;
    indents.reserve(FLines.size());
    FLines.ForEach([&indents](TEntry& entry) {
        std::string_view text = entry.Text.View();
        std::size_t n = text.find_first_not_of(' ');
        n = n == std::string_view::npos ? text.size() : n;
        if (n > 0)
            entry.Text = LineText(text.substr(n));
        entry.Object = nullptr;
        indents.push_back(static_cast<std::int32_t>(n));
    });
    FLinePropList.Clear();
    RebuildLineLengths();
    FOwner.CheckpointsChangedAfter(-1);
    FOwner.LinesRemovedAt(0, Count());
    ++FTextVersion;
    // The lines added back do not move the view.
    FOwner.ShowTopLeft();
    Changed();
    return indents;
}

std::vector<std::string> TCodeMemoStrings::ToVector() const {
    std::vector<std::string> out;
    out.reserve(FLines.size());
    FLines.ForEach([&out](const TEntry& entry) { out.emplace_back(entry.Text.View()); });
    return out;
}
