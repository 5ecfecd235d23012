// Offsets and bytes as the workbench's windows show them: upper-case hexadecimal digits,
// padded with zeros to a width.
#pragma once

#include "base/HexDigits.h"

#include <QString>

inline QString HexText(int value, int digits) {
    return QString::fromStdString(HexDigits(static_cast<unsigned>(value), digits));
}
