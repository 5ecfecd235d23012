// JPEG decoding with libjpeg, called directly (Qt's image plugins are not used).
#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a baseline or progressive JPEG (colour or greyscale) into an RGB image. Data that
// libjpeg cannot decode raises ERuntimeError with libjpeg's own message after "JPEG error: ".
QImage DecodeJpeg(const QByteArray& data);
