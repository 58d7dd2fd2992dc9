// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program finds its shipped files and helper programs, installed and in the build tree.
#include "TestSupport.h"

#include "common/AppPaths.h"

#include <QDir>
#include <QFile>

using namespace pw;
using namespace pwtest;

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

}  // namespace

class TestAppPaths : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        setHelperFolder(QString());
        setDataFolder(QString());
    }

    // The same lookups answer for a program in the build tree (everything beside it) and for an
    // installed one (<prefix>/bin, <prefix>/share/pitchwise, <prefix>/libexec/pitchwise).
    void installedFilesWinOverTheOnesBesideTheProgram()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString build = dir.filePath(QStringLiteral("build/bin"));
        touch(build + QStringLiteral("/BaseDB.db"));
        touch(build + QStringLiteral("/help/index.html"));
        touch(build + QStringLiteral("/pwmail"));
        QCOMPARE(dataPath(build, QStringLiteral("BaseDB.db")), build + QStringLiteral("/BaseDB.db"));
        QCOMPARE(dataPath(build, QStringLiteral("help/index.html")), build + QStringLiteral("/help/index.html"));
        QCOMPARE(helperProgram(build, QStringLiteral("pwmail")), build + QStringLiteral("/pwmail"));
        QVERIFY(!runsFromSystemPackage(build));

        const QString prefix = dir.filePath(QStringLiteral("usr"));
        const QString bin = prefix + QStringLiteral("/bin");
        touch(bin + QStringLiteral("/pitchwise"));
        touch(prefix + QStringLiteral("/share/pitchwise/BaseDB.db"));
        touch(prefix + QStringLiteral("/share/pitchwise/help/index.html"));
        touch(prefix + QStringLiteral("/libexec/pitchwise/pwmail"));
        QCOMPARE(dataPath(bin, QStringLiteral("BaseDB.db")), prefix + QStringLiteral("/share/pitchwise/BaseDB.db"));
        QCOMPARE(dataPath(bin, QStringLiteral("help/index.html")),
                 prefix + QStringLiteral("/share/pitchwise/help/index.html"));
        QCOMPARE(helperProgram(bin, QStringLiteral("pwmail")), prefix + QStringLiteral("/libexec/pitchwise/pwmail"));
        // Nothing installed under that name: the answer is the build tree's place, which the caller
        // then reports as missing.
        QCOMPARE(dataPath(bin, QStringLiteral("translations")), bin + QStringLiteral("/translations"));
        QCOMPARE(helperProgram(bin, QStringLiteral("pwupdate")), bin + QStringLiteral("/pwupdate"));

        // `cmake --install` alone is not a system package; the package's marker makes it one.
        QVERIFY(!runsFromSystemPackage(bin));
        touch(prefix + QStringLiteral("/share/pitchwise/packaged"));
        QVERIFY(runsFromSystemPackage(bin));
    }

    // Tests point the helper programs and shipped files at the build tree; the running program's
    // own lookups stay on its folder otherwise.
    void theFoldersCanBeNamed()
    {
        setDataFolder(QStringLiteral("/somewhere/bin"));
        QCOMPARE(dataPath(QStringLiteral("help/index.html")), QStringLiteral("/somewhere/bin/help/index.html"));
        setDataFolder(QString());
        setHelperFolder(QStringLiteral("/somewhere/bin"));
        QCOMPARE(helperProgram(QStringLiteral("pwmail")), QStringLiteral("/somewhere/bin/pwmail"));
        QCOMPARE(toolProgram(QStringLiteral("pwmail")), QStringLiteral("/somewhere/bin/pwmail"));
        setHelperFolder(QString());
        QCOMPARE(QFileInfo(helperProgram(QStringLiteral("pwmail"))).absolutePath(),
                 QCoreApplication::applicationDirPath());
        QCOMPARE(dataPath(QStringLiteral("BaseDB.db")),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/BaseDB.db"));
        QVERIFY(!runsFromSystemPackage());
    }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
