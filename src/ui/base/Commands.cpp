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

QString CommandTable::key(const CommandDef& command) const
{
    const QString root = command.menu.section(QLatin1Char('/'), 0, 0);
    const MenuDef* rootMenu = menu(root);
    return rootMenu && rootMenu->keyedItems ? root + QLatin1Char('.') + command.name : command.name;
}

void CommandTable::add(const CommandDef& command)
{
    if (command.menu != kToolbar && !menu(command.menu))
        throw PwError(err::BadArgument,
                      QStringLiteral("The command %1 names no known menu (%2)").arg(command.name, command.menu));
    if (!command.dropDown.isEmpty() && !menu(command.dropDown))
        throw PwError(err::BadArgument, QStringLiteral("The command %1 opens no known menu").arg(command.name));
    const QString k = key(command);
    if (m_byKey.contains(k))
        throw PwError(err::BadArgument, QStringLiteral("The command %1 is there already").arg(k));
    m_byKey.insert(k, m_commands.size());
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
    return m_commands.at(*it);
}

QStringList CommandTable::keys() const
{
    QStringList out;
    for (const CommandDef& c : m_commands)
        out << key(c);
    return out;
}

QList<CommandTable::Item> CommandTable::itemsOf(const QString& menuPath) const
{
    QList<Item> items;
    for (const MenuDef& m : m_menus) {
        const qsizetype slash = m.path.lastIndexOf(QLatin1Char('/'));
        if (slash >= 0 && m.path.left(slash) == menuPath)
            items << Item{&m, nullptr, m.order, m.separatorBefore};
    }
    for (const CommandDef& c : m_commands) {
        if (c.menu == menuPath)
            items << Item{nullptr, &c, c.order, c.separatorBefore};
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
