// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/schedule/frmMonthSchedule.h"

#include "ui/base/SurfaceAccessible.h"

#include "data/Changes.h"
#include "ui/base/Modal.h"

#include "common/Prompter.h"
#include "common/Selection.h"
#include "common/Trace.h"
#include "core/schedule/MonthCalendar.h"
#include "core/schedule/Schedule.h"
#include "ui/schedule/frmSchedule.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace pw {

namespace {

using Kind = CalendarEntry::Kind;

struct KindLook {
    QColor stripe;
    QColor fill;
};

// Games in blue, tournament games in purple, practices in green, team meetings in amber: told
// apart at a glance, and dark text stays readable on every fill.
KindLook lookOf(Kind kind)
{
    switch (kind) {
    case Kind::Game: return {QColor(0x1f, 0x6f, 0xeb), QColor(0xdd, 0xea, 0xfe)};
    case Kind::TournamentGame: return {QColor(0x82, 0x50, 0xdf), QColor(0xee, 0xe5, 0xff)};
    case Kind::Practice: return {QColor(0x2d, 0xa4, 0x4e), QColor(0xdc, 0xf5, 0xe3)};
    case Kind::TeamMeeting: return {QColor(0xbf, 0x87, 0x00), QColor(0xff, 0xf1, 0xc2)};
    }
    return {};
}

const QColor kConflict(0xcf, 0x22, 0x2e);

// Where the parts of a day's cell go: the day number on top, then one two-line block per entry
// while they fit, then a "+n more" line for the rest. Painting and hit-testing share it.
struct CellLayout {
    QRect dayLine;
    QList<QRect> entries;
    QRect more;
    int hidden = 0;
};

CellLayout layoutCell(const QRect& cell, const QFontMetrics& fm, int count)
{
    CellLayout l;
    const QRect inner = cell.adjusted(3, 2, -3, -2);
    l.dayLine = QRect(inner.left(), inner.top(), inner.width(), fm.height() + 2);
    const int blockHeight = 2 * fm.height() + 4;
    const int gap = 2;
    int y = l.dayLine.bottom() + 2;
    for (int i = 0; i < count; ++i) {
        // Every block but the last must leave room for the "more" line below it.
        const int need = blockHeight + (i == count - 1 ? 0 : gap + fm.height());
        if (y + need > inner.bottom() + 1) {
            l.hidden = count - i;
            break;
        }
        l.entries << QRect(inner.left(), y, inner.width(), blockHeight);
        y += blockHeight + gap;
    }
    if (l.hidden > 0)
        l.more = QRect(inner.left(), y, inner.width(), fm.height());
    return l;
}

// The entry under pos: its index, -2 for the "more" line, -1 for the day's free space.
int hitEntry(const CellLayout& l, const QPoint& pos)
{
    for (int i = 0; i < l.entries.size(); ++i) {
        if (l.entries.at(i).contains(pos))
            return i;
    }
    return l.hidden > 0 && l.more.contains(pos) ? -2 : -1;
}

QString headline(const CalendarEntry& e)
{
    const QString first = e.lines.value(0);
    if (first.isEmpty())
        return frmMonthSchedule::tr("Game");
    // A moved game's arrow stays in sight when a narrow day cuts its "(moved)" off.
    return e.movedFrom.isValid() ? QStringLiteral("\u2192 ") + first : first;
}

QString detail(const CalendarEntry& e)
{
    if (!e.isGame())
        return e.lines.value(1) + QStringLiteral(" – ") + e.lines.value(2);
    QStringList parts;
    for (int i = 1; i < e.lines.size(); ++i) {
        if (!e.lines.at(i).isEmpty())
            parts << e.lines.at(i);
    }
    return parts.join(QStringLiteral(" · "));
}

QString menuText(const CalendarEntry& e)
{
    QString text = headline(e) + QStringLiteral("  ") + detail(e);
    // An ampersand in an opponent's name must not become a shortcut.
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

class DayDelegate : public QStyledItemDelegate {
public:
    DayDelegate(const MonthCalendar* calendar, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_calendar(calendar)
    {
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QDate date = index.data(MonthCalendar::DateRole).toDate();
        if (!date.isValid())
            return;
        const QList<CalendarEntry>& entries = m_calendar->entriesOn(date);
        const bool inMonth = index.data(MonthCalendar::InShownMonthRole).toBool();
        const bool today = index.data(MonthCalendar::IsTodayRole).toBool();
        const bool conflict = entries.size() > 1;
        const QPalette& pal = option.palette;
        const QFontMetrics fm(option.font);
        const CellLayout l = layoutCell(option.rect, fm, int(entries.size()));

        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setClipRect(option.rect);
        // Days of the neighbouring months sit on the window's colour, so the shown month stands
        // out as the white block.
        p->fillRect(option.rect, inMonth ? pal.color(QPalette::Base) : pal.color(QPalette::Window));
        if (option.state & QStyle::State_Selected) {
            QColor h = pal.color(QPalette::Highlight);
            h.setAlpha(35);
            p->fillRect(option.rect, h);
        }

        // The day number; today's in a filled circle.
        QFont dayFont = option.font;
        dayFont.setBold(today || date.day() == 1);
        p->setFont(dayFont);
        const QFontMetrics dfm(dayFont);
        QString dayText = QString::number(date.day());
        if (date.day() == 1)
            dayText = QLocale().monthName(date.month(), QLocale::ShortFormat) + QLatin1Char(' ') + dayText;
        QRect dayRect = l.dayLine;
        if (today) {
            const int d = dfm.height() + 2;
            const int w = qMax(d, dfm.horizontalAdvance(dayText) + 8);
            const QRect pill(dayRect.left(), dayRect.top(), w, d);
            p->setPen(Qt::NoPen);
            p->setBrush(pal.color(QPalette::Highlight));
            p->drawRoundedRect(pill, d / 2.0, d / 2.0);
            p->setPen(pal.color(QPalette::HighlightedText));
            p->drawText(pill, Qt::AlignCenter, dayText);
        } else {
            p->setPen(inMonth ? pal.color(QPalette::Text) : pal.color(QPalette::Disabled, QPalette::Text));
            p->drawText(dayRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, dayText);
        }
        if (conflict) {
            QFont f = option.font;
            f.setBold(true);
            p->setFont(f);
            p->setPen(kConflict);
            p->drawText(dayRect, Qt::AlignRight | Qt::AlignVCenter, frmMonthSchedule::tr("Conflict"));
        }

        // The entries as coloured blocks: headline in bold, then time and place.
        QFont bold = option.font;
        bold.setBold(true);
        for (int i = 0; i < l.entries.size(); ++i) {
            const CalendarEntry& e = entries.at(i);
            const QRect r = l.entries.at(i);
            KindLook look = lookOf(e.kind);
            if (!inMonth)
                look.fill = look.fill.lighter(104);
            p->setPen(Qt::NoPen);
            p->setBrush(look.fill);
            p->drawRoundedRect(r, 3, 3);
            p->setBrush(look.stripe);
            p->drawRoundedRect(QRect(r.left(), r.top(), 4, r.height()), 2, 2);
            const QRect text = r.adjusted(8, 2, -3, -2);
            const int w = text.width();
            p->setPen(QColor(0x1b, 0x1f, 0x24));
            p->setFont(bold);
            p->drawText(QRect(text.left(), text.top(), w, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                        QFontMetrics(bold).elidedText(headline(e), Qt::ElideRight, w));
            p->setFont(option.font);
            p->setPen(QColor(0x42, 0x4a, 0x53));
            p->drawText(QRect(text.left(), text.top() + fm.height(), w, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                        fm.elidedText(detail(e), Qt::ElideRight, w));
        }
        if (l.hidden > 0) {
            p->setFont(option.font);
            p->setPen(pal.color(QPalette::Link));
            p->drawText(l.more.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                        frmMonthSchedule::tr("+%n more", nullptr, l.hidden));
        }

        if (conflict) {
            p->setPen(QPen(kConflict, 2));
            p->setBrush(Qt::NoBrush);
            p->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        }
        if (option.state & QStyle::State_HasFocus) {
            p->setPen(QPen(pal.color(QPalette::Highlight), 2));
            p->setBrush(Qt::NoBrush);
            p->drawRect(QRectF(option.rect).adjusted(2, 2, -2, -2));
        }
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        const QFontMetrics fm(option.font);
        return {fm.averageCharWidth() * 14, fm.height() * 4};
    }

private:
    const MonthCalendar* m_calendar;
};

QLabel* legendLabel(Kind kind, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setText(QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2")
                       .arg(lookOf(kind).stripe.name(), text.toHtmlEscaped()));
    return label;
}

}  // namespace

frmMonthSchedule::frmMonthSchedule(qint16 teamNo, qint16 numberOfGames, QWidget* parent, const QDate& today)
    : QDialog(parent)
    , m_teamNo(teamNo)
    , m_numberOfGames(numberOfGames)
{
    setObjectName(QStringLiteral("frmMonthSchedule"));
    setWindowTitle(tr("Month Schdule"));

    buildGrid();
    buildControls();
    buildLayout();
    setTabOrder(lstMonth, lstYear);
    setTabOrder(lstYear, MonthGrid);
    setTabOrder(MonthGrid, ReturnBtn);

    connectWidgets();
    MonthGrid->installEventFilter(this);
    MonthGrid->viewport()->installEventFilter(this);

    guarded(QStringLiteral("Form_Load"), traceArg(QStringLiteral("lcTeamNo"), teamNo), [&] {
        const QScopedValueRollback hold(m_loading, true);
        m_calendar->open(teamNo, today);
        WeekScroll->setValue(m_calendar->weekOffset());
    });
    setCurrentDay(today);
    setMinimumSize(minimumSizeHint());
    resize(fontMetrics().averageCharWidth() * 130, fontMetrics().height() * 40);
}

void frmMonthSchedule::buildGrid()
{
    m_calendar = new MonthCalendar(this);
    MonthGrid = new QTableView(this);
    MonthGrid->setObjectName(QStringLiteral("MonthGrid"));
    MonthGrid->setAccessibleName(tr("Month calendar"));
    MonthGrid->setModel(m_calendar);
    MonthGrid->setItemDelegate(new DayDelegate(m_calendar, MonthGrid));
    MonthGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    MonthGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    MonthGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MonthGrid->setTabKeyNavigation(false);
    MonthGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MonthGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MonthGrid->verticalHeader()->hide();
    MonthGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    MonthGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    MonthGrid->horizontalHeader()->setHighlightSections(false);
    MonthGrid->setMinimumSize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 22);
}

void frmMonthSchedule::buildControls()
{
    lstMonth = new QComboBox(this);
    lstMonth->setObjectName(QStringLiteral("lstMonth"));
    lstMonth->addItems(MonthCalendar::monthNames());
    lstYear = new QComboBox(this);
    lstYear->setObjectName(QStringLiteral("lstYear"));
    // The lists report their entries inside the open list, where a screen reader's click lands.
    fitEntriesToList(lstMonth);
    fitEntriesToList(lstYear);
    WeekScroll = new QScrollBar(Qt::Vertical, this);
    WeekScroll->setObjectName(QStringLiteral("WeekScroll"));
    WeekScroll->setAccessibleName(tr("Weeks"));
    WeekScroll->setRange(MonthCalendar::kWeekScrollMin, MonthCalendar::kWeekScrollMax);
    WeekScroll->setSingleStep(MonthCalendar::kWeekSmallStep);
    WeekScroll->setPageStep(MonthCalendar::kWeekLargeStep);
    WeekScroll->setValue(0);
    ReturnBtn = new QPushButton(tr("Return"), this);
    ReturnBtn->setObjectName(QStringLiteral("ReturnBtn"));
    // Enter belongs to the grid (it opens the day); only a click or Escape closes.
    ReturnBtn->setAutoDefault(false);
}

void frmMonthSchedule::buildLayout()
{
    auto* monthLabel = new QLabel(tr("&Month:"), this);
    monthLabel->setBuddy(lstMonth);
    auto* yearLabel = new QLabel(tr("&Year:"), this);
    yearLabel->setBuddy(lstYear);
    auto* pickers = new QHBoxLayout;
    pickers->addWidget(monthLabel);
    pickers->addWidget(lstMonth);
    pickers->addSpacing(fontMetrics().averageCharWidth() * 2);
    pickers->addWidget(yearLabel);
    pickers->addWidget(lstYear);
    pickers->addStretch();
    auto* grid = new QHBoxLayout;
    grid->setSpacing(2);
    grid->addWidget(MonthGrid, 1);
    grid->addWidget(WeekScroll);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(legendLabel(Kind::Game, tr("Game"), this));
    bottom->addWidget(legendLabel(Kind::TournamentGame, tr("Tournament game"), this));
    bottom->addWidget(legendLabel(Kind::Practice, tr("Session"), this));
    bottom->addWidget(legendLabel(Kind::TeamMeeting, tr("Team Meeting"), this));
    bottom->addStretch();
    bottom->addWidget(ReturnBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pickers);
    layout->addLayout(grid, 1);
    layout->addLayout(bottom);
}

void frmMonthSchedule::connectWidgets()
{
    connect(lstMonth, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            lstMonth_Click();
    });
    connect(lstYear, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            lstYear_Click();
    });
    connect(WeekScroll, &QScrollBar::valueChanged, this, [this] {
        if (!m_loading)
            WeekScroll_Change();
    });
    connect(ReturnBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_calendar, &MonthCalendar::rangeChanged, this, &frmMonthSchedule::followRange);
    // A redraw keeps the keyboard on the same cell.
    auto keptCell = std::make_shared<QPoint>(-1, -1);
    connect(m_calendar, &QAbstractItemModel::modelAboutToBeReset, this, [this, keptCell] {
        const QModelIndex i = MonthGrid->currentIndex();
        *keptCell = i.isValid() ? QPoint(i.column(), i.row()) : QPoint(-1, -1);
    });
    connect(m_calendar, &QAbstractItemModel::modelReset, this, [this, keptCell] {
        if (keptCell->x() >= 0)
            MonthGrid->setCurrentIndex(m_calendar->index(keptCell->y(), keptCell->x()));
    });
    // Games and practices saved elsewhere (the practice window, the schedule editor opened from
    // the main window) show at once.
    connect(&changeNotices(), &ChangeNotices::changed, this, [this](const ChangeNotice& n) {
        const bool shown = n.what == Change::Games || n.what == Change::Practices || n.what == Change::Tournaments;
        if (!shown || (n.teamNo != m_teamNo && n.teamNo != 0))
            return;
        guarded(QStringLiteral("MonthSchedule_Refresh"), traceArg(QStringLiteral("lcTeamNo"), m_teamNo), [this] {
            m_numberOfGames = seasonGameCount(m_teamNo);
            m_calendar->redraw();
        });
    });
}

frmMonthSchedule::~frmMonthSchedule() = default;

void frmMonthSchedule::showCalendar(qint16 teamNo, QWidget* parent,
                                    std::function<void(const QString&, const QDate&)> openPractice)
{
    guarded(QStringLiteral("ShowMonthSchedule"), traceArg(QStringLiteral("lcTeamNo"), teamNo), [&] {
        if (teamNo < 1)
            return;
        Modal<frmMonthSchedule> window(teamNo, seasonGameCount(teamNo), parent);
        window->openPractice = std::move(openPractice);
        window.exec();
    });
}

QDate frmMonthSchedule::currentDay() const
{
    const QDate d = MonthGrid->currentIndex().data(MonthCalendar::DateRole).toDate();
    return d.isValid() ? d : m_calendar->firstShown();
}

void frmMonthSchedule::followRange()
{
    const QScopedValueRollback hold(m_loading, true);
    QStringList years;
    for (int y : m_calendar->years())
        years << QString::number(y);
    QStringList listed;
    for (int i = 0; i < lstYear->count(); ++i)
        listed << lstYear->itemText(i);
    if (listed != years) {
        lstYear->clear();
        lstYear->addItems(years);
    }
    lstMonth->setCurrentIndex(m_calendar->shownMonth() - 1);
    lstYear->setCurrentIndex(int(years.indexOf(QString::number(m_calendar->shownYear()))));
}

void frmMonthSchedule::lstMonth_Click()
{
    guarded(QStringLiteral("lstMonth_Click"), traceArg(QStringLiteral("ListIndex"), lstMonth->currentIndex()),
            [&] { m_calendar->chooseMonth(lstMonth->currentIndex() + 1); });
    const QScopedValueRollback hold(m_loading, true);
    WeekScroll->setValue(m_calendar->weekOffset());
}

void frmMonthSchedule::lstYear_Click()
{
    guarded(QStringLiteral("lstYear_Click"), traceArg(QStringLiteral("Text"), lstYear->currentText()),
            [&] { m_calendar->chooseYear(lstYear->currentText().toInt()); });
    const QScopedValueRollback hold(m_loading, true);
    WeekScroll->setValue(m_calendar->weekOffset());
}

void frmMonthSchedule::WeekScroll_Change()
{
    guarded(QStringLiteral("WeekScroll_Change"), traceArg(QStringLiteral("Value"), WeekScroll->value()),
            [&] { m_calendar->scrollWeeks(WeekScroll->value()); });
}

void frmMonthSchedule::openEntry(const QDate& day, const QString& key)
{
    guarded(QStringLiteral("MonthGrid_DblClick"),
            traceArg(QStringLiteral("lcKey"), key) + traceArg(QStringLiteral("lcDate"), day), [&] {
                const qsizetype g = key.indexOf(QLatin1Char('G'));
                if (g >= 0) {
                    const int gameNo = key.mid(g + 1).toInt();
                    // The season editor holds season games only; a tournament game belongs to
                    // its bracket.
                    if (gameNo >= kFirstTournamentGameNo) {
                        prompter().message(tr("Game Schedule"),
                                           tr("Tournament games are changed in their tournament's bracket."),
                                           Prompter::Icon::Information);
                        return;
                    }
                    // What the editor saves comes back as a change notice, while it is open.
                    Modal<frmSchedule> editor(m_teamNo, m_numberOfGames, qint16(gameNo), this);
                    editor.exec();
                    return;
                }
                if (!openPractice)
                    return;
                openPractice(key.contains(QLatin1Char('P')) ? key : QString(), day);
            });
}

void frmMonthSchedule::MonthGrid_DblClick(const QDate& day, int entry)
{
    const QList<CalendarEntry>& entries = m_calendar->entriesOn(day);
    if (entry == -2 && entries.size() > 1) {
        chooseEntry(day);
        return;
    }
    QString key;
    if (entry >= 0 && entry < entries.size())
        key = entries.at(entry).key;
    else if (!entries.isEmpty())
        key = entries.first().key;
    openEntry(day, key);
}

void frmMonthSchedule::chooseEntry(const QDate& day)
{
    // Copied: opening an entry redraws the calendar under the menu's feet.
    const QList<CalendarEntry> entries = m_calendar->entriesOn(day);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("EntryMenu"));
    for (const CalendarEntry& e : entries)
        menu.addAction(menuText(e))->setData(e.key);
    const QModelIndex index = m_calendar->indexOf(day);
    const QPoint at = MonthGrid->viewport()->mapToGlobal(MonthGrid->visualRect(index).bottomLeft());
    if (QAction* chosen = menu.exec(at))
        openEntry(day, chosen->data().toString());
}

