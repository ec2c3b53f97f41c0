// The picture that a Windows metafile holds: the first device-independent bitmap that it
// stretches or copies (what picture exports write), read through the bitmap decoder. Line
// drawings are not read.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// True when the bytes begin as a metafile does (placeable header, or the plain header).
bool EstWmf(const QByteArray& octets);
// The picture, or null with the French reason in *erreur. Never reads past the bytes.
QImage ImageDeWmf(const QByteArray& octets, QString* erreur = nullptr);
