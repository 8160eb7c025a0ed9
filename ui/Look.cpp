#include "Look.h"

#include "Accessibility.h"
#include "Layout.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void InstallLook(QApplication &app)
{
    // Neither family exists here and fontconfig has no alias for the first;
    // the fallback would be a much wider face that overflows the boxes.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QApplication::setFont(MakeFont(kDefaultFont));
    InstallAccessibility();

    QApplication::setApplicationName(QStringLiteral("Sorvani"));
    QApplication::setApplicationVersion(QStringLiteral("1.3"));
    QLocale::setDefault(QLocale(QLocale::Spanish));

    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}
