// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The names an erased entry goes through before it is removed. A rename
// puts the new name where the file system finds room for it; a name that
// takes as much room as the old one, counted the way the file system counts
// it, fits into the room the old one left and covers it byte for byte.

#include <QByteArray>

#include <vector>

namespace velmora
{

// How a file system stores names, as far as their room goes.
struct NameRoom {
    // In UTF-16 units (NTFS, exFAT, FAT's long names); else in bytes.
    bool utf16 = false;
    // FAT: a name that fits an 8.3 entry takes one entry and no long-name
    // entries; one that does not takes both.
    bool shortEntries = false;
};

NameRoom nameRoomOf(const QByteArray &fsType);

// The length of `name` as the file system counts it.
int nameLength(const QByteArray &name, const NameRoom &room);

// The lengths a name of `length` goes through before it is removed: twice
// its own (the first rename frees its room, the second covers it), then
// shorter ones that hide how long it was.
std::vector<int> hidingLengths(int length);

// Whether FAT keeps `name` in an 8.3 entry alone: a base of up to eight
// characters and an extension of up to three, each of one case, of the
// characters such an entry takes.
bool fitsShortEntry(const QByteArray &name);

// A random name of `length` letters of both cases and digits.
QByteArray randomName(int length);

// A random name of `length` to rename `original` to. Of the original's
// length, it takes the same room: on FAT, an 8.3 name gets one of the same
// shape, and a long name one that an 8.3 entry cannot hold.
QByteArray hidingName(const QByteArray &original, int length, const NameRoom &room);

} // namespace velmora
