#include "expression/formatage.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "expression/etat.h"
#include "expression/paramperso.h"

namespace {

int decimales()
{
    return std::clamp(contexteCalcul().DecimalesReels, 0, 40);
}

std::string nonFini(double x)
{
    if (std::isnan(x))
        return "0";
    return x > 0 ? "INF" : "-INF";
}

// Fixed-point text with d decimals, rounded to nearest, "." as the point.
std::string fixe(double x, int d)
{
    std::string tampon(330 + d, '\0');
    const auto r = std::to_chars(tampon.data(), tampon.data() + tampon.size(), x, std::chars_format::fixed, d);
    tampon.resize(r.ptr - tampon.data());
    return tampon;
}

// The 23-character scientific form: a blank or "-", one digit, ".", 14 decimals, "E",
// the exponent's sign and four exponent digits (" 1.50000000000000E-0007").
std::string scientifiqueBrut(double x)
{
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::scientific, 14);
    std::string s(tampon, r.ptr);  // "-1.50000000000000e-07"
    const std::size_t e = s.find('e');
    std::string mantisse = s.substr(0, e);
    const char signe = s[e + 1];
    std::string exposant = s.substr(e + 2);
    while (exposant.size() < 4)
        exposant.insert(exposant.begin(), '0');
    if (mantisse[0] != '-')
        mantisse.insert(mantisse.begin(), ' ');
    return mantisse + 'E' + signe + exposant;
}

std::string entierTexte(double v)
{
    v = std::nearbyint(v);
    if (v == 0)
        return "0";
    return fixe(v, 0);
}

std::string sansBlancs(std::string s)
{
    const std::size_t debut = s.find_first_not_of(' ');
    if (debut == std::string::npos)
        return std::string();
    return s.substr(debut);
}

bool chiffre(char c) { return c >= '0' && c <= '9'; }
bool lettreAscii(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Bytes of a Windows-1252 text that the formula language reads as signs, not letters:
// "ã" (pi), "û" (root), "ý" (square), and the multiplication and division signs.
bool signeLatin1(unsigned char c) { return c == 0xE3 || c == 0xFB || c == 0xFD || c == 0xD7 || c == 0xF7; }

// True when the character that ends just before position p (p > 0) belongs to a name:
// an ASCII letter, digit or "_", or an accented letter (UTF-8 or Windows-1252).
bool nomAvant(const std::string& t, std::size_t p)
{
    const unsigned char c = static_cast<unsigned char>(t[p - 1]);
    if (c < 0x80)
        return lettreAscii(static_cast<char>(c)) || chiffre(static_cast<char>(c)) || c == '_';
    if (c < 0xC0) {
        // A UTF-8 continuation byte: a letter of the Latin-1 block when led by 0xC3.
        return p >= 2 && static_cast<unsigned char>(t[p - 2]) == 0xC3 && !signeLatin1(static_cast<unsigned char>(c + 0x40));
    }
    return !signeLatin1(c);
}

// True when the character that starts at position p (p < size) continues a name: as
// above, plus the prime "'" (a' is another parameter than a).
bool nomApres(const std::string& t, std::size_t p)
{
    const unsigned char c = static_cast<unsigned char>(t[p]);
    if (c < 0x80)
        return lettreAscii(static_cast<char>(c)) || chiffre(static_cast<char>(c)) || c == '_' || c == '\'';
    if (c == 0xC3 && p + 1 < t.size()) {
        const unsigned char d = static_cast<unsigned char>(t[p + 1]);
        if (d >= 0x80 && d < 0xC0)
            return !signeLatin1(static_cast<unsigned char>(d + 0x40));
    }
    return c >= 0xC0 && !signeLatin1(c);
}

bool egalSansCasse(const std::string& t, std::size_t p, const std::string& nom)
{
    if (p + nom.size() > t.size())
        return false;
    for (std::size_t i = 0; i < nom.size(); ++i) {
        char a = t[p + i], b = nom[i];
        if (a >= 'a' && a <= 'z')
            a = static_cast<char>(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z')
            b = static_cast<char>(b - 'a' + 'A');
        if (a != b)
            return false;
    }
    return true;
}

// A value text that can stand in a formula without brackets: an unsigned number
// (digits, an optional "." and digits, an optional E and signed exponent).
bool nombreSimple(const std::string& v)
{
    std::size_t i = 0, chiffres = 0;
    while (i < v.size() && chiffre(v[i]))
        ++i, ++chiffres;
    if (i < v.size() && v[i] == '.')
        for (++i; i < v.size() && chiffre(v[i]); ++i)
            ++chiffres;
    if (chiffres == 0)
        return false;
    if (i < v.size() && (v[i] == 'E' || v[i] == 'e')) {
        ++i;
        if (i < v.size() && (v[i] == '+' || v[i] == '-'))
            ++i;
        if (i >= v.size())
            return false;
        while (i < v.size() && chiffre(v[i]))
            ++i;
    }
    return i == v.size();
}

std::string entreParentheses(const std::string& v)
{
    return nombreSimple(v) ? v : "(" + v + ")";
}

}  // namespace

std::string ReelVersTexte(double x)
{
    if (x == 0 || std::isnan(x))
        return "0";
    if (!std::isfinite(x))
        return nonFini(x);
    const int d = decimales();
    std::string texte;
    if (std::log(std::fabs(x)) >= -d * std::log(10.0)) {
        texte = AbregeDecimal(fixe(x, d));
    } else {
        texte = AbregeScientifique(scientifiqueBrut(x));
        // A mantissa rounded up to 10 (0.99999999999999999 with no decimals) leaves an
        // exponent of zero, whose digits were all removed.
        if (!texte.empty() && (texte.back() == '+' || texte.back() == '-'))
            texte += '0';
    }
    texte = sansBlancs(texte);
    if (texte == "-0")
        texte = "0";
    return texte;
}

std::string ReelExact(double x)
{
    if (x == 0)
        return std::signbit(x) ? "-0" : "0";
    if (!std::isfinite(x))
        return nonFini(x);
    // The shortest digits that read back to x: "-d.ddde-XX".
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::scientific);
    const std::string s(tampon, r.ptr);
    const std::size_t e = s.find('e');
    const bool negatif = s[0] == '-';
    std::string chiffres;
    for (std::size_t i = negatif ? 1 : 0; i < e; ++i)
        if (s[i] != '.')
            chiffres += s[i];
    int exposant = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exposant);
    std::string texte = negatif ? "-" : "";
    const int n = static_cast<int>(chiffres.size());
    if (exposant >= 0 && exposant < 15) {
        // Fixed form: up to fifteen integer digits.
        if (n <= exposant + 1) {
            texte += chiffres + std::string(exposant + 1 - n, '0');
        } else {
            texte += chiffres.substr(0, exposant + 1) + '.' + chiffres.substr(exposant + 1);
        }
    } else if (exposant < 0 && exposant >= -5) {
        texte += "0." + std::string(-exposant - 1, '0') + chiffres;
    } else {
        texte += chiffres.substr(0, 1);
        if (n > 1)
            texte += '.' + chiffres.substr(1);
        texte += 'E' + std::to_string(exposant);
    }
    return texte;
}

