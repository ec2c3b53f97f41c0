#include "dialogs/progression.h"

#include <QCoreApplication>
#include <QProgressDialog>

BoiteProgression::BoiteProgression(QWidget* parent, QString nomObjet, QString titre)
    : parent_(parent), nomObjet_(std::move(nomObjet)), titre_(std::move(titre))
{
}

BoiteProgression::~BoiteProgression() = default;

void BoiteProgression::FixeTitre(const QString& titre)
{
    titre_ = titre;
    if (boite_)
        boite_->setWindowTitle(titre_);
}

bool BoiteProgression::montre(int faites, int total, const QString& texte)
{
    if (!boite_) {
        boite_ = std::make_unique<QProgressDialog>(parent_);
        boite_->setObjectName(nomObjet_);
        boite_->setWindowTitle(titre_);
        boite_->setCancelButtonText(QStringLiteral("Interrompre"));
        boite_->setWindowModality(Qt::ApplicationModal);
        boite_->setMinimumDuration(0);
        // The box stays until its owner ends (a bar at 0 of 0 is at its end from the start).
        boite_->setAutoReset(false);
        boite_->setAutoClose(false);
        // Échap closes the box: that asks to stop as its button does.
        QObject::connect(boite_.get(), &QDialog::rejected, boite_.get(), &QProgressDialog::cancel);
        boite_->show();
    }
    boite_->setMaximum(total);
    boite_->setLabelText(texte);
    boite_->setValue(faites);
    // The box is modal: only its own events and the paints of the windows come through.
    QCoreApplication::processEvents();
    return !boite_->wasCanceled();
}
