// Sound: a curve's ordinates written as a WAV file and played; a WAV file's samples read
// back as a chronicle in a new window.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <cmath>

#include "dialogs/dialWav.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/formatage.h"
#include "graph/courbes/GCC.h"
#include "graph/courbes/GCDessin.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/fichiers/wav.h"
#include "graph/repere/GCRepere.h"
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

void TForm1::Ecouter1Click(QAction* emetteur)
{
    const bool depuisMenuContextuel = emetteur && emetteur->objectName() == QLatin1String("Ecoute");
    PtrCourbe courbe = depuisMenuContextuel ? courbeDuCode() : dessin_->ChoisitCourbe(QString::fromLatin1(LettresCourbes));
    if (!courbe)
        return;
    CourbeCourante() = courbe;
    const QString chemin = EcritWav();
    if (!chemin.isEmpty() && etatFenetres().joueSon)
        etatFenetres().joueSon(chemin);
}

QString TForm1::EcritWav()
{
    const PtrCourbe courbe = CourbeCourante().lock();
    if (!courbe)
        return {};
    EchantillonsCourbe e;
    {
        CurseurAttente attente;
        e = EchantillonneCourbeWav(LitFichierPoints(courbe->NomFichier()).points);
    }
    if (e.valeurs.empty()) {
        interlocuteur().message(QStringLiteral("La courbe %1 n'a aucun point calculé : pas de son à produire.")
                                    .arg(courbe->Nom));
        return {};
    }
    ChoixWav choix;
    if (!SaisieCourbeVersWav(choix, this))
        return {};
    QString chemin;
    if (choix.sauver)
        chemin = boitesSaisie().choisitFichierEcriture(this, QStringLiteral("Enregistrer le son"), QString(),
                                                       QStringLiteral("*.wav"), QStringLiteral("wav"));
    if (chemin.isEmpty())
        chemin = QDir(dossierTravail()).filePath(QStringLiteral("SansNom.wav"));
    CurseurAttente attente;
    QString erreur;
    const QByteArray octets = OctetsWav(e.valeurs, e.moyenne, e.crete(), FormatWavDuMode(choix.format, choix.frequence),
                                        &erreur);
    if (octets.isEmpty() || !EcritOctets(chemin, octets, &erreur)) {
        interlocuteur().message(erreur);
        return {};
    }
    return chemin;
}

void TForm1::FichiersonWav1Click(QAction*)
{
    const QString chemin = boitesSaisie().choisitFichier(this, QStringLiteral("Ouvrir un fichier son"), QString(),
                                                         QStringLiteral("Fichiers sons (*.wav *.WAV)"));
    if (!chemin.isEmpty())
        ConvertitWav(chemin, this);
}

TForm1* TForm1::ConvertitWav(const QString& chemin, QWidget* parent)
{
    EnteteWav entete;
    QString erreur;
    {
        QFile f(chemin);
        if (!QFileInfo(chemin).isFile() || !f.open(QIODevice::ReadOnly)) {
            interlocuteur().message(QStringLiteral("Fichier %1 illisible.").arg(chemin));
            return nullptr;
        }
        if (!LitEnteteWav(f, entete, erreur)) {
            interlocuteur().message(erreur);
            return nullptr;
        }
    }
    const bool stereo = entete.format.canaux == 2;
    const NomsTexteWav proposes = NomsTexteDuWav(chemin, dossierTravail());
    TWavToTxt dialogue(parent);
    dialogue.Remplit(entete.format.frequence, TexteModeWav(entete.format), entete.valeurs(), stereo,
                     proposes.principal, proposes.gauche, proposes.droite);
    if (dialogue.exec() != QDialog::Accepted)
        return nullptr;
    // A name typed without a folder goes to the working folder, where the names proposed lie.
    const auto complet = [](const QLineEdit* champ) {
        const QString nom = champ->text().trimmed();
        return nom.isEmpty() ? nom : QDir(dossierTravail()).absoluteFilePath(nom);
    };
    NomsTexteWav noms{complet(dialogue.EdNom), complet(dialogue.Ednomg), complet(dialogue.Ednomd)};
    // Names typed over existing files (beside the WAV file, say) are replaced only when the
    // user agrees.
    for (const QString& nom : {noms.principal, noms.gauche, noms.droite})
        if ((stereo || nom == noms.principal) && !RemplacementAccepte(nom))
            return nullptr;
    ConversionWav c;
    {
        CurseurAttente attente;
        c = ConvertitWavEnTexte(chemin, noms);
    }
    if (!c.ok) {
        interlocuteur().message(c.erreur);
        return nullptr;
    }
    const CreateurFenetre& createur = etatFenetres().createurFenetre;
    TForm1* f = createur ? createur() : nullptr;
    if (!f) {
        interlocuteur().message(QStringLiteral("Impossible de créer une nouvelle fenêtre."));
        return nullptr;
    }
    f->fixeTitre(QString::number(f->numero()) + QStringLiteral(" : conversion WAV -> VIRK"));
    auto courbe = std::make_shared<GCC>(QLatin1Char('C'), f->numero(), nouveauNumero());
    courbe->NouvelIdentifiant();
    courbe->Libelle1 = stereo ? noms.gauche : noms.principal;
    const double pas = 1.0 / double(entete.format.frequence);
    courbe->FixeDebutPas(QStringLiteral("0"), QString::fromStdString(ReelExact(pas)));
    f->Dessin().AjouteCourbe(courbe);
    courbe->Journalise();
    // x from 0 to the last sample; y fitted to the samples once they are drawn.
    const qint64 points = entete.trames;
    const double fin = points > 1 ? double(points - 1) * pas : pas;
    const double pasX = PasRond(fin / 10);
    const auto texte = [](double v) { return QString::fromStdString(ReelExact(v)); };
    GCRepere& r = f->Repere();
    GCRepere::BornesEtPas x, y;
    r.GetBornesEtPas(x, y);
    const double bas = std::min(0, c.minimum), haut = std::max(0, c.maximum);
    const double pasY = haut > bas ? PasRond((haut - bas) / 10) : 1;
    r.FixeBornes(QStringLiteral("0"), texte(fin), EchelleArith, QStringLiteral("0"), QStringLiteral("0"), texte(pasX),
                 texte(bas - pasY), texte(haut + pasY), EchelleArith, QStringLiteral("0"), QStringLiteral("0"),
                 texte(pasY));
    f->TraceEtAjusteY();
    // The whole frames present are read; a file shorter than it says is said.
    if (const QString manque = ValeursManquantesWav(entete); !manque.isEmpty())
        interlocuteur().message(manque);
    return f;
}
