// Resolving the editor's colours.
#include "platform/QtColors.h"

namespace {

QPalette::ColorRole RoleOf(unsigned index, QPalette::ColorGroup& group) {
    group = QPalette::Active;
    switch (index) {
    case 5: // window
        return QPalette::Base;
    case 8: // window text
        return QPalette::Text;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 15: // button face
        return QPalette::Button;
    case 16: // button shadow
        return QPalette::Mid;
    case 17: // grey text
        group = QPalette::Disabled;
        return QPalette::Text;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // 3D highlight
        return QPalette::Light;
    case 21: // 3D dark shadow
        return QPalette::Shadow;
    case 22: // 3D light
        return QPalette::Midlight;
    case 23: // info text
        return QPalette::ToolTipText;
    case 24: // info background
        return QPalette::ToolTipBase;
    default: // scroll bar, desktop, captions, menus: the window background
        return QPalette::Window;
    }
}

} // namespace

TColor ResolveSystemColor(TColor c, const QPalette& palette) {
    if (!IsSystemColor(c))
        return c;
    QPalette::ColorGroup group;
    QPalette::ColorRole role = RoleOf(c & 0xFF, group);
    QColor q = palette.color(group, role);
    return static_cast<TColor>(q.red()) | static_cast<TColor>(q.green()) << 8 |
           static_cast<TColor>(q.blue()) << 16;
}

QColor ToQColor(TColor c, const QPalette& palette, QColor fallback) {
    if (c == clNone || c == clDefault)
        return fallback;
    c = ResolveSystemColor(c, palette);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}
