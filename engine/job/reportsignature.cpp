// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/job/reportsignature.h"

#include "engine/core/jobjournal.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QStringList>

#include <openssl/evp.h>
#include <openssl/pem.h>

#include <memory>

namespace velmora
{

namespace
{

struct PkeyFree {
    void operator()(EVP_PKEY *key) const { EVP_PKEY_free(key); }
};
struct MdCtxFree {
    void operator()(EVP_MD_CTX *ctx) const { EVP_MD_CTX_free(ctx); }
};
struct BioFree {
    void operator()(BIO *bio) const { BIO_free(bio); }
};
using Pkey = std::unique_ptr<EVP_PKEY, PkeyFree>;

Pkey newKey()
{
    EVP_PKEY *key = nullptr;
    std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> ctx(
        EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr), EVP_PKEY_CTX_free);
    if (!ctx || EVP_PKEY_keygen_init(ctx.get()) != 1 || EVP_PKEY_keygen(ctx.get(), &key) != 1)
        return Pkey();
    return Pkey(key);
}

// The key in `file`, made first where there is none: written as PEM, 0600,
// in a folder of the user's. A key that others may change is not used: an
// outcome signed with it proves nothing. What else a person should know of
// it (made anew, readable by others, not the user's) goes to `warnings`.
// The key in the file open at `fd`, once the file is seen to be safe to
// sign with.
Pkey readKey(const platform::Fd &fd, const QString &file, QString *error, QStringList *warnings)
{
    int rc = 0;
    platform::Status st;
    if ((rc = platform::statusAt(fd.get(), QByteArray(), &st)) != 0) {
        *error = QStringLiteral("%1: %2").arg(file, platform::errorText(rc));
        return Pkey();
    }
    if (st.mode & 022) {
        *error = QCoreApplication::translate(
                     "ReportSignature",
                     "the signing key %1 may be changed by others (mode %2): it is not used")
                     .arg(file, QString::number(st.mode & 0777, 8));
        return Pkey();
    }
    if (warnings && st.owner != platform::effectiveUser())
        warnings->append(
            QCoreApplication::translate("ReportSignature",
                                        "the signing key %1 belongs to another user (uid %2)")
                .arg(file)
                .arg(st.owner));
    if (warnings && (st.mode & 044))
        warnings->append(QCoreApplication::translate(
                             "ReportSignature",
                             "others can read the signing key %1 (mode %2): whoever can may "
                             "sign outcomes in your name")
                             .arg(file, QString::number(st.mode & 0777, 8)));
    QFile pem;
    if (!pem.open(fd.get(), QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(file, pem.errorString());
        return Pkey();
    }
    const QByteArray text = pem.readAll();
    std::unique_ptr<BIO, BioFree> bio(BIO_new_mem_buf(text.constData(), int(text.size())));
    Pkey key(PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr));
    if (!key || EVP_PKEY_id(key.get()) != EVP_PKEY_ED25519)
        *error = QCoreApplication::translate("ReportSignature", "%1 holds no Ed25519 private key")
                     .arg(file);
    return key && EVP_PKEY_id(key.get()) == EVP_PKEY_ED25519 ? std::move(key) : Pkey();
}

// A new key, written to `path` for no one else to read.
Pkey makeKey(const QByteArray &path, const QString &file, QString *error, QStringList *warnings)
{
    int rc = 0;
    Pkey key = newKey();
    std::unique_ptr<BIO, BioFree> bio(BIO_new(BIO_s_mem()));
    if (!key || !bio ||
        PEM_write_bio_PrivateKey(bio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) !=
            1) {
        *error = QCoreApplication::translate("ReportSignature", "no signing key could be made");
        return Pkey();
    }
    char *data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    rc = platform::makeFolders(QFile::encodeName(QFileInfo(file).absolutePath()));
    if (rc == 0)
        rc = platform::writeFileAtomically(path, QByteArray(data, int(size)), 0600);
    if (rc != 0) {
        *error = QStringLiteral("%1: %2").arg(file, platform::errorText(rc));
        return Pkey();
    }
    // Outcomes signed before, if any, name another key: a key that went
    // missing is worth a word.
    if (warnings)
        warnings->append(
            QCoreApplication::translate("ReportSignature", "a new signing key was made: %1")
                .arg(file));
    return key;
}

// The key file `file` opened for reading, its last step never through a
// link; invalid with the errno in *rc.
platform::Fd openKeyFile(const QString &file, int *rc)
{
    const QByteArray path = QFile::encodeName(file);
    const qsizetype slash = path.lastIndexOf('/');
    platform::Fd folder = platform::openFolderPath(slash > 0 ? path.left(slash) : "/", true, rc);
    return folder.valid() ? platform::openForReadAt(folder.get(), path.mid(slash + 1), rc)
                          : platform::Fd();
}

Pkey loadOrMakeKey(const QString &file, QString *error, QStringList *warnings)
{
    const QByteArray path = QFile::encodeName(file);
    int rc = 0;
    platform::Fd fd = openKeyFile(file, &rc);
    if (fd.valid())
        return readKey(fd, file, error, warnings);
    if (rc != ENOENT) {
        *error = QStringLiteral("%1: %2").arg(file, platform::errorText(rc));
        return Pkey();
    }
    return makeKey(path, file, error, warnings);
}

QByteArray rawPublicKey(EVP_PKEY *key)
{
    std::size_t length = 0;
    if (EVP_PKEY_get_raw_public_key(key, nullptr, &length) != 1)
        return QByteArray();
    QByteArray raw(int(length), '\0');
    if (EVP_PKEY_get_raw_public_key(key, reinterpret_cast<unsigned char *>(raw.data()), &length) !=
        1)
        return QByteArray();
    return raw;
}

// Every field is what the signature makes it, and there are no others: a
// reader who trusts the fingerprint or the SHA-256 printed in the report
// must be able to. False, with the problem, where that is not so.
bool hasSignatureFields(const QJsonObject &signature, QString *problem)
{
    static const QStringList fields{QStringLiteral("algorithm"), QStringLiteral("publicKey"),
                                    QStringLiteral("fingerprint"), QStringLiteral("sha256"),
                                    QStringLiteral("value")};
    for (const QString &field : signature.keys())
        if (!fields.contains(field)) {
            *problem = QCoreApplication::translate(
                           "ReportSignature", "its signature holds a field it does not have: %1")
                           .arg(field);
            return false;
        }
    for (const QString &field : fields)
        if (!signature.value(field).isString()) {
            *problem =
                QCoreApplication::translate("ReportSignature", "its signature lacks the field %1")
                    .arg(field);
            return false;
        }
    return true;
}

} // namespace

