// Window placement as rectangle arithmetic.
#include "platform/WindowPlacement.h"

#include <algorithm>
#include <array>

namespace {

long long Area(const QRect& r) {
    return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height();
}

// Moves the rectangle r into area; one larger than area keeps its top left corner inside.
QRect MovedInto(QRect r, const QRect& area) {
    r.moveLeft(std::max(area.left(), std::min(r.left(), area.left() + area.width() - r.width())));
    r.moveTop(std::max(area.top(), std::min(r.top(), area.top() + area.height() - r.height())));
    return r;
}

} // namespace

QSize FittingClientSize(QSize wanted, const QRect& area, const QMargins& frame) {
    const QSize room = area.size().shrunkBy(frame);
    return wanted.boundedTo(room).expandedTo(QSize(1, 1));
}

QRect CentredClientRect(QSize wanted, const QRect& area, const QMargins& frame) {
    const QSize client = FittingClientSize(wanted, area, frame);
    QRect outer(QPoint(0, 0), client.grownBy(frame));
    outer.moveCenter(area.center());
    return MovedInto(outer, area).marginsRemoved(frame);
}

QRect FittedClientRect(const QRect& client, const QRect& area, const QMargins& frame,
                       QSize minimum) {
    const QSize size = FittingClientSize(client.size(), area, frame)
                           .expandedTo(FittingClientSize(minimum, area, frame));
    const QRect outer(client.topLeft() - QPoint(frame.left(), frame.top()), size.grownBy(frame));
    return MovedInto(outer, area).marginsRemoved(frame);
}

QRect PlaceBeside(const TBesideRequest& r) {
    QSize client = FittingClientSize(r.Wanted, r.Area, r.Frame);
    client.setHeight(
        std::max(client.height(),
                 std::min(r.MinHeight, r.Area.height() - r.Frame.top() - r.Frame.bottom())));
    const QSize outer = client.grownBy(r.Frame);
    const QRect& m = r.MainFrame;
    const std::array<QRect, 4> candidates = {
        QRect(QPoint(m.right() + 1, m.top()), outer),             // right
        QRect(QPoint(m.left() - outer.width(), m.top()), outer),  // left
        QRect(QPoint(m.left(), m.bottom() + 1), outer),           // below
        QRect(QPoint(m.left(), m.top() - outer.height()), outer), // above
    };
    // Beside, whole and untouched by the main window, when the area has room.
    for (int i = 0; i < 2; ++i) {
        const QRect& c = candidates[static_cast<std::size_t>(i)];
        if (r.Area.contains(c))
            return c.marginsRemoved(r.Frame);
    }
    QRect best;
    long long bestEditor = 0;
    long long bestMain = 0;
    for (const QRect& c : candidates) {
        const QRect placed = MovedInto(c, r.Area);
        const long long editor = Area(placed.intersected(r.Editor));
        const long long main = Area(placed.intersected(m));
        if (best.isNull() || editor < bestEditor || (editor == bestEditor && main < bestMain)) {
            best = placed;
            bestEditor = editor;
            bestMain = main;
        }
    }
    return best.marginsRemoved(r.Frame);
}
