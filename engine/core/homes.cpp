// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/core/homes.h"

#include "engine/platform/platform.h"

#include <QDir>
#include <QFile>

namespace velmora
{

QByteArrayList protectedHomes()
{
    QByteArrayList homes;
    const QByteArray own = QFile::encodeName(QDir::homePath());
    if (!own.isEmpty())
        homes.append(own);
    for (const char *variable : {"PKEXEC_UID", "SUDO_UID"}) {
        bool known = false;
        const uint caller = qEnvironmentVariableIntValue(variable, &known);
        if (!known)
            continue;
        const QByteArray home = platform::homeOfUser(caller);
        if (!home.isEmpty() && !homes.contains(home))
            homes.append(home);
    }
    // As the homes are spelled and as they resolve.
    const QByteArrayList spelled = homes;
    for (const QByteArray &home : spelled) {
        int error = 0;
        const QByteArray real = platform::realPath(home, &error);
        if (!real.isEmpty() && !homes.contains(real))
            homes.append(real);
    }
    return homes;
}

} // namespace velmora
