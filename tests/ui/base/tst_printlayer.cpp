// SPDX-License-Identifier: GPL-3.0-or-later
// The print layer on a recording device: where text lands, in which font, how lines wrap and
// pages turn, and what happens when a PDF cannot be written; and the preview window paging
// through a printout, printing and saving it (a PDF that cannot be written is told there).
#include "TestSupport.h"

#include "core/print/PrintLayer.h"
#include "ui/base/FieldConfig.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QPaintEngine>
#include <QPicture>
#include <QPrinterInfo>
#include <QTextItem>

using namespace pw;
using namespace pwtest;

namespace {

struct Drawn {
    QString text;
    QPointF at;  // baseline start, twips
    QFont font;
    int page = 1;
};

// A page device at 1440 dots per inch, so its units are twips, that keeps what was drawn.
class RecordingEngine : public QPaintEngine {
public:
    QList<Drawn>* drawn = nullptr;
    int* page = nullptr;
    qsizetype* fontChanges = nullptr;
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& changed) override
    {
        if (changed.state() & DirtyFont)
            ++*fontChanges;
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        drawn->append({item.text(), p, item.font(), *page});
    }
    Type type() const override { return User; }
};

class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice() { m_engine.drawn = &drawn, m_engine.page = &page, m_engine.fontChanges = &fontChanges; }
    QPaintEngine* paintEngine() const override { return const_cast<RecordingEngine*>(&m_engine); }
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return 12240;
        case PdmHeight: return 15840;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 1440;  // dots per inch
        }
    }
    QList<Drawn> drawn;
    int page = 1;
    qsizetype fontChanges = 0;  // font changes the painter handed to the device

private:
    RecordingEngine m_engine;
};

class RecordingOutput : public PageOutput {
public:
    RecordingDevice device;
    QPaintDevice* begin(const QPageLayout&) override { return &device; }
    QPaintDevice* nextPage(QPainter&) override
    {
        ++device.page;
        return &device;
    }
    bool end() override { return true; }
    bool paged() const override { return true; }
    QPageLayout preferredLayout(QPageLayout::Orientation o) const override
    {
        QPageLayout l(QPageSize(QPageSize::Letter), o, QMarginsF(36, 36, 36, 36), QPageLayout::Point);
        l.setMode(QPageLayout::FullPageMode);
        return l;
    }
};

}  // namespace

class TestPrintLayer : public QObject {
    Q_OBJECT

private:
    TestEnv env;

private Q_SLOTS:
    void boundsAlignmentAndStyles()
    {
        RecordingOutput out;
        Printout p(out, Printout::Portrait);
        // Letter with half-inch margins: 8.5 x 11 inches less 720 twips all round.
        QVERIFY(p.left() == 720 && p.right() == 12240 - 720 && p.bottom() == 15840 - 720);
        QCOMPARE(p.halfWidth(), (12240.0 - 1440.0) / 2);

        p.PrintAt(QStringLiteral("Left"), 10, 2000, 1000, 0, 7);
        p.PrintAt(QStringLiteral("Centre"), 10, 6000, 1000, 1, 0);
        p.PrintAt(QStringLiteral("Right"), 10, 9000, 1000, 2);
        const QList<Drawn>& d = out.device.drawn;
        QCOMPARE(d.size(), 3);
        QCOMPARE(d[0].at.x(), 2000.0);
        QVERIFY(d[0].font.underline() && d[0].font.bold() && d[0].font.italic());
        QVERIFY(!d[1].font.underline() && !d[1].font.bold() && !d[1].font.italic());
        QCOMPARE(d[0].font.pixelSize(), 200);  // 10 points in twips
        p.setFont(10, 0);
        QVERIFY(qAbs(d[1].at.x() + p.TextWidth(QStringLiteral("Centre")) / 2 - 6000) < 1);
        QVERIFY(qAbs(d[2].at.x() + p.TextWidth(QStringLiteral("Right")) - 9000) < 1);
        // The top of the text is at Y: the baseline sits one ascent lower.
        QVERIFY(d[0].at.y() > 1000 && d[0].at.y() < 1000 + p.TextHeight());
        // Style not given: underline and bold off, italic kept.
        p.setFont(10, 7);
        p.PrintAt(QStringLiteral("x"), 10, 2000, 2000);
        QVERIFY(!d.last().font.underline() && !d.last().font.bold() && d.last().font.italic());
        // Too long for the page: shortened, never past the right bound.
        p.PrintAt(QString(400, QLatin1Char('W')), 10, 9000, 3000);
        p.setFont(10, 0);
        QVERIFY(d.last().at.x() + p.TextWidth(d.last().text) <= p.right() + 1);
        QVERIFY(d.last().text.endsWith(QChar(0x2026)));
        p.EndPrint();
    }

