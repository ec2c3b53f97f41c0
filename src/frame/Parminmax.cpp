#include "frame/Parminmax.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TParminmax::TParminmax(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Parminmax"));
    auto* disposition = new QVBoxLayout(this);
    sgPar = new QTableWidget(0, 2, this);
    sgPar->setObjectName(QStringLiteral("sgPar"));
    disposition->addWidget(sgPar);
    auto* boutons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("&Annuler"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    ButOK = new QPushButton(QStringLiteral("&Confirmer"), this);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    boutons->addStretch();
    boutons->addWidget(BitBtn1);
    boutons->addWidget(ButOK);
    disposition->addLayout(boutons);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(ButOK, &QPushButton::clicked, this, &QDialog::accept);
}
