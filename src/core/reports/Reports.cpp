// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/reports/Reports.h"

#include "common/Formats.h"
#include "common/Trace.h"
#include "core/messaging/Notes.h"
#include "core/schedule/Schedule.h"
#include "core/teams/PlayerRules.h"
#include "core/teams/TeamProfile.h"
#include "data/Database.h"
#include "data/Fields.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace pw {

namespace {

// The translation context of the reports texts.
struct Reports {
    Q_DECLARE_TR_FUNCTIONS(Reports)
};

// The look shared by the reports: a bold centred title, a plain subtitle, tables in a size that
// keeps a season on one page.
constexpr double kTitleSize = 14;
constexpr double kSubtitleSize = 11;
constexpr double kTextSize = 10;
constexpr double kRowAir = 60;       // twips of air a table row has beyond its text
constexpr double kSectionGap = 240;  // twips between the parts of a report

bool isBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// A value the coach typed, for one line of print: breaks at either end dropped, breaks inside
// read as spaces (the words stay apart), control characters dropped and right-to-left text kept
// from turning its neighbours around. Each value goes through here on its own before values are
// put together, so that a direction override in one cannot reach into the next.
QString oneLine(const QString& typed)
{
    QString text = typed;
    while (!text.isEmpty() && isBreak(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && isBreak(text.back()))
        text.chop(1);
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n\\t]+"));
    text.replace(breaks, QStringLiteral(" "));
    return shownText(text);
}

QString oneLine(const QVariant& value)
{
    return oneLine(NullToText(value));
}

// Two parts joined by sep, or the one that is there.
QString joined(const QString& a, const QString& sep, const QString& b)
{
    if (a.trimmed().isEmpty())
        return b.trimmed();
    if (b.trimmed().isEmpty())
        return a.trimmed();
    return a.trimmed() + sep + b.trimmed();
}

// The column table from the given widths, kept in their proportions but narrowed to the
// printable width when the paper is narrower than their sum.
QList<double> columnsFor(const Printout& p, const QList<double>& widths)
{
    double total = 0;
    for (double w : widths)
        total += w;
    const double scale = total > 0 ? std::min(1.0, (p.right() - p.left()) / total) : 1.0;
    QList<double> cols{p.left()};
    for (double w : widths)
        cols << cols.last() + w * scale;
    return cols;
}

// The largest size up to largest (points, in half points, at least 7) at which each text fits its
// column of cols in the given style: the headings and the widest values a column is known to get
// (a date's long form), so that a font wider than the one the widths were made for still fits.
double sizeToFit(Printout& p, const QList<double>& cols, const QStringList& texts, int style, double largest)
{
    double size = largest;
    for (; size > 7; size -= 0.5) {
        p.setFont(size, style);
        bool fits = true;
        for (int i = 0; i < texts.size() && i + 1 < cols.size() && fits; ++i)
            fits = p.TextWidth(texts.at(i)) + 70 <= cols.at(i + 1) - cols.at(i);
        if (fits)
            break;
    }
    return size;
}

// The report's title and subtitle, centred; returns the Y below them.
double printTitle(Printout& p, const QString& title, const QString& subtitle, double y)
{
    const double centre = p.left() + p.halfWidth();
    p.PrintAt(title, kTitleSize, centre, y, Printout::Centre, Printout::Bold);
    y += p.TextHeight() + 40;
    if (!subtitle.isNull()) {
        p.PrintAt(subtitle, kSubtitleSize, centre, y, Printout::Centre, 0);
        y += p.TextHeight();
    }
    return y + kSectionGap;
}

// A table row of these reports: a cell too long for its column goes on to a second line (at a
// line break the report put in, else where the layer wraps it); what does not fit on two is
// shortened.
PagedTable::RowLook rowLook(double size = kTextSize)
{
    PagedTable::RowLook look;
    look.size = size;
    look.air = kRowAir;
    look.maxLines = 2;
    return look;
}

// A table under a shaded line of bold headings, kept with its first row: on a new page when not
// even the headings and one row fit below y. Returns the Y below the headings.
double startTable(PagedTable& t, const QStringList& heads, const PagedTable::RowLook& look, double y)
{
    t.headings = [&t, heads, look](double top) { return t.headingRow(top, heads, look); };
    return t.start(y, 2 * t.rowHeight(look));
}

TeamProfile teamOf(qint16 teamNo)
{
    return readTeamProfile(teamNo).value_or(TeamProfile{});
}

// "Fall 2026 (U10 G)".
QString seasonLine(const TeamProfile& t)
{
    return oneLine(t.season) + QStringLiteral(" (") + oneLine(t.ageDivision) + QLatin1Char(' ') + oneLine(t.sex) +
           QLatin1Char(')');
}

QString traceArgs(const Printout& p, qint16 teamNo)
{
    return traceArg(QStringLiteral("lcIsPreview"), p.isPreview()) + traceArg(QStringLiteral("lcTeamNo"), teamNo);
}

// The practice days of the team's week, "Tuesday: 5:30 PM-7:00 PM", Monday first.
QStringList practiceLines(const QString& stored)
{
    QStringList lines;
    if (stored.trimmed().isEmpty())
        return lines;
    const QString dayNames[] = {Reports::tr("Monday"), Reports::tr("Tuesday"), Reports::tr("Wednesday"),
                                Reports::tr("Thursday"), Reports::tr("Friday")};
    const PracticeWeek week = decodePracticeWeek(stored);
    for (size_t d = 0; d < week.size(); ++d) {
        if (!week[d].on)
            continue;
        const QString time = week[d].end.isEmpty() ? week[d].start : week[d].start + QLatin1Char('-') + week[d].end;
        lines << dayNames[d] + QStringLiteral(": ") + oneLine(time);
    }
    return lines;
}

}  // namespace

