// Painting the timeline from the per-pixel columns of its signals, and the mouse on it.
#include "app/board/TimelineView.h"

#include "board/BoardProgram.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRow = 12;
constexpr int kRows = 19; // 16 pins, sound, display, warnings
constexpr int kAxis = 16;
constexpr int kLabels = 44;
constexpr std::uint64_t kShortestViewUs = 20;

const char* const kRowNames[kRows] = {"D.0", "D.1", "D.2",  "D.3", "D.4",     "D.5", "D.6",
                                      "D.7", "B.0", "B.1",  "B.2", "B.3",     "B.4", "B.5",
                                      "B.6", "B.7", "звук", "ЖКИ", "предупр."};

// The signal a row draws.
TTimelineSignal RowSignal(int row) {
    return row < 8     ? TTimelineSignal::PortD
           : row < 16  ? TTimelineSignal::PortB
           : row == 16 ? TTimelineSignal::ToneHz
                       : TTimelineSignal::Display;
}

QString Ms(std::uint64_t us) {
    return QString::fromStdString(TimelineMsText(us)) + QString::fromUtf8(" мс");
}

} // namespace

TTimelineView::TTimelineView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BoardTimeline"));
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize TTimelineView::sizeHint() const {
    return {640, kRows * kRow + kAxis + 4};
}

QSize TTimelineView::minimumSizeHint() const {
    return {240, kRows * kRow + kAxis + 4};
}

int TTimelineView::TraceLeft() const {
    return kLabels;
}

int TTimelineView::TraceWidth() const {
    return std::max(width() - kLabels - 4, 1);
}

std::uint64_t TTimelineView::TimeAt(int x) const {
    const double f = std::clamp(static_cast<double>(x - TraceLeft()) / TraceWidth(), 0.0, 1.0);
    return FFromUs + static_cast<std::uint64_t>(f * static_cast<double>(FToUs - FFromUs));
}

double TTimelineView::XOf(std::uint64_t t) const {
    return TraceLeft() + (static_cast<double>(t) - static_cast<double>(FFromUs)) /
                             static_cast<double>(FToUs - FFromUs) * TraceWidth();
}

void TTimelineView::SetTimeline(const TTimeline* timeline, const TBoardProgram* program,
                                std::uint64_t nowUs) {
    if (timeline != FTimeline) {
        FMarker.reset();
        FDetail = nullptr;
    }
    FTimeline = timeline;
    FProgram = program;
    FNowUs = nowUs;
    if (FFollowEnd && FTimeline)
        SetView(0, std::max<std::uint64_t>(FTimeline->EndUs() + FTimeline->EndUs() / 20, 1000));
    update();
}

void TTimelineView::FitWholeRun() {
    FFollowEnd = true;
    SetView(0, FTimeline ? std::max<std::uint64_t>(FTimeline->EndUs() + 1, 1000) : 1000);
}

void TTimelineView::SetView(std::uint64_t from, std::uint64_t to) {
    to = std::max(to, from + kShortestViewUs);
    if (from == FFromUs && to == FToUs)
        return;
    FFromUs = from;
    FToUs = to;
    update();
    emit ViewChanged();
}

void TTimelineView::Zoom(double factor, int x) {
    FFollowEnd = false;
    const std::uint64_t at = TimeAt(x);
    const double span = static_cast<double>(FToUs - FFromUs) / factor;
    const double left =
        static_cast<double>(at) - span * (static_cast<double>(x - TraceLeft()) / TraceWidth());
    const auto from = static_cast<std::uint64_t>(std::max(left, 0.0));
    SetView(from, from + static_cast<std::uint64_t>(std::max(span, 1.0)));
}

void TTimelineView::Pan(double fraction) {
    FFollowEnd = false;
    const std::uint64_t span = FToUs - FFromUs;
    const double from =
        std::max(static_cast<double>(FFromUs) + fraction * static_cast<double>(span), 0.0);
    SetView(static_cast<std::uint64_t>(from), static_cast<std::uint64_t>(from) + span);
}

QString TTimelineView::DeltaText() const {
    if (!FMarker)
        return QString();
    const std::uint64_t a = std::min(*FMarker, FNowUs), b = std::max(*FMarker, FNowUs);
    return QString::fromUtf8("Δt = %1").arg(Ms(b - a));
}

