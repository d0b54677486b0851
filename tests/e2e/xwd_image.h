#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a screen dump in the X Window Dump format, as `xwd` writes it for a
// true-colour screen. Returns a null image and says why when it cannot.
QImage readXwd(const QByteArray &data, QString *why);