    // Measures are kept while the font stays the same and follow every change of it; a table's
    // cells in one font set the painter's font once, and each cell is drawn in it.
    void measuresAndFontsFollowTheFont()
    {
        RecordingOutput out;
        Printout p(out, Printout::Portrait);
        p.setFont(10, 0);
        const double plain = p.TextWidth(QStringLiteral("Goals 12"));
        p.setFont(20, 0);
        QVERIFY(p.TextWidth(QStringLiteral("Goals 12")) > 1.5 * plain);
        p.setFont(10, 2);
        QVERIFY(p.TextWidth(QStringLiteral("Goals 12")) > plain);
        p.setFont(10, 0);
        QCOMPARE(p.TextWidth(QStringLiteral("Goals 12")), plain);

        PagedTable t(p, PagedTable::boundsFrom(p.left(), {2000, 1000, 1000}));
        const qsizetype before = out.device.fontChanges;
        for (int row = 1; row <= 10; ++row)
            t.drawRow(p.top() + row * 300,
                      {QStringLiteral("Player %1").arg(row), QString::number(row), QStringLiteral("0")},
                      PagedTable::RowLook{});
        QVERIFY(out.device.fontChanges - before <= 1);
        for (qsizetype i = out.device.drawn.size() - 30; i < out.device.drawn.size(); ++i)
            QCOMPARE(out.device.drawn[i].font.pixelSize(), 200);
        p.EndPrint();
    }

    void tableCellsStripLineBreaksAndStayInside()
    {
        RecordingOutput out;
        Printout p(out, Printout::Landscape);
        QCOMPARE(p.right(), 15840.0 - 720.0);
        PagedTable t(p, PagedTable::boundsFrom(p.left(), {1000, 3000, 2000}));
        QCOMPARE(t.bounds(), (QList<double>{720, 1720, 4720, 6720}));
        QCOMPARE(t.columns(), 3);
        p.setFont(9, 0);
        t.cell(QStringLiteral("\r\n\nSmith\r\n"), 1, 0, 5000);
        t.cell(QString(), 0, 0, 5000);
        t.cell(QStringLiteral("7"), 2, 2, 5000);
        t.cell(QString(300, QLatin1Char('A')), 0, 1, 5000);
        t.cell(QStringLiteral("no column"), 3, 0, 5000);
        const QList<Drawn>& d = out.device.drawn;
        QCOMPARE(d[0].text, QStringLiteral("Smith"));
        QCOMPARE(d[0].at.x(), 1750.0);
        QVERIFY(d[0].at.y() < 5000 - 10);
        const int shown = int(std::count_if(d.begin(), d.end(), [](const Drawn& x) { return !x.text.isEmpty(); }));
        QCOMPARE(shown, 3);  // the empty cell and the missing column print nothing
        const Drawn seven =
            *std::find_if(d.begin(), d.end(), [](const Drawn& x) { return x.text == QLatin1String("7"); });
        QVERIFY(qAbs(seven.at.x() + p.TextWidth(QStringLiteral("7")) - (6720 - 40)) < 1);
        const Drawn wide =
            *std::find_if(d.begin(), d.end(), [](const Drawn& x) { return x.text.startsWith(QLatin1Char('A')); });
        QVERIFY(wide.at.x() >= 720 && wide.at.x() + p.TextWidth(wide.text) <= 1720);
        QVERIFY(wide.text.endsWith(QChar(0x2026)));
    }

