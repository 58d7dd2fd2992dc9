// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/Startup.h"
#include "common/AppState.h"
#include "common/Trace.h"
#include "core/schedule/TeamCalendar.h"
#include "core/teams/RosterCsv.h"
#include "data/Backup.h"
#include "data/Database.h"
#include "data/Secrets.h"
#include "data/Settings.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace pw {

namespace {

// The translation context of the command line's texts.
struct CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLineText)
};

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kDatabase = QStringLiteral("database");

// Options the Qt application takes for itself; they are let through, and not shown in --help.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},     {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},       {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true}, {"reverse", false},           {"session", true},
    {"style", true},        {"stylesheet", true},         {"widgetcount", false},
    {"display", true},      {"geometry", true},           {"nograb", false},
    {"dograb", false},
};

QString say(const char* text)
{
    return QCoreApplication::translate("CommandLineText", text);
}

// The value names as --help and the messages show them: "TEAMNO OUT.ics".
QString valueText(const OptionRow& row)
{
    return row.valueNames.join(QLatin1Char(' '));
}

QString optionText(const OptionRow& row)
{
    QStringList names;
    for (const QString& n : row.names)
        names << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
    const QString values = valueText(row);
    return names.join(QStringLiteral(", ")) + (values.isEmpty() ? QString() : QLatin1Char(' ') + values);
}

// The arguments that follow the option of row (and its value) on the raw command line, as many
// as the row takes after its value.
QStringList argumentsAfter(const QStringList& raw, const OptionRow& row)
{
    const int wanted = static_cast<int>(row.valueNames.size()) - 1;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QString a = raw.at(i);
        for (const QString& name : row.names) {
            for (const QString& dash : {QStringLiteral("--"), QStringLiteral("-")}) {
                const QString option = dash + name;
                qsizetype next = -1;
                if (a == option)
                    next = i + 2;  // its value comes next, then the arguments
                else if (a.startsWith(option + QLatin1Char('=')))
                    next = i + 1;
                if (next < 0)
                    continue;
                QStringList out;
                for (qsizetype k = next; k < raw.size() && out.size() < wanted; ++k) {
                    if (raw.at(k).startsWith(QLatin1Char('-')) && raw.at(k).size() > 1)
                        break;
                    out << raw.at(k);
                }
                return out;
            }
        }
    }
    return {};
}

// The words TEST and DEBUG among the arguments left once the options took theirs.
QString readWords(const QStringList& words, CommandLine& line)
{
    for (const QString& w : words) {
        const QString upper = w.toUpper();
        const bool debug = upper.contains(QLatin1String("DEBUG"));
        const bool test = upper.contains(QLatin1String("TEST"));
        if (!debug && !test)
            return CommandLineText::tr("unknown argument \"%1\"; the words the program takes are TEST and DEBUG")
                .arg(w);
        line.debug = line.debug || debug;
        line.test = line.test || test;
    }
    return {};
}

// Picks the batch action out of the parsed options, with its values.
QString readBatch(const QCommandLineParser& parser, const QStringList& raw, QStringList& words, CommandLine& line)
{
    for (const OptionRow& row : optionRows()) {
        if ((!row.batch && !row.fileBatch) || !parser.isSet(row.names.constLast()))
            continue;
        if (line.batch)
            return CommandLineText::tr("--%1 and --%2 cannot be run together; run one at a time")
                .arg(line.batch->names.constLast(), row.names.constLast());
        line.batch = &row;
        line.values = QStringList{parser.value(row.names.constLast())} + argumentsAfter(raw, row);
        if (line.values.size() < row.valueNames.size())
            return CommandLineText::tr("--%1 needs %2").arg(row.names.constLast(), valueText(row));
        for (qsizetype i = 1; i < line.values.size(); ++i)
            words.removeOne(line.values.at(i));
    }
    return {};
}

void print(std::FILE* to, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

// The roster import for scripts stores all or nothing; the reasons, one a line, are the error.
void importRosterOrThrow(qint16 teamNo, const QString& path)
{
    QStringList errors;
    if (importRosterFile(teamNo, path, &errors) != 0)
        throw PwError(err::BadArgument,
                      CommandLineText::tr("nothing was imported:\n%1").arg(errors.join(QLatin1Char('\n'))));
}

void backupFileOrThrow(const DbLocation& location, const QString& out)
{
    if (location.engine != Engine::SQLite)
        throw PwError(err::BadArgument, serverBackupText());
    copyDatabaseFile(location.path, out);
}

// A failure's reason on standard error, each of its lines marked with the program's name.
void printFailure(const QString& description)
{
    const QStringList lines = description.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& l : lines)
        print(stderr, QStringLiteral("pitchwise: %1\n").arg(l.simplified()));
}

}  // namespace

