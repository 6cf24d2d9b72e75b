// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace velmora
{

// File names are bytes; the toolkit's text is how they are shown. A name
// that is valid UTF-8 is shown as it is; any other byte is shown as \xNN, so
// that two different names never look the same in the log.
QString displayName(const QByteArray &bytes);

// The bytes behind a text that came from displayName() or from the toolkit.
inline QByteArray fsBytes(const QString &path)
{
    return QFile::encodeName(path);
}

// `folder` joined with `name` by one slash.
inline QByteArray joinPath(const QByteArray &folder, const QByteArray &name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

} // namespace velmora
