// Painting an editor into an image.
#include "platform/ImageHost.h"

#include "platform/QtSurface.h"

#include <QPainter>

void PaintToImage(TCodeCustomMemo& memo, QImage& image) {
    QPainter painter(&image);
    QtSurface surface(painter);
    memo.Paint(surface);
}

QImage PaintToImage(TCodeCustomMemo& memo) {
    TRect client = memo.GetHost().ClientRect();
    QImage image(client.Width(), client.Height(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    PaintToImage(memo, image);
    return image;
}
