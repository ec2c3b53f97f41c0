// Pictures of a document for files: the whole drawing rendered on a picture of its own
// (never on the window's layers), written as JPEG, bitmap or Windows metafile.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class GCDocument;

// The document's picture at that size, as the window shows it: the background (colour,
// picture or areas), the curves and the texts, through GCDocument::Dessine. The window's
// own layers are left as they were.
QImage ImageDocument(GCDocument& document, QSize taille);

enum class FormatImage { Jpeg, Bitmap, Metafichier };

// Writes the picture to that path, through a temporary file renamed over it: JPEG with the
// library's default quality, BMP, or WMF (ImageVersWmf). False with the French reason in
// *erreur when it could not be written; a previous file of that name is then left whole.
bool EnregistreImage(const QImage& image, const QString& chemin, FormatImage format, QString* erreur = nullptr);

// Reads a background picture (bitmap, JPEG, icon, PNG... by its content, or the picture of
// a metafile): a regular file, at most 512 MB once decoded. Null, with the French reason in
// *erreur ("Impossible de lire l'image ..."), when it cannot be read.
QImage LitImageFond(const QString& chemin, QString* erreur = nullptr);

// A placeable Windows metafile that stretches the picture (24-bit, device-independent)
// over its own size, with the creator's comment "VIRK 4". Empty when a side of the picture
// exceeds what the format holds (32767 pixels).
QByteArray ImageVersWmf(const QImage& image);
constexpr int CoteMaxWmf = 32767;
