// The temporary folder of a fuzz run: in memory where the system allows, since inputs write
// and remove files by thousands; an ordinary temporary folder otherwise. Removed at the end.
#pragma once

#include <QString>
#include <QTemporaryDir>

inline QString DossierFuzz()
{
    static QTemporaryDir dossier = [] {
        QTemporaryDir memoire(QStringLiteral("/dev/shm/virk-fuzz-XXXXXX"));
        return memoire.isValid() ? std::move(memoire) : QTemporaryDir();
    }();
    return dossier.path();
}