    // The table goes on over the pages: the page head and the headings on every page, a block
    // kept together moves whole to the next page (one longer than a page runs on where it is),
    // and a cell wraps to as many lines as the look allows, the rest shortened on the last.
    void pagedTableRepeatsHeadingsKeepsBlocksAndWraps()
    {
        RecordingOutput out;
        Printout p(out, Printout::Portrait);
        PagedTable t(p, PagedTable::boundsFrom(p.left(), {1500, 3000}), {Printout::Left, Printout::Left});
        t.pageHead = [&p](double top) {
            p.PrintAt(QStringLiteral("Roster"), 12, p.left(), top, Printout::Left, Printout::Bold);
            return top + 400;
        };
        PagedTable::RowLook look;
        look.size = 10;
        look.maxLines = 3;
        t.headings = [&t, look](double top) { return t.headingRow(top, {"No.", "Name"}, look); };
        const double rowH = t.rowHeight(look);
        double y = t.start(p.top());
        const double bodyTop = y;
        for (int n = 1; n <= 120; ++n)
            y = t.row(y, {QString::number(n), QStringLiteral("Player %1").arg(n)}, look);
        const QList<Drawn>& d = out.device.drawn;
        const int pages = out.device.page;
        QVERIFY(pages >= 3);
        for (int page = 1; page <= pages; ++page) {
            QList<QString> texts;
            for (const Drawn& x : d) {
                if (x.page == page)
                    texts << x.text;
                QVERIFY(x.at.y() <= p.bottom());
            }
            // The first page has no page head: the report drew its own title there.
            const qsizetype first = page == 1 ? 0 : 1;
            QVERIFY(page == 1 || texts.value(0) == QLatin1String("Roster"));
            QCOMPARE(texts.value(first), QStringLiteral("No."));
            QCOMPARE(texts.value(first + 1), QStringLiteral("Name"));
            QVERIFY(texts.value(first + 2) != QLatin1String("No."));
        }

        // A block of four rows that does not fit the rest of the page starts on the next one.
        const int before = out.device.page;
        while (y + 2 * rowH <= p.bottom())
            y = t.row(y, {QStringLiteral("x"), QStringLiteral("filler")}, look);
        const double kept = t.keep(y, 4 * rowH);
        QCOMPARE(out.device.page, before + 1);
        QVERIFY(kept < y);
        y = kept;
        // At the top of a page, and when longer than a page, a block stays where it is.
        QCOMPARE(t.keep(y, 4 * rowH), y);
        y = t.row(y, {QStringLiteral("x"), QStringLiteral("filler")}, look);
        QCOMPARE(t.keep(y, p.bottom() - bodyTop + rowH), y);
        QCOMPARE(out.device.page, before + 1);

        // Wrapped to three lines at most; what goes beyond is shortened on the third.
        const QString words = QStringLiteral("alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu");
        const qsizetype drawnBefore = d.size();
        const double top = y;
        y = t.row(y, {QStringLiteral("9"), words + QLatin1Char(' ') + words + QLatin1Char(' ') + words}, look);
        p.setFont(look.size, 0);
        QCOMPARE(y - top, rowH + 2 * p.TextHeight());
        QList<Drawn> nameLines;
        for (qsizetype i = drawnBefore; i < d.size(); ++i) {
            if (d[i].at.x() > p.left() + 1500)
                nameLines << d[i];
        }
        QCOMPARE(nameLines.size(), 3);
        QVERIFY(nameLines[0].text.startsWith(QLatin1String("alpha beta")));
        QVERIFY(nameLines[2].text.endsWith(QChar(0x2026)));
        for (const Drawn& line : std::as_const(nameLines))
            QVERIFY(line.at.x() + p.TextWidth(line.text) <= p.left() + 4500);
        // A one-line look shortens at once.
        look.maxLines = 1;
        QCOMPARE(t.row(y, {QStringLiteral("9"), words + QLatin1Char(' ') + words}, look) - y, rowH);
        p.EndPrint();
    }