std::string AbregeDecimal(std::string texte)
{
    for (const char separateur : {'.', ','}) {
        const std::size_t p = texte.find(separateur);
        if (p == std::string::npos || p + 1 >= texte.size())
            continue;
        bool nombre = true;
        for (std::size_t i = p + 1; i < texte.size() && nombre; ++i)
            nombre = chiffre(texte[i]);
        if (!nombre)
            continue;
        while (texte.size() > p + 1 && texte.back() == '0')
            texte.pop_back();
    }
    if (!texte.empty() && (texte.back() == '.' || texte.back() == ','))
        texte.pop_back();
    return texte;
}

std::string AbregeScientifique(std::string texte)
{
    const std::size_t e = texte.find('E');
    if (e == std::string::npos)
        return texte;
    // 1. Zeros after the exponent's sign.
    std::size_t debutExposant = e + 1;
    if (debutExposant < texte.size() && (texte[debutExposant] == '+' || texte[debutExposant] == '-'))
        ++debutExposant;
    std::size_t finZeros = debutExposant;
    while (finZeros < texte.size() && texte[finZeros] == '0')
        ++finZeros;
    texte.erase(debutExposant, finZeros - debutExposant);
    // 2. Zeros of the mantissa's decimals just before "E".
    std::string mantisse = texte.substr(0, e);
    const std::string reste = texte.substr(e);
    std::size_t point = mantisse.find('.');
    if (point == std::string::npos)
        point = mantisse.find(',');
    if (point != std::string::npos) {
        while (mantisse.size() > point + 1 && mantisse.back() == '0')
            mantisse.pop_back();
        // 3. At most DecimalesReels decimals, cut without rounding.
        const std::size_t d = static_cast<std::size_t>(decimales());
        if (mantisse.size() > point + 1 + d)
            mantisse.resize(point + 1 + d);
    }
    return mantisse + reste;
}

