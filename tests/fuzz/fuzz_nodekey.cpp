// SPDX-License-Identifier: GPL-3.0-or-later
// Tree node keys: any text parses without harm, and every key the program makes parses back to
// what it was made from.
#include "app/TeamTree.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

using pw::NodeKey;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const NodeKey k = NodeKey::parse(text);
    // Whatever was read must make a key that reads back the same.
    switch (k.kind) {
    case NodeKey::Kind::Team:
        if (NodeKey::parse(NodeKey::team(k.teamNo)).teamNo != k.teamNo)
            std::abort();
        break;
    case NodeKey::Kind::Game: {
        const NodeKey back = NodeKey::parse(NodeKey::game(k.gameNo, k.teamNo));
        if (back.kind != NodeKey::Kind::Game || back.gameNo != k.gameNo || back.teamNo != k.teamNo)
            std::abort();
        break;
    }
    case NodeKey::Kind::Tournament: {
        const NodeKey back = NodeKey::parse(NodeKey::tournament(k.teamNo, k.tournamentNo));
        if (back.kind != NodeKey::Kind::Tournament || back.tournamentNo != k.tournamentNo)
            std::abort();
        break;
    }
    case NodeKey::Kind::Detail: {
        const NodeKey back = NodeKey::parse(NodeKey::detail(k.detailWord, k.gameNo, k.teamNo));
        if (back.kind != NodeKey::Kind::Detail || back.detailWord != k.detailWord || back.gameNo != k.gameNo)
            std::abort();
        break;
    }
    default: break;
    }
    return 0;
}