void TTimelineView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.base());
    const QColor text = pal.text().color();
    QColor grey = text;
    grey.setAlphaF(0.35);
    const QColor output = pal.highlight().color();
    p.setPen(text);
    QFont small = font();
    small.setPixelSize(9);
    p.setFont(small);
    for (int row = 0; row < kRows; ++row)
        p.drawText(QRect(2, row * kRow, kLabels - 4, kRow), Qt::AlignVCenter,
                   QString::fromUtf8(kRowNames[row]));
    const int left = TraceLeft(), columns = TraceWidth();
    const int axisY = kRows * kRow;

    // The axis under everything.
    const std::uint64_t tick = TimelineTickUs(FToUs - FFromUs, columns, 90);
    for (std::uint64_t t = (FFromUs + tick - 1) / tick * tick; t <= FToUs; t += tick) {
        const int x = static_cast<int>(XOf(t));
        p.setPen(grey);
        p.drawLine(x, 0, x, axisY);
        p.setPen(text);
        p.drawText(QRect(x - 40, axisY + 2, 80, kAxis - 2), Qt::AlignHCenter | Qt::AlignTop, Ms(t));
    }
    if (!FTimeline)
        return;

    // The pins: the level as a line, bold while an output; a band where a pin toggled and
    // back within a pixel.
    const struct {
        TTimelineSignal Port, Ddr;
        int FirstRow;
    } ports[] = {{TTimelineSignal::PortD, TTimelineSignal::DdrD, 0},
                 {TTimelineSignal::PortB, TTimelineSignal::DdrB, 8}};
    for (const auto& port : ports) {
        const auto levels = Shown().Columns(port.Port, FFromUs, FToUs, columns);
        const auto directions = Shown().Columns(port.Ddr, FFromUs, FToUs, columns);
        // Lines gathered per style and drawn together: a run of columns with one level and
        // one direction is one line.
        QVector<QLine> bold, thin;
        for (int bit = 0; bit < 8; ++bit) {
            const int y = (port.FirstRow + bit) * kRow;
            const int high = y + 2, low = y + kRow - 3;
            int runStart = 0;
            for (int j = 0; j < columns; ++j) {
                const TTimelineSpan& span = levels[static_cast<std::size_t>(j)];
                const bool out = (directions[static_cast<std::size_t>(j)].First >> bit) & 1;
                const int first = (span.First >> bit) & 1, last = (span.Last >> bit) & 1;
                const bool edge = first != last || ((span.Toggled >> bit) & 1);
                const bool nextOut =
                    j + 1 < columns &&
                    ((directions[static_cast<std::size_t>(j + 1)].First >> bit) & 1);
                if (edge)
                    (out ? bold : thin).append(QLine(left + j, high, left + j, low));
                if (edge || j + 1 == columns || nextOut != out) {
                    const int level = (edge ? first : last) ? high : low;
                    if (j > runStart || !edge)
                        (out ? bold : thin).append(QLine(left + runStart, level, left + j, level));
                    runStart = j;
                }
            }
        }
        p.setPen(QPen(output, 2));
        p.drawLines(bold);
        p.setPen(QPen(grey, 1));
        p.drawLines(thin);
    }

    // The sound pin: a bar while a tone plays, its frequency where there is room.
    const auto tones = Shown().Columns(TTimelineSignal::ToneHz, FFromUs, FToUs, columns);
    const int soundY = 16 * kRow;
    for (int j = 0; j < columns;) {
        const std::uint32_t hz = tones[static_cast<std::size_t>(j)].Last;
        int end = j + 1;
        while (end < columns && tones[static_cast<std::size_t>(end)].Count == 0 && hz != 0)
            ++end;
        if (hz != 0) {
            const QRect bar(left + j + (j > 0 ? 1 : 0), soundY + 2, end - j, kRow - 4);
            p.fillRect(bar, QColor(0xE5, 0xA5, 0x0A));
            if (bar.width() > 40) {
                p.setPen(Qt::black);
                p.drawText(bar.adjusted(2, -2, 0, 2), Qt::AlignVCenter,
                           QString::fromUtf8("%1 Гц").arg(hz));
            }
        }
        j = end;
    }

    // The display: a tick for every command, the character where there is room.
    const auto marks = Shown().Columns(TTimelineSignal::Display, FFromUs, FToUs, columns);
    const int displayY = 17 * kRow;
    int lastText = -100;
    p.setPen(QColor(0x26, 0xA2, 0x69));
    for (int j = 0; j < columns; ++j) {
        const TTimelineSpan& span = marks[static_cast<std::size_t>(j)];
        if (span.Count == 0)
            continue;
        const int x = left + j;
        p.drawLine(x, displayY + 1, x, displayY + kRow - 2);
        if (x - lastText >= 9) {
            p.drawText(x + 1, displayY + kRow - 2, QString::fromStdString(DisplayColumnText(span)));
            lastText = x;
        }
    }

    // The warnings.
    const int warnY = 18 * kRow;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC0, 0x1C, 0x28));
    for (const TTimeline::TWarningMark& mark : Shown().Warnings()) {
        if (mark.TimeUs < FFromUs || mark.TimeUs > FToUs)
            continue;
        const double x = XOf(mark.TimeUs);
        const QPointF triangle[] = {
            {x, warnY + 2.0}, {x + 4, warnY + kRow - 2.0}, {x - 4, warnY + kRow - 2.0}};
        p.drawPolygon(triangle, 3);
    }

    // The moment the board shows, and the second marker.
    p.setPen(QPen(QColor(0xC0, 0x1C, 0x28), 1));
    p.drawLine(QPointF(XOf(FNowUs), 0), QPointF(XOf(FNowUs), axisY));
    if (FMarker) {
        p.setPen(QPen(QColor(0x26, 0xA2, 0x69), 1, Qt::DashLine));
        p.drawLine(QPointF(XOf(*FMarker), 0), QPointF(XOf(*FMarker), axisY));
    }
}

