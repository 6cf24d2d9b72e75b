// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/device/luks.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <libcryptsetup.h>

namespace velmora
{

namespace
{

// One libcryptsetup context, freed when it goes.
struct Context {
    crypt_device *cd = nullptr;
    ~Context()
    {
        if (cd)
            crypt_free(cd);
    }
};

QString errorText(int rc)
{
    return QString::fromLocal8Bit(std::strerror(rc < 0 ? -rc : rc));
}

// LUKS1 and LUKS2 both begin with this mark.
bool carriesMark(const QByteArray &path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) && file.read(6) == QByteArray("LUKS\xba\xbe", 6);
}

} // namespace

int probeLuks(const QByteArray &path, LuksHeader *header, QString *problem)
{
    // Quiet: a device that holds no LUKS is the usual case, not an error.
    crypt_set_log_callback(
        nullptr, [](int, const char *, void *) {}, nullptr);
    Context c;
    int rc = crypt_init(&c.cd, path.constData());
    if (rc == 0)
        rc = crypt_load(c.cd, CRYPT_LUKS, nullptr);
    if (rc != 0) {
        if (!carriesMark(path))
            return 0;
        *problem = errorText(rc);
        return -1;
    }
    header->version = crypt_get_type(c.cd);
    // Everything before the data; with a detached header the data starts at
    // 0 on another device, and the header's own areas tell where it ends.
    header->headerBytes = crypt_get_data_offset(c.cd) * 512;
    uint64_t metadata = 0;
    uint64_t keyslots = 0;
    if (crypt_get_metadata_size(c.cd, &metadata, &keyslots) == 0)
        header->headerBytes = std::max<quint64>(header->headerBytes, 2 * metadata + keyslots);
    header->keySlots = 0;
    const int max = crypt_keyslot_max(crypt_get_type(c.cd));
    for (int slot = 0; slot < max; ++slot) {
        uint64_t offset = 0;
        uint64_t length = 0;
        if (crypt_keyslot_area(c.cd, slot, &offset, &length) == 0)
            header->headerBytes = std::max<quint64>(header->headerBytes, offset + length);
        const crypt_keyslot_info info = crypt_keyslot_status(c.cd, slot);
        if (info == CRYPT_SLOT_ACTIVE || info == CRYPT_SLOT_ACTIVE_LAST ||
            info == CRYPT_SLOT_UNBOUND)
            ++header->keySlots;
    }
    return 1;
}

int destroyKeySlots(const QByteArray &path, QString *problem)
{
    Context c;
    int rc = crypt_init(&c.cd, path.constData());
    if (rc == 0)
        rc = crypt_load(c.cd, CRYPT_LUKS, nullptr);
    if (rc != 0) {
        *problem = errorText(rc);
        return -1;
    }
    int destroyed = 0;
    const int max = crypt_keyslot_max(crypt_get_type(c.cd));
    for (int slot = 0; slot < max; ++slot) {
        if (crypt_keyslot_status(c.cd, slot) == CRYPT_SLOT_INACTIVE)
            continue;
        rc = crypt_keyslot_destroy(c.cd, slot);
        if (rc != 0) {
            *problem = errorText(rc);
            return -1;
        }
        ++destroyed;
    }
    return destroyed;
}

} // namespace velmora
