// Resolving the editor's colours.
#include "platform/QtColors.h"

QColor ToQColor(TColor c, const QPalette& palette, QColor fallback) {
    if (c == clNone || c == clDefault)
        return fallback;
    if (IsSystemColor(c)) {
        switch (c & 0xFF) {
        case 0x0F: // button face
            return palette.color(QPalette::Button);
        case 0x18: // info background
            return palette.color(QPalette::ToolTipBase);
        case 0x05: // window
            return palette.color(QPalette::Base);
        case 0x08: // window text
            return palette.color(QPalette::Text);
        case 0x0D: // highlight
            return palette.color(QPalette::Highlight);
        case 0x0E: // highlighted text
            return palette.color(QPalette::HighlightedText);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}
