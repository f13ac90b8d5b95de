// Application name, translation and font substitutions.
#include "app/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace prismora {

namespace {

void installSwedishTranslation(QApplication& application)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Newer Qt ships the standard texts as qtbase_sv, older packages as qt_sv.
    for (const char* name : {"qtbase_sv", "qt_sv"}) {
        auto* translator = new QTranslator(&application);
        if (translator->load(QString::fromLatin1(name), folder)) {
            QApplication::installTranslator(translator);
            return;
        }
        delete translator;
    }
}

} // namespace

void setUpApplication(QApplication& application)
{
    QApplication::setApplicationName(QStringLiteral("Prismora"));
    // Lets the desktop match the window to the menu entry and its icon; the
    // icon is found in the icon theme once the game is installed.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.prismora.Prismora"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.prismora.Prismora")));
    installSwedishTranslation(application);
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

} // namespace prismora
