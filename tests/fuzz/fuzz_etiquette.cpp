// couche: graph
// dictionnaires: document formule
// Any text as a label: laid out and drawn at a few angles on a small picture.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdint>

#include "commun_fuzz.h"
#include "graph/textes/TeXGestion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static QGuiApplication* application = ApplicationFuzz("fuzz_etiquette");
    (void)application;
    static QImage image(120, 80, QImage::Format_RGB32);
    const QString texte = QString::fromUtf8(reinterpret_cast<const char*>(donnees), static_cast<int>(taille));
    QFont police(QStringLiteral("DejaVu Sans"), 10);
    MesureTeX(texte, police, &image);
    QPainter peintre(&image);
    peintre.setFont(police);
    for (int angle : {0, 90, -30})
        DessineTeX(20, 40, texte, angle, Qt::black, peintre);
    return 0;
}
