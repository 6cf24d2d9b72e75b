// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/erasemethods.h"

namespace velmora
{

QStringList methodDisplayNames()
{
    return {kMethodNist, kMethodDoD, kMethodBritish, kMethodGerman, kMethodGutmann};
}

} // namespace velmora

int passCountForMethod(const QString &method)
{
    struct Keyword {
        const char *prefix;
        int passes;
    };
    static constexpr Keyword keywords[] = {
        {"DoD", 3},
        {"Gutmann", 35},
        {"British", 2},
        {"German", 7},
    };
    for (const Keyword &k : keywords) {
        if (method.startsWith(QLatin1String(k.prefix), Qt::CaseSensitive))
            return k.passes;
    }
    return 1;
}