void frmMonthSchedule::setCurrentDay(const QDate& day)
{
    const QModelIndex index = m_calendar->indexOf(day);
    if (index.isValid())
        MonthGrid->setCurrentIndex(index);
}

bool frmMonthSchedule::moveDay(int days)
{
    const QDate target = currentDay().addDays(days);
    if (!m_calendar->indexOf(target).isValid()) {
        // Stepping off the five weeks carries the view a week along, as far as the scroller goes.
        const int next = WeekScroll->value() + (days > 0 ? 1 : -1);
        if (next < WeekScroll->minimum() || next > WeekScroll->maximum())
            return false;
        WeekScroll->setValue(next);
    }
    setCurrentDay(target);
    return true;
}

bool frmMonthSchedule::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == MonthGrid->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = mouse->position().toPoint();
        const QModelIndex index = MonthGrid->indexAt(pos);
        if (!index.isValid() || mouse->button() != Qt::LeftButton)
            return true;
        const QDate day = index.data(MonthCalendar::DateRole).toDate();
        const CellLayout l = layoutCell(MonthGrid->visualRect(index), QFontMetrics(MonthGrid->font()),
                                        int(m_calendar->entriesOn(day).size()));
        MonthGrid_DblClick(day, hitEntry(l, pos));
        return true;
    }
    if (watched == MonthGrid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            const QDate day = currentDay();
            if (m_calendar->entriesOn(day).size() > 1)
                chooseEntry(day);
            else
                MonthGrid_DblClick(day, -1);
            return true;
        }
        case Qt::Key_Left: moveDay(-1); return true;
        case Qt::Key_Right: moveDay(1); return true;
        case Qt::Key_Up: moveDay(-7); return true;
        case Qt::Key_Down: moveDay(7); return true;
        case Qt::Key_PageUp: WeekScroll->setValue(WeekScroll->value() - WeekScroll->pageStep()); return true;
        case Qt::Key_PageDown: WeekScroll->setValue(WeekScroll->value() + WeekScroll->pageStep()); return true;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace pw