// ---------------------------------------------------------------- season schedule

void PrintSchedule(Printout& p, qint16 teamNo)
{
    PW_TRACE(QStringLiteral("PrintSchedule"), traceArgs(p, teamNo));
    const TeamProfile team = teamOf(teamNo);
    double y = printTitle(p, oneLine(team.teamName), seasonLine(team), p.top());

    const QList<double> cols = columnsFor(p, {600, 1800, 3000, 1000, 3300, 1200});
    const QStringList heads{Reports::tr("Game"), Reports::tr("Opponent Name"), Reports::tr("Date"),
                            Reports::tr("Time"), Reports::tr("Field"),         Reports::tr("Score")};
    // The widest date and time of any season (every month, every weekday), so that no date is
    // ever cut short.
    p.setFont(kTextSize, 0);
    QString widestDate;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 22; day <= 28; ++day) {
            const QString date = Format(QDate(2026, month, day), QStringLiteral("Long Date"));
            if (p.TextWidth(date) > p.TextWidth(widestDate))
                widestDate = date;
        }
    }
    const QString widestTime = Format(QDateTime(QDate(2000, 1, 1), QTime(12, 59)), QStringLiteral("h:Nn AMPM"));
    const double size = sizeToFit(p, cols, {QString(), QString(), widestDate, widestTime}, 0, kTextSize);
    PagedTable table(
        p, cols, {Printout::Centre, Printout::Left, Printout::Left, Printout::Left, Printout::Left, Printout::Left});
    const PagedTable::RowLook look = rowLook(size);
    y = startTable(table, heads, look, y);

    // Games without a date go last, as they would on any engine.
    QSqlQuery q = execSql(QStringLiteral("SELECT s.GameDate, s.GameTime, s.FieldName, o.OpponentName FROM Schedule s "
                                         "LEFT JOIN Opponent o ON o.TeamNo = s.TeamNo AND o.OpponentNo = s.OpponentNo "
                                         "WHERE s.TeamNo = ? "
                                         "ORDER BY CASE WHEN s.GameDate IS NULL THEN 1 ELSE 0 END, s.GameDate ASC, "
                                         "s.GameNo ASC"),
                          {teamNo});
    int number = 0;
    while (q.next()) {
        const QDateTime date = toDateTime(q.value(0));
        const QString storedTime = NullToText(q.value(1));
        const QTime time = parseGameTime(storedTime);
        y = table.row(y,
                      {QString::number(++number), oneLine(q.value(3)),
                       date.isValid() ? Format(date, QStringLiteral("Long Date")) : QString(),
                       time.isValid() ? Format(QDateTime(QDate(2000, 1, 1), time), QStringLiteral("h:Nn AMPM"))
                                      : oneLine(storedTime),
                       oneLine(q.value(2)), QString()},
                      look);
    }

    // Where the families find standings, directions and the rest.
    y += kSectionGap;
    p.setFont(kTextSize, 0);
    const double lineH = p.TextHeight() + 30;
    if (y + 3 * lineH > p.bottom()) {
        p.NextPage();
        y = p.top();
    }
    p.PrintAt(Reports::tr("For information about standings and directions to soccer fields,"), kTextSize, p.left(), y,
              0, 0);
    y += lineH;
    p.PrintAt(Reports::tr("go to the web-site: %1").arg(oneLine(team.webSite)), kTextSize, p.left(), y, 0, 0);
    y += lineH;
    p.PrintAt(Reports::tr("For General information, go to the web-site: %1").arg(oneLine(team.homePage)), kTextSize,
              p.left(), y, 0, 0);
}