QString signingKeyFile()
{
    // As the job's own record: the data folder the environment names, or
    // root's in /var/lib/velmora (pkexec leaves no environment).
    return QFile::decodeName(ownFolder("XDG_DATA_HOME", ".local/share")) +
           QStringLiteral("/report-signing-key.pem");
}

QByteArray canonicalBytes(const QJsonObject &outcome)
{
    QJsonObject unsigned_ = outcome;
    unsigned_.remove(QStringLiteral("signature"));
    return QJsonDocument(unsigned_).toJson(QJsonDocument::Compact);
}

QString keyFingerprint(const QByteArray &publicKey)
{
    return QStringLiteral("SHA256:") +
           QString::fromLatin1(QCryptographicHash::hash(publicKey, QCryptographicHash::Sha256)
                                   .toBase64(QByteArray::OmitTrailingEquals));
}

QString keyFileFingerprint(const QString &keyFile)
{
    int rc = 0;
    const platform::Fd fd = openKeyFile(keyFile, &rc);
    QString error;
    const Pkey key = fd.valid() ? readKey(fd, keyFile, &error, nullptr) : Pkey();
    return key ? keyFingerprint(rawPublicKey(key.get())) : QString();
}

bool prepareSigningKey(const QString &keyFile, QString *error, QStringList *warnings)
{
    return bool(loadOrMakeKey(keyFile, error, warnings));
}

