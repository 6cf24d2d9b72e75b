#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

namespace velmora
{

// Paths reach the engine as the toolkit's text and are used as the file
// system's bytes; these two keep the conversion in one place.
inline std::filesystem::path toFsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

inline QString displayPath(const std::filesystem::path &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

} // namespace velmora
