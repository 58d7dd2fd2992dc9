#pragma once

#include <QFont>
#include <QList>
#include <QPageLayout>
#include <QPainter>
#include <QPicture>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

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
// runs SetPrinter (the constructor) -> PrintAt / PrintInColumn / MultiLinePrint / DrawColumnLines
// and NextPage as it needs -> EndPrint.
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

    // The column table: boundary n is the left edge of column n, boundary n + 1 its right edge.
    QList<double> colPos;
    // Fills the column table from the left bound with the given widths (twips).
    void setColumns(const QList<double>& widths);

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
    // One cell of a table in the current font: the text stands 10 twips above the row line at
    // RowPos; alignment 0 left (30 twips in), 1 centred, 2 right (40 twips in). Line breaks at
    // either end are dropped; a null prints nothing; text wider than its column is shortened.
    void PrintInColumn(const QVariant& ColString, int ColNum, int ColAlign, double RowPos);
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

    // Rules of one table row: a horizontal line at RowPos from the first to the last boundary
    // when horizontal is true, and, when columns > 0, a vertical line at each boundary from
    // RowPos - rowHeight to RowPos.
    void DrawColumnLines(double RowPos, double rowHeight, int columns, bool horizontal = true);
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
    bool m_preview = false;
    bool m_ended = false;
    int m_page = 1;
    double m_left = 0;
    double m_right = 0;
    double m_top = 0;
    double m_bottom = 0;
};

// A report: draws everything on the printout it is given. The same function serves the preview,
// the printer and "Save as PDF".
using Report = std::function<void(Printout&)>;

// Runs a report into a PDF file; throws PwError with a clear message when the file cannot be
// written.
void printToPdf(const Report& report, int orientation, const QString& path);

}  // namespace pw
