// SPDX-License-Identifier: GPL-3.0-or-later
// Update version files and their signature line: any bytes are read without harm, nothing after
// a signature is ever taken in, a signature made over what was read checks out and reads back to
// the same version and sums, and no changed byte keeps it valid.
#include "core/update/ReleaseList.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

// A fixed key: the fuzzer looks for bugs in reading and checking, not for keys.
const QByteArray& secretKey()
{
    static const QByteArray key(pw::release::kKeySize, '\x5a');
    return key;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const pw::ReleaseList list = pw::readReleaseList(bytes);
    if (!bytes.startsWith(list.content))
        std::abort();
    if (!list.signature.isEmpty() && list.signature.size() != pw::release::kSignatureSize)
        std::abort();
    if (!list.problem.isEmpty())
        return 0;
    // Only the signature line and blank lines may follow what the signature covers.
    if (list.content.size() != bytes.size() && !bytes.mid(list.content.size()).trimmed().startsWith("Signature:"))
        std::abort();

    static const QByteArray publicKey = pw::releasePublicKey(secretKey());
    if (pw::verifyRelease(list.content, list.signature, publicKey))
        std::abort();  // the input cannot carry a signature of a key it never saw
    const QByteArray signedList = pw::signReleaseList(list.content, secretKey());
    const pw::ReleaseList again = pw::readReleaseList(signedList);
    if (!again.problem.isEmpty() || again.version != list.version || again.sums != list.sums ||
        !pw::verifyRelease(again.content, again.signature, publicKey))
        std::abort();
    if (!again.content.isEmpty()) {
        QByteArray changed = again.content;
        changed[static_cast<qsizetype>(size) % changed.size()] ^= 0x01;
        if (pw::verifyRelease(changed, again.signature, publicKey))
            std::abort();
    }
    return 0;
}
