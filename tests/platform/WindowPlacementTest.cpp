// Where windows open: beside the main window where there is room, else over the least of the
// editor, and always wholly on the screen, at the screen sizes and scales users have.
#include "platform/WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

const QMargins kFrame(1, 24, 1, 1);

std::string Text(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

TEST(WindowPlacement, BesideTheMainWindowAndOnTheScreen) {
    struct TRow {
        const char* name;
        QRect area, main, editor;
        QSize wanted;
        QRect expected; // the client rectangle
    };
    const TRow rows[] = {
        {"room on the right: beside it, title bars level",
         {0, 0, 2560, 1440},
         {863, 502, 834, 436},
         {872, 534, 425, 353},
         {714, 564},
         {1698, 526, 714, 564}},
        {"room on the left only",
         {0, 0, 1920, 1080},
         {1080, 100, 834, 436},
         {1089, 132, 425, 353},
         {714, 564},
         {365, 124, 714, 564}},
        {"1280 x 1024, the listing: at the screen's right edge, over the least of the editor",
         {0, 0, 1280, 1024},
         {223, 294, 834, 436},
         {232, 326, 425, 353},
         {770, 480},
         {509, 318, 770, 480}},
        {"1024 x 768, the board window: wholly on the screen, its bottom too",
         {0, 0, 1024, 768},
         {95, 166, 834, 436},
         {104, 198, 425, 353},
         {714, 564},
         {309, 190, 714, 564}},
        {"scale 2 on 1280 x 1024: shrunk to the screen",
         {0, 0, 640, 512},
         {0, 32, 640, 447},
         {9, 86, 425, 353},
         {714, 564},
         {1, 24, 638, 487}},
        {"a short window is as tall as the main window",
         {0, 0, 2560, 1440},
         {0, 0, 834, 436},
         {9, 54, 425, 353},
         {300, 200},
         {835, 24, 300, 411}},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        TBesideRequest request{row.area,   row.main,
                               row.editor, row.wanted,
                               kFrame,     row.main.height() - kFrame.top() - kFrame.bottom()};
        const QRect client = PlaceBeside(request);
        EXPECT_EQ(Text(client), Text(row.expected));
        EXPECT_TRUE(row.area.contains(client.marginsAdded(kFrame)));
    }
}

TEST(WindowPlacement, TheMainWindowStartsWhollyOnTheScreen) {
    struct TRow {
        const char* name;
        QRect area;
        QRect expected;
    };
    const QSize specified(832, 413);
    const TRow rows[] = {
        {"1280 x 1024: its own size in the middle", {0, 0, 1280, 1024}, {224, 317, 832, 413}},
        {"a screen narrower than the window: the size that fits",
         {0, 0, 640, 512},
         {1, 61, 638, 413}},
        {"a second screen to the left", {-1024, 0, 1024, 768}, {-927, 189, 832, 413}},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Text(CentredClientRect(specified, row.area, kFrame)), Text(row.expected));
    }
}

TEST(WindowPlacement, ASavedPlaceComesBackOnTheScreen) {
    struct TRow {
        const char* name;
        QRect saved, area, expected; // client rectangles; the area is the available geometry
    };
    const QSize minimum(832, 413);
    const TRow rows[] = {
        {"on the screen: as it was",
         {100, 80, 1000, 600},
         {0, 0, 1280, 1024},
         {100, 80, 1000, 600}},
        {"from a bigger screen: shrunk to the area and moved in",
         {900, 700, 1800, 1000},
         {0, 0, 1280, 1024},
         {1, 24, 1278, 999}},
        {"off the screen's edge: moved in",
         {-500, 900, 900, 500},
         {0, 0, 1280, 1024},
         {1, 523, 900, 500}},
        {"smaller than the minimum: the minimum",
         {10, 30, 300, 200},
         {0, 0, 1280, 1024},
         {10, 30, 832, 413}},
        {"a screen smaller than the minimum: the screen",
         {10, 30, 1000, 600},
         {0, 0, 640, 512},
         {1, 24, 638, 487}},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Text(FittedClientRect(row.saved, row.area, kFrame, minimum)), Text(row.expected));
    }
}

} // namespace
