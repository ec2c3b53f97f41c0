// Transformed areas: the image of another area (the mother) by a plane transformation
// (codes 19 to 32, see graph/derivees/transformations.h). Letter 'T' is the image of an
// inequation area or of another 'T'; letter 'P' the image of a Julia or Mandelbrot set.
//
// The image is not made by moving pixels: each pixel of the window is taken back by the
// inverse transformation, through the whole chain of 'T' mothers, to the first area that is
// not a 'T' (the root), and tested there: against the root's relations, at the centre of
// the pixel that holds the preimage, for an inequation root; by the root's iteration, at the
// preimage itself, for a Julia or Mandelbrot root. A pixel whose preimage does not exist is
// not part of the image. The mother is known only by its identity stamp and looked up at
// every computation, so the image follows every later edit of the mother; when it is gone,
// or the chain leads nowhere, the image is empty.
//
// Its "@T" and "@P" records hold the transformation code before the name; "@T" then has the
// fields of an inequation area, "@P" none. After the parameter line come the six
// coefficient texts, then the mother's stamp.
#pragma once

#include <array>

#include "graph/aires/GCAire.h"

class GrillePixels;
class TransformationPlane;

class GCTrAire : public GCAire {
public:
    GCTrAire(QChar lettre, int code, int numeroFenetre, int numero);

    // 'T' whose mother is an inequation area or a 'T': the inequation dialog (name and
    // appearance). Otherwise, or when the mother is gone: "Modifier la mère !" and false.
    bool Modifie(bool nouvelle) override;
    void Calcule(const GCRepere& repere) override;
    // The area's own fields (its appearance included), the code, the coefficient texts
    // (computed again) and the mother's stamp.
    void Copie(const GCAire& source) override;
    // The area's lines, then the operation's name with the mother's number ("?" when it is
    // gone), then "Coef[k]= " and each coefficient text.
    void Decrit(QStringList& memo) const override;
    std::shared_ptr<GCAire> CreeMemeGenre(int numero, int numeroFenetre) const override;

    // The mother: its stamp, and its attachment (its current stamp and constraint texts).
    QString NomMere() const override { return NomMere_; }
    void FixeMere(const GCAire& mere) override;
    void FixeNomMere(const QString& empreinte) { NomMere_ = empreinte; }
    // The mother's colour, brush style and copy mode: what a new image starts with.
    void CopieAspect(const GCAire& mere);

    int Transformation() const { return Code_; }
    const QString& Coefficient(int k) const;  // k = 1..6
    const std::array<double, 6>& ValeursCoefficients() const { return Valeurs_; }
    // Stores the six texts and computes them (a text that does not compute gives 0).
    void FixeCoefficients(const std::array<QString, 6>& textes);

    int NbChampsTete() const override { return Genre_ == QLatin1Char('T') ? GCAire::NbChampsTete() : 0; }
    void EcritChampsTete(QString& tete) const override;
    void LitChampsTete(const QStringList& champs, QStringList& problemes) override;
    void EcritChampsAvantNom(QString& tete) const override;
    void EcritLignesSuite(QStringList& lignes) const override;
    bool LitLignesSuite(const QStringList& lignes, int& i, QStringList& problemes) override;
    bool AnalyseApresLecture() const override { return Genre_ == QLatin1Char('T'); }

private:
    // The image of an inequation root through the chain of transformations.
    void CalculeImageAire(const GCRepere& repere, const GCAire& racine, const std::vector<TransformationPlane>& chaine,
                          const std::array<double, NbParametres>& parametres);
    // The image of a Julia or Mandelbrot set.
    void CalculeImageProcessus(const GCRepere& repere, const GCAire& mere);
    // An empty bitmap of the frame's size.
    void Vide(const GCRepere& repere);
    // An indexed bitmap for the scan: index 0 the window colour, 1 the area colour.
    QImage BitmapIndexee(const GrillePixels& grille) const;

    int Code_;
    std::array<QString, 6> Coefficients_;
    std::array<double, 6> Valeurs_{};
    QString NomMere_;
};
