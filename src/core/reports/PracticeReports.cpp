// SPDX-License-Identifier: GPL-3.0-or-later
// The practice agenda: the session's header and timed rows, then its drills on sheets four to a
// page.
#include "core/reports/PracticeReports.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/practice/DrillDiagram.h"
#include "core/practice/DrillPainter.h"
#include "core/practice/PracticeSession.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/SeedLibrary.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>

#include <algorithm>

namespace pw {

namespace {

// The translation context of the reports texts.
struct Reports {
    Q_DECLARE_TR_FUNCTIONS(Reports)
};

constexpr double kTitleSize = 14;
constexpr double kHeaderSize = 11;
constexpr double kRowSize = 8;       // small enough that a line fits its 200 twips
constexpr double kLineHeight = 200;  // twips per printed line of an agenda row
constexpr double kRowAir = 100;      // twips each agenda row has beyond its lines
constexpr double kCellPad = 30;      // text stands this far in from a column's left rule
constexpr double kGap = 240;

constexpr double kSheetMargin = 150;  // inside each quarter page
constexpr double kSheetNameSize = 12;
constexpr double kSheetTextSize = 8;
constexpr double kSheetLine = 190;
constexpr double kSheetGap = 60;        // between the three texts
constexpr double kDiagramShare = 0.45;  // of the quarter's height below the name

// The lines text needs in width twips of the current font: paragraphs at line breaks, each
// wrapped.
QStringList wrapped(const Printout& p, const QString& text, double width)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    while (t.endsWith(QLatin1Char('\n')))
        t.chop(1);
    if (t.trimmed().isEmpty())
        return {};
    QStringList lines;
    for (const QString& paragraph : t.split(QLatin1Char('\n'))) {
        const QStringList parts = p.ParseText(paragraph, width);
        lines << (parts.isEmpty() ? QStringList{QString()} : parts);
    }
    return lines;
}

// The last line that still fits ends in an ellipsis when lines had to be left off.
QStringList cut(QStringList lines, qsizetype most)
{
    if (most < 0)
        most = 0;
    if (lines.size() > most) {
        lines = lines.mid(0, most);
        if (!lines.isEmpty())
            lines.last() += QChar(0x2026);
    }
    return lines;
}

struct Column {
    QString head;
    double from;
    double to;
};

// The agenda's table: shaded headings repeated on every page, rows of wrapped lines kept on one
// page each.
class AgendaTable {
public:
    AgendaTable(Printout& p, QList<Column> cols)
        : m_p(p)
        , m_cols(std::move(cols))
        , m_table(p, bounds(m_cols))
    {
        m_table.headings = [this](double y) { return headings(y); };
    }

    double start(double y) { return m_table.start(y); }

    double row(double y, const QStringList& cells)
    {
        m_p.setFont(kRowSize, 0);
        // A row never runs longer than a page below the headings.
        const qsizetype most =
            std::max<qsizetype>(1, qsizetype((m_p.bottom() - m_p.top() - 2 * (kLineHeight + kRowAir)) / kLineHeight));
        QList<QStringList> lines;
        qsizetype tallest = 1;
        for (int i = 0; i < m_cols.size(); ++i) {
            lines << cut(wrapped(m_p, cells.value(i), m_cols.at(i).to - m_cols.at(i).from - 2 * kCellPad), most);
            tallest = std::max(tallest, lines.last().size());
        }
        const double height = double(tallest) * kLineHeight + kRowAir;
        y = m_table.keep(y, height);
        for (int i = 0; i < lines.size(); ++i) {
            for (qsizetype k = 0; k < lines.at(i).size(); ++k)
                m_p.PrintAt(lines.at(i).at(k), kRowSize, m_cols.at(i).from + kCellPad,
                            y + kRowAir / 2 + double(k) * kLineHeight, Printout::Left, 0);
        }
        m_table.rules(y + height, height);
        return y + height;
    }

private:
    static QList<double> bounds(const QList<Column>& cols)
    {
        QList<double> rules;
        for (const Column& c : cols)
            rules << c.from;
        rules << cols.last().to;
        return rules;
    }

