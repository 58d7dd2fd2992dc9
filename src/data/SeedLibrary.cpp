// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SeedLibrary.h"

#include "common/Trace.h"
#include "data/Database.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace pw {

namespace {

[[noreturn]] void fault(const QString& where, const QString& what)
{
    throw PwError(err::DatabaseCreate, QStringLiteral("Drill library: %1: %2").arg(where, what));
}

QStringList disciplines(int type)
{
    if (type == 0) {
        return {QStringLiteral("Warmup"),  QStringLiteral("Defending"),  QStringLiteral("Attacking"),
                QStringLiteral("Passing"), QStringLiteral("Transition"), QStringLiteral("Conditioning")};
    }
    return {QStringLiteral("Attacking"), QStringLiteral("Defending")};
}

QStringList stages(int type)
{
    if (type == 0)
        return {QStringLiteral("Fundamental"), QStringLiteral("Match Related"), QStringLiteral("Match Conditions")};
    return {QStringLiteral("Individual (1 v 1)"), QStringLiteral("Small Group (2 v 1,2 v 2,3 v 2,3 v 3,etc/)"),
            QStringLiteral("Large Group (6 v 4 through 11 v 11)")};
}

int intIn(const QJsonObject& o, const QString& key, int lo, int hi, const QString& where)
{
    const QJsonValue v = o.value(key);
    if (!v.isDouble())
        fault(where, QStringLiteral("\"%1\" is missing or not a number").arg(key));
    const int n = v.toInt();
    if (n < lo || n > hi)
        fault(where, QStringLiteral("\"%1\" = %2 is outside %3..%4").arg(key).arg(n).arg(lo).arg(hi));
    return n;
}

QString textOf(const QJsonObject& o, const QString& key, int maxLength, const QString& where)
{
    const QString s = o.value(key).toString();
    if (maxLength > 0 && s.size() > maxLength)
        fault(where, QStringLiteral("\"%1\" is longer than %2 characters").arg(key).arg(maxLength));
    return s;
}

// The drill's markers (GnomeType 1), numbered from 1 in the order of the file.
void insertMarkers(const QSqlDatabase& db, int id, const QJsonObject& d, const QString& where, int markerSize)
{
    int markerNo = 0;
    for (const QJsonValue& mv : d.value(QStringLiteral("markers")).toArray()) {
        const QJsonObject m = mv.toObject();
        const QString mw = where + QStringLiteral(" marker %1").arg(markerNo + 1);
        const int kind = intIn(m, QStringLiteral("kind"), 0, 8, mw);
        const int x = intIn(m, QStringLiteral("x"), 0, kDrillFieldWidth - markerSize, mw);
        const int y = intIn(m, QStringLiteral("y"), 0, kDrillFieldHeight - markerSize, mw);
        execSql(db,
                QStringLiteral("INSERT INTO DrillData (DrillID, GnomeType, BaseGnomeNo, FieldGnomeNo, GnomeXPos, "
                               "GnomeYPos) VALUES (?, 1, ?, ?, ?, ?)"),
                {id, kind, ++markerNo, x, y});
    }
}

// The drill's lines, numbered from 0; only a curved line (kind 4) has a middle point.
void insertLines(const QSqlDatabase& db, int id, const QJsonObject& d, const QString& where)
{
    int lineNo = 0;
    for (const QJsonValue& lv : d.value(QStringLiteral("lines")).toArray()) {
        const QJsonObject l = lv.toObject();
        const QString lw = where + QStringLiteral(" line %1").arg(lineNo);
        const int kind = intIn(l, QStringLiteral("kind"), 2, 4, lw);
        const int style = intIn(l, QStringLiteral("style"), 0, 2, lw);
        const int x1 = intIn(l, QStringLiteral("x1"), 0, kDrillFieldWidth, lw);
        const int y1 = intIn(l, QStringLiteral("y1"), 0, kDrillFieldHeight, lw);
        const int x2 = intIn(l, QStringLiteral("x2"), 0, kDrillFieldWidth, lw);
        const int y2 = intIn(l, QStringLiteral("y2"), 0, kDrillFieldHeight, lw);
        int mx = 0;
        int my = 0;
        if (kind == 4) {
            mx = intIn(l, QStringLiteral("mx"), 0, kDrillFieldWidth, lw);
            my = intIn(l, QStringLiteral("my"), 0, kDrillFieldHeight, lw);
        }
        execSql(db,
                QStringLiteral("INSERT INTO DrillData (DrillID, GnomeType, FieldGnomeNo, X1, Y1, X2, Y2, MX, MY, "
                               "PassType) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {id, kind, lineNo++, x1, y1, x2, y2, mx, my, style});
    }
}

}  // namespace

int loadDrillLibrary(const QString& jsonPath, const QSqlDatabase& db)
{
    PW_TRACE(QStringLiteral("loadDrillLibrary"), traceArg(QStringLiteral("Path"), jsonPath));
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly))
        fault(jsonPath, file.errorString());
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (doc.isNull())
        fault(jsonPath, parseError.errorString());
    const QJsonObject root = doc.object();
    const int markerSize =
        root.value(QStringLiteral("field")).toObject().value(QStringLiteral("markerSize")).toInt(240);

    Transaction tx(db);
    execSql(db, QStringLiteral("DELETE FROM DrillData WHERE DrillID < ?"), {1000});
    execSql(db, QStringLiteral("DELETE FROM DrillBook WHERE DrillID < ?"), {1000});
    QSet<int> seen;
    int count = 0;
    for (const QJsonValue& dv : root.value(QStringLiteral("drills")).toArray()) {
        const QJsonObject d = dv.toObject();
        const QString where = QStringLiteral("drill %1").arg(d.value(QStringLiteral("id")).toInt());
        const int id = intIn(d, QStringLiteral("id"), 1, 999, where);
        if (seen.contains(id))
            fault(where, QStringLiteral("the number is used twice"));
        seen.insert(id);
        const int type = intIn(d, QStringLiteral("type"), 0, 1, where);
        const QString name = textOf(d, QStringLiteral("name"), 50, where);
        if (name.trimmed().isEmpty())
            fault(where, QStringLiteral("the name is empty"));
        const QString discipline = textOf(d, QStringLiteral("discipline"), 50, where);
        if (!disciplines(type).contains(discipline))
            fault(where, QStringLiteral("discipline \"%1\" does not belong to its type").arg(discipline));
        const QString stage = textOf(d, QStringLiteral("stage"), 50, where);
        if (!stages(type).contains(stage))
            fault(where, QStringLiteral("stage \"%1\" does not belong to its type").arg(stage));

        execSql(db,
                QStringLiteral("INSERT INTO DrillBook (DrillID, DrillName, Description, Discipline, Explanation, "
                               "Development, DrillType, Stage) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                {id, name, textOf(d, QStringLiteral("description"), 255, where), discipline,
                 textOf(d, QStringLiteral("explanation"), 0, where), textOf(d, QStringLiteral("development"), 0, where),
                 type, stage});

        insertMarkers(db, id, d, where, markerSize);
        insertLines(db, id, d, where);
        ++count;
    }
    tx.commit();
    return count;
}

}  // namespace pw
