// Drawing the timeline: per-pixel columns of every signal, so that a dense stretch is a filled
// band and the picture's size does not grow with the run.
#include "board/TimelineSvg.h"

#include <cstdio>

namespace {

constexpr int kWidth = 1200;
constexpr int kLeft = 56;  // the names of the rows
constexpr int kRight = 40; // room for the last axis label
constexpr int kTop = 28;   // the title
constexpr int kRow = 18;
constexpr int kPinHigh = 4, kPinLow = 14; // a pin row's y of levels 1 and 0
constexpr int kColumns = kWidth - kLeft - kRight;

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Num(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    std::string text = buffer;
    if (text.ends_with(".0"))
        text.resize(text.size() - 2);
    return text;
}

std::string Label(int y, const std::string& text) {
    return "<text x=\"4\" y=\"" + std::to_string(y + 13) + "\">" + Escaped(text) + "</text>\n";
}

// One pin: its level as a line, a filled band where it toggled and back within a pixel; bold
// while the pin is an output.
std::string PinTrace(const TTimeline& timeline, TTimelineSignal port, TTimelineSignal ddr, int bit,
                     int y, std::uint64_t endUs) {
    const auto levels = timeline.Columns(port, 0, endUs, kColumns);
    const auto directions = timeline.Columns(ddr, 0, endUs, kColumns);
    std::string out;
    // Runs of columns with the same direction are drawn as one path each.
    std::size_t start = 0;
    while (start < levels.size()) {
        const bool output = (directions[start].First >> bit) & 1;
        std::size_t end = start;
        std::string path, bands;
        int level = (levels[start].First >> bit) & 1;
        path = "M" + std::to_string(kLeft + static_cast<int>(start)) + " " +
               std::to_string(y + (level ? kPinHigh : kPinLow));
        for (; end < levels.size() &&
               (((directions[end].First >> bit) & 1) == output || end == start);
             ++end) {
            const TTimelineSpan& span = levels[end];
            const int x = kLeft + static_cast<int>(end);
            const bool toggled = (span.Toggled >> bit) & 1;
            const int first = (span.First >> bit) & 1;
            const int last = (span.Last >> bit) & 1;
            // Toggled and back within the pixel: two edges at least, a band.
            if (toggled && first == last) {
                bands += "<rect x=\"" + std::to_string(x) + "\" y=\"" +
                         std::to_string(y + kPinHigh) + "\" width=\"1\" height=\"" +
                         std::to_string(kPinLow - kPinHigh) + "\"/>";
            }
            if (last != level) {
                path +=
                    "H" + std::to_string(x) + "V" + std::to_string(y + (last ? kPinHigh : kPinLow));
                level = last;
            }
        }
        path += "H" + std::to_string(kLeft + static_cast<int>(end));
        const char* style = output ? "class=\"out\"" : "class=\"in\"";
        out += "<path " + std::string(style) + " d=\"" + path + "\"/>";
        if (!bands.empty())
            out += "<g " + std::string(style) + ">" + bands + "</g>";
        out += "\n";
        start = end;
    }
    return out;
}

std::string SoundRow(const TTimeline& timeline, int y, std::uint64_t endUs) {
    const auto columns = timeline.Columns(TTimelineSignal::ToneHz, 0, endUs, kColumns);
    std::string out;
    for (std::size_t j = 0; j < columns.size();) {
        const std::uint32_t hz = columns[j].Last != 0 ? columns[j].Last : columns[j].First;
        if (hz == 0 && columns[j].Count == 0) {
            ++j;
            continue;
        }
        std::size_t end = j + 1;
        while (end < columns.size() && columns[end].First == hz && columns[end].Last == hz &&
               hz != 0)
            ++end;
        // A tone that follows another at once starts a pixel later: each has a bar of its own.
        const int x = kLeft + static_cast<int>(j) + (j > 0 && columns[j].First != 0 ? 1 : 0);
        const int w = kLeft + static_cast<int>(end) - x;
        if (hz != 0 && w > 0) {
            out += "<rect class=\"tone\" x=\"" + std::to_string(x) + "\" y=\"" +
                   std::to_string(y + 3) + "\" width=\"" + std::to_string(w) + "\" height=\"12\"/>";
            if (w >= 26)
                out += "<text class=\"small\" x=\"" + std::to_string(x + 2) + "\" y=\"" +
                       std::to_string(y + 13) + "\">" + std::to_string(hz) +
                       (w >= 48 ? " Гц" : "") + "</text>";
        }
        j = end;
    }
    return out + "\n";
}

std::string DisplayRow(const TTimeline& timeline, int y, std::uint64_t endUs) {
    const auto columns = timeline.Columns(TTimelineSignal::Display, 0, endUs, kColumns);
    std::string out;
    int lastText = -100;
    for (std::size_t j = 0; j < columns.size(); ++j) {
        const TTimelineSpan& span = columns[j];
        if (span.Count == 0)
            continue;
        const int x = kLeft + static_cast<int>(j);
        out += "<path class=\"tick\" d=\"M" + std::to_string(x) + " " + std::to_string(y + 2) +
               "V" + std::to_string(y + 16) + "\"/>";
        if (x - lastText < 9)
            continue;
        const std::string text = DisplayColumnText(span);
        out += "<text class=\"small\" x=\"" + std::to_string(x + 1) + "\" y=\"" +
               std::to_string(y + 13) + "\">" + Escaped(text) + "</text>";
        lastText = x;
    }
    return out + "\n";
}

} // namespace

