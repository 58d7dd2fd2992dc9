// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/games/StatDialog.h"

#include "ui/base/FieldEntry.h"
#include "ui/base/Modal.h"

#include "ui_StatDialog.h"

#include "common/Formats.h"
#include "common/Prompter.h"
#include "common/Selection.h"
#include "core/games/GameState.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace pw {

StatDialog::StatDialog(qint16 teamNo, qint16 gameNo, qint16 opponentNo, qint16 playerNo, int nameOption,
                       QWidget* parent)
    : EditWindow(parent)
    , m_teamNo(teamNo)
    , m_gameNo(gameNo)
    , m_opponentNo(opponentNo)
    , m_nameOption(nameOption)
    , m_ui(std::make_unique<Ui::StatDialog>())
{
    m_ui->setupUi(this);
    // Wide enough for five digits and "Err", narrow enough to read as a count.
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000"));
    for (QLineEdit* box : boxes()) {
        box->setFixedWidth(boxWidth);
        box->installEventFilter(this);
        // A figure typed into a box replaces the one there, also after a click into it.
        selectWholeOnEntry(box);
    }
    m_ui->CPName->installEventFilter(this);
    // The player's name reads best a little apart from the counts beside it.
    QFont nameFont = m_ui->lblName->font();
    nameFont.setBold(true);
    m_ui->lblName->setFont(nameFont);
    m_ui->lblName->setMinimumWidth(fontMetrics().averageCharWidth() * 24);

    setDirtyMarker(this, m_ui->OKButton);
    // Save is open as soon as a figure is typed, not only once the box is left, so that a coach
    // who types and clicks Save is never met by a disabled button.
    for (QLineEdit* box : boxes()) {
        connect(box, &QLineEdit::textEdited, this, [this, box] {
            if (box->text() != m_enteredText.value(box->objectName()))
                markChanged();
        });
    }
    for (QLineEdit* box : {m_ui->txtGoalsBlocked, m_ui->txtOverShot, m_ui->txtGoalsScored})
        connect(box, &QLineEdit::textChanged, this,
                handler(box->objectName() + QStringLiteral("_Change"), [this] { showGoalieShots(); }));
    connect(m_ui->CPName, &QComboBox::activated, this,
            handler(QStringLiteral("CPName_Click"), [this](int index) { CPName_Click(index); }));
    connect(m_ui->OKButton, &QPushButton::clicked, this,
            handler(QStringLiteral("OKButton_Click"), [this] { OKButton_Click(); }));
    connect(m_ui->CancelButton, &QPushButton::clicked, this, [this] { closeWindow(); });

    fillPlayerList(playerNo);
}

StatDialog::~StatDialog() = default;

bool StatDialog::enterStats(qint16 teamNo, qint16 gameNo, qint16 opponentNo, qint16 playerNo, int nameOption,
                            QWidget* parent)
{
    // A season or tournament as a whole has no statistics of its own to enter either.
    if (!isSingleGame(gameNo)) {
        prompter().message(tr("No Game Selected"), tr("Select the game in which to add statistics."),
                           Prompter::Icon::Critical);
        return false;
    }
    Modal<StatDialog> dialog(teamNo, gameNo, opponentNo, playerNo, nameOption, parent);
    dialog.exec();
    return true;
}

qint16 StatDialog::shownPlayerNo() const
{
    return m_shownIndex >= 0 && m_shownIndex < m_players.size() ? m_players[m_shownIndex].playerNo : 0;
}

QList<QLineEdit*> StatDialog::boxes() const
{
    return {m_ui->txtSOG,  m_ui->txtGoals,        m_ui->txtBlocks,   m_ui->txtAssists,
            m_ui->txtGSOG, m_ui->txtGoalsBlocked, m_ui->txtOverShot, m_ui->txtGoalsScored};
}

QList<QLineEdit*> StatDialog::enabledBoxes() const
{
    QList<QLineEdit*> out;
    for (QLineEdit* box : boxes()) {
        if (box->isEnabled())
            out << box;
    }
    return out;
}

void StatDialog::fillPlayerList(qint16 playerNo)
{
    load(QStringLiteral("FillPlayerList"), [&] {
        m_players = statPlayers(m_teamNo, m_nameOption);
        m_ui->CPName->clear();
        int index = m_players.isEmpty() ? -1 : 0;
        for (int i = 0; i < m_players.size(); ++i) {
            m_ui->CPName->addItem(m_players[i].text, m_players[i].playerNo);
            if (playerNo > 0 && m_players[i].playerNo == playerNo)
                index = i;
        }
        m_ui->CPName->setCurrentIndex(index);
        m_shownIndex = index;
    });
    showPlayer();
}

