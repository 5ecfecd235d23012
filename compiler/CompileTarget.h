// What the compiler needs of the text it compiles: the number of lines, reading a line,
// emptying, appending and marking a line as compiled.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class TCompileTarget {
public:
    virtual ~TCompileTarget() = default;

    virtual int LineCount() const = 0;
    // The text of line index (0-based); valid until the next change of the lines.
    virtual std::string_view Line(int index) const = 0;
    // Removes every line and every compile mark.
    virtual void Clear() = 0;
    // Appends a line after the last one.
    virtual void Add(std::string_view text) = 0;
    // Marks line index, an existing line, as compiled.
    virtual void SetCompileMark(int index) = 0;

    // The compile's tidy step: removes the leading spaces of every line and every compile
    // mark, ending as copying the lines out, clearing and adding them back ends; returns the
    // spaces each line lost. The default does exactly that with the operations above; a target
    // may do it in place.
    virtual std::vector<std::int32_t> StripLeadingSpaces();
};