// ---------------------------------------------------------------- roster hand-out

void PrintHandoutRoster(Printout& p, qint16 teamNo)
{
    PW_TRACE(QStringLiteral("PrintHandoutRoster"), traceArgs(p, teamNo));
    const TeamProfile team = teamOf(teamNo);
    double y = printTitle(p, oneLine(team.teamName), seasonLine(team), p.top());

    // The practice week, a line per practice day under its label.
    p.PrintAt(Reports::tr("Practice Schedule:"), kSubtitleSize, p.left(), y, 0, Printout::Bold);
    y += p.TextHeight() + 30;
    QStringList days = practiceLines(team.practiceSchedule);
    if (days.isEmpty())
        days << Reports::tr("No Practices Scheduled");
    p.setFont(kTextSize, 0);
    const double dayStep = p.TextHeight(Reports::tr("Practice")) + 30;
    for (const QString& line : std::as_const(days)) {
        p.PrintAt(line, kTextSize, p.left() + 1440, y, 0, 0);
        y += dayStep;
    }
    y += kSectionGap;

    const QList<double> widths{1000, 3000, 2000, 2000, 3300};
    const QList<double> cols = columnsFor(p, widths);
    PagedTable players(p, cols, {Printout::Centre, Printout::Left, Printout::Left, Printout::Left, Printout::Left});
    const PagedTable::RowLook look = rowLook();
    y = startTable(players,
                   {Reports::tr("No."), Reports::tr("Player Name"), Reports::tr("Phone"), Reports::tr("Parents"),
                    Reports::tr("E-mail")},
                   look, y);
    QSqlQuery q =
        execSql(QStringLiteral("SELECT JerseyNo, PlayerLastName, PlayerFirstName, PhoneNo, MomFirstName, "
                               "MomLastName, DadFirstName, DadLastName, Email FROM Player WHERE TeamNo = ? "
                               "ORDER BY LOWER(PlayerLastName) ASC, LOWER(PlayerFirstName) ASC, PlayerNo ASC"),
                {teamNo});
    while (q.next()) {
        const QString mom = joined(oneLine(q.value(4)), QStringLiteral(" "), oneLine(q.value(5)));
        const QString dad = joined(oneLine(q.value(6)), QStringLiteral(" "), oneLine(q.value(7)));
        // Both parents on one line when they fit, else the father under the mother.
        QString parents = joined(mom, QStringLiteral(" / "), dad);
        p.setFont(look.size, 0);
        if (p.TextWidth(parents) > cols[4] - cols[3] - 70 && !mom.isEmpty() && !dad.isEmpty())
            parents = mom + QStringLiteral(" /\n") + dad;
        y = players.row(y,
                        {oneLine(q.value(0)), oneLine(q.value(1)) + QStringLiteral(", ") + oneLine(q.value(2)),
                         oneLine(q.value(3)), parents, oneLine(q.value(8))},
                        look);
    }

    // The coaches under the same rules, their name across the number and name columns.
    y += kSectionGap;
    PagedTable coaches(p, {cols[0], cols[2], cols[3], cols[4], cols[5]},
                       {Printout::Left, Printout::Left, Printout::Left, Printout::Left});
    y = startTable(coaches,
                   {Reports::tr("Coaches"), Reports::tr("Phone"), Reports::tr("Alt Phone"), Reports::tr("E-Mail")},
                   look, y);
    for (const CoachInfo& c : team.coaches) {
        if ((c.name + c.phone + c.mobile + c.email).trimmed().isEmpty())
            continue;
        y = coaches.row(y, {oneLine(c.name), oneLine(c.phone), oneLine(c.mobile), oneLine(c.email)}, look);
    }
}

