// Offsets and bytes as the workbench's windows show them: upper-case hexadecimal digits,
// padded with zeros to a width.
#pragma once

#include <QString>

inline QString HexText(int value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}
