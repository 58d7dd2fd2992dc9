// The practice agenda: the session's header and timed rows, then its drills on sheets four to a
// page.
#include "reports/PracticeReports.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "data/Database.h"
#include "data/Fields.h"
#include "data/SeedLibrary.h"
#include "practice/DrillDiagram.h"
#include "practice/DrillPainter.h"
#include "practice/PracticeSession.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>

#include <algorithm>

namespace pw {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("pw::PracticeReports", text);
}

constexpr double kTitleSize = 14;
constexpr double kHeaderSize = 11;
constexpr double kRowSize = 8;      // small enough that a line fits its 200 twips
constexpr double kLineHeight = 200; // twips per printed line of an agenda row
constexpr double kRowAir = 100;     // twips each agenda row has beyond its lines
constexpr double kCellPad = 30;     // text stands this far in from a column's left rule
constexpr double kGap = 240;

constexpr double kSheetMargin = 150; // inside each quarter page
constexpr double kSheetNameSize = 12;
constexpr double kSheetTextSize = 8;
constexpr double kSheetLine = 190;
constexpr double kSheetGap = 60;       // between the three texts
constexpr double kDiagramShare = 0.45; // of the quarter's height below the name

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

class AgendaTable {
public:
    AgendaTable(Printout& p, QList<Column> cols)
        : m_p(p)
        , m_cols(std::move(cols))
    {
        m_p.colPos.clear();
        for (const Column& c : m_cols)
            m_p.colPos << c.from;
        m_p.colPos << m_cols.last().to;
        m_rules = m_p.colPos;
    }

    double headings(double y)
    {
        m_p.colPos = m_rules;
        const double h = kLineHeight + kRowAir;
        m_p.fillRect(QRectF(m_rules.first(), y, m_rules.last() - m_rules.first(), h), QColor(232, 232, 232));
        m_p.DrawColumnLines(y, 0, 0);
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
        m_p.DrawColumnLines(y + h, h, int(m_cols.size()));
        return y + h;
    }

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
        if (y + height > m_p.bottom()) {
            m_p.NextPage();
            y = headings(m_p.top());
        }
        for (int i = 0; i < lines.size(); ++i) {
            for (qsizetype k = 0; k < lines.at(i).size(); ++k)
                m_p.PrintAt(lines.at(i).at(k), kRowSize, m_cols.at(i).from + kCellPad,
                            y + kRowAir / 2 + double(k) * kLineHeight, Printout::Left, 0);
        }
        m_p.colPos = m_rules;
        m_p.DrawColumnLines(y + height, height, int(m_cols.size()));
        return y + height;
    }

private:
    Printout& m_p;
    QList<Column> m_cols;
    QList<double> m_rules;
};

QString timeRange(const PracticeSession& s)
{
    if (s.start == kNoTime && s.end == kNoTime)
        return {};
    return slotTimeText(s.start) + QStringLiteral(" - ") + slotTimeText(s.end);
}

// One drill sheet in the quarter page at (offX, offY).
void printSheet(Printout& p, const Drill& drill, double offX, double offY)
{
    const QRectF quarter(offX, offY, p.halfWidth(), p.halfHeight());
    p.drawRect(quarter.adjusted(40, 40, -40, -40), 10);
    const double x = offX + kSheetMargin;
    const double width = p.halfWidth() - 2 * kSheetMargin;
    const double bottom = quarter.bottom() - kSheetMargin;
    double y = offY + kSheetMargin;

    p.setFont(kSheetNameSize, Printout::Bold);
    for (const QString& line : cut(wrapped(p, drill.name, width), 2)) {
        p.PrintAt(line, kSheetNameSize, x, y, Printout::Left, Printout::Bold);
        y += p.TextHeight();
    }
    y += 60;

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

    const QStringList labels{tr("Purpose:"), tr("Description:"), tr("Development:")};
    p.setFont(kSheetTextSize, 0);
    QList<QStringList> bodies{wrapped(p, drill.description, width - 120), wrapped(p, drill.explanation, width - 120),
                              wrapped(p, drill.development, width - 120)};
    // Long texts share the room below the diagram by their lengths, so that each of the three
    // keeps its heading and a start; what does not fit ends in an ellipsis.
    const qsizetype room = qsizetype((bottom - y - 3 * kSheetGap) / kSheetLine) - labels.size();
    qsizetype needed = 0;
    for (const QStringList& body : bodies)
        needed += body.size();
    if (needed > room) {
        for (QStringList& body : bodies)
            body = cut(body, std::max<qsizetype>(1, room * body.size() / std::max<qsizetype>(1, needed)));
    }
    for (int i = 0; i < labels.size(); ++i) {
        if (y + kSheetLine > bottom)
            break;
        p.PrintAt(labels.at(i), kSheetTextSize, x, y, Printout::Left, Printout::Bold);
        y += kSheetLine;
        for (const QString& line : cut(bodies.at(i), qsizetype((bottom - y) / kSheetLine))) {
            p.PrintAt(line, kSheetTextSize, x + 120, y, Printout::Left, 0);
            y += kSheetLine;
        }
        y += kSheetGap;
    }
}

} // namespace

