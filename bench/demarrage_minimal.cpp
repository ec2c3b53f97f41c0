// The yardstick of the start-up benchmark: a minimal Qt program with a main window, a menu
// bar and a tool bar, shown maximised as VIRK's frame is.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Minimal"));
    for (const char* menu : {"&Fichier", "&Edition", "&Aide"})
        fenetre.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Article"));
    QToolBar* barre = fenetre.addToolBar(QStringLiteral("Standard"));
    for (const char* bouton : {"Ouvrir", "Enregistrer", "Copier"})
        barre->addAction(QString::fromLatin1(bouton));
    fenetre.showMaximized();
    return application.exec();
}
