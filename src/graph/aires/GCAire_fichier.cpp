// The "@" records of areas in a document: the writer and the reader.
//
//   @<letter><stamp>;[code;]<name>;<kind fields>;<n>;
//   n constraint lines, as typed
//   <ten parameter texts, each with ";">v; (or f; for a hidden area)
//   [the lines of the kind]
#include "graph/aires/GCAire.h"
#include "graph/base/etatgraphe.h"

namespace {


// Every field ended by ";" (what follows the last ";" is dropped).
QStringList champsDe(const QString& ligne)
{
    QStringList champs = ligne.split(QLatin1Char(';'));
    champs.removeLast();
    return champs;
}

// Lines that end a record of unknown layout: the next record, a separator.
bool finDeBloc(const QString& ligne)
{
    return ligne.isEmpty() || ligne == QLatin1String(" ") || ligne.startsWith(QLatin1Char('@'));
}

}  // namespace

void GCListAires::Enregistre(QStringList& lignes) const
{
    lignes << QStringLiteral(" ");
    for (const auto& a : Aires) {
        QString tete = QStringLiteral("@") + a->Genre() + TexteDeChamp(a->Empreinte()) + QLatin1Char(';');
        a->EcritChampsAvantNom(tete);
        tete += TexteDeChamp(a->Nom()) + QLatin1Char(';');
        a->EcritChampsTete(tete);
        tete += QString::number(a->Contraintes().size()) + QLatin1Char(';');
        lignes << tete;
        for (const QString& c : a->Contraintes())
            lignes << SurUneLigne(c);
        QString parametres;
        for (int k = 0; k < NbParametres; ++k)
            parametres += TexteDeChamp(a->Parametre(k)) + QLatin1Char(';');
        parametres += TexteBooleen(a->Visible());
        lignes << parametres;
        a->EcritLignesSuite(lignes);
    }
    lignes << QString();
}

bool GCListAires::LitAire(const QStringList& lignes, int& i, ListeIdentifiants& liensDerivees, QStringList& liensAires)
{
    const int numeroLigne = i + 1;
    QStringList problemes;
    auto suivante = [&](QString& ligne) {
        if (i >= lignes.size())
            return false;
        ligne = lignes.at(i++);
        if (ligne.endsWith(QLatin1Char('\r')))
            ligne.chop(1);
        return true;
    };
    auto signale = [&](const QStringList& p) {
        if (!p.isEmpty())
            interlocuteur().message(QStringLiteral("Lecture de l'aire de la ligne %1 : %2.")
                                        .arg(numeroLigne)
                                        .arg(p.join(QStringLiteral(" ; "))));
    };
    // A record that cannot be read: its lines are passed over up to the next record.
    auto passe = [&](const QString& raison) {
        while (i < lignes.size()) {
            QString l = lignes.at(i);
            if (l.endsWith(QLatin1Char('\r')))
                l.chop(1);
            if (finDeBloc(l))
                break;
            ++i;
        }
        signale({raison});
        return false;
    };

    QString tete;
    if (!suivante(tete))
        return false;
    if (tete.size() < 2 || tete.at(0) != QLatin1Char('@'))
        return passe(QStringLiteral("ce n'est pas un enregistrement d'aire"));
    const QChar lettre = tete.at(1).toUpper();
    const QStringList champs = champsDe(tete.mid(2));
    if (champs.isEmpty())
        return passe(QStringLiteral("l'en-tête est incomplet, l'aire est ignorée"));

    // Read as it will be written, so that a repeated stamp is recognised at once.
    QString empreinte = TexteDeChamp(champs.at(0));
    const bool repetee = !empreinte.isEmpty() && liensDerivees.contains(empreinte);

    int premier = 1;
    int code = 0;
    if (lettre == QLatin1Char('T') || lettre == QLatin1Char('P')) {
        if (champs.size() < 2 || !LitEntier(champs.at(1), code))
            return passe(QStringLiteral("le code de transformation n'est pas lisible, l'aire est ignorée"));
        premier = 2;
    }
    // A repeated record is read in full into an object that is then dropped.
    const int numero = repetee ? 0 : etatGraphe().CompteurCourbes;
    std::shared_ptr<GCAire> aire = CreeAire(lettre, numero, NumeroFenetre, code);
    if (!aire)
        return passe(QStringLiteral("les aires de type « %1 » ne sont pas connues, l'aire est ignorée").arg(lettre));
    if (!repetee)
        nouveauNumero();

    // The name is every field between the first ones and the fields of the kind, so that a
    // name holding ";" (written before names refused it) does not shift the others.
    const int k = aire->NbChampsTete();
    if (champs.size() < premier + 1 + k + 1)
        return passe(QStringLiteral("l'en-tête est incomplet, l'aire est ignorée"));
    int n = 0;
    if (!LitEntier(champs.last(), n) || n < 0)
        return passe(QStringLiteral("le nombre de contraintes « %1 » n'est pas lisible, l'aire est ignorée").arg(champs.last()));
    aire->FixeNom(champs.mid(premier, champs.size() - premier - k - 1).join(QLatin1Char(';')));
    aire->LitChampsTete(champs.mid(champs.size() - k - 1, k), problemes);

    QStringList contraintes;
    bool complet = true;
    for (int j = 0; j < n && complet; ++j) {
        QString l;
        if (suivante(l))
            contraintes << l;
        else
            complet = false;
    }
    aire->FixeContraintes(contraintes);

    QString ligne;
    if (complet && suivante(ligne)) {
        for (int p = 0; p < NbParametres; ++p) {
            if (!ligne.contains(QLatin1Char(';')))
                break;
            QString champ = PremierChamp(ligne);
            if (p == 0)
                champ = champ.trimmed();
            aire->FixeParametre(p, champ);
        }
        aire->FixeVisible(ligne.isEmpty() || ligne.at(0).toUpper() == QLatin1Char('V'));
    } else {
        complet = false;
    }
    if (complet && !aire->LitLignesSuite(lignes, i, problemes))
        complet = false;
    if (!complet)
        problemes << QStringLiteral("le fichier s'arrête avant la fin de l'aire");

    if (repetee) {
        liensAires << QStringLiteral("%1;%2").arg(NumeroFenetre).arg(empreinte);
        signale(problemes);
        return problemes.isEmpty();
    }
    if (empreinte.isEmpty())
        empreinte = NouvelleEmpreinte(aire->Numero());
    liensDerivees << empreinte;
    signale(problemes);
    if (aire->AnalyseApresLecture()) {
        ListeIneq& liste = ListeInequations();
        liste.clear();
        AnalyseInequations(aire->Contraintes(), liste);
        aire->FixeInequations(liste);
    }
    aire->FixeEmpreinte(empreinte);
    Ajoute(aire);
    if (lettre != QLatin1Char('T') && lettre != QLatin1Char('P'))
        aire->DecritRapport();
    return problemes.isEmpty();
}