    double headings(double y)
    {
        const double h = kLineHeight + kRowAir;
        m_table.shade(y, h);
        m_table.rules(y, 0);
        // Bold headings are wider than the rows' text: the whole set goes smaller until each
        // fits its narrow column.
        double size = kRowSize;
        for (bool fits = false; !fits && size > 6; size -= 0.5) {
            m_p.setFont(size, Printout::Bold);
            fits = std::all_of(m_cols.begin(), m_cols.end(),
                               [&](const Column& c) { return m_p.TextWidth(c.head) <= c.to - c.from - 2 * kCellPad; });
            if (fits)
                break;
        }
        for (const Column& c : m_cols)
            m_p.PrintAt(c.head, size, c.from + kCellPad, y + kRowAir / 2, Printout::Left, Printout::Bold);
        m_table.rules(y + h, h);
        return y + h;
    }

    Printout& m_p;
    QList<Column> m_cols;
    PagedTable m_table;
};

QString timeRange(const PracticeSession& s)
{
    if (s.start == kNoTime && s.end == kNoTime)
        return {};
    return slotTimeText(s.start) + QStringLiteral(" - ") + slotTimeText(s.end);
}

// The three texts of a drill sheet as wrapped lines, and how far they are printed: a sheet prints
// what fits, and the rest goes on in the same quarter of the next page.
struct SheetTexts {
    QString name;
    QList<QStringList> bodies;  // Purpose, Description, Development: the lines still to print
    QList<bool> begun;          // the text's heading is printed already
    int next = 0;               // the first text not printed to its end

