// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/core/jobevent.h"

#include "engine/platform/platform.h"

#include <QCoreApplication>

namespace velmora
{

QString JobEvent::reason() const
{
    if (error == 0)
        return detail;
    const QString words = platform::errorText(error);
    return detail.isEmpty() ? words
                            : QCoreApplication::translate("JobEvent", "%1: %2").arg(words, detail);
}

QString JobEvent::line() const
{
    const QString why = reasonInText ? QString() : reason();
    return why.isEmpty() ? text : QCoreApplication::translate("JobEvent", "%1 (%2)").arg(text, why);
}

QString JobEvent::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Info:
        return QStringLiteral("info");
    case Kind::Erased:
        return QStringLiteral("erased");
    case Kind::Warning:
        return QStringLiteral("warning");
    case Kind::Problem:
        return QStringLiteral("problem");
    case Kind::Error:
        return QStringLiteral("error");
    }
    return QString();
}

QJsonObject JobEvent::toJson() const
{
    QJsonObject object{{QStringLiteral("kind"), kindName(kind)},
                       {QStringLiteral("text"), line()}};
    if (!path.isEmpty())
        object.insert(QStringLiteral("path"), path);
    if (error != 0)
        object.insert(QStringLiteral("errno"), error);
    const QString why = reason();
    if (!why.isEmpty())
        object.insert(QStringLiteral("reason"), why);
    return object;
}

} // namespace velmora
