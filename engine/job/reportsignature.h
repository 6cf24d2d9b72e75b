// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Signed outcomes: each JSON outcome carries an Ed25519 signature over its
// canonical bytes (the object without its signature, keys sorted, compact),
// with the public key. It proves that the outcome was not changed after it
// was made by whoever holds the private key; nothing more.

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace velmora
{

// Where the user's signing key lives: the user's data folder
// ($XDG_DATA_HOME/velmora, ~/.local/share/velmora), root's in
// /var/lib/velmora where no data folder is named.
QString signingKeyFile();

// The bytes a signature covers: `outcome` without "signature", compact.
QByteArray canonicalBytes(const QJsonObject &outcome);

// "SHA256:" and the base64 of the public key's SHA-256, as ssh shows keys.
QString keyFingerprint(const QByteArray &publicKey);

// `outcome` with a "signature" object made with the key in `keyFile`, which
// is made (mode 0600) where there is none yet. False with the reason where
// the key cannot be read or made, or others may change it. What a person
// should know of the key (made anew, readable by others, another user's)
// goes to `warnings`.
bool signOutcome(QJsonObject *outcome, const QString &keyFile, QString *error,
                 QStringList *warnings = nullptr);
// The fingerprint of the key in `keyFile`, where it exists and is safe to
// sign with; empty otherwise. Nothing is made.
QString keyFileFingerprint(const QString &keyFile);

// Reads, or makes, the key as signOutcome() does, before a job: a key that
// cannot be used refuses the job instead of leaving its outcome unsigned.
bool prepareSigningKey(const QString &keyFile, QString *error, QStringList *warnings);

// Checks a signed outcome. True with the key's fingerprint when the
// signature covers the outcome as it is; false with what is wrong otherwise
// (not signed, changed after signing, or not made with `expectedKey` where
// one is given).
bool checkOutcome(const QJsonObject &outcome, const QString &expectedKey, QString *fingerprint,
                  QString *problem);

} // namespace velmora