// ---------------------------------------------------------------- official roster

namespace {

// The league's form lines; the blanks are filled in over their underscores.
const char* const kLeagueLine = QT_TRANSLATE_NOOP(
    "Reports", "LEAGUE: _________________________________________________________________ OFFICIAL TEAM ROSTER "
               "FOR ____________________________________________________SEASON");
const char* const kTeamLine =
    QT_TRANSLATE_NOOP("Reports", "TEAM NAME: ________________________________________________________ CLUB NAME: "
                                 "______________________________________TEAM NUMBER: ___________________________");
const char* const kTeamKindLine = QT_TRANSLATE_NOOP(
    "Reports", "(  )BOYS TEAM OR (  )GIRLS TEAM:  TEAM AGE DIVISION ______________  TEAM COLORS:  JERSEY "
               "__________________  SHORTS ____________ ALTERNATE JERSEY ___________");
const char* const kFirstLastHeading = QT_TRANSLATE_NOOP("Reports", "FIRST NAME                    LAST NAME");

constexpr double kFormSize = 9;     // the form lines, at most; smaller when the paper is narrow
constexpr double kRosterSize = 9;   // the player lines
constexpr double kHeadingSize = 8;  // the column headings
constexpr double kRosterAir = 140;  // room on each player line for a correction in ink

class OfficialRoster {
public:
    OfficialRoster(Printout& p, const TeamProfile& team)
        : m_p(p)
        , m_team(team)
        , m_lines{Reports::tr(kLeagueLine), Reports::tr(kTeamLine), Reports::tr(kTeamKindLine)}
    {
        // The longest form line sets the size of all three, so that each stays on its line.
        m_formSize = kFormSize;
        for (;;) {
            m_p.setFont(m_formSize, 0);
            double widest = 0;
            for (const QString& line : std::as_const(m_lines))
                widest = std::max(widest, m_p.TextWidth(line));
            if (widest <= m_p.right() - m_p.left() || m_formSize <= 5)
                break;
            m_formSize -= 0.5;
        }
    }

    // The association and the three form lines; returns the Y below them.
    double head(double y)
    {
        m_p.setFontName(QStringLiteral("Arial Black"));
        m_p.PrintAt(oneLine(m_team.league), 16, m_p.left() + m_p.halfWidth(), y, Printout::Centre, Printout::Bold);
        y += m_p.TextHeight() + 80;
        m_p.setFontName(QStringLiteral("Arial"));

        const QString sex = m_team.sex.trimmed();
        formLine(m_lines[0], {m_team.league, m_team.season}, y);
        y += formStep();
        formLine(m_lines[1], {m_team.teamName, m_team.clubName}, y);
        y += formStep();
        formLine(m_lines[2], {m_team.ageDivision, m_team.jerseyColor, m_team.shortsColor, m_team.altColor}, y);
        // The X in the boys' box for a boys' team, in the girls' box otherwise.
        const QString& kind = m_lines[2];
        const qsizetype box = sex.compare(QLatin1String("B"), Qt::CaseInsensitive) == 0
                                  ? kind.indexOf(QLatin1Char('('))
                                  : kind.indexOf(QLatin1Char('('), kind.indexOf(QLatin1Char(')')));
        if (box >= 0) {
            m_p.setFont(m_formSize, 0);
            const double from = m_p.left() + m_p.TextWidth(kind.left(box + 1));
            const double to = m_p.left() + m_p.TextWidth(kind.left(kind.indexOf(QLatin1Char(')'), box)));
            m_p.PrintAt(QStringLiteral("X"), m_formSize, (from + to) / 2, y, Printout::Centre, Printout::Bold);
        }
        return y + formStep() + 160;
    }

