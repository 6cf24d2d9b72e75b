// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/hidingnames.h"

#include "engine/platform/filesystems.h"

#include <QRandomGenerator>
#include <QString>
#include <QStringDecoder>

namespace velmora
{

namespace
{

char randomOf(const char *alphabet, int size)
{
    return alphabet[QRandomGenerator::global()->bounded(size)];
}

constexpr char kUpper[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr char kLower[] = "abcdefghijklmnopqrstuvwxyz";
constexpr char kDigits[] = "0123456789";
constexpr char kAny[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

char randomUpper()
{
    return randomOf(kUpper, 26);
}
char randomLower()
{
    return randomOf(kLower, 26);
}

// Of one case or none (digits and signs only).
bool oneCase(const QByteArray &part)
{
    bool upper = false, lower = false;
    for (const char c : part) {
        upper = upper || (c >= 'A' && c <= 'Z');
        lower = lower || (c >= 'a' && c <= 'z');
    }
    return !(upper && lower);
}

} // namespace

QByteArray randomName(int length)
{
    QByteArray name(length, Qt::Uninitialized);
    for (char &c : name)
        c = randomOf(kAny, int(sizeof kAny) - 1);
    return name;
}

NameRoom nameRoomOf(const QByteArray &fsType)
{
    const platform::FileSystem &fs = platform::fileSystem(fsType);
    return {fs.utf16Names, fs.shortEntries};
}

int nameLength(const QByteArray &name, const NameRoom &room)
{
    if (!room.utf16)
        return int(name.size());
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(name);
    // Bytes that are no UTF-8 reach the file system as the driver maps
    // them; their count is the nearest guess.
    return decoder.hasError() ? int(name.size()) : int(text.size());
}

std::vector<int> hidingLengths(int length)
{
    std::vector<int> lengths{length, length};
    for (int l = length; l > 1;) {
        l = l > 16 ? l * 3 / 4 : l - 1;
        lengths.push_back(l);
    }
    return lengths;
}

bool fitsShortEntry(const QByteArray &name)
{
    static const QByteArray signs = QByteArrayLiteral("!#$%&'()-@^_`{}~");
    if (name.isEmpty() || name.startsWith('.') || name.count('.') > 1)
        return false;
    const qsizetype dot = name.indexOf('.');
    const QByteArray base = dot < 0 ? name : name.left(dot);
    const QByteArray extension = dot < 0 ? QByteArray() : name.mid(dot + 1);
    if (base.isEmpty() || base.size() > 8 || extension.size() > 3 ||
        (dot >= 0 && extension.isEmpty()))
        return false;
    for (const char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '.' || signs.contains(c)))
            return false;
    return oneCase(base) && oneCase(extension);
}

QByteArray hidingName(const QByteArray &original, int length, const NameRoom &room)
{
    QByteArray name(length, Qt::Uninitialized);
    const bool sameLength = length == nameLength(original, room);
    if (room.shortEntries && sameLength && fitsShortEntry(original)) {
        // The same shape: the dot where it was, letters of the same case,
        // digits for digits and signs.
        for (int i = 0; i < length; ++i) {
            const char c = original[i];
            name[i] = c == '.'               ? '.'
                      : c >= 'a' && c <= 'z' ? randomLower()
                      : c >= 'A' && c <= 'Z' ? randomUpper()
                                             : randomOf(kDigits, 10);
        }
        return name;
    }
    name = randomName(length);
    // Both cases in one name: no 8.3 entry holds it, so it takes the long-
    // name entries the original took.
    if (room.shortEntries && length >= 2 && fitsShortEntry(name)) {
        name[0] = randomUpper();
        name[1] = randomLower();
    }
    return name;
}

} // namespace velmora
