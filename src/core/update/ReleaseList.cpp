// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/update/ReleaseList.h"

#include "common/LateLibrary.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <openssl/evp.h>
#include <openssl/opensslv.h>
#include <openssl/rand.h>

#include <cctype>
#include <memory>
#include <utility>

#ifndef PW_RELEASE_PUBLIC_KEY
#error "PW_RELEASE_PUBLIC_KEY must name the release key's public half (64 hex digits)"
#endif

namespace pw {

namespace {

// The translation context of the update texts.
struct Update {
    Q_DECLARE_TR_FUNCTIONS(Update)
};

const QByteArray kSignatureLabel = QByteArrayLiteral("Signature:");

// The libcrypto functions the version file needs, opened on first use (see LateLibrary).
struct Crypto {
    decltype(&EVP_PKEY_new_raw_private_key) newPrivateKey = nullptr;
    decltype(&EVP_PKEY_new_raw_public_key) newPublicKey = nullptr;
    decltype(&EVP_PKEY_get_raw_public_key) rawPublicKey = nullptr;
    decltype(&EVP_PKEY_free) freeKey = nullptr;
    decltype(&EVP_MD_CTX_new) newContext = nullptr;
    decltype(&EVP_MD_CTX_free) freeContext = nullptr;
    decltype(&EVP_DigestSignInit) signInit = nullptr;
    decltype(&EVP_DigestSign) sign = nullptr;
    decltype(&EVP_DigestVerifyInit) verifyInit = nullptr;
    decltype(&EVP_DigestVerify) verify = nullptr;
    decltype(&RAND_bytes) randomBytes = nullptr;
    bool usable = false;
};

const Crypto& crypto()
{
    static const Crypto api = [] {
        Crypto c;
        LateLibrary lib(QStringLiteral("crypto"), OPENSSL_SHLIB_VERSION);
        c.usable = lib.load() && lib.resolve(c.newPrivateKey, "EVP_PKEY_new_raw_private_key") &&
                   lib.resolve(c.newPublicKey, "EVP_PKEY_new_raw_public_key") &&
                   lib.resolve(c.rawPublicKey, "EVP_PKEY_get_raw_public_key") &&
                   lib.resolve(c.freeKey, "EVP_PKEY_free") && lib.resolve(c.newContext, "EVP_MD_CTX_new") &&
                   lib.resolve(c.freeContext, "EVP_MD_CTX_free") && lib.resolve(c.signInit, "EVP_DigestSignInit") &&
                   lib.resolve(c.sign, "EVP_DigestSign") && lib.resolve(c.verifyInit, "EVP_DigestVerifyInit") &&
                   lib.resolve(c.verify, "EVP_DigestVerify") && lib.resolve(c.randomBytes, "RAND_bytes");
        if (!c.usable)
            qWarning("The release signatures cannot be checked: %s", qPrintable(lib.problem()));
        return c;
    }();
    return api;
}

struct FreeKey {
    void operator()(EVP_PKEY* key) const { crypto().freeKey(key); }
};
struct FreeContext {
    void operator()(EVP_MD_CTX* ctx) const { crypto().freeContext(ctx); }
};
using KeyPtr = std::unique_ptr<EVP_PKEY, FreeKey>;
using CtxPtr = std::unique_ptr<EVP_MD_CTX, FreeContext>;

const unsigned char* bytesOf(const QByteArray& a)
{
    return reinterpret_cast<const unsigned char*>(a.constData());
}

KeyPtr secretKey(const QByteArray& seed)
{
    if (seed.size() != release::kKeySize || !crypto().usable)
        return {};
    return KeyPtr(crypto().newPrivateKey(EVP_PKEY_ED25519, nullptr, bytesOf(seed), size_t(seed.size())));
}

// The sum lines in order, as (file name, lower-case hex sum).
QList<std::pair<QString, QByteArray>> sumEntries(const QStringList& lines)
{
    static const QRegularExpression re(QStringLiteral("^([0-9A-Fa-f]{64}) [ *](.+)$"));
    QList<std::pair<QString, QByteArray>> entries;
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = re.match(line.trimmed());
        if (m.hasMatch())
            entries.append({m.captured(2).trimmed(), m.captured(1).toLatin1().toLower()});
    }
    return entries;
}

}  // namespace

std::optional<std::array<int, 3>> parseVersion(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,9})\\.(\\d{1,9})\\.(\\d{1,9})$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return std::array<int, 3>{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
}

QHash<QString, QByteArray> readSums(const QStringList& lines)
{
    QHash<QString, QByteArray> sums;
    for (const auto& [name, sum] : sumEntries(lines))
        sums.insert(name, sum);
    return sums;
}