    double formStep()
    {
        m_p.setFont(m_formSize, 0);
        return m_p.TextHeight() + 120;
    }

    // A form line with the values written over its blanks, in order.
    void formLine(const QString& line, const QStringList& values, double y)
    {
        m_p.PrintAt(line, m_formSize, m_p.left(), y, 0, 0);
        static const QRegularExpression blank(QStringLiteral("_+"));
        auto it = blank.globalMatch(line);
        for (const QString& value : values) {
            if (!it.hasNext())
                break;
            const QRegularExpressionMatch m = it.next();
            const QString text = oneLine(value);
            if (text.isEmpty())
                continue;
            // The blank is measured in the line's own font, the value in its bold one.
            m_p.setFont(m_formSize, 0);
            const double from = m_p.left() + m_p.TextWidth(line.left(m.capturedStart())) + 60;
            const double to = m_p.left() + m_p.TextWidth(line.left(m.capturedEnd())) - 60;
            m_p.setFont(m_formSize, Printout::Bold);
            m_p.PrintAt(m_p.elided(text, to - from), m_formSize, from, y, 0, Printout::Bold);
        }
    }

    // Line number, jersey, first and last name, phone, street, zip, birth date, age. The first
    // name column is as wide as the heading's run from "FIRST NAME" to "LAST NAME", so that the
    // heading's one line stands over both columns.
    QList<double> columns()
    {
        m_p.setFont(kHeadingSize, Printout::Bold);
        const QString heading = Reports::tr(kFirstLastHeading);
        const double first = m_p.TextWidth(heading.left(heading.lastIndexOf(QStringLiteral("  ")) + 2));
        QList<double> widths{550, 850, first, 2300, 1700, 0, 1000, 1400, 700};
        double fixed = 0;
        for (double w : widths)
            fixed += w;
        widths[5] = std::max(1500.0, m_p.right() - m_p.left() - fixed);
        return columnsFor(m_p, widths);
    }

    // The two heading lines; "PLAYER'S NAME" over both name columns.
    double headings(PagedTable& t, double y)
    {
        const QList<double>& c = t.bounds();
        m_p.setFont(kHeadingSize, Printout::Bold);
        const double lineH = m_p.TextHeight() + 20;
        const double height = 2 * lineH + kRowAir;
        t.shade(y, height);
        const double mid = y + lineH + kRowAir / 2;
        const double bottom = y + height;
        t.rules(y, 0);
        for (int i = 0; i < c.size(); ++i)
            m_p.drawLine(c[i], i == 3 ? mid : y, c[i], bottom);
        m_p.drawLine(c[2], mid, c[4], mid);
        t.rules(bottom, 0);

        const double line1 = mid;
        const double line2 = bottom;
        const double single = (line1 + line2) / 2;
        auto cell = [&](const char* text, int col, double rowPos) {
            t.cell(Reports::tr(text), col, Printout::Centre, rowPos);
        };
        cell(QT_TRANSLATE_NOOP("Reports", "JERSEY"), 1, line1);
        cell(QT_TRANSLATE_NOOP("Reports", "NO."), 1, line2);
        m_p.PrintAt(Reports::tr("PLAYER'S NAME"), kHeadingSize, (c[2] + c[4]) / 2, line1 - 10 - m_p.TextHeight(),
                    Printout::Centre, Printout::Bold);
        m_p.PrintAt(Reports::tr(kFirstLastHeading), kHeadingSize, c[2] + 30, line2 - 10 - m_p.TextHeight(), 0,
                    Printout::Bold);
        cell(QT_TRANSLATE_NOOP("Reports", "PHONE"), 4, single);
        cell(QT_TRANSLATE_NOOP("Reports", "STREET NUMBER AND NAME"), 5, single);
        cell(QT_TRANSLATE_NOOP("Reports", "ZIP"), 6, line1);
        cell(QT_TRANSLATE_NOOP("Reports", "CODE"), 6, line2);
        cell(QT_TRANSLATE_NOOP("Reports", "DATE OF"), 7, line1);
        cell(QT_TRANSLATE_NOOP("Reports", "BIRTH"), 7, line2);
        cell(QT_TRANSLATE_NOOP("Reports", "AGE"), 8, single);
        return bottom;
    }