bool signOutcome(QJsonObject *outcome, const QString &keyFile, QString *error,
                 QStringList *warnings)
{
    Pkey key = loadOrMakeKey(keyFile, error, warnings);
    if (!key)
        return false;
    const QByteArray message = canonicalBytes(*outcome);
    std::unique_ptr<EVP_MD_CTX, MdCtxFree> ctx(EVP_MD_CTX_new());
    std::size_t length = 0;
    if (!ctx || EVP_DigestSignInit(ctx.get(), nullptr, nullptr, nullptr, key.get()) != 1 ||
        EVP_DigestSign(ctx.get(), nullptr, &length,
                       reinterpret_cast<const unsigned char *>(message.constData()),
                       std::size_t(message.size())) != 1) {
        *error = QCoreApplication::translate("ReportSignature", "the outcome could not be signed");
        return false;
    }
    QByteArray signature(int(length), '\0');
    if (EVP_DigestSign(ctx.get(), reinterpret_cast<unsigned char *>(signature.data()), &length,
                       reinterpret_cast<const unsigned char *>(message.constData()),
                       std::size_t(message.size())) != 1) {
        *error = QCoreApplication::translate("ReportSignature", "the outcome could not be signed");
        return false;
    }
    const QByteArray publicKey = rawPublicKey(key.get());
    outcome->insert(
        QStringLiteral("signature"),
        QJsonObject{{QStringLiteral("algorithm"), QStringLiteral("ed25519")},
                    {QStringLiteral("publicKey"), QString::fromLatin1(publicKey.toBase64())},
                    {QStringLiteral("fingerprint"), keyFingerprint(publicKey)},
                    {QStringLiteral("sha256"),
                     QString::fromLatin1(
                         QCryptographicHash::hash(message, QCryptographicHash::Sha256).toHex())},
                    {QStringLiteral("value"), QString::fromLatin1(signature.toBase64())}});
    return true;
}

bool checkOutcome(const QJsonObject &outcome, const QString &expectedKey, QString *fingerprint,
                  QString *problem)
{
    const QJsonObject signature = outcome.value(QStringLiteral("signature")).toObject();
    if (signature.isEmpty() ||
        signature.value(QStringLiteral("algorithm")).toString() != QLatin1String("ed25519")) {
        *problem = QCoreApplication::translate("ReportSignature", "the report is not signed");
        return false;
    }
    if (!hasSignatureFields(signature, problem))
        return false;
    const QByteArray publicKey =
        QByteArray::fromBase64(signature.value(QStringLiteral("publicKey")).toString().toLatin1());
    const QByteArray value =
        QByteArray::fromBase64(signature.value(QStringLiteral("value")).toString().toLatin1());
    *fingerprint = keyFingerprint(publicKey);
    Pkey key(EVP_PKEY_new_raw_public_key(
        EVP_PKEY_ED25519, nullptr, reinterpret_cast<const unsigned char *>(publicKey.constData()),
        std::size_t(publicKey.size())));
    const QByteArray message = canonicalBytes(outcome);
    std::unique_ptr<EVP_MD_CTX, MdCtxFree> ctx(EVP_MD_CTX_new());
    const bool valid =
        key && ctx && EVP_DigestVerifyInit(ctx.get(), nullptr, nullptr, nullptr, key.get()) == 1 &&
        EVP_DigestVerify(ctx.get(), reinterpret_cast<const unsigned char *>(value.constData()),
                         std::size_t(value.size()),
                         reinterpret_cast<const unsigned char *>(message.constData()),
                         std::size_t(message.size())) == 1;
    if (!valid) {
        *problem = QCoreApplication::translate("ReportSignature",
                                               "the report was changed after it was signed");
        return false;
    }
    if (signature.value(QStringLiteral("fingerprint")).toString() != *fingerprint) {
        *problem =
            QCoreApplication::translate("ReportSignature",
                                        "its signature names key %1, but was made with key %2")
                .arg(signature.value(QStringLiteral("fingerprint")).toString(), *fingerprint);
        return false;
    }
    if (signature.value(QStringLiteral("sha256")).toString() !=
        QString::fromLatin1(
            QCryptographicHash::hash(message, QCryptographicHash::Sha256).toHex())) {
        *problem = QCoreApplication::translate(
            "ReportSignature", "the SHA-256 in its signature is not that of the report");
        return false;
    }
    if (!expectedKey.isEmpty() && expectedKey != *fingerprint) {
        *problem = QCoreApplication::translate("ReportSignature", "it was signed by key %1, not %2")
                       .arg(*fingerprint, expectedKey);
        return false;
    }
    return true;
}

} // namespace velmora