std::string TimelineSvg(const TTimeline& timeline, const std::string& title) {
    const std::uint64_t endUs = std::max<std::uint64_t>(timeline.EndUs(), 1);
    const int rows = 16 + 3;
    const int axisY = kTop + rows * kRow + 4;
    const int height = axisY + 24;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(kWidth) + "\" height=\"" + std::to_string(height) +
                      "\" viewBox=\"0 0 " + std::to_string(kWidth) + " " + std::to_string(height) +
                      "\" font-family=\"sans-serif\" font-size=\"12\">\n";
    svg += "<style>path{fill:none}.out{stroke:#1a5fb4;stroke-width:2}"
           ".in{stroke:#9a9996;stroke-width:1}g.out{fill:#1a5fb4;stroke:none}"
           "g.in{fill:#9a9996;stroke:none}.tone{fill:#e5a50a}.tick{stroke:#26a269}"
           "path.warn{fill:#c01c28}.grid{stroke:#deddda}.small{font-size:10px}</style>\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    svg += "<text x=\"4\" y=\"18\" font-weight=\"bold\">" + Escaped(title) + "</text>\n";

    // The axis first, under the traces.
    const std::uint64_t tick = TimelineTickUs(endUs, kColumns, 100);
    for (std::uint64_t at = 0; at <= endUs; at += tick) {
        const double x = kLeft + static_cast<double>(at) / static_cast<double>(endUs) * kColumns;
        svg += "<path class=\"grid\" d=\"M" + Num(x) + " " + std::to_string(kTop) + "V" +
               std::to_string(axisY) + "\"/><text class=\"small\" x=\"" + Num(x) + "\" y=\"" +
               std::to_string(axisY + 14) + "\" text-anchor=\"middle\">" + TimelineMsText(at) +
               " мс</text>\n";
    }

    int y = kTop;
    const struct {
        TTimelineSignal Port, Ddr;
        const char* Name;
    } ports[] = {{TTimelineSignal::PortD, TTimelineSignal::DdrD, "D"},
                 {TTimelineSignal::PortB, TTimelineSignal::DdrB, "B"}};
    for (const auto& port : ports)
        for (int bit = 0; bit < 8; ++bit, y += kRow) {
            svg += Label(y, std::string(port.Name) + "." + std::to_string(bit));
            svg += PinTrace(timeline, port.Port, port.Ddr, bit, y, endUs);
        }
    svg += Label(y, "звук") + SoundRow(timeline, y, endUs);
    y += kRow;
    svg += Label(y, "ЖКИ") + DisplayRow(timeline, y, endUs);
    y += kRow;
    svg += Label(y, "предупр.");
    for (const TTimeline::TWarningMark& mark : timeline.Warnings()) {
        const double x =
            kLeft + static_cast<double>(mark.TimeUs) / static_cast<double>(endUs) * kColumns;
        svg += "<path class=\"warn\" d=\"M" + Num(x) + " " + std::to_string(y + 3) +
               "l5 10h-10z\"><title>" + Escaped(mark.Event.Message) + "</title></path>";
    }
    svg += "\n</svg>\n";
    return svg;
}
