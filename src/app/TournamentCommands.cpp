#include "ui/base/CommandRegistry.h"

#include "ui/base/Modal.h"

#include "app/MainForm.h"
#include "app/TeamTree.h"
#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "core/tournaments/Bracket.h"
#include "ui/base/Commands.h"
#include "ui/schedule/frmNewData.h"
#include "ui/tournaments/TournamentWindow.h"

namespace pw {

namespace {

// The entry dialog in its tournament mode; the entry when the coach pressed OK.
std::optional<TournamentInfo> askTournament(const QString& caption, TournamentInfo info, MainForm& main)
{
    Modal<frmNewData> dialog(info.teamNo, &main);
    dialog->setWindowTitle(caption);
    dialog->setPurpose(frmNewData::Purpose::Tournament);
    dialog->setTournament(info.name, info.startDate, info.rounds);
    if (dialog.exec() != QDialog::Accepted || !dialog)
        return std::nullopt;
    info.name = dialog->tournamentName();
    info.startDate = dialog->tournamentStart();
    info.rounds = qint16(dialog->tournamentRounds());
    return info;
}

void addTournament(MainForm& main)
{
    const qint16 team = selection().CurrentTeamNo();
    TournamentInfo info;
    info.teamNo = team;
    info.tournamentNo = nextTournamentNo(team);  // refuses beyond the last number a team can have
    info.startDate = QDate::currentDate();
    const auto entered = askTournament(MainForm::tr("Add New Tournament"), info, main);
    if (!entered)
        return;
    saveTournament(*entered);
    main.selectNode(NodeKey::tournament(team, entered->tournamentNo));
}

void modifyTournament(MainForm& main)
{
    const Selection& s = selection();
    const auto info = readTournament(s.CurrentTeamNo(), s.CurrentTournamentNo());
    if (!info)
        return;
    const auto entered = askTournament(MainForm::tr("Modify Tournament Information"), *info, main);
    if (!entered)
        return;
    saveTournament(*entered);
}

void deleteTournament(MainForm& main)
{
    const qint16 team = selection().CurrentTeamNo();
    const qint16 tournament = selection().CurrentTournamentNo();
    const QStandardItem* node = main.treeModel()->node(NodeKey::tournament(team, tournament));
    if (!node)
        return;
    if (prompter().message(MainForm::tr("Confirm Delete"),
                           MainForm::tr("Are you sure you want to delete ") + node->text() + QStringLiteral("?"),
                           Prompter::Icon::Question, Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    DeleteTournament(team, tournament);
    main.selectTeam(team);
}

void openBracket(MainForm& main)
{
    const Selection& s = selection();
    if (s.CurrentTournamentNo() < 1)
        return;
    Tournament::openBracket(s.CurrentTeamNo(), s.CurrentTournamentNo(), s.NoTiers(), &main);
}

std::function<void()> runs(MainForm& main, const char* procName, void (*body)(MainForm&))
{
    return [&main, procName, body] { guarded(QString::fromLatin1(procName), {}, [&] { body(main); }); };
}

}  // namespace

// Tournaments: adding, changing and deleting them, and their brackets.
void registerTournamentCommands(CommandTable& t, MainForm& main)
{
    const auto add = runs(main, "DataSetTournament_Click", addTournament);
    const auto modify = runs(main, "DataModTournament_Click", modifyTournament);
    const auto remove = runs(main, "DataDelTournament_Click", deleteTournament);
    const auto bracket = runs(main, "TeamTournament_Click", openBracket);
    const Needs selected = Need::Tournaments | Need::TournamentSelected;
    // One command a line: the table reads best unwrapped.
    // clang-format off
    t.add(QList<CommandDef>{
        {.name = QStringLiteral("DataSetTournament"), .caption = MainForm::tr("&Add New"), .menu = QStringLiteral("mnuTeam/mnuTournament"), .order = 10, .needs = Need::Tournaments, .handler = add},
        {.name = QStringLiteral("DataModTournament"), .caption = MainForm::tr("&Modify Selected"), .menu = QStringLiteral("mnuTeam/mnuTournament"), .order = 20, .needs = selected, .handler = modify},
        {.name = QStringLiteral("DataDelTournament"), .caption = MainForm::tr("&Delete Selected"), .menu = QStringLiteral("mnuTeam/mnuTournament"), .order = 30, .needs = selected, .handler = remove},
        {.name = QStringLiteral("TeamTournament"), .caption = MainForm::tr("Tournament Bracket"), .menu = kToolbar, .order = 50, .needs = selected, .handler = bracket},
        {.name = QStringLiteral("AddTourney"), .caption = MainForm::tr("Add New Tournament"), .menu = QStringLiteral("TreeTeamMnu"), .order = 30, .needs = Need::Tournaments, .handler = add},
        {.name = QStringLiteral("Bracket"), .caption = MainForm::tr("Tournament Bracket"), .menu = QStringLiteral("TreeTournyMnu"), .order = 10, .handler = bracket},
        {.name = QStringLiteral("Add"), .caption = MainForm::tr("Add New Tournament"), .menu = QStringLiteral("TreeTournyMnu"), .order = 20, .handler = add},
        {.name = QStringLiteral("Modify"), .caption = MainForm::tr("Modify Selected"), .menu = QStringLiteral("TreeTournyMnu"), .order = 30, .handler = modify},
        {.name = QStringLiteral("Delete"), .caption = MainForm::tr("Delete Selected"), .menu = QStringLiteral("TreeTournyMnu"), .order = 40, .handler = remove},
        {.name = QStringLiteral("Bracket"), .caption = MainForm::tr("Tournament Bracket"), .menu = QStringLiteral("TreeGameMnu"), .order = 10, .handler = bracket},
    });
    // clang-format on
}

}  // namespace pw
