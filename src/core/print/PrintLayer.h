// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QPageLayout>
#include <QPainter>
#include <QPicture>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

class QPagedPaintDevice;

namespace pw {

// Where a printout's pages go. The same report code draws on paper, into a PDF file and into the
// preview's page pictures: only the output differs.
class PageOutput {
public:
    virtual ~PageOutput() = default;
    // Starts the document with the given page layout; returns the first page's device.
    virtual QPaintDevice* begin(const QPageLayout& layout) = 0;
    // Ends the current page and returns the device of the next one. For a paged device (printer,
    // PDF) it is the same device after newPage(); for pictures, a new picture.
    virtual QPaintDevice* nextPage(QPainter& painter) = 0;
    // Ends the document. False when it could not be finished (a PDF that could not be written).
    virtual bool end() = 0;
    // The layout the output prefers (the printer's chosen paper); the default page otherwise.
    virtual QPageLayout preferredLayout(QPageLayout::Orientation orientation) const;
    // True when painting goes to a paged device whose pages start with newPage().
    virtual bool paged() const = 0;
};

// Pages drawn on a printer or PDF writer (not owned).
class PagedOutput : public PageOutput {
public:
    explicit PagedOutput(QPagedPaintDevice* device)
        : m_device(device)
    {
    }
    QPaintDevice* begin(const QPageLayout& layout) override;
    QPaintDevice* nextPage(QPainter& painter) override;
    bool end() override { return true; }
    bool paged() const override { return true; }

protected:
    QPagedPaintDevice* m_device;
};

// A PDF file; end() is false when the file could not be written.
class PdfOutput : public PageOutput {
public:
    explicit PdfOutput(QString path);
    ~PdfOutput() override;
    QPaintDevice* begin(const QPageLayout& layout) override;
    QPaintDevice* nextPage(QPainter& painter) override;
    bool end() override;
    bool paged() const override { return true; }
    const QString& path() const { return m_path; }

private:
    QString m_path;
    struct Writer;
    std::unique_ptr<Writer> m_writer;
};

// The preview's pages: one picture per page, in twips, with the page's layout.
class PictureOutput : public PageOutput {
public:
    QPaintDevice* begin(const QPageLayout& layout) override;
    QPaintDevice* nextPage(QPainter& painter) override;
    bool end() override { return true; }
    bool paged() const override { return false; }
    const QList<QPicture>& pages() const { return m_pages; }
    const QPageLayout& layout() const { return m_layout; }

private:
    QList<QPicture> m_pages;
    QPageLayout m_layout;
};

// The default page: Letter where the coach's locale measures in inches, A4 elsewhere, with half an
// inch of margin all round.
QPageLayout defaultPageLayout(QPageLayout::Orientation orientation);

// One printout: the drawing procedures every report uses. All positions are twips (1/1440 inch)
// from the paper's top-left corner; the page bounds say where the printable area lies. A report
// runs SetPrinter (the constructor) -> PrintAt / MultiLinePrint / PagedTable and NextPage as it
// needs -> EndPrint.
class Printout {
public:
    enum Orientation { Portrait = 1, Landscape = 2 };
    enum Align { Left = 0, Centre = 1, Right = 2 };
    enum Style { Underline = 4, Bold = 2, Italic = 1 };

    // SetPrinter: opens the output with the orientation (1 portrait, 2 landscape) and computes the
    // page bounds. isPreview only records what kind of output this is, for reports that draw
    // differently on screen (none do so far).
    Printout(PageOutput& output, int lcOrientation, bool isPreview = false);
    ~Printout();
    Printout(const Printout&) = delete;
    Printout& operator=(const Printout&) = delete;

    bool isPreview() const { return m_preview; }
    int pageNumber() const { return m_page; }

    // Page bounds (twips) and the half-sizes; reports centre headings on halfWidth() + left().
    double left() const { return m_left; }
    double right() const { return m_right; }
    double top() const { return m_top; }
    double bottom() const { return m_bottom; }
    double halfWidth() const { return (m_right - m_left) / 2.0; }
    double halfHeight() const { return (m_bottom - m_top) / 2.0; }

    // The current font: PrintAt sets its size and style, and the other procedures print and
    // measure with it. Family "Arial" by default (any sans serif stands in for it).
    void setFontName(const QString& family);
    // Size in points; style the sum of 4 underline, 2 bold, 1 italic, or -1 for "not given":
    // underline and bold off, italic as it was.
    void setFont(double fontSize, int style = -1);
    double fontSize() const { return m_size; }
    // The current font's measures of text, in twips.
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text = QStringLiteral("Ag")) const;

    // Prints one string in the given size and style (which become the current font); its top at
    // YPos. Alignment 0 starts at XPos, 1 centres on it, 2 ends at it. Text that would run past
    // the right bound is shortened with an ellipsis, so nothing leaves the page.
    void PrintAt(const QString& PrintString, double lcFontSize, double XPos, double YPos, int lcAlignment = 0,
                 int lcFontStyle = -1);
    // Prints one line as it is in the current font, its top at top (a table's cells).
    void drawText(const QString& text, double x, double top);
    // Prints text wrapped to MaxLen twips from (XPos, YPos) in the current font, RowH twips per
    // line; returns the Y below the last line. Paragraphs break at line breaks; a word wider than
    // the line breaks at the width.
    double MultiLinePrint(const QString& TextToPrint, double MaxLen, double XPos, double YPos, double RowH);
    // Splits text into lines no wider than lcMaxLength twips in the current font (never loops: a
    // word without spaces wider than the line is cut at the width).
    QStringList ParseText(const QString& TextToParse, double lcMaxLength) const;
    // Where to break lcText so that the part before fits lcMaxLen twips: the last space that
    // allows it, else the most characters that fit (at least one).
    int FindSP(const QString& lcText, double lcMaxLen) const;
    // Text shortened with an ellipsis to width twips in the current font, cut between whole
    // characters; empty when not even one character and the ellipsis fit.
    QString elided(const QString& text, double width) const;

