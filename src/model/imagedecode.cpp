#include "imagedecode.h"

#include <QImageReader>

QImage decodeFitted(QIODevice &device, QSize box, QString *error)
{
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && box.isValid()) {
        // The scaled size applies before the turn.
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            box.transpose();
        if (size.width() > box.width() || size.height() > box.height())
            reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    }
    QImage image;
    if (!reader.read(&image) && error)
        *error = reader.errorString();
    return image;
}
