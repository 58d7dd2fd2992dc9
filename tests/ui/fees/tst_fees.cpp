// SPDX-License-Identifier: GPL-3.0-or-later
// The fees window: each player's amount against an even share of the team's fee, typed in place,
// refused when it is no amount, and stored together when the window closes.
#include "TestSupport.h"

#include "core/fees/Fees.h"
#include "ui/fees/dlgMoney.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace pw;
using namespace pwtest;

class TestFees : public StoreTest {
    Q_OBJECT

private:
    static double paid(int playerNo)
    {
        return GetDBData(QStringLiteral("Player"),
                         {{QStringLiteral("TeamNo"), 1}, {QStringLiteral("PlayerNo"), playerNo}},
                         QStringLiteral("AmountPaid"))
            .toDouble();
    }
    static QString label(QWidget* w, const char* name) { return child<QLabel>(w, name)->text(); }

private Q_SLOTS:
    // Comets: a fee of 300 and twelve players, Adams having paid 25.50; Rockets: no players.
    void init()
    {
        env.reset();
        emptyTables();
        addTeam(1, QStringLiteral("Comets"), fields(QStringLiteral("ManageFees TeamAmount"), {true, 300.0}));
        addTeam(2, QStringLiteral("Rockets"), fields(QStringLiteral("ManageFees TeamAmount"), {true, 120.0}));
        for (int p = 1; p <= 12; ++p)
            addPlayer(1, p, QStringLiteral("Player%1").arg(p, 2, 10, QLatin1Char('0')), QStringLiteral("Kid"), p,
                      fields(QStringLiteral("AmountPaid"), {p == 1 ? QVariant(25.5) : QVariant()}));
    }

    void sharesTotalsAndTheEmptyTeam()
    {
        const TeamFees comets = readFees(1);
        QCOMPARE(comets.lines.size(), 12);
        QCOMPARE(comets.playerFee(), 25.0);
        QCOMPARE(comets.totalPaid(), 25.5);
        QCOMPARE(comets.difference(), -274.5);
        dlgMoney empty(2);
        QCOMPARE(label(&empty, "lblPlayerFee"), QStringLiteral("$0.00"));  // no players: nothing to share
        QCOMPARE(label(&empty, "lblTeamFee"), QStringLiteral("$120.00"));
    }

    void amountsAreTypedInPlaceAndStoredOnClose()
    {
        dlgMoney w(1);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(label(&w, "lblPlayerFee"), QStringLiteral("$25.00"));
        QCOMPARE(label(&w, "lblTotal"), QStringLiteral("$25.50"));
        FeeModel& m = w.model();
        QCOMPARE(m.data(m.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("$0.00"));

        // Typed into the cell: the totals follow at once.
        auto* grid = child<QTableView>(&w, "MoneyList");
        grid->setFocus();
        grid->setCurrentIndex(m.index(1, 1));
        auto* editor = grid->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("$1,000.5"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(label(&w, "lblTotal"), QStringLiteral("$1,026.00"));  // the editor hands over on the next turn
        QCOMPARE(label(&w, "lblDiff"), QStringLiteral("$726.00"));
        screenshot(&w, QStringLiteral("fees"));

        // Not an amount: refused in place with a message, and the cell keeps what it had.
        QVERIFY(!m.setData(m.index(2, 1), QStringLiteral("ten"), Qt::EditRole));
        QVERIFY(!m.setData(m.index(2, 1), QStringLiteral("-5"), Qt::EditRole));
        QCOMPARE(env.prompter.shown.size(), 2);
        QVERIFY(env.prompter.shown.first().text.contains(QStringLiteral("\"ten\" is not an amount")));
        QCOMPARE(m.lines()[2].amountPaid, 0.0);
        QVERIFY(m.setData(m.index(0, 1), QString(), Qt::EditRole));  // emptied: nothing paid
        QCOMPARE(paid(2), 0.0);                                      // nothing stored before Close

        // "ten" still being typed when Close is pressed: refused, and the window stays on that cell.
        grid->setCurrentIndex(m.index(3, 1));
        auto* typing = grid->findChild<QLineEdit*>();
        QVERIFY(typing);
        typing->selectAll();
        QTest::keyClicks(typing, QStringLiteral("ten"));
        child<QPushButton>(&w, "CancelButton")->click();
        QVERIFY(w.isVisible());
        QCOMPARE(grid->currentIndex(), m.index(3, 1));
        QCOMPARE(paid(2), 0.0);

        child<QPushButton>(&w, "CancelButton")->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(paid(1), 0.0);
        QCOMPARE(paid(2), 1000.5);
    }

    void aFailedStoreKeepsTheWindowAndChangesNothing()
    {
        dlgMoney w(1);
        w.show();
        QVERIFY(w.model().setData(w.model().index(3, 1), QStringLiteral("40"), Qt::EditRole));
        QVERIFY(w.model().setData(w.model().index(4, 1), QStringLiteral("40"), Qt::EditRole));
        {
            // The store refuses the fifth player's row: the fourth's must not be kept either.
            const Refusal refusal(QStringLiteral("Player"), QStringLiteral("UPDATE"),
                                  QStringLiteral("NEW.PlayerNo = 5"));
            w.CancelButton_Click();
            QVERIFY(w.isVisible());
        }
        QCOMPARE(paid(4), 0.0);
        QCOMPARE(paid(5), 0.0);
        env.prompter.clear();
    }
};

QTEST_MAIN(TestFees)
#include "tst_fees.moc"
