// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

namespace velmora
{

// Who erased, for whom, where, and what became of the medium: what a
// sanitization record asks beside the job's own facts. Each field may be
// empty; the report then leaves a line to fill in by hand.
struct ReportDetails {
    QString operatorName;
    QString operatorTitle;
    QString organisation;
    QString location;
    QString contact;
    QString propertyNumber;
    QString mediaSource;
    QString destination;
    QString verifierName;
    QString verifierTitle;

    struct Field {
        const char *key;   // in report.conf, the settings and the JSON
        const char *label; // untranslated; QCoreApplication::translate("ReportDetails", …)
        QString ReportDetails::*member;
    };
    static const QList<Field> &fields();

    // report.conf (an INI file, its keys under [report]), by default in the
    // user's configuration folder: $XDG_CONFIG_HOME/velmora/report.conf.
    static QString configFile();
    static ReportDetails fromFile(const QString &file = configFile());
    // The fields `other` has replace these.
    void overrideWith(const ReportDetails &other);
    QJsonObject toJson() const;
};

} // namespace velmora
