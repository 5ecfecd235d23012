// The compile pass.
#include "compiler/Compiler.h"

#include "compiler/GotoCheck.h"
#include "compiler/ImageWriter.h"
#include "compiler/ProgramListing.h"

#include <span>

std::vector<std::int32_t> TCompileTarget::StripLeadingSpaces() {
    TCompileTarget& target = *this;
    int count = target.LineCount();
    // The scratch list: every line's bytes one after another, and where each line ends.
    std::size_t size = 0;
    for (int i = 0; i < count; ++i)
        size += target.Line(i).size();
    std::string text;
    text.reserve(size);
    std::vector<std::size_t> ends;
    ends.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        text += target.Line(i);
        ends.push_back(text.size());
    }
    target.Clear();
    std::vector<std::int32_t> indents(static_cast<std::size_t>(count));
    std::size_t start = 0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        std::string_view line(text.data() + start, ends[i] - start);
        std::string_view tidy = TidyLine(line);
        indents[i] = static_cast<std::int32_t>(line.size() - tidy.size());
        target.Add(tidy);
        start = ends[i];
    }
    return indents;
}

std::vector<std::int32_t> TidyLines(TCompileTarget& target) {
    return target.StripLeadingSpaces();
}

namespace {

// The image in memory, for CompileToBytes.
struct TByteImage {
    std::string& Bytes;

    void WriteImageByte(int value) { Bytes += static_cast<char>(value); }
};

// Walks the tidied lines of target: writes, counts and marks each recognised command, collects
// the faults, the listing and the goto warnings.
template <class Image>
TCompileResult CompileLines(TCompileTarget& target, const std::vector<std::int32_t>& indents,
                            Image& image, TCompileCounters& counters,
                            std::vector<TListingEntry>* listing) {
    TCompileResult result;
    std::vector<TListingEntry> own;
    std::vector<TListingEntry>& entries = listing ? *listing : own;
    std::size_t first = entries.size();
    int count = target.LineCount();
    for (int i = 0; i < count; ++i) {
        std::string_view line = target.Line(i);
        TListingEntry entry{counters.ProgramSize, i, {}, 0};
        int faultColumn = 0;
        const TCommand* command = ListCommand(line, entry, faultColumn);
        if (!command)
            continue;
        // A faulty operand writes nothing; such an image is abandoned.
        for (int k = 0; k < entry.ByteCount; ++k)
            image.WriteImageByte(entry.Bytes[static_cast<std::size_t>(k)]);
        ++counters.CommandCount;
        counters.ProgramSize += command->Size;
        target.SetCompileMark(i);
        if (faultColumn != 0)
            result.Faults.push_back(TCompileFault{i, std::string(line), faultColumn,
                                                  indents[static_cast<std::size_t>(i)], command});
        entries.push_back(entry);
    }

    result.Warnings = CheckGotoTargets(std::span(entries).subspan(first), counters.ProgramSize);
    for (auto& warning : result.Warnings) {
        warning.Text = std::string(target.Line(warning.Line));
        warning.Indent = indents[static_cast<std::size_t>(warning.Line)];
    }
    return result;
}

} // namespace

TCompileResult Compile(TCompileTarget& target, const std::string& imageName,
                       TCompileCounters& counters, std::vector<TListingEntry>* listing) {
    std::vector<std::int32_t> indents = TidyLines(target);

    TImageWriter image;
    image.OpenImage(imageName);
    counters = TCompileCounters{};

    TCompileResult result = CompileLines(target, indents, image, counters, listing);
    if (result.Faults.empty()) {
        image.CloseImage();
        result.ImageWritten = true;
    } else {
        image.Abandon();
    }
    return result;
}

TCompileResult CompileToBytes(TCompileTarget& target, std::string& image,
                              TCompileCounters& counters, std::vector<TListingEntry>* listing) {
    std::vector<std::int32_t> indents = TidyLines(target);
    counters = TCompileCounters{};
    image.clear();
    TByteImage bytes{image};
    TCompileResult result = CompileLines(target, indents, bytes, counters, listing);
    result.ImageWritten = result.Faults.empty();
    if (!result.ImageWritten)
        image.clear();
    return result;
}