std::string FormateReel(int style, double x)
{
    if (!std::isfinite(x))
        return ReelVersTexte(x);
    if (std::fabs(x) < contexteCalcul().Epsilon)
        return "0";
    switch (style) {
    case 1: {
        // Thousands separated by blanks, "." as the decimal point.
        std::string t = fixe(std::fabs(x), decimales());
        std::size_t point = t.find('.');
        if (point == std::string::npos)
            point = t.size();
        for (std::size_t p = point; p > 3; p -= 3)
            t.insert(p - 3, 1, ' ');
        t = AbregeDecimal(t);
        if (x < 0 && t != "0")
            t.insert(t.begin(), '-');
        return t;
    }
    case 2: {
        std::string t = sansBlancs(AbregeScientifique(scientifiqueBrut(x)));
        const std::size_t e = t.find('E');
        if (e != std::string::npos && e > 0 && (t[e - 1] == '.' || t[e - 1] == ','))
            t.erase(e - 1, 1);
        if (!t.empty() && (t.back() == '+' || t.back() == '-'))
            t += '0';
        return t;
    }
    case 3: {
        double m = std::fabs(x);
        int k = 0;
        // At most about 110 steps either way for a finite double.
        while (m >= 1000 && k < 400) {
            m /= 1000;
            ++k;
        }
        while (m < 1 && k > -400) {
            m *= 1000;
            --k;
        }
        std::string mantisse = ReelVersTexte(m);
        if (mantisse == "1000") {
            // The divisions left m just below 1000 (1e300 gives 999.99999...).
            mantisse = "1";
            ++k;
        }
        std::string t = x < 0 ? "-" : "";
        t += mantisse;
        t += 'E';
        t += std::to_string(3 * k);
        return t;
    }
    case 4:
        return ReelVersTexte(100 * x) + "%";
    case 5: {
        double p, q;
        ApproximeFraction(x, p, q);
        if (q == 1)
            return entierTexte(p);
        return entierTexte(p) + "/" + entierTexte(q);
    }
    default:
        return ReelVersTexte(x);
    }
}

void ApproximeFraction(double x, double& numerateur, double& denominateur)
{
    if (x == 0 || !std::isfinite(x)) {
        numerateur = 0;
        denominateur = 1;
        return;
    }
    double v = std::fabs(x);
    double a = std::trunc(v), r = v;
    double h = a, k = 1, hp = 1, kp = 0;
    // Continued fraction until the relative error is at most 1e-6. Each step at least
    // doubles k every two steps, so the bound on k ends the loop.
    while (v * k < std::fabs(v * k - h) * 1e6) {
        const double reste = r - a;
        if (reste <= 0)
            break;
        r = 1 / reste;
        a = std::trunc(r);
        const double h2 = a * h + hp, k2 = a * k + kp;
        hp = h;
        kp = k;
        h = h2;
        k = k2;
        if (k > 1e7 || h * k > 1e9 || !std::isfinite(h) || !std::isfinite(k)) {
            h = hp / kp;
            k = 1;
            v = h;
        }
    }
    numerateur = std::nearbyint(x < 0 ? -h : h);
    denominateur = std::nearbyint(k);
}

void RepeteTexte(int n, const std::string& morceau, std::string& texte)
{
    for (int i = 0; i < n; ++i)
        texte += morceau;
}

std::string RemplaceTexte(const std::string& ancien, const std::string& nouveau, const std::string& texte)
{
    if (ancien.empty())
        return texte;
    std::string resultat;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t p = texte.find(ancien, debut);
        if (p == std::string::npos)
            break;
        resultat.append(texte, debut, p - debut);
        resultat += nouveau;
        debut = p + ancien.size();
    }
    resultat.append(texte, debut, std::string::npos);
    return resultat;
}

void RemplaceNom(const std::string& nom, const std::string& valeur, std::string& texte)
{
    if (nom.empty())
        return;
    std::string resultat;
    std::size_t debut = 0, p = 0;
    while (p + nom.size() <= texte.size()) {
        if (!egalSansCasse(texte, p, nom) || (p > 0 && nomAvant(texte, p))) {
            ++p;
            continue;
        }
        const std::size_t fin = p + nom.size();
        const bool remplace = fin >= texte.size() || (!nomApres(texte, fin) && texte[fin] != ' ' && texte[fin] != '(');
        if (remplace) {
            resultat.append(texte, debut, p - debut);
            resultat += valeur;
            debut = fin;
        }
        p = fin;
    }
    resultat.append(texte, debut, std::string::npos);
    texte = std::move(resultat);
}

void ParametresVersTexte(const std::array<std::string, 10>& valeurs, std::string& texte)
{
    std::array<std::string, 10> v;
    for (int i = 0; i < 10; ++i)
        v[i] = entreParentheses(AbregeDecimal(valeurs[i]));
    for (const auto& p : parametresPersonnels().ParametresPerso)
        if (!p->Valeur().empty())
            RemplaceNom(p->Nom(), entreParentheses(p->Valeur()), texte);
    for (int i = 0; i < 10; ++i) {
        const std::string lettre(1, LettresParametres[i]);
        for (int chiffreIndice = 9; chiffreIndice >= 0; --chiffreIndice)
            if (!valeurs[chiffreIndice].empty())
                RemplaceNom(lettre + static_cast<char>('0' + chiffreIndice), v[chiffreIndice], texte);
        for (int primes = 9; primes >= 1; --primes)
            if (!valeurs[primes].empty())
                RemplaceNom(lettre + std::string(primes, '\''), v[primes], texte);
        if (!valeurs[i].empty())
            RemplaceNom(lettre, v[i], texte);
    }
}
