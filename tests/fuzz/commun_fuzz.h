// What several targets share: the offscreen application of those that draw or show widgets,
// and the temporary folder of a run.
#pragma once

#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>

// The application, made once by the caller (a static): QApplication for widgets.
template <class Application = QGuiApplication>
Application* ApplicationFuzz(const char* nom)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(nom), nullptr};
    return new Application(argc, argv);
}

// The temporary folder of a fuzz run: in memory where the system allows, since inputs write
// and remove files by thousands; an ordinary temporary folder otherwise. Removed at the end.
inline QString DossierFuzz()
{
    static QTemporaryDir dossier = [] {
        QTemporaryDir memoire(QStringLiteral("/dev/shm/virk-fuzz-XXXXXX"));
        return memoire.isValid() ? std::move(memoire) : QTemporaryDir();
    }();
    return dossier.path();
}
