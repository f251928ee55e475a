#include "generateurassets.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Fonts and painting need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Draws the wheel, its legend, icons, logos and tick sound of Dravoune."));
    options.addHelpOption();
    const QCommandLineOption table(QStringLiteral("table"), QStringLiteral("Coffee table, tab-separated."),
                                   QStringLiteral("file"), QStringLiteral(DRAVOUNE_TABLE_CAFES));
    const QCommandLineOption polices(QStringLiteral("fonts"),
                                     QStringLiteral("Directory of the DejaVu font files."),
                                     QStringLiteral("dir"), QStringLiteral(DRAVOUNE_POLICES_DEJAVU));
    options.addOption(table);
    options.addOption(polices);
    options.addPositionalArgument(QStringLiteral("directory"), QStringLiteral("Where to write the assets."));
    options.process(application);
    if (options.positionalArguments().size() != 1)
        options.showHelp(1);

    GenerateurAssets generateur(options.value(table), options.value(polices));
    QString erreur;
    if (!generateur.generer(options.positionalArguments().first(), &erreur)) {
        std::fprintf(stderr, "dravoune-assets: %s\n", qPrintable(erreur));
        return 1;
    }
    return 0;
}
