#include "image_canvas.h"

#include "gui_app.h"
#include "qt_canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

struct ImageCanvas::Impl {
    QImage image;
    QPainter painter;
    std::unique_ptr<QtCanvas> canvas;
};

ImageCanvas::ImageCanvas(int width, int height, Rgb background) : impl_(std::make_unique<Impl>())
{
    ensure_gui_app();
    impl_->image = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    impl_->image.fill(QColor(background.r, background.g, background.b));
    impl_->painter.begin(&impl_->image);
    impl_->canvas = std::make_unique<QtCanvas>(impl_->painter);
}

ImageCanvas::~ImageCanvas()
{
    impl_->canvas.reset();
    impl_->painter.end();
}

Canvas& ImageCanvas::canvas() { return *impl_->canvas; }
int ImageCanvas::width() const { return impl_->image.width(); }
int ImageCanvas::height() const { return impl_->image.height(); }

Rgb ImageCanvas::pixel(int x, int y) const
{
    if (!impl_->image.valid(x, y)) return Rgb{0, 0, 0};
    const QRgb p = impl_->image.pixel(x, y);
    return Rgb{qRed(p), qGreen(p), qBlue(p)};
}

bool ImageCanvas::save_png(const std::string& path) const
{
    const QString qpath = QString::fromStdString(path);
    QDir().mkpath(QFileInfo(qpath).absolutePath());
    return impl_->image.save(qpath, "PNG");
}