void PrintPracticeAgenda(Printout& p, qint16 teamNo, qint32 practiceId)
{
    PW_TRACE(QStringLiteral("PrintPracticeAgenda"), traceArg(QStringLiteral("lcPreview"), p.isPreview()) +
                                                        traceArg(QStringLiteral("TeamNo"), teamNo) +
                                                        traceArg(QStringLiteral("PracticeID"), practiceId));
    const std::optional<PracticeSession> session = loadPracticeSession(teamNo, practiceId);
    const double centre = p.left() + p.halfWidth();
    double y = p.top();
    p.PrintAt(tr("Agenda"), kTitleSize, centre, y, Printout::Centre, Printout::Bold);
    y += p.TextHeight() + 60;
    if (!session)
        return;
    const PracticeSession& s = *session;

    // The header: whose practice, when, and what kind.
    QStringList header{
        GetDBData(QStringLiteral("Teams"), Where{{QStringLiteral("TeamNo"), teamNo}}, QStringLiteral("TeamName")),
        s.date.isValid() ? Format(s.date, QStringLiteral("Long Date")) : QString(), timeRange(s)};
    if (s.teamMeeting)
        header << tr("Team Meeting");
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
        cols = {{tr("Time"), x0, b1}, {tr("Agenda Item"), b1, b3}, {tr("Notes"), b3, xr}};
    else
        cols = {{tr("Time"), x0, b1},
                {tr("Drill/Evolution"), b1, b2},
                {tr("Discipline"), b2, b3},
                {tr("Coach"), b3, b4},
                {tr("Description"), b4, xr}};
    AgendaTable table(p, cols);
    y = table.headings(y);
    for (const AgendaRow& r : s.rows) {
        if (r.time == kNoTime && r.isEmpty())
            continue; // the spare row the grid keeps for the next drill
        const QString time = slotTimeText(r.time);
        if (s.teamMeeting)
            y = table.row(y, {time, r.agendaItem, r.agendaNotes});
        else
            y = table.row(y, {time, r.drillName, r.discipline, r.coach, r.description});
    }

    if (s.teamMeeting)
        return;
    // The drill sheets: each in the quarter its row number gives (rows 1, 5, 9, … top left, then
    // top right, bottom left, bottom right), a page for each four rows that hold a drill.
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
        for (const auto& [quarter, drillId] : it.value())
            printSheet(p, drills.value(drillId), p.left() + (quarter % 2) * p.halfWidth(),
                       p.top() + (quarter / 2) * p.halfHeight());
    }
}

void PrintDrill(Printout& p, qint32 drillId, double offX, double offY)
{
    PW_TRACE(QStringLiteral("PrintDrill"), traceArg(QStringLiteral("lcDrillID"), drillId) +
                                               traceArg(QStringLiteral("lcOffX"), offX) +
                                               traceArg(QStringLiteral("lcOffY"), offY));
    if (const std::optional<Drill> drill = loadDrill(drillId))
        printSheet(p, *drill, offX, offY);
}

} // namespace pw