void TTimelineView::wheelEvent(QWheelEvent* e) {
    const int steps = e->angleDelta().y() != 0 ? e->angleDelta().y() : e->angleDelta().x();
    if (steps == 0)
        return;
    const int x = static_cast<int>(e->position().x());
    if (e->modifiers() & Qt::ControlModifier) {
        Zoom(std::pow(1.25, steps / 120.0), x);
    } else {
        Pan(-0.1 * steps / 120.0);
    }
    e->accept();
}

void TTimelineView::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return;
    FDragFrom = e->position().toPoint();
    FDragFromUs = FFromUs;
    FDragged = false;
}

void TTimelineView::mouseMoveEvent(QMouseEvent* e) {
    if (!FDragFrom || !(e->buttons() & Qt::LeftButton))
        return;
    const int dx = e->position().toPoint().x() - FDragFrom->x();
    if (std::abs(dx) > 3)
        FDragged = true;
    if (!FDragged)
        return;
    FFollowEnd = false;
    const double shift =
        -static_cast<double>(dx) / TraceWidth() * static_cast<double>(FToUs - FFromUs);
    const double from = std::max(static_cast<double>(FDragFromUs) + shift, 0.0);
    SetView(static_cast<std::uint64_t>(from), static_cast<std::uint64_t>(from) + (FToUs - FFromUs));
}

void TTimelineView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !FDragFrom)
        return;
    FDragFrom.reset();
    if (FDragged)
        return;
    const std::uint64_t t = TimeAt(static_cast<int>(e->position().x()));
    if (e->modifiers() & Qt::ShiftModifier) {
        FMarker = t;
        update();
        emit ViewChanged();
    } else {
        emit MomentChosen(t);
    }
}

bool TTimelineView::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QString text = HoverText(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(e);
}

QString TTimelineView::HoverText(const QPoint& at) const {
    if (!FTimeline || at.x() < TraceLeft())
        return QString();
    const int row = at.y() / kRow;
    if (row < 0 || row >= kRows - 1)
        return QString();
    // The change nearest the mouse within three pixels.
    const auto& changes = Shown().Changes(RowSignal(row));
    const std::uint64_t t = TimeAt(at.x());
    const double usPerPixel = static_cast<double>(FToUs - FFromUs) / TraceWidth();
    auto after = std::lower_bound(
        changes.begin(), changes.end(), t,
        [](const TTimelineChange& c, std::uint64_t time) { return c.TimeUs < time; });
    const TTimelineChange* best = nullptr;
    double bestDistance = 3 * usPerPixel + 1;
    for (auto it : {after, after == changes.begin() ? after : std::prev(after)}) {
        if (it == changes.end())
            continue;
        const double distance = std::abs(static_cast<double>(it->TimeUs) - static_cast<double>(t));
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = &*it;
        }
    }
    if (!best)
        return QString();
    QString tip = Ms(best->TimeUs);
    if (FProgram && best->Line > 0) {
        if (std::optional<int> offset = FProgram->OffsetOfLine(best->Line))
            tip += QString::fromUtf8(": %1").arg(
                QString::fromStdString(FProgram->CommandText(*offset)));
        tip += QString::fromUtf8(" (строка %1)").arg(best->Line);
    }
    return tip;
}
