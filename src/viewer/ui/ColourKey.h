#pragma once
// Background transparency by colour key: the pixels of one colour become fully transparent,
// every other pixel stays opaque.
#include <QImage>
#include <QRect>
#include <cstdint>

// The part r of image as ARGB, with every pixel of colour key (0x00BBGGRR) transparent.
QImage KeyOutColour(const QImage& image, const QRect& r, uint32_t key);