    // The coaches' lines and the league's approval, under the players.
    double closing(const PagedTable& players, double y)
    {
        const QList<double>& c = players.bounds();
        y += 200;
        PagedTable coaches(m_p, {c[0], c[2], c[4], c[5], c[6], c[7]}, QList<int>(5, Printout::Left));
        coaches.pageHead = [this](double top) { return head(top); };
        const PagedTable::RowLook look = rowLook(kRosterSize);
        m_p.setFont(kTextSize, Printout::Bold);
        const double labelH = m_p.TextHeight();
        const double blockH = 3 * coaches.rowHeight(look) + 200 + 2 * (labelH + 80) + 700 + labelH;
        // The coaches, the approval and the signatures stay together.
        y = coaches.keep(y, blockH);
        coaches.rules(y, 0);
        for (int n = 0; n < 3; ++n) {
            const CoachInfo& coach = m_team.coaches[size_t(n)];
            y = coaches.row(y,
                            {n == 0 ? Reports::tr("COACH") : Reports::tr("ASST COACH"), oneLine(coach.name),
                             oneLine(coach.phone), oneLine(coach.address), oneLine(coach.zip)},
                            look);
        }

        y += 200;
        m_p.PrintAt(Reports::tr("TEAM ROSTER CLUB APPROVAL"), kTextSize, m_p.left(), y, 0, Printout::Bold);
        y += labelH + 80;
        m_p.PrintAt(Reports::tr("TEAM ROSTER APPROVED THROUGH LINE __________"), m_formSize, m_p.left(), y, 0, 0);
        y += labelH + 80 + 600;
        // Three signature lines with their labels under them.
        const double width = m_p.right() - m_p.left();
        const struct {
            const char* label;
            double from;
            double to;
        } signatures[] = {{QT_TRANSLATE_NOOP("Reports", "HEAD COACH"), 0, 0.38},
                          {QT_TRANSLATE_NOOP("Reports", "Date"), 0.42, 0.56},
                          {QT_TRANSLATE_NOOP("Reports", "DISTRICT REPRESENTATIVE"), 0.6, 1.0}};
        for (const auto& s : signatures) {
            m_p.drawLine(m_p.left() + s.from * width, y, m_p.left() + s.to * width, y);
            m_p.PrintAt(Reports::tr(s.label), m_formSize, m_p.left() + s.from * width, y + 40, 0, 0);
        }
        return y + 40 + labelH;
    }

private:
    Printout& m_p;
    const TeamProfile& m_team;
    QStringList m_lines;
    double m_formSize = kFormSize;
};

}  // namespace