    void wrappingNeverLoopsAndTurnsPages()
    {
        RecordingOutput out;
        Printout p(out, Printout::Portrait);
        p.setFont(10, 0);
        const double line = p.TextWidth(QStringLiteral("The quick brown fox"));
        QCOMPARE(p.FindSP(QStringLiteral("The quick brown fox jumps"), line), 19);
        QCOMPARE(p.FindSP(QStringLiteral("x"), 1), 1);
        QCOMPARE(p.ParseText(QStringLiteral("The quick brown fox jumps over"), line),
                 (QStringList{"The quick brown fox", "jumps over"}));
        QCOMPARE(p.ParseText(QStringLiteral("one\r\ntwo"), line), (QStringList{"one", "two"}));
        // A word with no spaces wider than the line is cut at the width, and ends.
        const QString word(10000, QLatin1Char('m'));
        const QStringList pieces = p.ParseText(word, line);
        QVERIFY(pieces.size() > 10);
        QCOMPARE(pieces.join(QString()), word);
        for (const QString& piece : pieces)
            QVERIFY(p.TextWidth(piece) <= line + 0.5);

        // Printed, it runs on over as many pages as it needs and says where it stopped.
        const double y = p.MultiLinePrint(QStringLiteral("\n") + word + QStringLiteral("\n"), line, 1000, 1000, 240);
        QVERIFY(out.device.page > 1);
        QCOMPARE(p.pageNumber(), out.device.page);
        QVERIFY(y <= p.bottom() + 240);
        for (const Drawn& d : out.device.drawn)
            QVERIFY(d.at.y() <= p.bottom());
        p.EndPrint();
    }

    void thePreviewPagesPrintsAndSaves()
    {
        int runs = 0;
        const Report report = [&runs](Printout& p) {
            ++runs;
            for (int page = 1; page <= 3; ++page) {
                if (page > 1)
                    p.NextPage();
                p.PrintAt(QStringLiteral("Page %1").arg(page), 14, p.left() + p.halfWidth(), p.top(), 1, 2);
                PagedTable t(p, PagedTable::boundsFrom(p.left(), {2000, 3000, 1500}));
                for (int row = 1; row <= 20; ++row) {
                    t.cell(QString::number(row), 0, 1, p.top() + 600 + row * 300);
                    t.cell(QStringLiteral("Player %1").arg(row), 1, 0, p.top() + 600 + row * 300);
                    t.rules(p.top() + 600 + row * 300, 300);
                }
            }
        };
        FieldConfig preview(report, Printout::Portrait, QStringLiteral("Team: Comets"));
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QCOMPARE(preview.pageCount(), 3);
        QCOMPARE(child<QLabel>(&preview, "lblTotalPages")->text(), QStringLiteral("of 3"));
        auto* prev = child<QPushButton>(&preview, "prevBtn");
        auto* next = child<QPushButton>(&preview, "NextBtn");
        auto* box = child<QLineEdit>(&preview, "txtCurrentPage");
        QVERIFY(!prev->isEnabled() && next->isEnabled());
        screenshot(&preview, QStringLiteral("print-preview"));
        next->click();
        next->click();
        QCOMPARE(preview.currentPage(), 3);
        QVERIFY(!next->isEnabled());
        preview.NextBtn_Click();  // never past the last page
        QCOMPARE(preview.currentPage(), 3);
        box->setText(QStringLiteral("9"));
        QCOMPARE(preview.currentPage(), 3);
        box->setText(QStringLiteral("1"));
        QVERIFY(preview.currentPage() == 1 && !prev->isEnabled());
        preview.prevBtn_Click();  // never before the first
        box->setText(QStringLiteral("0"));
        QCOMPARE(preview.currentPage(), 1);
        preview.showCoordinates(QPointF(1440.4, 720));
        QCOMPARE(child<QLabel>(&preview, "lblXY")->text(), QStringLiteral("1440, 720"));

        // Saving runs the report again into the file (after page 1 alone and then the whole
        // printout for the window); a file that cannot be written is told.
        env.prompter.files << env.dir() + QStringLiteral("/preview.pdf")
                           << env.dir() + QStringLiteral("/missing/folder/preview.pdf");
        preview.savePdf_Click();
        QCOMPARE(runs, 3);
        QCOMPARE(env.prompter.shown.last().defaultText, QStringLiteral("Team- Comets.pdf"));
        QVERIFY(fileBytes(env.dir() + QStringLiteral("/preview.pdf")).startsWith("%PDF"));
        preview.savePdf_Click();
        QVERIFY(env.prompter.shown.last().title == QStringLiteral("Save as PDF") &&
                env.prompter.shown.last().icon == Prompter::Icon::Critical);
        QVERIFY(env.prompter.shown.last().text.contains(QStringLiteral("could not be written")));
    }

