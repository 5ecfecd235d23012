// The check of goto targets: every address must name the first byte of a command of the image.
#pragma once

#include "compiler/Compiler.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// One warning per goto of listing (in line order, with nominal offsets as the compile counts
// them) whose address is not the start of a command: "переход за конец программы" for an
// address at or beyond programSize, "переход внутрь команды в строке N" for one inside the
// command of line N (counted from 1). A goto whose address was not written (a faulty operand)
// is not checked. The warnings carry Line, Column and Message; Text and Indent stay empty.
std::vector<TCompileWarning> CheckGotoTargets(std::span<const TListingEntry> listing,
                                              std::int32_t programSize);

// The entry of listing (in offset order) whose command holds byte offset of an image of
// programSize bytes; nullptr when the offset lies outside the image.
const TListingEntry* CommandAt(std::span<const TListingEntry> listing, std::int32_t programSize,
                               int offset);

// An address as the user types it: one to four hexadecimal digits, either case, with spaces
// around them; nothing for anything else.
std::optional<int> ParseAddress(std::string_view text);
