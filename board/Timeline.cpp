// The timeline's changes: recorded command by command, folded into buckets at the bound, and
// summed up per column for a picture.
#include "board/Timeline.h"

#include "board/CharacterRom.h"

#include <algorithm>

TTimeline::TTimeline(const TBoardState& s, std::size_t maxBytes) : FMaxBytes(maxBytes) {
    FInitial = {s.Port[0], s.Ddr[0], s.Port[1], s.Ddr[1], 0, s.Sound.Raised ? 1u : 0u, 0};
    FCurrent = FInitial;
    FAtFold = FInitial;
    FEndUs = s.TimeUs;
    // A stretch that starts while a tone sounds: it sounds from the start, and ends in time.
    if (const std::optional<TTone>& tone = s.Sound.Last;
        tone && tone->PeriodUs != 0 && tone->StartUs + tone->DurationUs > s.TimeUs) {
        FInitial[Index(TTimelineSignal::ToneHz)] = ToneFrequencyHz(tone->PeriodUs);
        FCurrent = FInitial;
        FAtFold = FInitial;
        Set(TTimelineSignal::ToneHz, tone->StartUs + tone->DurationUs, 0, 0, false);
    }
}

void TTimeline::Set(TTimelineSignal s, std::uint64_t t, std::uint32_t value, int line,
                    bool always) {
    const std::size_t k = Index(s);
    if (!always && FCurrent[k] == value)
        return;
    FCurrent[k] = value;
    FExact[k].push_back({t, value, line});
    FEndUs = std::max(FEndUs, t);
    if (++FExactCount * sizeof(TTimelineChange) > FMaxBytes)
        FoldOlderHalf();
}

void TTimeline::Command(const TBoardState& before, const TBoardState& after, const TOp& op,
                        int line) {
    const std::uint64_t at = before.TimeUs + kBoard.FetchUsPerByte * op.Size;
    Set(TTimelineSignal::PortD, at, after.Port[0], line, false);
    Set(TTimelineSignal::DdrD, at, after.Ddr[0], line, false);
    Set(TTimelineSignal::PortB, at, after.Port[1], line, false);
    Set(TTimelineSignal::DdrB, at, after.Ddr[1], line, false);
    Set(TTimelineSignal::Volume, at, after.Sound.Raised ? 1 : 0, line, false);
    if (after.Sound.Tones != before.Sound.Tones && after.Sound.Last &&
        after.Sound.Last->DurationUs > 0) {
        const TTone& tone = *after.Sound.Last;
        Set(TTimelineSignal::ToneHz, tone.StartUs, ToneFrequencyHz(tone.PeriodUs), line, false);
        Set(TTimelineSignal::ToneHz, tone.StartUs + tone.DurationUs, 0, line, false);
    }
    // A display command that reached an attached display: every one is a mark.
    if (op.Kind == TOpKind::InitLcd ||
        (before.Lcd.Port != TLcdPort::None && op.Kind >= TOpKind::LcdOut &&
         op.Kind <= TOpKind::LcdLine)) {
        std::uint32_t mark = 0;
        switch (op.Kind) {
        case TOpKind::LcdOut:
            mark = dmChar | op.X;
            break;
        case TOpKind::LcdClear:
            mark = dmClear;
            break;
        case TOpKind::LcdLeft:
            mark = dmLeft;
            break;
        case TOpKind::LcdRight:
            mark = dmRight;
            break;
        case TOpKind::LcdLine:
            mark = dmLine | op.X;
            break;
        default:
            mark = dmInit;
            break;
        }
        Set(TTimelineSignal::Display, at, mark, line, true);
    }
    FEndUs = std::max(FEndUs, after.TimeUs);
}

void TTimeline::Warning(const TBoardEvent& warning, std::uint64_t timeUs) {
    FWarnings.push_back({timeUs, warning});
}

std::size_t TTimeline::Bytes() const {
    std::size_t bytes = FExactCount * sizeof(TTimelineChange);
    for (const auto& buckets : FBuckets)
        bytes += buckets.size() * sizeof(TBucket);
    for (const TWarningMark& mark : FWarnings)
        bytes += sizeof mark + mark.Event.Message.capacity();
    return bytes;
}

void TTimeline::FoldUntil(std::uint64_t until) {
    const std::size_t firstBucket = FFoldedUntil / FBucketUs;
    const std::size_t lastBucket = until / FBucketUs;
    for (std::size_t k = 0; k < kTimelineSignals; ++k) {
        std::vector<TTimelineChange>& exact = FExact[k];
        std::vector<TBucket>& buckets = FBuckets[k];
        buckets.resize(lastBucket);
        std::uint32_t value = FAtFold[k];
        std::size_t i = 0;
        for (std::size_t b = firstBucket; b < lastBucket; ++b) {
            TBucket bucket{value, 0, 0};
            const std::uint64_t end = (b + 1) * FBucketUs;
            for (; i < exact.size() && exact[i].TimeUs < end; ++i) {
                bucket.Toggled |= value ^ exact[i].Value;
                ++bucket.Count;
                value = exact[i].Value;
            }
            buckets[b] = bucket;
        }
        exact.erase(exact.begin(), exact.begin() + static_cast<std::ptrdiff_t>(i));
        FExactCount -= i;
        FAtFold[k] = value;
    }
    FFoldedUntil = until;
}

