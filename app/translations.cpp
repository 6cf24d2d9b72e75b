// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora
{

void installTranslations(QCoreApplication &app)
{
    static QTranslator qtBase;
    static QTranslator plurals;
    static QTranslator own;
    // Beneath every language: English's own plural forms, which the
    // sources' "%n" texts leave to a catalogue.
    if (plurals.load(QStringLiteral(":/i18n/velmora_en.qm")))
        app.installTranslator(&plurals);
    if (qtBase.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtBase);
    if (own.load(QLocale(), QStringLiteral("velmora"), QStringLiteral("_"),
                 QStringLiteral(":/i18n")))
        app.installTranslator(&own);
}

} // namespace velmora
