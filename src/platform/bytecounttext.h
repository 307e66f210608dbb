#pragma once

#include <QString>

// Size cell text for a byte count: decimal units, the zero spelled out.
QString byteCountText(qint64 bytes);
