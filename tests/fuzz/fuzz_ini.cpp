// couche: graph
// Any bytes as a settings file: read, every value asked in every typed form, rewritten and
// read again.
#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

#include "graph/fichiers/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    FichierIni ini;
    ini.chargeOctets(QByteArray(reinterpret_cast<const char*>(donnees), static_cast<int>(taille)));
    for (const QString& section : ini.sections())
        for (const QString& cle : ini.cles(section)) {
            ini.texte(section, cle);
            ini.entier(section, cle, 0);
            ini.reel(section, cle, 0);
            ini.booleen(section, cle, false);
        }
    ini.ecritTexte(QStringLiteral("Repère"), QStringLiteral("Début.x"), QStringLiteral("12"));
    FichierIni relu;
    relu.chargeLignes(ini.lignes());
    if (relu.texte(QStringLiteral("Repère"), QStringLiteral("Début.x")) != QStringLiteral("12"))
        std::abort();
    return 0;
}
