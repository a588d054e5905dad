// SPDX-License-Identifier: MIT
#include "runtime/qt/Pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace runtime::qt {

namespace {

[[noreturn]] void fail(const std::string& path, const QImageReader& reader)
{
    throw PictureLoadError("No se pudo cargar la imagen " + path + " (" + reader.errorString().toStdString() +
                           "): falta el lector de ese formato de imagen o el archivo está dañado.");
}

// The reader's current image; never an empty one.
QImage readImage(QImageReader& reader, const std::string& path)
{
    QImage image = reader.read();
    if (image.isNull())
        fail(path, reader);
    return image;
}

} // namespace

QImage loadPicture(const std::string& path)
{
    QImageReader reader(QString::fromStdString(path));
    return readImage(reader, path);
}

QImage loadPictureForScreens(const std::string& path)
{
    const auto dot = path.find_last_of('.');
    if (qApp->devicePixelRatio() > 1.0 && dot != std::string::npos) {
        const std::string doubled = path.substr(0, dot) + "@2x" + path.substr(dot);
        if (QFile::exists(QString::fromStdString(doubled))) {
            QImage image = loadPicture(doubled);
            image.setDevicePixelRatio(2.0);
            return image;
        }
    }
    return loadPicture(path);
}

QIcon loadIcon(const std::string& path)
{
    QImageReader reader(QString::fromStdString(path));
    QIcon icon;
    for (int image = 0; image < reader.imageCount(); ++image) {
        if (!reader.jumpToImage(image))
            fail(path, reader);
        icon.addPixmap(QPixmap::fromImage(readImage(reader, path)));
    }
    if (icon.isNull())
        fail(path, reader);
    return icon;
}

} // namespace runtime::qt
