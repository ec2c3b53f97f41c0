// The read-only text viewer (the curves' information, their errors, the comments file...):
// the lines under a caption, until the user closes it.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

void MontreTexte(QWidget* parent, const QString& titre, const QStringList& lignes);