void TTimeline::MergeBucketPairs() {
    // The folded part must end on a boundary of the wider buckets: one more narrow one first.
    if ((FFoldedUntil / FBucketUs) % 2 != 0)
        FoldUntil(FFoldedUntil + FBucketUs);
    for (auto& buckets : FBuckets) {
        for (std::size_t b = 0; 2 * b < buckets.size(); ++b) {
            const TBucket& a = buckets[2 * b];
            const TBucket& c = buckets[2 * b + 1];
            buckets[b] = {a.First, a.Toggled | c.Toggled, a.Count + c.Count};
        }
        buckets.resize(buckets.size() / 2);
    }
    FBucketUs *= 2;
}

void TTimeline::FoldOlderHalf() {
    std::uint64_t last = FFoldedUntil;
    for (const auto& exact : FExact)
        if (!exact.empty())
            last = std::max(last, exact.back().TimeUs);
    const std::uint64_t middle = FFoldedUntil + (last - FFoldedUntil) / 2;
    // Buckets wide enough that the whole folded part stays within kMaxBuckets.
    while (middle / FBucketUs >= kMaxBuckets / 2)
        MergeBucketPairs();
    const std::uint64_t until = std::max(middle / FBucketUs * FBucketUs, FFoldedUntil + FBucketUs);
    FoldUntil(until);
}

std::uint32_t TTimeline::ValueBefore(TTimelineSignal s, std::uint64_t t) const {
    const std::size_t k = Index(s);
    if (t < FFoldedUntil)
        return FBuckets[k][t / FBucketUs].First;
    const std::vector<TTimelineChange>& exact = FExact[k];
    auto after = std::lower_bound(
        exact.begin(), exact.end(), t,
        [](const TTimelineChange& c, std::uint64_t time) { return c.TimeUs < time; });
    return after == exact.begin() ? FAtFold[k] : std::prev(after)->Value;
}

std::vector<TTimelineSpan> TTimeline::Columns(TTimelineSignal s, std::uint64_t fromUs,
                                              std::uint64_t toUs, int columns) const {
    std::vector<TTimelineSpan> spans(static_cast<std::size_t>(std::max(columns, 0)));
    if (spans.empty() || toUs <= fromUs)
        return spans;
    const std::size_t k = Index(s);
    const std::vector<TTimelineChange>& exact = FExact[k];
    auto next = std::lower_bound(
        exact.begin(), exact.end(), std::max(fromUs, FFoldedUntil),
        [](const TTimelineChange& c, std::uint64_t time) { return c.TimeUs < time; });
    const std::uint64_t width = toUs - fromUs;
    std::uint32_t value = ValueBefore(s, fromUs);
    for (std::size_t j = 0; j < spans.size(); ++j) {
        const std::uint64_t a = fromUs + width * j / spans.size();
        const std::uint64_t b = fromUs + width * (j + 1) / spans.size();
        TTimelineSpan& span = spans[j];
        span.First = value;
        // The folded part: every bucket the column touches.
        if (a < FFoldedUntil && b > a) {
            const std::uint64_t lastBucket = (std::min(b, FFoldedUntil) - 1) / FBucketUs;
            for (std::uint64_t bucket = a / FBucketUs; bucket <= lastBucket; ++bucket) {
                const TBucket& held = FBuckets[k][bucket];
                span.Toggled |= held.Toggled;
                span.Count += held.Count;
            }
            value = ValueBefore(s, std::min(b, FFoldedUntil));
        }
        for (; next != exact.end() && next->TimeUs < b; ++next) {
            span.Toggled |= value ^ next->Value;
            ++span.Count;
            value = next->Value;
        }
        span.Last = value;
    }
    return spans;
}

std::uint64_t TimelineTickUs(std::uint64_t spanUs, int pixels, int pixelsPerTick) {
    const double rough = static_cast<double>(std::max<std::uint64_t>(spanUs, 1)) *
                         std::max(pixelsPerTick, 1) / std::max(pixels, 1);
    for (std::uint64_t power = 1;; power *= 10)
        for (std::uint64_t m : {1, 2, 5})
            if (static_cast<double>(m * power) >= rough || power > UINT64_MAX / 100)
                return m * power;
}

std::string TimelineMsText(std::uint64_t us) {
    std::string text = std::to_string(us / 1000);
    if (std::uint64_t rest = us % 1000) {
        std::string fraction = std::to_string(1000 + rest).substr(1);
        while (fraction.ends_with('0'))
            fraction.pop_back();
        text += "," + fraction;
    }
    return text;
}

std::string DisplayColumnText(const TTimelineSpan& span) {
    std::string text;
    switch (span.Last & 0xFF00) {
    case dmChar:
        if (span.Count > 1)
            return "…";
        AppendUtf8(text, LcdCharacter(static_cast<std::uint8_t>(span.Last & 0xFF)));
        return text;
    case dmLeft:
        return "←";
    case dmRight:
        return "→";
    case dmLine:
        return "↵";
    default:
        return "×";
    }
}