const QList<OptionRow>& optionRows()
{
    // One row an option; a row with a batch function is an action for scripts.
    static const QList<OptionRow> rows{
        {{QStringLiteral("h"), kHelp}, {}, QT_TRANSLATE_NOOP("CommandLineText", "Show this help and end.")},
        {{QStringLiteral("v"), kVersion},
         {},
         QT_TRANSLATE_NOOP("CommandLineText", "Show the program's version and end.")},
        {{kDatabase},
         {QStringLiteral("FILE|URL")},
         QT_TRANSLATE_NOOP("CommandLineText", "Open this database (a database file or a postgresql:// address) for "
                                              "this run only; the settings keep the usual one.")},
        {{QStringLiteral("export-calendar")},
         {QStringLiteral("TEAMNO"), QStringLiteral("OUT.ics")},
         QT_TRANSLATE_NOOP("CommandLineText", "Write the team's games and practices to an iCalendar file, "
                                              "without a window, and end."),
         [](const QStringList& v) { exportTeamCalendar(teamNumberValue(v.at(0)), v.at(1)); }},
        {{QStringLiteral("export-roster")},
         {QStringLiteral("TEAMNO"), QStringLiteral("OUT.csv")},
         QT_TRANSLATE_NOOP("CommandLineText", "Write the team's players with their families' details to a CSV "
                                              "file, without a window, and end."),
         [](const QStringList& v) { writeRosterFile(teamNumberValue(v.at(0)), v.at(1), false); }},
        {{QStringLiteral("import-roster")},
         {QStringLiteral("TEAMNO"), QStringLiteral("IN.csv")},
         QT_TRANSLATE_NOOP("CommandLineText", "Read players from a CSV file into the team, all or nothing: "
                                              "any row in error stores nothing and every error is listed."),
         [](const QStringList& v) { importRosterOrThrow(teamNumberValue(v.at(0)), v.at(1)); }},
        {{QStringLiteral("backup")},
         {QStringLiteral("OUT.db")},
         QT_TRANSLATE_NOOP("CommandLineText", "Write a complete copy of the database file (never half a file), "
                                              "without a window, and end."),
         {},
         [](const DbLocation& location, const QStringList& v) { backupFileOrThrow(location, v.at(0)); }},
    };
    return rows;
}

CommandLine parseCommandLine(const QStringList& argumentsWithoutProgram)
{
    CommandLine line;
    QCommandLineParser parser;
    // "-platform offscreen" is one option with a value, as Qt reads it, not the letters p, l, a, …
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow& row : optionRows())
        parser.addOption(QCommandLineOption(row.names, QString(), row.valueNames.value(0)));
    for (const QtOption& o : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(o.name), QString(),
                                  o.takesValue ? QStringLiteral("value") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    if (!parser.parse(QStringList{QStringLiteral("pitchwise")} + argumentsWithoutProgram)) {
        line.error = parser.errorText();
        return line;
    }
    line.help = parser.isSet(kHelp);
    line.version = parser.isSet(kVersion);
    if (parser.isSet(kDatabase)) {
        line.database = parser.value(kDatabase).trimmed();
        if (line.database.isEmpty())
            line.error = CommandLineText::tr("--database needs a database file or a postgresql:// address");
    }
    QStringList words = parser.positionalArguments();
    if (line.error.isEmpty())
        line.error = readBatch(parser, argumentsWithoutProgram, words, line);
    if (line.error.isEmpty())
        line.error = readWords(words, line);
    if (line.error.isEmpty() && !line.database.isEmpty()) {
        try {
            DbLocation::parse(line.database);
        } catch (const PwError& e) {
            line.error = CommandLineText::tr("--database %1: %2").arg(maskedValue({}, line.database), e.description());
        }
    }
    return line;
}

QString commandLineHelp()
{
    QStringList out{CommandLineText::tr("Usage: pitchwise [OPTION…] [TEST] [DEBUG]"),
                    CommandLineText::tr("Keeps a youth soccer team's season: players, games, line-ups, practices."),
                    QString(), CommandLineText::tr("Options:")};
    for (const OptionRow& row : optionRows())
        out << QStringLiteral("  %1\n        %2").arg(optionText(row), say(row.help));
    out << QString() << CommandLineText::tr("Words:")
        << QStringLiteral("  TEST\n        %1")
               .arg(CommandLineText::tr("Open the test database beside the usual one (Pitchwise_Test.db beside "
                                        "Pitchwise.db, made when missing); the settings are not changed."))
        << QStringLiteral("  DEBUG\n        %1")
               .arg(CommandLineText::tr("Let errors stop the program with their trace instead of being caught."));
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

qint16 teamNumberValue(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > 32767)
        throw PwError(err::BadArgument, CommandLineText::tr("\"%1\" is not a team number").arg(text));
    return static_cast<qint16>(n);
}

int runBatch(const CommandLine& line)
{
    if (!line.batch)
        return 0;
    try {
        // The recorded database is only read: a run for a script never writes a setting.
        const QString address = line.database.isEmpty() ? ReadSettingText(QStringLiteral("mdbFile")) : line.database;
        if (address.trimmed().isEmpty() || address == QLatin1String("0"))
            throw PwError(err::DatabaseOpen,
                          CommandLineText::tr("no database is set up; name one with --database FILE|URL"));
        DbLocation location = DbLocation::parse(address);
        completeFromKeyring(location);
        if (line.test)
            location = location.testVariant();
        if (line.batch->fileBatch) {
            line.batch->fileBatch(location, line.values);
            return 0;
        }
        openAndCheck(location);
        try {
            line.batch->batch(line.values);
        } catch (...) {
            Db::closeShared();
            throw;
        }
        Db::closeShared();
        return 0;
    } catch (const PwError& e) {
        printFailure(e.description());
        return kExitFailed;
    }
}

}  // namespace pw
