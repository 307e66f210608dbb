#include "model/imagedecode.h"

#include <QImageReader>

namespace {

// Formats whose colours a scaling in the format itself can lose: a one-bit picture shrunk by
// some factors comes out black and white whatever its two colours are.
bool hasColourTable(QImage::Format format)
{
    return format == QImage::Format_Mono || format == QImage::Format_MonoLSB ||
           format == QImage::Format_Indexed8;
}

// The formats the painter draws fastest.
QImage::Format displayFormat(const QImage &image)
{
    return image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

} // namespace

QImage decodeFitted(QIODevice &device, QSize box, QString *error)
{
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    // Pictures with a colour table are brought to 32 bits before they are shrunk.
    const bool shrinkAfterwards = hasColourTable(reader.imageFormat());
    const QSize size = reader.size();
    if (size.isValid() && box.isValid() && !shrinkAfterwards) {
        QSize unturnedBox = box;
        // The scaled size applies before the turn.
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            unturnedBox.transpose();
        if (size.width() > unturnedBox.width() || size.height() > unturnedBox.height())
            reader.setScaledSize(size.scaled(unturnedBox, Qt::KeepAspectRatio));
    }
    QImage image;
    if (!reader.read(&image)) {
        if (error)
            *error = reader.errorString();
        return {};
    }
    image.convertTo(displayFormat(image));
    if (box.isValid() && (image.width() > box.width() || image.height() > box.height()))
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}