void StatDialog::showPlayer()
{
    load(QStringLiteral("CPName_Click"), [&] {
        for (QLineEdit* box : boxes())
            box->clear();
        const bool any = m_shownIndex >= 0;
        const StatPlayer player = any ? m_players[m_shownIndex] : StatPlayer{};
        const bool goalkeeper = any && player.goalkeeper();
        m_ui->PicField->setEnabled(any);
        m_ui->PicGoalie->setEnabled(goalkeeper);
        m_ui->lblName->setText(any ? shownText(player.lastName) + QLatin1Char(',') + shownText(player.firstName)
                                   : QString());
        const PlayerGameStats stats = any ? readGameStats(m_teamNo, m_gameNo, player.playerNo) : PlayerGameStats{};
        m_ui->lblQA->setText(QString::number(CountQtrs(stats.qtrAvailable)));
        m_ui->lblQP->setText(QString::number(stats.qtrPlayed));
        if (stats.exists) {
            const StatFigures& f = stats.figures;
            m_ui->txtSOG->setText(f.shots);
            m_ui->txtGoals->setText(f.goals);
            m_ui->txtBlocks->setText(f.blocks);
            m_ui->txtAssists->setText(f.assists);
            // Someone else's goalkeeping figures are not this player's to see or change.
            if (goalkeeper) {
                m_ui->txtGoalsBlocked->setText(f.goalsBlocked);
                m_ui->txtOverShot->setText(f.overShot);
                m_ui->txtGoalsScored->setText(f.goalsScored);
                m_ui->txtGSOG->setText(f.shotOnGoal);
                if (f.shotOnGoal.isEmpty())
                    showGoalieShots();
            }
        }
        m_enteredText.clear();
        for (QLineEdit* box : boxes())
            m_enteredText.insert(box->objectName(), box->text());
    });
}

void StatDialog::showGoalieShots()
{
    m_ui->txtGSOG->setText(
        goalieShotsOnGoal(m_ui->txtGoalsBlocked->text(), m_ui->txtGoalsScored->text(), m_ui->txtOverShot->text()));
}

void StatDialog::CPName_Click(int index)
{
    if (index == m_shownIndex)
        return;
    // Figures typed for one player are not dropped unasked by choosing the next.
    if (!settleChanges()) {
        m_ui->CPName->setCurrentIndex(m_shownIndex);
        return;
    }
    m_shownIndex = index;
    showPlayer();
}

void StatDialog::EnterTfield(const QString& ctlName)
{
    auto* box = findChild<QLineEdit*>(ctlName);
    if (!box)
        return;
    m_enteredText.insert(ctlName, box->text());
}

void StatDialog::leaveTfield(QLineEdit* box)
{
    if (isLoading())
        return;
    // Only what the coach changed counts: an empty box shown as 0 on the way out is no change,
    // so passing through a player's boxes adds no row and gives the game no result.
    if (box->text() != m_enteredText.value(box->objectName(), box->text()))
        markChanged();
    if (box->text().trimmed().isEmpty())
        box->setText(QStringLiteral("0"));
    m_enteredText.insert(box->objectName(), box->text());
}

bool StatDialog::CheckValues()
{
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        if (!box->objectName().startsWith(QLatin1String("txt")))
            continue;
        // An empty box is saved as 0, so only something typed that is no count is refused.
        if (!figureValue(box->text())) {
            prompter().message(tr("Game Statistics"), tr("Check the values. All values must be numeric"),
                               Prompter::Icon::Critical);
            return false;
        }
    }
    return true;
}

bool StatDialog::save()
{
    const qint16 playerNo = shownPlayerNo();
    if (playerNo < 1 || !CheckValues())
        return false;
    // The goalkeeper's boxes stay empty for a field player: the figures his row keeps are not shown.
    for (QLineEdit* box : {m_ui->txtSOG, m_ui->txtGoals, m_ui->txtBlocks, m_ui->txtAssists, m_ui->txtGoalsBlocked,
                           m_ui->txtOverShot, m_ui->txtGoalsScored, m_ui->txtGSOG}) {
        if (box->isEnabled() && box->text().trimmed().isEmpty())
            box->setText(QStringLiteral("0"));
    }
    const bool goalkeeper = m_players[m_shownIndex].goalkeeper();
    StatFigures f;
    f.shots = m_ui->txtSOG->text();
    f.goals = m_ui->txtGoals->text();
    f.blocks = m_ui->txtBlocks->text();
    f.assists = m_ui->txtAssists->text();
    f.shotOnGoal = m_ui->txtGSOG->text();
    f.goalsBlocked = m_ui->txtGoalsBlocked->text();
    f.overShot = m_ui->txtOverShot->text();
    f.goalsScored = m_ui->txtGoalsScored->text();
    saveGameStats(m_teamNo, m_gameNo, m_opponentNo, playerNo, f, goalkeeper);
    for (QLineEdit* box : boxes())
        m_enteredText.insert(box->objectName(), box->text());
    markSaved();
    // The main window recomputes the game's result and shows the new figures.
    m_ui->CPName->setFocus(Qt::OtherFocusReason);
    return true;
}

void StatDialog::OKButton_Click()
{
    save();
}

bool StatDialog::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && !boxes().contains(box))
        box = nullptr;
    if (box && event->type() == QEvent::FocusIn) {
        EnterTfield(box->objectName());
    } else if (box && event->type() == QEvent::FocusOut) {
        // The coach did not leave the box when a message or another window took the focus.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            leaveTfield(box);
    } else if ((box || watched == m_ui->CPName) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return EditWindow::eventFilter(watched, event);
}

}  // namespace pw
