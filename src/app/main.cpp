// Program entry: the frame window, with the documents named on the command line.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include "frame/Main.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("virk"));
    // The toolkit's own dialogs and buttons (files, colours, fonts) speak French too.
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    // Paths are made absolute now, before anything changes the current folder. Qt has
    // already taken its own options (-style, -platform...) out of the arguments.
    OptionsCadre options;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        options.documents << QDir::cleanPath(QFileInfo(arguments[i]).absoluteFilePath());
    if (arguments.size() > 2)
        options.cheminJoint = QDir::cleanPath(QFileInfo(arguments.mid(1).join(QLatin1Char(' '))).absoluteFilePath());

    TMainForm cadre(options);
    // The whole screen, also where no window manager maximises it.
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        cadre.resize(ecran->availableGeometry().size());
    cadre.showMaximized();
    return application.exec();
}
