#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

// Decodes the picture in `device`, turned as its orientation tag says and shrunk (never grown)
// to fit into `box` as it is shown, which decoders like JPEG's do far faster than a full decode.
// Every format comes out in the same 32-bit colours (premultiplied when it has transparency), so
// a thumbnail and the preview of a picture agree. A null image when it cannot, with the
// decoder's reason in `error`.
QImage decodeFitted(QIODevice &device, QSize box, QString *error = nullptr);
