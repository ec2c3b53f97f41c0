#include "graph/fichiers/fichiertexte.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <QStringDecoder>
#include <algorithm>

namespace {

// Characters of the bytes 0x80..0x9F. The five bytes the code page leaves free
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) give the control character of the same value.
constexpr char16_t Table80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The Windows-1252 byte of a code point, or -1.
int OctetWindows1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (int i = 0; i < 32; ++i)
        if (Table80[i] == c)
            return 0x80 + i;
    return -1;
}

// Code point at position i of the text (a surrogate pair counts once); *longueur gets the
// number of QString units it takes.
char32_t PointCode(const QString& texte, qsizetype i, int* longueur)
{
    const char16_t u = texte.at(i).unicode();
    if (QChar::isHighSurrogate(u) && i + 1 < texte.size() && QChar::isLowSurrogate(texte.at(i + 1).unicode())) {
        *longueur = 2;
        return QChar::surrogateToUcs4(u, texte.at(i + 1).unicode());
    }
    *longueur = 1;
    return u;
}

// Appends the Windows-1252 form of one line; lists what cannot be held.
void AjouteWindows1252(QByteArray& sortie, const QString& texte, int numeroLigne,
                       QList<CaractereNonRepresentable>* refus)
{
    for (qsizetype i = 0; i < texte.size();) {
        int longueur = 1;
        const char32_t c = PointCode(texte, i, &longueur);
        int octet = -1;
        // A lone surrogate is not a character: refused like any other.
        if (!(longueur == 1 && QChar::isSurrogate(c)))
            octet = OctetWindows1252(c);
        if (octet >= 0) {
            sortie.append(char(octet));
        } else {
            sortie.append('?');
            if (refus)
                refus->append({numeroLigne, int(i) + 1, c});
        }
        i += longueur;
    }
}

bool EstAscii(const QByteArray& octets)
{
    for (const char o : octets)
        if (static_cast<unsigned char>(o) >= 0x80)
            return false;
    return true;
}

}  // namespace

QString DecritCaractere(const CaractereNonRepresentable& c)
{
    QString code = QString::number(uint(c.code), 16).toUpper();
    while (code.size() < 4)
        code.prepend(QLatin1Char('0'));
    QString vu;
    if (c.code >= 0x20 && !(c.code >= 0xD800 && c.code <= 0xDFFF) && c.code <= 0x10FFFF)
        vu = QStringLiteral(" « %1 »").arg(QString::fromUcs4(&c.code, 1));
    return QStringLiteral("U+%1%2 (ligne %3, colonne %4)").arg(code, vu).arg(c.ligne).arg(c.colonne);
}

QString DecritNonRepresentables(const QList<CaractereNonRepresentable>& liste)
{
    if (liste.isEmpty())
        return {};
    constexpr int Montres = 5;
    QStringList morceaux;
    for (int i = 0; i < liste.size() && i < Montres; ++i)
        morceaux << DecritCaractere(liste.at(i));
    QString texte = liste.size() == 1
        ? QStringLiteral("Un caractère ne peut pas être écrit en Windows-1252 : %1").arg(morceaux.first())
        : QStringLiteral("%1 caractères ne peuvent pas être écrits en Windows-1252 : %2")
              .arg(liste.size()).arg(morceaux.join(QStringLiteral(", ")));
    if (liste.size() > Montres)
        texte += QStringLiteral("…");
    return texte + QLatin1Char('.');
}

QString DepuisWindows1252(const QByteArray& octets)
{
    QString texte(octets.size(), Qt::Uninitialized);
    QChar* sortie = texte.data();
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const unsigned char o = static_cast<unsigned char>(octets[i]);
        sortie[i] = QChar(o >= 0x80 && o < 0xA0 ? Table80[o - 0x80] : char16_t(o));
    }
    return texte;
}

QByteArray EnWindows1252(const QString& texte, QList<CaractereNonRepresentable>* refus)
{
    QByteArray sortie;
    sortie.reserve(texte.size());
    AjouteWindows1252(sortie, texte, 1, refus);
    return sortie;
}

bool RepresentableEnWindows1252(const QString& texte)
{
    QList<CaractereNonRepresentable> refus;
    QByteArray poubelle;
    poubelle.reserve(texte.size());
    AjouteWindows1252(poubelle, texte, 1, &refus);
    return refus.isEmpty();
}

