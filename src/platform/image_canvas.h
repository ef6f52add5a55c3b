// An image in memory with a canvas on it: PNG output of whole windows in
// tests and tools, without Qt in the caller. Drawing is the Qt canvas's.
#pragma once

#include "canvas.h"

#include <memory>
#include <string>

class ImageCanvas {
public:
    ImageCanvas(int width, int height, Rgb background = Rgb{255, 255, 255});
    ~ImageCanvas();
    ImageCanvas(const ImageCanvas&) = delete;
    ImageCanvas& operator=(const ImageCanvas&) = delete;

    Canvas& canvas();
    int width() const;
    int height() const;
    Rgb pixel(int x, int y) const;     // black outside the image
    // Writes the image as PNG (folders are created); false when it cannot.
    bool save_png(const std::string& path) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
