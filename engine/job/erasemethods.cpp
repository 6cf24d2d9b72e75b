// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/erasemethods.h"

#include <QCoreApplication>

namespace velmora
{

namespace
{

// Each method once: the word a command line takes, the name the window and
// the reports show, and its passes.
struct Method {
    const char *word;
    const QString &name;
    int passes;
};
const Method kMethods[] = {{"NIST", kMethodNist, 1},
                           {"DoD", kMethodDoD, 3},
                           {"British", kMethodBritish, 2},
                           {"German", kMethodGerman, 7},
                           {"Gutmann", kMethodGutmann, 35}};

} // namespace

QStringList methodDisplayNames()
{
    QStringList names;
    for (const Method &method : kMethods)
        names.append(method.name);
    return names;
}

QString methodText(QString text)
{
    // The names as the catalogue knows them, longest first where one
    // could hold another.
    static const char *const kNames[] = {
        QT_TRANSLATE_NOOP("EraseMethods", "NIST 800-88 (1 pass random)"),
        QT_TRANSLATE_NOOP("EraseMethods", "DoD 5220.22-M (3 passes)"),
        QT_TRANSLATE_NOOP("EraseMethods", "British HMG IS5 (2 passes)"),
        QT_TRANSLATE_NOOP("EraseMethods", "German VSITR (7 passes)"),
        QT_TRANSLATE_NOOP("EraseMethods", "Gutmann 35-pass"),
    };
    for (const char *name : kNames)
        text.replace(QLatin1String(name), QCoreApplication::translate("EraseMethods", name));
    return text;
}

QString methodNamed(const QString &word)
{
    const QString wanted = word.trimmed();
    for (const Method &method : kMethods)
        if (wanted.compare(QLatin1String(method.word), Qt::CaseInsensitive) == 0 ||
            wanted.compare(method.name, Qt::CaseInsensitive) == 0)
            return method.name;
    return QString();
}

QString methodShortName(const QString &name)
{
    for (const Method &method : kMethods)
        if (method.name == name)
            return QLatin1String(method.word);
    return QString();
}

} // namespace velmora

int passCountForMethod(const QString &method)
{
    // The name starts with its word; the methods of more than one pass are
    // told apart by it, case-sensitively, and everything else gets one.
    for (const velmora::Method &known : velmora::kMethods)
        if (known.passes > 1 && method.startsWith(QLatin1String(known.word), Qt::CaseSensitive))
            return known.passes;
    return 1;
}
