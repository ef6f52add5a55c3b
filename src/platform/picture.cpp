#include "picture.h"

#include "file_read.h"
#include "gui_app.h"
#include "pcx_picture.h"
#include "picture_check.h"
#include "picture_data.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSvgRenderer>

#include <cctype>
#include <cstdint>
#include <memory>

namespace {

// The decoded pixels become the image's own buffer, without a copy: they are
// already opaque 0xAARRGGBB words, which is the premultiplied format.
Picture picture_from_pcx(PcxImage&& pcx, std::string name)
{
    Picture pic;
    pic.name = std::move(name);
    auto* pixels = new std::vector<std::uint32_t>(std::move(pcx.pixels));
    const QImage image(reinterpret_cast<const uchar*>(pixels->data()), pcx.width, pcx.height,
                       static_cast<qsizetype>(pcx.width) * 4, QImage::Format_ARGB32_Premultiplied,
                       [](void* info) { delete static_cast<std::vector<std::uint32_t>*>(info); }, pixels);
    if (image.isNull()) return pic;
    auto data = std::make_shared<PictureData>();
    data->image = image;
    pic.width = pcx.width;
    pic.height = pcx.height;
    pic.data = std::move(data);
    return pic;
}

Picture pcx_picture(std::string_view bytes, const std::string& path, std::string& why)
{
    PcxImage pcx;
    const PcxReadResult r = read_pcx_bytes(bytes, path, pcx);
    if (!r.ok) {
        why = r.message;
        Picture none;
        none.name = path;
        return none;
    }
    return picture_from_pcx(std::move(pcx), path);
}

Picture picture_from_bytes_named(std::string_view raw, bool pcx_name, bool svg_name, std::string name,
                                 std::string& why)
{
    Picture pic;
    pic.name = std::move(name);
    // Read by our own bounded reader: Qt has no PCX format.
    if (pcx_name) return pcx_picture(raw, pic.name, why);
    const QByteArray bytes = QByteArray::fromRawData(raw.data(), static_cast<qsizetype>(raw.size()));
    auto data = std::make_shared<PictureData>();
    if (svg_name) {
        QSvgRenderer renderer(bytes);
        if (!renderer.isValid()) {
            why = "File " + pic.name + ": it is not a drawing that can be read";
            return pic;
        }
        data->svg = QByteArray(raw.data(), static_cast<qsizetype>(raw.size()));
        const QSize size = renderer.defaultSize();
        pic.width = size.width();
        pic.height = size.height();
        pic.data = std::move(data);
        return pic;
    }
    if (const std::string fault = picture_fault(raw); !fault.empty()) {
        why = "File " + pic.name + ": " + fault;
        return pic;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        // A PCX picture under another name is still one.
        if (looks_like_pcx(raw)) return pcx_picture(raw, pic.name, why);
        why = "File " + pic.name + ": it is not a picture in a format that can be read";
        return pic;
    }
    data->image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    pic.width = image.width();
    pic.height = image.height();
    pic.data = std::move(data);
    return pic;
}

Picture picture_from_path(const QString& path, std::string name, std::string& why)
{
    std::string bytes;
    const ReadOutcome r = read_file_whole(path.toStdString(), picture_max_file_size, "a picture", bytes);
    if (!r.ok()) {
        why = r.status == ReadStatus::missing
                  ? "File " + name + ": no such picture file, or it cannot be opened"
                  : r.message;
        Picture none;
        none.name = std::move(name);
        return none;
    }
    return picture_from_bytes_named(bytes, path.endsWith(QLatin1String(".pcx"), Qt::CaseInsensitive),
                                    path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive), std::move(name), why);
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
        std::string why;
        Picture pic = picture_from_path(path, std::string(name), why);
        if (pic.valid()) return pic;
    }
    Picture none;
    none.name = std::string(name);
    return none;
}

Picture load_picture_file(const std::string& path)
{
    std::string why;
    return load_picture_file(path, why);
}

Picture load_picture_file(const std::string& path, std::string& why)
{
    ensure_gui_app();
    why.clear();
    return picture_from_path(QString::fromStdString(path), path, why);
}

Picture load_picture_bytes(std::string_view bytes, const std::string& name, std::string& why)
{
    ensure_gui_app();
    why.clear();
    const auto ends_with = [&](std::string_view ext) {
        if (name.size() < ext.size()) return false;
        for (std::size_t i = 0; i < ext.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(name[name.size() - ext.size() + i])) != ext[i]) return false;
        return true;
    };
    return picture_from_bytes_named(bytes, ends_with(".pcx"), ends_with(".svg"), name, why);
}
