// The board window's timeline ("BoardTimeline"): the run over virtual time as a logic analyser
// draws it, one trace per pin of PORTD and PORTB (outputs bold, inputs grey), the sound pin
// with its frequency, the display's writes and marks, and the warnings. Ctrl+wheel zooms round
// the mouse, the wheel and dragging pan; a click moves the board to that moment, Shift+click
// sets a second marker and Δt between the two is shown; the hover names an edge's time,
// command and line.
#pragma once

#include "board/Timeline.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class TBoardProgram;

class TTimelineView : public QWidget {
    Q_OBJECT

public:
    explicit TTimelineView(QWidget* parent = nullptr);

    // What to draw (nullptr: nothing yet), the program for the hover's command texts, and the
    // moment the board is at.
    void SetTimeline(const TTimeline* timeline, const TBoardProgram* program, std::uint64_t nowUs);
    // The exact changes of a stretch the timeline keeps only in buckets, drawn instead of it
    // while the view lies within that stretch; nullptr: none.
    void SetDetail(const TTimeline* detail) {
        FDetail = detail;
        update();
    }
    // "весь прогон": the whole run in the width.
    void FitWholeRun();
    // The shown stretch of virtual time.
    std::uint64_t FromUs() const { return FFromUs; }
    std::uint64_t ToUs() const { return FToUs; }
    // Zooms by factor (> 1: in) round the moment at x.
    void Zoom(double factor, int x);
    // Moves the view later by fraction of its width (earlier when negative), not before 0.
    void Pan(double fraction);
    std::optional<std::uint64_t> Marker() const { return FMarker; }
    // The moment under x, and the x of a moment.
    std::uint64_t TimeAt(int x) const;
    double XOf(std::uint64_t t) const;
    // The text of the second marker's Δt, "" without one.
    QString DeltaText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user clicked at moment t: the board goes there.
    void MomentChosen(std::uint64_t t);
    // The second marker or the view has changed.
    void ViewChanged();

protected:
    void paintEvent(QPaintEvent*) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;

private:
    int TraceLeft() const;
    int TraceWidth() const;
    void SetView(std::uint64_t from, std::uint64_t to);
    QString HoverText(const QPoint& at) const;
    // What is drawn: the exact stretch where there is one, else the timeline.
    const TTimeline& Shown() const { return FDetail ? *FDetail : *FTimeline; }

    const TTimeline* FTimeline = nullptr;
    const TTimeline* FDetail = nullptr;
    const TBoardProgram* FProgram = nullptr;
    std::uint64_t FNowUs = 0;
    std::uint64_t FFromUs = 0;
    std::uint64_t FToUs = 1000;
    bool FFollowEnd = true; // the view widens with the run until the user zooms or pans
    std::optional<std::uint64_t> FMarker;
    std::optional<QPoint> FDragFrom;
    std::uint64_t FDragFromUs = 0;
    bool FDragged = false;
};
