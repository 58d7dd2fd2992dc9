// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pw {

class CommandTable;
class Shell;

// Each subsystem registers the commands it owns; the handlers open its windows over the shell's
// window. A command whose window does not exist yet is registered without a handler.
void registerAppCommands(CommandTable& table, Shell& shell);
void registerTeamCommands(CommandTable& table, Shell& shell);
void registerScheduleCommands(CommandTable& table, Shell& shell);
void registerGameCommands(CommandTable& table, Shell& shell);
void registerTournamentCommands(CommandTable& table, Shell& shell);
void registerPracticeCommands(CommandTable& table, Shell& shell);
void registerReportCommands(CommandTable& table, Shell& shell);
void registerMessagingCommands(CommandTable& table, Shell& shell);
void registerFeeCommands(CommandTable& table, Shell& shell);
void registerUpdateCommands(CommandTable& table, Shell& shell);

// The menus first, then every subsystem's commands.
void registerAllCommands(CommandTable& table, Shell& shell);

}  // namespace pw