void PrintOfficialRoster(Printout& p, qint16 teamNo)
{
    PW_TRACE(QStringLiteral("PrintOfficialRoster"), traceArgs(p, teamNo));
    const TeamProfile team = teamOf(teamNo);
    OfficialRoster form(p, team);
    double y = form.head(p.top());

    PagedTable players(p, form.columns(),
                       {Printout::Right, Printout::Centre, Printout::Left, Printout::Left, Printout::Left,
                        Printout::Left, Printout::Left, Printout::Left, Printout::Centre});
    const PagedTable::RowLook look = rowLook(kRosterSize);
    // Every page of the form says whose roster it is.
    players.pageHead = [&form](double top) { return form.head(top); };
    players.headings = [&form, &players](double top) { return form.headings(players, top); };
    y = players.start(y, 2 * players.rowHeight(look));

    // Oldest first; players without a birth date after them.
    QSqlQuery q = execSql(QStringLiteral("SELECT JerseyNo, PlayerFirstName, PlayerLastName, PhoneNo, Address, ZipCode, "
                                         "BirthDate FROM Player WHERE TeamNo = ? "
                                         "ORDER BY CASE WHEN BirthDate IS NULL THEN 1 ELSE 0 END, BirthDate ASC, "
                                         "LOWER(PlayerLastName) ASC, PlayerNo ASC"),
                          {teamNo});
    int line = 0;
    while (q.next()) {
        const QDate born = toDateTime(q.value(6)).date();
        y = players.row(y,
                        {QString::number(++line) + QLatin1Char('.'), oneLine(q.value(0)), oneLine(q.value(1)),
                         oneLine(q.value(2)), oneLine(q.value(3)), oneLine(q.value(4)), oneLine(q.value(5)),
                         born.isValid() ? Format(born, QStringLiteral("Short Date")) : QString(),
                         born.isValid() ? QString::number(CalculateAge(born)) : QString()},
                        look);
    }
    form.closing(players, y);
}

// ---------------------------------------------------------------- player notes

namespace {

struct NoteRow {
    QString priority;
    QString text;
    bool checked = false;
};

// The note's text as lines no wider than width: paragraphs at its line breaks, each wrapped by
// the print layer; control characters dropped, each line kept from turning its neighbours round.
QStringList noteLines(const Printout& p, const QString& note, double width)
{
    QString text = note;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    while (text.startsWith(QLatin1Char('\n')))
        text.remove(0, 1);
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    QStringList lines;
    for (QString paragraph : text.split(QLatin1Char('\n'))) {
        paragraph.replace(QLatin1Char('\t'), QLatin1Char(' '));
        paragraph.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
        for (const QString& line : p.ParseText(paragraph, width))
            lines << shownText(line);
    }
    return lines;
}

// One note as a row of the notes table: priority and status by its first line, the text in as
// many lines as it takes. A note that does not fit here goes to the next page whole, unless it is
// longer than a page: then it fills this one and goes on over. Returns the Y below it.
double printNote(PagedTable& table, const NoteRow& note, double y)
{
    Printout& p = table.printout();
    p.setFont(kTextSize, 0);
    const double lineH = p.TextHeight() + 20;
    const double textX = table.x(1) + 30;
    const double textW = table.x(2) - table.x(1) - 70;
    // A little narrower than the cell: the isolating marks around right-to-left lines must not
    // make the layer wrap a planned line a second time.
    const QStringList lines = noteLines(p, note.text, textW - 20);
    y = table.keep(y, double(lines.size()) * lineH + kRowAir);
    qsizetype done = 0;
    while (done < lines.size()) {
        const auto fit = qsizetype(std::floor((p.bottom() - y - kRowAir) / lineH));
        if (fit < 1) {
            y = table.newPage();
            continue;
        }
        const qsizetype count = std::min(fit, lines.size() - done);
        const double rowTop = y;
        const double textTop = rowTop + kRowAir / 2;
        p.setFont(kTextSize, 0);
        if (done == 0) {
            const double firstLine = textTop + p.TextHeight() + 10;
            table.cell(note.priority, 0, Printout::Centre, firstLine);
            if (note.checked)
                table.cell(QStringLiteral("X"), 2, Printout::Centre, firstLine);
        }
        double lineY = textTop;
        for (qsizetype i = done; i < done + count; ++i)
            lineY = p.MultiLinePrint(lines.at(i), textW, textX, lineY, lineH);
        y = rowTop + double(count) * lineH + kRowAir;
        table.rules(y, y - rowTop);
        done += count;
    }
    return y;
}

}  // namespace