QByteArray bytesFromHex(const QByteArray& text, qsizetype size)
{
    const QByteArray t = text.trimmed();
    if (t.size() != 2 * size)
        return {};
    for (char c : t) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return {};
    }
    return QByteArray::fromHex(t);
}

ReleaseList readReleaseList(const QByteArray& bytes)
{
    ReleaseList list;
    qsizetype signatureAt = -1;
    for (qsizetype pos = 0; pos < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0)
            end = bytes.size();
        const QByteArray line = bytes.mid(pos, end - pos).trimmed();
        if (signatureAt >= 0) {
            // The signature closes the file: text after it would be trusted without being signed.
            if (!line.isEmpty()) {
                list.problem = Update::tr("The version file has text after its signature");
                break;
            }
        } else if (line.startsWith(kSignatureLabel)) {
            signatureAt = pos;
            list.signature = bytesFromHex(line.mid(kSignatureLabel.size()), release::kSignatureSize);
            if (list.signature.isEmpty()) {
                list.problem = Update::tr("The version file's signature cannot be read");
                break;
            }
        }
        pos = end + 1;
    }
    list.content = signatureAt >= 0 ? bytes.left(signatureAt) : bytes;

    const QStringList lines = QString::fromUtf8(list.content).split(QRegularExpression(QStringLiteral("\r?\n")));
    list.version = lines.value(0).trimmed();
    if (list.version.startsWith(QChar(0xFEFF)))
        list.version.remove(0, 1);
    for (const auto& [name, sum] : sumEntries(lines.mid(1))) {
        // Two sums for one name would leave it to chance which one a file is held to.
        if (list.sums.contains(name) && list.problem.isEmpty())
            list.problem = Update::tr("The version file lists %1 more than once").arg(name);
        list.sums.insert(name, sum);
    }
    return list;
}

QByteArray signReleaseList(const QByteArray& content, const QByteArray& secretKey)
{
    QByteArray out = content;
    if (!out.isEmpty() && !out.endsWith('\n'))
        out += '\n';
    const QByteArray signature = signRelease(out, secretKey);
    if (signature.isEmpty())
        return {};
    return out + kSignatureLabel + ' ' + signature.toHex() + '\n';
}

QByteArray newReleaseKey()
{
    QByteArray seed(release::kKeySize, '\0');
    if (!crypto().usable || crypto().randomBytes(reinterpret_cast<unsigned char*>(seed.data()), int(seed.size())) != 1)
        return {};
    return seed;
}

QByteArray releasePublicKey(const QByteArray& seed)
{
    const KeyPtr key = secretKey(seed);
    QByteArray out(release::kKeySize, '\0');
    size_t size = size_t(out.size());
    if (!key || crypto().rawPublicKey(key.get(), reinterpret_cast<unsigned char*>(out.data()), &size) != 1 ||
        size != size_t(release::kKeySize))
        return {};
    return out;
}

QByteArray signRelease(const QByteArray& content, const QByteArray& seed)
{
    const KeyPtr key = secretKey(seed);
    if (!key)
        return {};
    const CtxPtr ctx(crypto().newContext());
    QByteArray out(release::kSignatureSize, '\0');
    size_t size = size_t(out.size());
    // Ed25519 hashes the message itself: no digest is named.
    if (!ctx || crypto().signInit(ctx.get(), nullptr, nullptr, nullptr, key.get()) != 1 ||
        crypto().sign(ctx.get(), reinterpret_cast<unsigned char*>(out.data()), &size, bytesOf(content),
                      size_t(content.size())) != 1 ||
        size != size_t(release::kSignatureSize))
        return {};
    return out;
}

bool verifyRelease(const QByteArray& content, const QByteArray& signature, const QByteArray& publicKey)
{
    if (signature.size() != release::kSignatureSize || publicKey.size() != release::kKeySize || !crypto().usable)
        return false;
    const KeyPtr key(crypto().newPublicKey(EVP_PKEY_ED25519, nullptr, bytesOf(publicKey), size_t(publicKey.size())));
    const CtxPtr ctx(crypto().newContext());
    return key && ctx && crypto().verifyInit(ctx.get(), nullptr, nullptr, nullptr, key.get()) == 1 &&
           crypto().verify(ctx.get(), bytesOf(signature), size_t(signature.size()), bytesOf(content),
                           size_t(content.size())) == 1;
}

QByteArray builtInReleaseKey()
{
    return bytesFromHex(QByteArrayLiteral(PW_RELEASE_PUBLIC_KEY), release::kKeySize);
}

}  // namespace pw
