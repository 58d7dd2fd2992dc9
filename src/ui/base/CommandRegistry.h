#pragma once

namespace pw {

class CommandTable;
class MainForm;

// Each subsystem registers the commands it owns; the handlers open its windows from the main
// window. A command whose window does not exist yet is registered without a handler.
void registerAppCommands(CommandTable& table, MainForm& main);
void registerTeamCommands(CommandTable& table, MainForm& main);
void registerScheduleCommands(CommandTable& table, MainForm& main);
void registerGameCommands(CommandTable& table, MainForm& main);
void registerTournamentCommands(CommandTable& table, MainForm& main);
void registerPracticeCommands(CommandTable& table, MainForm& main);
void registerReportCommands(CommandTable& table, MainForm& main);
void registerMessagingCommands(CommandTable& table, MainForm& main);
void registerFeeCommands(CommandTable& table, MainForm& main);
void registerUpdateCommands(CommandTable& table, MainForm& main);

// The menus first, then every subsystem's commands.
void registerAllCommands(CommandTable& table, MainForm& main);

}  // namespace pw
