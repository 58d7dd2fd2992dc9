// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tournaments/TournamentWindow.h"

#include "ui/base/Modal.h"

#include "common/AppState.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "common/Twips.h"
#include "ui/schedule/frmNewData.h"
#include "ui/teams/frmOppList.h"
#include "ui/tournaments/BracketView.h"

#include <QBoxLayout>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

namespace pw {

using bracket::column;

namespace {

// A team label holds a name of about twenty-five characters; a game label sits between the two
// labels of its pair, so a first-round column is one run of team, game, team, … labels.
constexpr QSizeF kLabelTwips(2200, 250);
// Room kept around a label scrolled into view.
constexpr int kScrollMarginTwips = 500;

// The keys held during a press, as the trace reports them: 1 Shift, 2 Ctrl, 4 Alt.
int shiftCode(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

// One edit of the bracket: the whole bracket before and after it.
class BracketCommand : public QUndoCommand {
public:
    BracketCommand(Tournament& window, const QString& text, Bracket before, Bracket after)
        : QUndoCommand(text)
        , m_window(window)
        , m_before(std::move(before))
        , m_after(std::move(after))
    {
    }
    void undo() override { m_window.restore(m_before); }
    void redo() override
    {
        // Pushing runs redo() once; the edit is already made by then.
        if (m_pushed)
            m_window.restore(m_after);
        m_pushed = true;
    }

private:
    Tournament& m_window;
    Bracket m_before;
    Bracket m_after;
    bool m_pushed = false;
};

Tournament::Tournament(qint16 teamNo, qint16 tournamentNo, int rounds, QWidget* parent)
    : EditWindow(parent)
    , m_teamNo(teamNo)
    , m_tournamentNo(tournamentNo)
    , m_bracket(std::clamp(rounds, 1, bracket::kMaxRounds))
{
    setObjectName(QStringLiteral("Tournament"));
    setWindowTitle(tr("Tournament"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    setSizeGripEnabled(true);
    pickTeam = [this](int position, BracketTeam* chosen) { return runPicker(position, chosen); };
    editGameTime = [this](const BracketGameTag& current) { return runGameDialog(current); };

    TournyScreen = new BracketView(m_bracket, this);
    Picture1 = new QScrollArea(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setWidgetResizable(false);
    Picture1->setWidget(TournyScreen);
    Picture1->setMinimumSize(200, 120);
    Picture1->horizontalScrollBar()->setObjectName(QStringLiteral("HScroll1"));
    Picture1->verticalScrollBar()->setObjectName(QStringLiteral("VScroll1"));
    Picture1->setFocusPolicy(Qt::NoFocus);

    SaveBtn = new QPushButton(tr("&Save"), this);
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    SaveBtn->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SaveBtn);
    buttons->addStretch(1);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(Picture1, 1);
    outer->addLayout(buttons);
    buildMenus();
    setTabOrder(TournyScreen, SaveBtn);

    setDirtyMarker(this, SaveBtn);
    setUnsavedQuestion(tr("Save Data"), tr("Data has not been saved. Do you want to save it before you exit?"));

    connect(SaveBtn, &QPushButton::clicked, this,
            handler(QStringLiteral("SaveBtn_Click"), [this] { TournSave_Click(); }));
    connect(TournyScreen, &BracketView::teamPressed, this,
            [this](int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos) {
                if (isLoading())
                    return;
                const qreal dpi = TournyScreen->logicalDpiX();
                const QString args = traceArg(QStringLiteral("Index"), slot) +
                                     traceArg(QStringLiteral("Button"), int(button)) +
                                     traceArg(QStringLiteral("Shift"), shiftCode(modifiers)) +
                                     traceArg(QStringLiteral("X"), pixelsToTwips(pos.x(), dpi)) +
                                     traceArg(QStringLiteral("Y"), pixelsToTwips(pos.y(), dpi));
                guarded(QStringLiteral("Tlbl_MouseDown"), args, [&] { Tlbl_MouseDown(slot, button); });
            });
    connect(TournyScreen, &BracketView::teamMenuRequested, this,
            handler(QStringLiteral("Tlbl_MouseDown"),
                    [this](int slot, QPoint globalPos) { Tlbl_MouseDown(slot, Qt::RightButton, globalPos); }));
    connect(TournyScreen, &BracketView::gameActivated, this,
            handler(QStringLiteral("Glbl_DblClick"), [this](int game) { Glbl_DblClick(game); }));
    connect(TournyScreen, &BracketView::currentMoved, this, [this](QRect r) {
        Picture1->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 4, r.height() / 2 + 4);
    });

    load(QStringLiteral("Form_Load"), [&] {
        if (const auto info = readTournament(m_teamNo, m_tournamentNo); info && !info->name.isEmpty())
            setWindowTitle(tr("Tournament - %1").arg(info->name));
        m_bracket = FillTourney(m_teamNo, m_tournamentNo, m_bracket.rounds());
    });
    TournyScreen->build(kLabelTwips);
    Picture1->horizontalScrollBar()->setSingleStep(std::max(1, TournyScreen->toPixels(kLabelTwips.width() / 2)));
    Picture1->verticalScrollBar()->setSingleStep(std::max(1, TournyScreen->toPixels(500)));
    sizeToSurface();
    TournyScreen->setFocus();
}

void Tournament::openBracket(qint16 teamNo, qint16 tournamentNo, int rounds, QWidget* parent)
{
    Modal<Tournament> window(teamNo, tournamentNo, rounds, parent);
    window.exec();
}

void Tournament::buildMenus()
{
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    const auto action = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    TournMnu = bar->addMenu(tr("&Tournament"));
    TournMnu->setObjectName(QStringLiteral("TournMnu"));
    connect(action(TournMnu, "TournEnterTeams", tr("&Enter Teams")), &QAction::triggered, this,
            handler(QStringLiteral("TournEnterTeams_Click"), [this] { TournEnterTeams_Click(); }));
    TournMnu->addSeparator();
    connect(action(TournMnu, "TournClearBracket", tr("&Clear Bracket")), &QAction::triggered, this,
            handler(QStringLiteral("TournClearBracket_Click"), [this] { ClearBracket_Click(); }));
    TournMnu->addSeparator();
    QAction* saveAction = action(TournMnu, "TournSave", tr("&Save"));
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this,
            handler(QStringLiteral("TournSave_Click"), [this] { TournSave_Click(); }));
    connect(action(TournMnu, "TournExit", tr("E&xit")), &QAction::triggered, this, [this] { closeWindow(); });

    TourneyMnu = new QMenu(this);
    TourneyMnu->setObjectName(QStringLiteral("TourneyMnu"));
    PopWinner = action(TourneyMnu, "PopWinner", tr("&Winner"));
    popClear = action(TourneyMnu, "popClear", tr("Clear &field"));
    TourneyMnu->addSeparator();
    QAction* clearAll = action(TourneyMnu, "popClearBracket", tr("Clear &Bracket"));
    connect(PopWinner, &QAction::triggered, this,
            handler(QStringLiteral("PopWinner_Click"), [this] { PopWinner_Click(); }));
    connect(popClear, &QAction::triggered, this,
            handler(QStringLiteral("popClear_Click"), [this] { popClear_Click(); }));
    connect(clearAll, &QAction::triggered, this,
            handler(QStringLiteral("popClearBracket_Click"), [this] { ClearBracket_Click(); }));
}

void Tournament::sizeToSurface()
{
    // The whole bracket when the screen has room for it, else as much as fits; the rest scrolls.
    const QMargins margins = layout()->contentsMargins();
    const int frame = 2 * Picture1->frameWidth();
    const QWidget* bar = layout()->menuBar();
    QSize want = TournyScreen->size() + QSize(frame, frame);
    want.rwidth() += margins.left() + margins.right();
    want.rheight() += margins.top() + margins.bottom() + layout()->spacing() + SaveBtn->sizeHint().height() +
                      (bar ? bar->sizeHint().height() : 0);
    want = want.expandedTo(minimumSizeHint());
    if (const QScreen* s = screen()) {
        const QSize room = s->availableGeometry().size() * 9 / 10;
        if (want.width() > room.width())
            want.rheight() += Picture1->horizontalScrollBar()->sizeHint().height();
        if (want.height() > room.height())
            want.rwidth() += Picture1->verticalScrollBar()->sizeHint().width();
        want = want.boundedTo(room);
    }
    resize(want);
}

void Tournament::changeEvent(QEvent* e)
{
    EditWindow::changeEvent(e);
    // Maximised, the bracket starts again from its top-left corner.
    if (e->type() == QEvent::WindowStateChange && isMaximized()) {
        Picture1->horizontalScrollBar()->setValue(0);
        Picture1->verticalScrollBar()->setValue(0);
    }
}

void Tournament::edit(const QString& text, const std::function<void()>& body)
{
    if (m_editDepth > 0) {
        body();
        TournyScreen->refit();
        return;
    }
    const Bracket before = m_bracket;
    const auto record = [&] {
        TournyScreen->refit();
        if (!(m_bracket == before))
            undoStack()->push(new BracketCommand(*this, text, before, m_bracket));
    };
    ++m_editDepth;
    try {
        body();
    } catch (...) {
        // What was done before the failure stays, and stays undoable.
        --m_editDepth;
        record();
        throw;
    }
    --m_editDepth;
    record();
}

void Tournament::restore(const Bracket& bracket)
{
    const Bracket previous = m_bracket;
    m_bracket = bracket;
    TournyScreen->refit();
    // Game times reach the own team's schedule the moment they are set; undoing and redoing
    // them keeps the schedule with the bracket.
    for (const int game : m_bracket.games()) {
        const QString tag = m_bracket.gameTag(game);
        if (tag != previous.gameTag(game) && !BracketGameTag::parse(tag).isEmpty())
            guarded(QStringLiteral("writeOwnGameTime"), traceArg(QStringLiteral("Game"), game),
                    [&] { writeOwnTime(game, BracketGameTag::parse(tag)); });
    }
}

void Tournament::Tlbl_MouseDown(int slot, Qt::MouseButton button, QPoint globalPos)
{
    if (!m_bracket.hasSlot(slot))
        return;
    if (button == Qt::RightButton) {
        prepareTeamMenu(slot);
        TourneyMnu->popup(globalPos.isNull() ? TournyScreen->mapToGlobal(TournyScreen->teamRect(slot).bottomLeft())
                                             : globalPos);
        return;
    }
    if (button != Qt::LeftButton || column(slot) > 0 || !m_bracket.team(slot).isEmpty())
        return;
    const auto answer =
        prompter().inputText(tr("Enter Team"), tr("Enter the name of the team in this position"), QString());
    // Blanks alone would make a filled label that shows nothing.
    const QString name = answer ? answer->trimmed() : QString();
    if (name.isEmpty())
        return;
    edit(tr("Enter Team"), [&] { m_bracket.setTeam(slot, BracketTeam{.caption = name, .tag = {}}); });
}

void Tournament::prepareTeamMenu(int slot)
{
    m_menuSlot = slot;
    const bool filled = m_bracket.hasSlot(slot) && !m_bracket.team(slot).isEmpty();
    // The tournament winner has nowhere to go.
    PopWinner->setEnabled(filled && column(slot) < m_bracket.rounds());
    popClear->setEnabled(filled);
}

void Tournament::PopWinner_Click()
{
    if (m_bracket.hasSlot(m_menuSlot))
        edit(tr("Winner"), [&] { m_bracket.advance(m_menuSlot); });
}

void Tournament::popClear_Click()
{
    if (m_bracket.hasSlot(m_menuSlot))
        edit(tr("Clear field"), [&] { m_bracket.clearSlot(m_menuSlot); });
}

void Tournament::ClearBracket_Click()
{
    edit(tr("Clear Bracket"), [&] { m_bracket.clearTeams(); });
}

void Tournament::TournEnterTeams_Click()
{
    if (m_bracket.hasAnyTeam()) {
        const QString text =
            tr("This Bracket contains data.\rIf you continue, all data will be cleared.\rDo you want to continue?");

        if (prompter().message(tr("Warning"), text, Prompter::Icon::Exclamation, Prompter::Buttons::YesNo) !=
            Prompter::Answer::Yes)
            return;
    }
    const auto unlight = qScopeGuard([this] { TournyScreen->setHighlight(0); });
    edit(tr("Enter Teams"), [&] {
        m_bracket.clearTeams();
        const int positions = 1 << m_bracket.rounds();
        const int margin = TournyScreen->toPixels(kScrollMarginTwips);
        for (int p = 1; p <= positions; ++p) {
            TournyScreen->setHighlight(p);
            TournyScreen->setCurrent({BracketView::Label::Kind::Team, p});
            const QRect r = TournyScreen->teamRect(p);
            Picture1->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 4, r.height() / 2 + margin);
            BracketTeam chosen;
            const bool picked = pickTeam(p, &chosen);
            TournyScreen->setHighlight(0);
            if (!picked)
                break;
            chosen.hidden = false;
            m_bracket.setTeam(p, chosen);
            TournyScreen->refit();
            // A pair is complete: its game can be given a time at once.
            if (p % 2 == 0)
                setGameTime(p - 1);
        }
    });
}

void Tournament::Glbl_DblClick(int game)
{
    setGameTime(game);
}

void Tournament::setGameTime(int game)
{
    if (!m_bracket.hasGame(game))
        return;
    BracketGameTag current = BracketGameTag::parse(m_bracket.gameTag(game));
    if (!current.date.isValid())
        current.date = QDate::currentDate();
    if (!current.time.isValid())
        current.time = QTime(12, 0);
    const auto entered = editGameTime(current);
    if (!entered)
        return;
    edit(tr("Game Time"), [&] { m_bracket.setGameTag(game, entered->toText()); });
    writeOwnTime(game, *entered);
}

void Tournament::writeOwnTime(int game, const BracketGameTag& tag)
{
    if (!m_bracket.team(game).isOwnTeam() && !m_bracket.team(game + 1).isOwnTeam())
        return;
    writeOwnGameTime(m_teamNo, m_tournamentNo, column(game) + 1, tag);
}

bool Tournament::runPicker(int position, BracketTeam* chosen)
{
    Modal<frmOppList> picker(m_teamNo, this);
    picker->setPosition(position);
    picker->onChosen = [chosen](int, const OpponentChoice& c) {
        chosen->caption = c.name;
        chosen->tag = QString::number(c.number);
    };
    return picker.exec() == QDialog::Accepted && picker;
}

std::optional<BracketGameTag> Tournament::runGameDialog(const BracketGameTag& current)
{
    Modal<frmNewData> dialog(m_teamNo, this);
    dialog->setWindowTitle(tr("Set Tournament Game Schedule"));
    dialog->setPurpose(frmNewData::Purpose::TournamentGame);
    dialog->setTournamentGame(current.date, current.time, current.field);
    if (dialog.exec() != QDialog::Accepted || !dialog)
        return std::nullopt;
    return BracketGameTag{dialog->date(), dialog->time(), dialog->fieldName()};
}

void Tournament::TournSave_Click()
{
    save();
}

bool Tournament::save()
{
    // Stored from a copy: a save that fails leaves the bracket on the screen as it was.
    Bracket stored = m_bracket;
    saveBracket(m_teamNo, m_tournamentNo, stored);
    m_bracket = stored;
    TournyScreen->refit();
    markSaved();
    return true;
}

}  // namespace pw
