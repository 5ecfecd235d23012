// A host without a window, for painting an editor into an image: a fixed client size, the
// input focus as set, and no scroll bars, caret, clipboard or timers.
#pragma once

#include "editor/CodeMemo.h"
#include "editor/NullHost.h"

#include <QImage>

class ImageHost : public NullHost {
public:
    explicit ImageHost(int width = 425, int height = 353) : FClient{0, 0, width, height} {}

    bool Focus = true;

    TRect ClientRect() override { return FClient; }
    int ScrollBarWidth() override { return 17; }
    void SetFocus() override { Focus = true; }
    bool HasFocus() override { return Focus; }

private:
    TRect FClient;
};

// Paints memo, whose host's client rectangle gives the size, into image (RGB32).
void PaintToImage(TCodeCustomMemo& memo, QImage& image);
QImage PaintToImage(TCodeCustomMemo& memo);
