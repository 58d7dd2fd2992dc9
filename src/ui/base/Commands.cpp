// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/Commands.h"

#include "common/Selection.h"
#include "common/Trace.h"

#include <algorithm>

namespace pw {

CommandContext contextOf(const Selection& s, bool resultMailable)
{
    CommandContext c;
    if (s.CurrentTeamNo() > 0)
        c.met |= Need::Team;
    if (s.singleGame())
        c.met |= Need::Game;
    if (s.CurrentPlayerNo() > 0)
        c.met |= Need::Player;
    if (s.Team().TournamentPlay)
        c.met |= Need::Tournaments;
    if (s.CurrentTournamentNo() > 0)
        c.met |= Need::TournamentSelected;
    if (!s.Team().WebSite.isEmpty())
        c.met |= Need::WebSite;
    if (s.Team().ManageFees)
        c.met |= Need::Fees;
    if (resultMailable)
        c.met |= Need::Result;
    return c;
}

void CommandTable::addMenu(const MenuDef& menu)
{
    if (this->menu(menu.path))
        throw PwError(err::BadArgument, QStringLiteral("The menu %1 is there already").arg(menu.path));
    const qsizetype slash = menu.path.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0 && !this->menu(menu.path.left(slash)))
        throw PwError(err::BadArgument, QStringLiteral("The menu %1 has no parent menu").arg(menu.path));
    m_menus << menu;
}

const MenuDef* CommandTable::menu(const QString& path) const
{
    for (const MenuDef& m : m_menus) {
        if (m.path == path)
            return &m;
    }
    return nullptr;
}

QString CommandTable::key(const CommandDef& command, const Placement& placement) const
{
    const QString name = placement.name.isEmpty() ? command.name : placement.name;
    const QString root = placement.menu.section(QLatin1Char('/'), 0, 0);
    const MenuDef* rootMenu = menu(root);
    return rootMenu && rootMenu->keyedItems ? root + QLatin1Char('.') + name : name;
}

void CommandTable::add(const CommandDef& command)
{
    if (command.placements.isEmpty())
        throw PwError(err::BadArgument, QStringLiteral("The command %1 stands nowhere").arg(command.name));
    if (!command.dropDown.isEmpty() && !menu(command.dropDown))
        throw PwError(err::BadArgument, QStringLiteral("The command %1 opens no known menu").arg(command.name));
    QHash<QString, At> keys;
    for (qsizetype i = 0; i < command.placements.size(); ++i) {
        const Placement& p = command.placements.at(i);
        if (p.menu != kToolbar && !menu(p.menu))
            throw PwError(err::BadArgument,
                          QStringLiteral("The command %1 names no known menu (%2)").arg(command.name, p.menu));
        const QString k = key(command, p);
        // Placements may share a key only when they share the command's action.
        const bool shared =
            keys.contains(k) && p.caption.isEmpty() && command.placements.at(keys.value(k).placement).caption.isEmpty();
        if (m_byKey.contains(k) || (keys.contains(k) && !shared))
            throw PwError(err::BadArgument, QStringLiteral("The command %1 is there already").arg(k));
        if (!keys.contains(k))
            keys.insert(k, At{m_commands.size(), i});
    }
    for (qsizetype i = 0; i < command.placements.size(); ++i) {
        const QString k = key(command, command.placements.at(i));
        if (!m_byKey.contains(k)) {
            m_byKey.insert(k, keys.value(k));
            m_keys << k;
        }
    }
    m_commands << command;
}

void CommandTable::add(const QList<CommandDef>& commands)
{
    for (const CommandDef& c : commands)
        add(c);
}

const CommandDef& CommandTable::command(const QString& key) const
{
    const auto it = m_byKey.constFind(key);
    if (it == m_byKey.constEnd())
        throw PwError(err::BadArgument, QStringLiteral("There is no command %1").arg(key));
    return m_commands.at(it->command);
}

const Placement& CommandTable::placement(const QString& key) const
{
    return command(key).placements.at(m_byKey.value(key).placement);
}

QStringList CommandTable::keys() const
{
    return m_keys;
}

QList<CommandTable::Item> CommandTable::itemsOf(const QString& menuPath) const
{
    QList<Item> items;
    for (const MenuDef& m : m_menus) {
        const qsizetype slash = m.path.lastIndexOf(QLatin1Char('/'));
        if (slash >= 0 && m.path.left(slash) == menuPath)
            items << Item{&m, nullptr, nullptr, m.order, m.separatorBefore};
    }
    for (const CommandDef& c : m_commands) {
        for (const Placement& p : c.placements) {
            if (p.menu == menuPath)
                items << Item{nullptr, &c, &p, p.order, p.separatorBefore};
        }
    }
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.order < b.order; });
    return items;
}

bool CommandTable::wanted(const QString& key, const CommandContext& context) const
{
    return context.satisfies(command(key).needs);
}

bool CommandTable::enabled(const QString& key, const CommandContext& context) const
{
    const CommandDef& c = command(key);
    return static_cast<bool>(c.handler) && context.satisfies(c.needs);
}

}  // namespace pw