void PrintPlayerNotes(Printout& p, qint16 teamNo, qint16 playerNo)
{
    PW_TRACE(QStringLiteral("PrintPlayerNotes"),
             traceArgs(p, teamNo) + traceArg(QStringLiteral("lcPlayerNo"), playerNo));
    Where scope{{QStringLiteral("TeamNo"), teamNo}};
    if (playerNo != 0)
        scope.add(QStringLiteral("PlayerNo"), playerNo);

    // Every note of the players at once, by player and priority; then the players by name.
    QHash<qint16, QList<NoteRow>> notes;
    QSqlQuery n = execSql(QStringLiteral("SELECT PlayerNo, Priority, Note, Checked FROM PlayerNotes%1 "
                                         "ORDER BY PlayerNo ASC, CASE WHEN Priority IS NULL THEN 1 ELSE 0 END, "
                                         "Priority ASC, NoteID ASC")
                              .arg(scope.clause()),
                          scope.values());
    while (n.next())
        notes[NullToInt(n.value(0))] << NoteRow{oneLine(n.value(1)), NullToText(n.value(2)), n.value(3).toBool()};

    QSqlQuery q = execSql(QStringLiteral("SELECT PlayerNo, PlayerFirstName, PlayerLastName FROM Player%1 "
                                         "ORDER BY LOWER(PlayerLastName) ASC, LOWER(PlayerFirstName) ASC, PlayerNo ASC")
                              .arg(scope.clause()),
                          scope.values());
    bool firstPlayer = true;
    while (q.next()) {
        // Each player's notes start on a page of their own, so that a page can go home with the
        // player without anyone else's notes on it.
        if (!firstPlayer)
            p.NextPage();
        firstPlayer = false;
        const QString title = Reports::tr("Notes for %1 %2").arg(oneLine(q.value(1)), oneLine(q.value(2)));
        double y = printTitle(p, title, QString(), p.top());

        const double side = 1100;
        PagedTable table(p, columnsFor(p, {side, p.right() - p.left() - 2 * side, side}),
                         {Printout::Centre, Printout::Left, Printout::Centre});
        table.pageHead = [&p, title](double top) { return printTitle(p, title, QString(), top); };
        y = startTable(table, {Reports::tr("Priority"), Reports::tr("Note"), Reports::tr("Status")}, rowLook(), y);
        for (const NoteRow& note : notes.value(NullToInt(q.value(0))))
            y = printNote(table, note, y);
    }
}

void PrintMessage(Printout& p, qint16 teamNo, qint32 noteId)
{
    PW_TRACE(QStringLiteral("PrintMessage"), traceArgs(p, teamNo) + traceArg(QStringLiteral("lcNoteID"), noteId));
    const std::optional<TeamNote> note = readTeamNote(teamNo, noteId);
    if (!note)
        throw PwError(err::DatabaseQuery, Reports::tr("The note to print is no longer there."));
    double y = printTitle(p, Reports::tr("Message from the Coach"), QString(), p.top());
    p.PrintAt(Reports::tr("Subject: %1").arg(oneLine(note->subject)), kSubtitleSize, p.left(), y, Printout::Left,
              Printout::Bold);
    y += p.TextHeight() + kSectionGap;
    p.setFont(kTextSize, 0);
    const double rowH = p.TextHeight() + 30;
    y = p.MultiLinePrint(shownLines(note->note), p.right() - p.left(), p.left(), y, rowH) + kSectionGap;
    // A plain note is never sent; its date of writing stands in for the date sent.
    const QString date = note->dateSent.isValid()
                             ? Reports::tr("Date Sent: %1").arg(Format(note->dateSent, QStringLiteral("Long Date")))
                             : Reports::tr("Written: %1").arg(Format(note->dateWritten, QStringLiteral("Long Date")));

    if (y + rowH > p.bottom()) {
        p.NextPage();
        y = p.top();
    }
    p.PrintAt(date, kTextSize, p.left(), y, Printout::Left, 0);
}

}  // namespace pw
