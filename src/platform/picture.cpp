#include "picture.h"

#include "gui_app.h"
#include "picture_data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSvgRenderer>

#include <memory>

namespace {

Picture picture_from_path(const QString& path, std::string name)
{
    Picture pic;
    pic.name = std::move(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return pic;
    const QByteArray bytes = file.readAll();
    auto data = std::make_shared<PictureData>();
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer renderer(bytes);
        if (!renderer.isValid()) return pic;
        data->svg = bytes;
        const QSize size = renderer.defaultSize();
        pic.width = size.width();
        pic.height = size.height();
    } else {
        QImage image;
        if (!image.loadFromData(bytes) || image.isNull()) return pic;
        data->image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        pic.width = image.width();
        pic.height = image.height();
    }
    pic.data = std::move(data);
    return pic;
}

// A file in the folder whose base name matches without regard to case.
QString find_in_folder(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (!dir.exists()) return {};
    const QStringList entries = dir.entryList(QDir::Files);
    for (const char* ext : {".svg", ".png", ".bmp"}) {
        const QString wanted = name + QLatin1String(ext);
        for (const QString& entry : entries)
            if (entry.compare(wanted, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    }
    return {};
}

} // namespace

Picture load_picture_resource(std::string_view name)
{
    ensure_gui_app();
    const QString qname = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (qname.isEmpty() || qname.contains(QLatin1Char('/')) || qname.contains(QLatin1Char('\\'))) {
        Picture none;
        none.name = std::string(name);
        return none;
    }
    const QString folders[] = {
        QStringLiteral(":/velmarin/pictures"),
        QStringLiteral(VELMARIN_SOURCE_RESOURCE_DIR "/pictures"),
    };
    for (const QString& folder : folders) {
        const QString path = find_in_folder(folder, qname);
        if (path.isEmpty()) continue;
        Picture pic = picture_from_path(path, std::string(name));
        if (pic.valid()) return pic;
    }
    Picture none;
    none.name = std::string(name);
    return none;
}

Picture load_picture_file(const std::string& path)
{
    ensure_gui_app();
    return picture_from_path(QString::fromStdString(path), path);
}
