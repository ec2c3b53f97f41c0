#include "frame/lecteurson.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

std::unique_ptr<LecteurSon> ChargeLecteurSon(QString& erreur)
{
    // Loaded once and kept for the run.
    static QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("virk_son")));
    const auto fabrique = reinterpret_cast<FonctionFabriqueLecteurSon>(module.resolve(FabriqueLecteurSon));
    if (!fabrique) {
        erreur = module.errorString();
        return nullptr;
    }
    return std::unique_ptr<LecteurSon>(fabrique());
}
