// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/reportdetails.h"

#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

namespace velmora
{

const QList<ReportDetails::Field> &ReportDetails::fields()
{
    static const QList<Field> list = {
        {"operator", QT_TRANSLATE_NOOP("ReportDetails", "Erased by"), &ReportDetails::operatorName},
        {"operatorTitle", QT_TRANSLATE_NOOP("ReportDetails", "Title"),
         &ReportDetails::operatorTitle},
        {"organisation", QT_TRANSLATE_NOOP("ReportDetails", "Organisation"),
         &ReportDetails::organisation},
        {"location", QT_TRANSLATE_NOOP("ReportDetails", "Location"), &ReportDetails::location},
        {"contact", QT_TRANSLATE_NOOP("ReportDetails", "Contact"), &ReportDetails::contact},
        {"propertyNumber", QT_TRANSLATE_NOOP("ReportDetails", "Property number"),
         &ReportDetails::propertyNumber},
        {"mediaSource", QT_TRANSLATE_NOOP("ReportDetails", "Media source"),
         &ReportDetails::mediaSource},
        {"destination", QT_TRANSLATE_NOOP("ReportDetails", "Destination after sanitization"),
         &ReportDetails::destination},
        {"verifier", QT_TRANSLATE_NOOP("ReportDetails", "Verified by"),
         &ReportDetails::verifierName},
        {"verifierTitle", QT_TRANSLATE_NOOP("ReportDetails", "Verifier's title"),
         &ReportDetails::verifierTitle},
    };
    return list;
}

QString ReportDetails::configFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/velmora/report.conf");
}

ReportDetails ReportDetails::fromFile(const QString &file)
{
    ReportDetails details;
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("report"));
    for (const Field &field : fields()) {
        // An INI value with a comma reads as a list: "Room 4, Main St 1".
        const QVariant value = settings.value(QLatin1String(field.key));
        details.*field.member = (value.typeId() == QMetaType::QStringList
                                     ? value.toStringList().join(QStringLiteral(", "))
                                     : value.toString())
                                    .trimmed();
    }
    return details;
}

void ReportDetails::overrideWith(const ReportDetails &other)
{
    for (const Field &field : fields())
        if (!(other.*field.member).isEmpty())
            this->*field.member = other.*field.member;
}

QJsonObject ReportDetails::toJson() const
{
    QJsonObject object;
    for (const Field &field : fields())
        object.insert(QLatin1String(field.key), this->*field.member);
    return object;
}

} // namespace velmora