    bool done() const { return next >= bodies.size(); }
    qsizetype linesLeft() const
    {
        qsizetype n = 0;
        for (qsizetype i = next; i < bodies.size(); ++i)
            n += bodies.at(i).size();
        return n;
    }
};

QStringList sheetHeadings()
{
    return {Reports::tr("Purpose:"), Reports::tr("Description:"), Reports::tr("Development:")};
}

// Prints the texts from y down to bottom at x, each heading with at least its first line; the
// last line says that the sheet goes on when not everything fits.
void flowTexts(Printout& p, SheetTexts& t, double x, double y, double bottom)
{
    const QStringList headings = sheetHeadings();
    double needed = 0;
    for (qsizetype i = t.next; i < t.bodies.size(); ++i)
        needed += double(1 + t.bodies.at(i).size()) * kSheetLine + kSheetGap;
    const bool fits = y + needed - kSheetGap <= bottom;
    const double last = fits ? bottom : bottom - kSheetLine;
    while (!t.done()) {
        QStringList& body = t.bodies[t.next];
        if (y + kSheetLine * (body.isEmpty() ? 1 : 2) > last)
            break;
        QString heading = headings.value(t.next);
        if (t.begun.at(t.next))
            heading = Reports::tr("%1 (continued):").arg(heading.chopped(1));
        p.PrintAt(heading, kSheetTextSize, x, y, Printout::Left, Printout::Bold);
        t.begun[t.next] = true;
        y += kSheetLine;
        while (!body.isEmpty() && y + kSheetLine <= last) {
            p.PrintAt(body.takeFirst(), kSheetTextSize, x + 120, y, Printout::Left, 0);
            y += kSheetLine;
        }
        if (!body.isEmpty())
            break;
        ++t.next;
        y += kSheetGap;
    }
    if (!t.done())
        p.PrintAt(Reports::tr("(continued on the next page)"), kSheetTextSize, x, last, Printout::Left,
                  Printout::Italic);
}

// The frame and the name of a sheet in the quarter page at (offX, offY); gives back where the
// name ends.
double sheetTop(Printout& p, const QString& name, double offX, double offY)
{
    const QRectF quarter(offX, offY, p.halfWidth(), p.halfHeight());
    p.drawRect(quarter.adjusted(40, 40, -40, -40), 10);
    double y = offY + kSheetMargin;
    p.setFont(kSheetNameSize, Printout::Bold);
    for (const QString& line : cut(wrapped(p, name, p.halfWidth() - 2 * kSheetMargin), 2)) {
        p.PrintAt(line, kSheetNameSize, offX + kSheetMargin, y, Printout::Left, Printout::Bold);
        y += p.TextHeight();
    }
    return y + 60;
}

// One drill sheet in the quarter page at (offX, offY): name, diagram and as much of the texts as
// fits. Gives back the texts with what is still to print.
SheetTexts printSheet(Printout& p, const Drill& drill, double offX, double offY)
{
    const double x = offX + kSheetMargin;
    const double width = p.halfWidth() - 2 * kSheetMargin;
    const double bottom = offY + p.halfHeight() - kSheetMargin;
    double y = sheetTop(p, drill.name, offX, offY);

    // The field at full scale where the quarter is wide enough, else as wide as it is, and never
    // more than half of what is left below the name, so that the texts keep their room.
    const double fieldWidth = std::min<double>(width, kDrillFieldWidth);
    const double fieldHeight =
        std::min(fieldWidth * kDrillFieldHeight / kDrillFieldWidth, (bottom - y) * kDiagramShare);
    const QRectF diagram(x, y, width, fieldHeight);
    p.painter().save();
    paintDrill(p.painter(), drill.diagram, diagram, false);
    p.painter().restore();
    y = diagram.bottom() + 120;

    p.setFont(kSheetTextSize, 0);
    SheetTexts t{drill.name,
                 {wrapped(p, drill.description, width - 120), wrapped(p, drill.explanation, width - 120),
                  wrapped(p, drill.development, width - 120)},
                 {false, false, false}};
    flowTexts(p, t, x, y, bottom);
    return t;
}

// The rest of a sheet's texts in the quarter page at (offX, offY), under the drill's name.
void printContinuation(Printout& p, SheetTexts& t, double offX, double offY)
{
    const double y = sheetTop(p, Reports::tr("%1 (continued)").arg(t.name), offX, offY);

    p.setFont(kSheetTextSize, 0);
    flowTexts(p, t, offX + kSheetMargin, y, offY + p.halfHeight() - kSheetMargin);
}

// Pages of continuations, each sheet going on in its own quarter, until every text is printed.
void continueSheets(Printout& p, QMap<int, SheetTexts> rests)
{
    while (!rests.isEmpty()) {
        p.NextPage();
        for (auto it = rests.begin(); it != rests.end();) {
            const qsizetype before = it->linesLeft();
            const int next = it->next;
            printContinuation(p, *it, p.left() + (it.key() % 2) * p.halfWidth(),
                              p.top() + (it.key() / 2) * p.halfHeight());
            // A quarter too small to take a single line would never be done.
            const bool stuck = it->linesLeft() == before && it->next == next;
            it = it->done() || stuck ? rests.erase(it) : std::next(it);
        }
    }
}

// The drill sheets: each in the quarter its row number gives (rows 1, 5, 9, … top left, then top
// right, bottom left, bottom right), a page for each four rows that hold a drill.
void printDrillSheets(Printout& p, const PracticeSession& s)
{
    // The agenda's drills are read together, not one by one.
    QList<qint32> ids;
    for (const AgendaRow& r : s.rows) {
        if (r.drillId > 0 && !ids.contains(r.drillId))
            ids << r.drillId;
    }
    QHash<qint32, Drill> drills;
    for (const Drill& d : loadDrills(ids))
        drills.insert(d.id, d);
    QMap<int, QList<QPair<int, qint32>>> pages;
    for (qsizetype i = 0; i < s.rows.size(); ++i) {
        if (drills.contains(s.rows.at(i).drillId))
            pages[int(i / 4)] << qMakePair(int(i % 4), s.rows.at(i).drillId);
    }
    for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
        p.NextPage();
        QMap<int, SheetTexts> rests;
        for (const auto& [quarter, drillId] : it.value()) {
            SheetTexts t = printSheet(p, drills.value(drillId), p.left() + (quarter % 2) * p.halfWidth(),
                                      p.top() + (quarter / 2) * p.halfHeight());
            if (!t.done())
                rests.insert(quarter, t);
        }
        // Texts too long for their quarter go on behind their sheets, before the next four.
        continueSheets(p, rests);
    }
}

}  // namespace