    // The window opens with page 1 alone, the count not shown yet; the rest is laid out once page 1
    // is on screen, or at once when Next needs it, and page 1 stays as it was. A window closed
    // first never runs the report again, and a report of one page runs once.
    void thePreviewShowsPageOneBeforeTheRest()
    {
        int runs = 0;
        int turned = 0;  // pages the report went on to
        int pages = 3;
        const Report report = [&](Printout& p) {
            ++runs;
            for (int page = 1; page <= pages; ++page) {
                if (page > 1) {
                    p.NextPage();
                    ++turned;
                }
                p.PrintAt(QStringLiteral("Page %1").arg(page), 14, p.left(), p.top() + page * 500, 0, 2);
            }
        };
        FieldConfig shown(report, Printout::Portrait, QStringLiteral("Schedule"));
        shown.show();
        QVERIFY(runs == 1 && turned == 0);
        auto* total = child<QLabel>(&shown, "lblTotalPages");
        QVERIFY(total->text().isEmpty() && child<QPushButton>(&shown, "NextBtn")->isEnabled());
        auto* view = child<QWidget>(&shown, "PrintPreview");
        shown.setZoom(100);
        const QImage first = view->grab().toImage();
        QTRY_COMPARE(total->text(), QStringLiteral("of 3"));
        QVERIFY(runs == 2 && turned == 2 && shown.currentPage() == 1);
        QCOMPARE(view->grab().toImage(), first);

        FieldConfig stepped(report, Printout::Portrait, QStringLiteral("Schedule"));
        child<QPushButton>(&stepped, "NextBtn")->click();
        QVERIFY(stepped.currentPage() == 2 && runs == 4 && turned == 4);
        QCOMPARE(child<QLabel>(&stepped, "lblTotalPages")->text(), QStringLiteral("of 3"));

        FieldConfig closed(report, Printout::Portrait, QStringLiteral("Schedule"));
        closed.show();
        child<QWidget>(&closed, "PrintPreview")->grab();  // painted: the rest is due
        closed.close();
        QTest::qWait(50);
        QCOMPARE(runs, 5);

        pages = 1;
        FieldConfig single(report, Printout::Portrait, QStringLiteral("Message"));
        QVERIFY(runs == 6 && !child<QPushButton>(&single, "NextBtn")->isEnabled());
        QCOMPARE(child<QLabel>(&single, "lblTotalPages")->text(), QStringLiteral("of 1"));
        single.show();
        QTest::qWait(50);
        QCOMPARE(runs, 6);
    }

    void thePreviewClosesByItsButtonAndByEscape()
    {
        const Report report = [](Printout& p) { p.PrintAt(QStringLiteral("Page 1"), 14, p.left(), p.top(), 0, 0); };
        for (const bool byKey : {false, true}) {
            FieldConfig preview(report, Printout::Portrait, QStringLiteral("Team: Comets"));
            preview.show();
            QVERIFY(QTest::qWaitForWindowExposed(&preview));
            auto* close = child<QPushButton>(&preview, "CloseBtn");
            QCOMPARE(close->text(), QStringLiteral("Close"));
            QVERIFY(close->isVisible());
            if (byKey)
                QTest::keyClick(child<QLineEdit>(&preview, "txtCurrentPage"), Qt::Key_Escape);
            else
                QTest::mouseClick(close, Qt::LeftButton);
            QVERIFY(!preview.isVisible());
        }
    }

    void printingAsksForAPreviewFirst()
    {
        env.prompter.clear();
        env.prompter.answers << Prompter::Answer::No;
        bool ran = false;
        runReport(
            QStringLiteral("Test"), [&ran](Printout&) { ran = true; }, Printout::Portrait, QStringLiteral("x"),
            std::nullopt, nullptr);
        QCOMPARE(env.prompter.shown.first().title, QStringLiteral("Print Preview"));
        QCOMPARE(env.prompter.shown.first().text, QStringLiteral("Do you want to see a preview of the printout?"));
        QCOMPARE(env.prompter.shown.first().buttons, Prompter::Buttons::YesNo);
        // No printer on this machine: said plainly, nothing printed.
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            QCOMPARE(env.prompter.shown.last().title, QStringLiteral("Print"));
            QVERIFY(env.prompter.shown.last().text.contains(QStringLiteral("Save as PDF")));
            QVERIFY(!ran);
        }
    }
};

QTEST_MAIN(TestPrintLayer)
#include "tst_printlayer.moc"