    // Lines and boxes in twips, for forms.
    void drawLine(double x1, double y1, double x2, double y2, double width = 10);
    void fillRect(const QRectF& twips, const QColor& colour);
    void drawRect(const QRectF& twips, double width = 10);
    // The painter in twips, for pictures (the line-up sheet's fields, drill sheets).
    QPainter& painter() { return m_painter; }

    // Ends the page and starts the next.
    void NextPage();
    // Ends the printout; false when the output could not be finished.
    bool EndPrint();

private:
    QFont currentFont() const;
    // The current font's metrics, measured once for each font: a table measures every cell.
    const QFontMetricsF& metrics() const;
    void fontChanged();
    void startPage();

    PageOutput& m_output;
    QPainter m_painter;
    QPaintDevice* m_device = nullptr;
    QPageLayout m_layout;
    QString m_family = QStringLiteral("Arial");
    double m_size = 10;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    mutable std::optional<QFont> m_font;
    mutable std::optional<QFontMetricsF> m_metrics;
    mutable QHash<QString, double> m_widths;  // of texts measured in the current font
    bool m_preview = false;
    bool m_ended = false;
    int m_page = 1;
    double m_left = 0;
    double m_right = 0;
    double m_top = 0;
    double m_bottom = 0;
};

// A ruled table that goes on over the pages: its column rules stand at fixed X positions, a row
// or block that no longer fits the page starts the next one, which shows the page head (when the
// report has one) and the heading rows again. Every report's table is one of these.
class PagedTable {
public:
    // How a row's text is set: size and style (as Printout::setFont), the twips of air a row has
    // beyond its lines or else a fixed height, how many lines a cell may wrap to before the rest
    // is shortened (1: shortened at once) and whether the text stands in the middle of a tall row
    // rather than just above its rule.
    struct RowLook {
        double size = 10;
        int style = 0;
        double air = 60;
        double height = 0;
        int maxLines = 1;
        bool middle = false;
    };

    // bounds: the X of each column rule, left to right (one more than the columns); align: each
    // column's Printout::Align.
    PagedTable(Printout& p, QList<double> bounds, QList<int> align = {});
    // The rules for columns of the given widths from x.
    static QList<double> boundsFrom(double x, const QList<double>& widths);

    // Draws what tops each further page above the headings; returns the Y below it.
    std::function<double(double)> pageHead;
    // Draws the heading rows at y; returns the Y below them. Repeated on every page.
    std::function<double(double)> headings;

    Printout& printout() { return m_p; }
    const QList<double>& bounds() const { return m_bounds; }
    double x(int boundary) const { return m_bounds.value(boundary); }
    int columns() const { return int(m_bounds.size()) - 1; }
    // The height of a row of one line in the look.
    double rowHeight(const RowLook& look) const;

    // The headings at y, or on a new page when room twips (the headings and the rows they must
    // not be parted from) do not fit below y. Returns the Y below the headings.
    double start(double y, double room = 0);
    // Y where a block height twips tall is kept together: y when it fits, else the top of the
    // next page below the headings. A block longer than a whole page, or one already at the top of
    // a page, runs on from here instead: no page is ever left empty.
    double keep(double y, double height);
    // Ends the page; returns the Y below the next page's head and headings.
    double newPage();
    // One row kept on one page, its cells wrapped or shortened as the look says; returns its foot.
    double row(double y, const QStringList& cells, const RowLook& look);
    // The same row drawn at y without looking at the page's foot (for heading rows).
    double drawRow(double y, const QStringList& cells, const RowLook& look);

    // One cell in the current font: the text stands 10 twips above the line at rowPos; aligned
    // left 30 twips in, centred, or right 40 twips in. Breaks at either end are dropped, breaks
    // inside print as spaces, text wider than the column is shortened.
    void cell(const QString& text, int column, int align, double rowPos);
    // A row's rules: the line at rowPos across the table (when horizontal) and the column rules
    // from rowPos - height down to it (when height > 0).
    void rules(double rowPos, double height, bool horizontal = true);
    // A grey band behind heading rows from y to y + height.
    void shade(double y, double height);
    // The usual heading row: shaded, ruled, the texts bold in the largest size up to the look's
    // (by half points) at which each fits its column.
    double headingRow(double y, const QStringList& heads, const RowLook& look);

private:
    QStringList cellLines(const QString& text, double width, int maxLines) const;

    Printout& m_p;
    QList<double> m_bounds;
    QList<int> m_align;
    double m_bodyTop = 0;  // where rows start below the headings on a fresh page
};

// A report: draws everything on the printout it is given. The same function serves the preview,
// the printer and "Save as PDF".
using Report = std::function<void(Printout&)>;

// Runs a report into a PDF file; throws PwError with a clear message when the file cannot be
// written.
void printToPdf(const Report& report, int orientation, const QString& path);

}  // namespace pw
