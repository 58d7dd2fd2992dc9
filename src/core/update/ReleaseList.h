// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The signed list of a release: the version file on the club's update server. Shared by the
// program, which checks it, and by the release tool (pwrelease), which signs it; QtCore and
// OpenSSL's libcrypto only.
//
//   1.4.12
//   <64 hex digits>  Pitchwise
//   <64 hex digits>  PWUpdate
//   <64 hex digits>  PWUpdate.ini
//   <64 hex digits>  BaseDB.db
//   Signature: <128 hex digits>
//
// The signature is an Ed25519 signature, made with the club's release key, over every byte of
// the file before the signature line. Nothing but blank lines may follow it.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace pw {

// "1.4.12" -> {1, 4, 12}; nothing for any other text (two parts, letters, negative numbers).
std::optional<std::array<int, 3>> parseVersion(const QString& text);

// The sums of a version file's lines after the first: "<64 hex digits>  <file name>", as
// sha256sum writes them (a "*" before the name is allowed). Other lines are ignored.
QHash<QString, QByteArray> readSums(const QStringList& lines);

namespace release {
constexpr qsizetype kKeySize = 32;  // a public key, and the secret seed a key pair is made from
constexpr qsizetype kSignatureSize = 64;
}  // namespace release

struct ReleaseList {
    QByteArray content;               // every byte before the signature line: what the signature covers
    QByteArray signature;             // 64 bytes; empty when the file carries no signature line
    QString version;                  // the first line, trimmed, as written
    QHash<QString, QByteArray> sums;  // lower-case hex by file name
    QString problem;                  // why the file cannot be used as it is
};

// Reads a version file. Never fails: what is wrong with it is said in problem.
ReleaseList readReleaseList(const QByteArray& bytes);
// Ed25519. A secret key is the 32-byte seed; each gives an empty result when it fails.
QByteArray newReleaseKey();
QByteArray releasePublicKey(const QByteArray& secretKey);
QByteArray signRelease(const QByteArray& content, const QByteArray& secretKey);
// The signed version file: content, given a final line break where it lacks one (the signature
// covers the bytes as they will stand before the signature line), then the signature line.
QByteArray signReleaseList(const QByteArray& content, const QByteArray& secretKey);
bool verifyRelease(const QByteArray& content, const QByteArray& signature, const QByteArray& publicKey);

// The public half of the release key this build trusts (the CMake setting PW_RELEASE_PUBLIC_KEY).
QByteArray builtInReleaseKey();

// size bytes from text that holds exactly 2 * size hex digits (surrounding white space
// allowed); empty for anything else.
QByteArray bytesFromHex(const QByteArray& text, qsizetype size);

}  // namespace pw
