// Inside the platform layer only: what a Picture holds.
#pragma once

#include <QByteArray>
#include <QImage>

struct PictureData {
    QImage image;       // a raster picture
    QByteArray svg;     // or a drawing, rendered at the size it is drawn
};