void PrintPracticeAgenda(Printout& p, qint16 teamNo, qint32 practiceId)
{
    PW_TRACE(QStringLiteral("PrintPracticeAgenda"), traceArg(QStringLiteral("lcPreview"), p.isPreview()) +
                                                        traceArg(QStringLiteral("TeamNo"), teamNo) +
                                                        traceArg(QStringLiteral("PracticeID"), practiceId));
    const std::optional<PracticeSession> session = loadPracticeSession(teamNo, practiceId);
    const double centre = p.left() + p.halfWidth();
    double y = p.top();
    p.PrintAt(Reports::tr("Agenda"), kTitleSize, centre, y, Printout::Centre, Printout::Bold);
    y += p.TextHeight() + 60;
    if (!session)
        return;
    const PracticeSession& s = *session;

    // The header: whose practice, when, and what kind.
    QStringList header{
        GetDBData(QStringLiteral("Teams"), Where{{QStringLiteral("TeamNo"), teamNo}}, QStringLiteral("TeamName")),
        s.date.isValid() ? Format(s.date, QStringLiteral("Long Date")) : QString(), timeRange(s)};
    if (s.teamMeeting)
        header << Reports::tr("Team Meeting");
    for (const QString& line : std::as_const(header)) {
        if (line.trimmed().isEmpty())
            continue;
        p.PrintAt(line, kHeaderSize, centre, y, Printout::Centre, 0);
        y += p.TextHeight();
    }
    y += kGap;

    // The rules stand 1200, 1200, 1500 and 1500 twips apart; the wide last column takes the
    // text that runs longest.
    const double x0 = p.left();
    const double b1 = x0 + 1200;
    const double b2 = b1 + 1200;
    const double b3 = b2 + 1500;
    const double b4 = b3 + 1500;
    const double xr = std::max(p.right(), b4 + 1500);
    QList<Column> cols;
    if (s.teamMeeting)
        cols = {{Reports::tr("Time"), x0, b1}, {Reports::tr("Agenda Item"), b1, b3}, {Reports::tr("Notes"), b3, xr}};
    else
        cols = {{Reports::tr("Time"), x0, b1},
                {Reports::tr("Drill/Evolution"), b1, b2},
                {Reports::tr("Discipline"), b2, b3},
                {Reports::tr("Coach"), b3, b4},
                {Reports::tr("Description"), b4, xr}};
    AgendaTable table(p, cols);
    y = table.start(y);
    for (const AgendaRow& r : s.rows) {
        if (r.time == kNoTime && r.isEmpty())
            continue;  // the spare row the grid keeps for the next drill
        const QString time = slotTimeText(r.time);
        if (s.teamMeeting)
            y = table.row(y, {time, r.agendaItem, r.agendaNotes});
        else
            y = table.row(y, {time, r.drillName, drillWordText(r.discipline), coachText(r.coach), r.description});
    }

    if (s.teamMeeting)
        return;
    printDrillSheets(p, s);
}

void PrintDrill(Printout& p, qint32 drillId, double offX, double offY)
{
    PW_TRACE(QStringLiteral("PrintDrill"), traceArg(QStringLiteral("lcDrillID"), drillId) +
                                               traceArg(QStringLiteral("lcOffX"), offX) +
                                               traceArg(QStringLiteral("lcOffY"), offY));
    const std::optional<Drill> drill = loadDrill(drillId);
    if (!drill)
        return;
    SheetTexts t = printSheet(p, *drill, offX, offY);
    // The rest on the next pages, in the same place.
    while (!t.done()) {
        const qsizetype before = t.linesLeft();
        const int next = t.next;
        p.NextPage();
        printContinuation(p, t, offX, offY);
        if (t.linesLeft() == before && t.next == next)
            break;
    }
}

}  // namespace pw