bool EstUtf8Valide(const QByteArray& octets)
{
    const auto* p = reinterpret_cast<const unsigned char*>(octets.constData());
    const qsizetype n = octets.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char o = p[i];
        if (o < 0x80) {
            ++i;
            continue;
        }
        int suite;
        unsigned char min2 = 0x80, max2 = 0xBF;  // bounds of the second byte
        if (o >= 0xC2 && o <= 0xDF) {
            suite = 1;
        } else if (o >= 0xE0 && o <= 0xEF) {
            suite = 2;
            if (o == 0xE0) min2 = 0xA0;        // overlong
            else if (o == 0xED) max2 = 0x9F;   // surrogates
        } else if (o >= 0xF0 && o <= 0xF4) {
            suite = 3;
            if (o == 0xF0) min2 = 0x90;        // overlong
            else if (o == 0xF4) max2 = 0x8F;   // above U+10FFFF
        } else {
            return false;
        }
        if (i + suite >= n)
            return false;  // cut inside the sequence
        if (p[i + 1] < min2 || p[i + 1] > max2)
            return false;
        for (int k = 2; k <= suite; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        i += suite + 1;
    }
    return true;
}

QString DecodeTexte(const QByteArray& octets, bool* estUtf8)
{
    const bool utf8 = EstUtf8Valide(octets);
    if (estUtf8)
        *estUtf8 = utf8;
    if (!utf8)
        return DepuisWindows1252(octets);
    // One byte-order mark is dropped, and only one: the decoder is told to keep the
    // characters U+FEFF that follow it (QString::fromUtf8 would drop another mark).
    const qsizetype debut = octets.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    QStringDecoder decodeur(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decodeur(QByteArrayView(octets).sliced(debut));
}

LectureTexte LignesDeOctets(const QByteArray& octets, int longueurMaxLigne)
{
    LectureTexte lecture;
    lecture.ok = true;
    const QString texte = DecodeTexte(octets, &lecture.utf8);
    if (texte.isEmpty())
        return lecture;
    qsizetype debut = 0;
    const qsizetype n = texte.size();
    while (debut < n) {
        qsizetype fin = texte.indexOf(QLatin1Char('\n'), debut);
        const bool avecRetour = fin >= 0;
        if (!avecRetour)
            fin = n;
        qsizetype longueur = fin - debut;
        if (longueur > 0 && texte.at(fin - 1) == QLatin1Char('\r'))
            --longueur;
        if (longueurMaxLigne > 0 && longueur > longueurMaxLigne) {
            longueur = 0;
            lecture.lignesRefusees.append(int(lecture.lignes.size()) + 1);
        }
        lecture.lignes.append(texte.mid(debut, longueur));
        if (!avecRetour)
            lecture.finSansRetour = true;
        debut = fin + 1;
    }
    return lecture;
}

LectureTexte LitFichierTexte(const QString& chemin, qint64 tailleMax, int longueurMaxLigne)
{
    LectureTexte lecture;
    QFile fichier(chemin);
    const QFileInfo info(chemin);
    if (!info.exists()) {
        lecture.erreur = QStringLiteral("Fichier %1 introuvable !").arg(chemin);
        return lecture;
    }
    if (info.isDir()) {
        lecture.erreur = QStringLiteral("Impossible de lire %1 : c'est un dossier.").arg(chemin);
        return lecture;
    }
    if (!fichier.open(QIODevice::ReadOnly)) {
        lecture.erreur = QStringLiteral("Impossible de lire %1 : %2").arg(chemin, fichier.errorString());
        return lecture;
    }
    // The size is checked before reading and the read is bounded, so that a file that
    // grows meanwhile (or a device) cannot make us read without end.
    const qint64 taille = fichier.size();
    if (taille > tailleMax) {
        lecture.erreur = QStringLiteral("Impossible de lire %1 : le fichier est trop gros (%2 octets).")
                             .arg(chemin).arg(taille);
        return lecture;
    }
    // Read in blocks of about the announced size: asking for the limit at once would
    // allocate the whole limit for every small file.
    QByteArray octets;
    while (octets.size() <= tailleMax) {
        const qint64 bloc = std::min(tailleMax + 1 - octets.size(), std::max<qint64>(taille + 1, 64 * 1024));
        const QByteArray lu = fichier.read(bloc);
        if (lu.isEmpty())
            break;
        octets += lu;
    }
    if (fichier.error() != QFileDevice::NoError) {
        lecture.erreur = QStringLiteral("Impossible de lire %1 : %2").arg(chemin, fichier.errorString());
        return lecture;
    }
    if (octets.size() > tailleMax) {
        lecture.erreur = QStringLiteral("Impossible de lire %1 : le fichier est trop gros.").arg(chemin);
        return lecture;
    }
    lecture = LignesDeOctets(octets, longueurMaxLigne);
    return lecture;
}

LectureTexte LitFichierTexteOrdinaire(const QString& chemin, qint64 tailleMax)
{
    const QFileInfo info(chemin);
    if (info.exists() && !info.isDir() && !info.isFile()) {
        LectureTexte lecture;
        lecture.erreur = QStringLiteral("Impossible de lire %1 : ce n'est pas un fichier ordinaire.").arg(chemin);
        return lecture;
    }
    return LitFichierTexte(chemin, tailleMax);
}

QString SourceLignes::suivante()
{
    if (suivante_ >= lignes_.size()) {
        depasse_ = true;
        return {};
    }
    return lignes_.at(suivante_++);
}

QByteArray EncodeLignes(const QStringList& lignes, PolitiqueEncodage politique,
                        QList<CaractereNonRepresentable>* refus, bool* utf8)
{
    QList<CaractereNonRepresentable> listeRefus;
    QByteArray octets;
    qsizetype total = 0;
    for (const QString& l : lignes)
        total += l.size() + 2;
    octets.reserve(total);
    int numero = 0;
    for (const QString& l : lignes) {
        AjouteWindows1252(octets, l, ++numero, &listeRefus);
        octets.append("\r\n", 2);
    }
    // Windows-1252 bytes that happen to form UTF-8 ("Ã©", a text opening with "ï»¿") would
    // be read back as UTF-8, as another text: such a text is written in UTF-8 as well.
    bool enUtf8 = false;
    if (politique == PolitiqueEncodage::RepliUtf8)
        enUtf8 = !listeRefus.isEmpty() || (!EstAscii(octets) && EstUtf8Valide(octets));
    if (enUtf8) {
        octets.clear();
        // A text that opens with U+FEFF keeps it: the reader drops one byte-order mark only.
        if (!lignes.isEmpty() && lignes.constFirst().startsWith(QChar(0xFEFF)))
            octets.append("\xEF\xBB\xBF", 3);
        for (const QString& l : lignes) {
            octets.append(l.toUtf8());
            octets.append("\r\n", 2);
        }
    }
    if (refus)
        *refus = std::move(listeRefus);
    if (utf8)
        *utf8 = enUtf8;
    return octets;
}

QString RaisonSysteme(int numero, const QString& repli)
{
    switch (numero) {
    case ENOSPC: return QStringLiteral("plus de place sur le disque");
#ifdef EDQUOT
    case EDQUOT: return QStringLiteral("quota de disque dépassé");
#endif
    case EFBIG: return QStringLiteral("fichier trop grand pour ce disque ou cet utilisateur");
    case EACCES:
    case EPERM: return QStringLiteral("permission refusée");
    case EROFS: return QStringLiteral("le disque est en lecture seule");
    case ENOENT: return QStringLiteral("dossier introuvable");
    case ENOTDIR: return QStringLiteral("un élément du chemin n'est pas un dossier");
    case EISDIR: return QStringLiteral("c'est un dossier");
    case ENAMETOOLONG: return QStringLiteral("nom de fichier trop long");
    case EIO: return QStringLiteral("erreur d'entrée-sortie du disque");
    case EMFILE:
    case ENFILE: return QStringLiteral("trop de fichiers ouverts");
    default: break;
    }
    if (numero != 0)
        return QString::fromLocal8Bit(std::strerror(numero));
    return repli.isEmpty() ? QStringLiteral("erreur inconnue") : repli;
}

bool EcritOctets(const QString& chemin, const QByteArray& octets, QString* erreur)
{
    QSaveFile fichier(chemin);
    QString raison;
    // The system's reason of a failure, taken at once (errno), in French.
    const auto echec = [&] { raison = RaisonSysteme(errno, fichier.errorString()); };
    // Unbuffered, and flushed by hand before the commit: a write error met while
    // emptying Qt's buffer at commit() would otherwise go unnoticed, and a cut file would
    // replace the whole one.
    errno = 0;
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        echec();
    } else if (fichier.write(octets) != octets.size() || !fichier.flush()
               || fichier.error() != QFileDevice::NoError) {
        echec();
        fichier.cancelWriting();
    } else if (errno = 0; !fichier.commit()) {
        echec();
    } else {
        return true;
    }
    if (erreur)
        *erreur = QStringLiteral("Impossible d'enregistrer %1 : %2").arg(chemin, raison);
    return false;
}

EcritureTexte EcritFichierTexte(const QString& chemin, const QStringList& lignes, PolitiqueEncodage politique)
{
    EcritureTexte ecriture;
    const QByteArray octets = EncodeLignes(lignes, politique, &ecriture.nonRepresentables, &ecriture.utf8);
    if (politique == PolitiqueEncodage::Strict && !ecriture.nonRepresentables.isEmpty()) {
        ecriture.erreur = QStringLiteral("Impossible d'enregistrer %1 : %2")
                              .arg(chemin, DecritNonRepresentables(ecriture.nonRepresentables));
        return ecriture;
    }
    ecriture.ok = EcritOctets(chemin, octets, &ecriture.erreur);
    return ecriture;
}
