// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print/PrintLayer.h"

#include "common/Formats.h"
#include "common/Trace.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPdfWriter>

#include <cmath>
#include <tuple>

namespace pw {

namespace {

constexpr double kTwipsPerPoint = 20.0;

// The translation context of the printing texts.
struct Printing {
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

// Line breaks inside a single line of print would show as boxes or run lines together.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

bool isBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

}  // namespace

QPageLayout defaultPageLayout(QPageLayout::Orientation orientation)
{
    const QPageSize size(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                    : QPageSize::A4);
    QPageLayout layout(size, orientation, QMarginsF(36, 36, 36, 36), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

QPageLayout PageOutput::preferredLayout(QPageLayout::Orientation orientation) const
{
    return defaultPageLayout(orientation);
}

QPaintDevice* PagedOutput::begin(const QPageLayout& layout)
{
    QPageLayout full = layout;
    full.setMode(QPageLayout::FullPageMode);
    m_device->setPageLayout(full);
    return m_device;
}

QPaintDevice* PagedOutput::nextPage(QPainter&)
{
    m_device->newPage();
    return m_device;
}

struct PdfOutput::Writer {
    explicit Writer(const QString& path)
        : pdf(path)
    {
    }
    QPdfWriter pdf;
};

PdfOutput::PdfOutput(QString path)
    : m_path(std::move(path))
{
}

PdfOutput::~PdfOutput() = default;

QPaintDevice* PdfOutput::begin(const QPageLayout& layout)
{
    m_writer = std::make_unique<Writer>(m_path);
    m_writer->pdf.setCreator(QStringLiteral("Pitchwise"));
    m_writer->pdf.setResolution(1200);
    QPageLayout full = layout;
    full.setMode(QPageLayout::FullPageMode);
    m_writer->pdf.setPageLayout(full);
    return &m_writer->pdf;
}

QPaintDevice* PdfOutput::nextPage(QPainter&)
{
    m_writer->pdf.newPage();
    return &m_writer->pdf;
}

bool PdfOutput::end()
{
    // The file is written as the painter ends; what is there now is the whole document.
    m_writer.reset();
    return QFile(m_path).size() > 0;
}

QPaintDevice* PictureOutput::begin(const QPageLayout& layout)
{
    m_layout = layout;
    m_pages = {QPicture()};
    return &m_pages.last();
}

QPaintDevice* PictureOutput::nextPage(QPainter& painter)
{
    // The list may move its pictures when it grows: the painter lets go of the page first.
    painter.end();
    m_pages.append(QPicture());
    return &m_pages.last();
}

// ---------------------------------------------------------------- Printout

Printout::Printout(PageOutput& output, int lcOrientation, bool isPreview)
    : m_output(output)
    , m_preview(isPreview)
{
    PW_TRACE(QStringLiteral("SetPrinter"), traceArg(QStringLiteral("lcOrientation"), lcOrientation) +
                                               traceArg(QStringLiteral("IsPreview"), isPreview));
    m_layout = output.preferredLayout(lcOrientation == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    // The printable area is the paper less the margins, centred on it.
    // (The layout draws from the paper's corner, so the margins say where printing may go.)
    const QRectF paper = m_layout.fullRectPoints();
    const QRectF printable = paper.marginsRemoved(m_layout.margins(QPageLayout::Point));
    const double paperW = paper.width() * kTwipsPerPoint;
    const double paperH = paper.height() * kTwipsPerPoint;
    m_left = (paperW - printable.width() * kTwipsPerPoint) / 2.0;
    m_right = m_left + printable.width() * kTwipsPerPoint;
    m_top = (paperH - printable.height() * kTwipsPerPoint) / 2.0;
    m_bottom = m_top + printable.height() * kTwipsPerPoint;
    m_device = output.begin(m_layout);
    if (!m_device || !m_painter.begin(m_device))
        throw PwError(err::FileAccess,
                      Printing::tr("The printout could not be started: the printer or file cannot be written to."));
    startPage();
}

Printout::~Printout()
{
    if (!m_ended && m_painter.isActive()) {
        m_painter.end();
        m_output.end();
    }
}

void Printout::startPage()
{
    // Twips on every device: the printer's and the PDF's own resolution, one to one on pictures.
    const double scale = m_output.paged() ? m_device->logicalDpiX() / 1440.0 : 1.0;
    m_painter.setTransform(QTransform::fromScale(scale, scale));
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setPen(QPen(Qt::black, 10));
    m_painter.setFont(currentFont());
}

void Printout::setFontName(const QString& family)
{
    if (family == m_family)
        return;
    m_family = family;
    fontChanged();
}

void Printout::fontChanged()
{
    m_font.reset();
    m_metrics.reset();
    m_widths.clear();
}

void Printout::setFont(double fontSize, int style)
{
    const auto before = std::tuple(m_size, m_bold, m_italic, m_underline);
    m_size = fontSize > 0 ? fontSize : m_size;
    if (style < 0) {
        m_underline = false;
        m_bold = false;
    } else {
        // The flags are taken from the highest down, each subtracted once seen.
        m_underline = style >= 4;
        style -= m_underline ? 4 : 0;
        m_bold = style >= 2;
        style -= m_bold ? 2 : 0;
        m_italic = style >= 1;
    }
    // Every row of a table sets its font: the measures stay while it is the same one.
    if (std::tuple(m_size, m_bold, m_italic, m_underline) != before)
        fontChanged();
}

QFont Printout::currentFont() const
{
    if (m_font)
        return *m_font;
    QFont f(m_family);
    f.setStyleHint(QFont::SansSerif);
    // Sized in twips, the unit everything is drawn in, so that measuring and drawing agree on
    // every device.
    f.setPixelSize(std::max(1, int(std::lround(m_size * kTwipsPerPoint))));
    f.setBold(m_bold);
    f.setItalic(m_italic);
    f.setUnderline(m_underline);
    m_font = f;
    return f;
}

const QFontMetricsF& Printout::metrics() const
{
    if (!m_metrics)
        m_metrics.emplace(currentFont());
    return *m_metrics;
}

double Printout::TextWidth(const QString& text) const
{
    // A table measures the same texts (numbers, names) again and again: each is measured once.
    const auto known = m_widths.constFind(text);
    if (known != m_widths.cend())
        return *known;
    const double width = metrics().horizontalAdvance(text);
    m_widths.insert(text, width);
    return width;
}

double Printout::TextHeight(const QString&) const
{
    return metrics().height();
}

void Printout::PrintAt(const QString& PrintString, double lcFontSize, double XPos, double YPos, int lcAlignment,
                       int lcFontStyle)
{
    setFont(lcFontSize, lcFontStyle);
    const QFont f = currentFont();
    const QFontMetricsF& fm = metrics();
    QString text = oneLine(PrintString);
    double width = fm.horizontalAdvance(text);
    double x = lcAlignment == Centre ? XPos - width / 2.0 : lcAlignment == Right ? XPos - width : XPos;
    // Never off the page: text starting left of the bound moves in, text too long is shortened.
    if (x < m_left && lcAlignment != Left)
        x = m_left;
    if (x + width > m_right) {
        text = elided(text, std::max(0.0, m_right - x));
        width = fm.horizontalAdvance(text);
    }
    m_painter.setFont(f);
    m_painter.drawText(QPointF(x, YPos + fm.ascent()), text);
}

void Printout::drawText(const QString& text, double x, double top)
{
    const QFont f = currentFont();
    // A table's cells share one font: the page records it once, not once a cell.
    if (m_painter.font() != f)
        m_painter.setFont(f);
    m_painter.drawText(QPointF(x, top + metrics().ascent()), text);
}

int Printout::FindSP(const QString& lcText, double lcMaxLen) const
{
    const QFontMetricsF& fm = metrics();
    if (lcText.size() <= 1 || TextWidth(lcText) <= lcMaxLen)
        return int(lcText.size());
    // The longest start that fits, found by halving, so that a long word costs a few measures
    // rather than one per character.
    int low = 1;
    int high = int(lcText.size());
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (fm.horizontalAdvance(lcText.left(mid)) <= lcMaxLen)
            low = mid;
        else
            high = mid - 1;
    }
    // Never between the two halves of a character outside the basic plane (an emoji).
    if (low > 1 && lcText[low - 1].isHighSurrogate())
        --low;
    // The line ends at the last space within that start (the space itself is dropped by the
    // caller); a word longer than the line is cut where it stops fitting.
    for (int i = std::min(low, int(lcText.size()) - 1); i >= 1; --i) {
        if (lcText[i] == QLatin1Char(' '))
            return i;
    }
    return low;
}

QString Printout::elided(const QString& text, double width) const
{
    if (TextWidth(text) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    const QString start = cutToWidth(text, [&](const QString& s) { return TextWidth(s + ellipsis) <= width; });
    return start.isEmpty() ? QString() : start + ellipsis;
}

QStringList Printout::ParseText(const QString& TextToParse, double lcMaxLength) const
{
    QStringList lines{QString()};
    QString rest = TextToParse;
    while (!rest.isEmpty()) {
        qsizetype end = 0;
        while (end < rest.size() && !isBreak(rest[end]))
            ++end;
        QString candidate = rest.left(end);
        qsizetype consumed = end;
        if (end < rest.size())
            consumed +=
                (rest[end] == QLatin1Char('\r') && end + 1 < rest.size() && rest[end + 1] == QLatin1Char('\n')) ? 2 : 1;
        const int cut = FindSP(candidate, lcMaxLength);
        if (cut < candidate.size()) {
            candidate = candidate.left(cut);
            consumed = cut;
            if (consumed < rest.size() && rest[consumed] == QLatin1Char(' '))
                ++consumed;
        }
        if (lines.size() == 1 && lines.first().isEmpty())
            lines.first() = candidate;
        else
            lines << candidate;
        rest = rest.mid(consumed);
    }
    return lines;
}

double Printout::MultiLinePrint(const QString& TextToPrint, double MaxLen, double XPos, double YPos, double RowH)
{
    double y = YPos;
    QString text = TextToPrint;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        for (const QString& line : ParseText(paragraph, MaxLen)) {
            // A long text goes on over the page rather than off its foot.
            if (y + RowH > m_bottom && y > m_top) {
                NextPage();
                y = m_top;
            }
            PrintAt(line, m_size, XPos, y, Left, (m_underline ? 4 : 0) + (m_bold ? 2 : 0) + (m_italic ? 1 : 0));
            y += RowH;
        }
    }
    return y;
}

void Printout::drawLine(double x1, double y1, double x2, double y2, double width)
{
    m_painter.setPen(QPen(Qt::black, width));
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Printout::fillRect(const QRectF& twips, const QColor& colour)
{
    m_painter.fillRect(twips, colour);
}

void Printout::drawRect(const QRectF& twips, double width)
{
    m_painter.setPen(QPen(Qt::black, width));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(twips);
}

void Printout::NextPage()
{
    PW_TRACE(QStringLiteral("NextPage"), traceArg(QStringLiteral("Page"), m_page));
    m_device = m_output.nextPage(m_painter);
    if (!m_painter.isActive() && !m_painter.begin(m_device))
        throw PwError(err::FileAccess, Printing::tr("The next page of the printout could not be started."));
    ++m_page;
    startPage();
}

bool Printout::EndPrint()
{
    PW_TRACE(QStringLiteral("EndPrint"), traceArg(QStringLiteral("Pages"), m_page));
    if (m_ended)
        return true;
    m_ended = true;
    m_painter.end();
    return m_output.end();
}

// ---------------------------------------------------------------- PagedTable

PagedTable::PagedTable(Printout& p, QList<double> bounds, QList<int> align)
    : m_p(p)
    , m_bounds(std::move(bounds))
    , m_align(std::move(align))
    , m_bodyTop(p.top())
{
}

QList<double> PagedTable::boundsFrom(double x, const QList<double>& widths)
{
    QList<double> bounds{x};
    for (double w : widths)
        bounds << bounds.last() + w;
    return bounds;
}

double PagedTable::rowHeight(const RowLook& look) const
{
    if (look.height > 0)
        return look.height;
    m_p.setFont(look.size, 0);
    return m_p.TextHeight() + look.air;
}

double PagedTable::start(double y, double room)
{
    if (y + room > m_p.bottom())
        return newPage();
    m_bodyTop = headings ? headings(y) : y;
    return m_bodyTop;
}

double PagedTable::keep(double y, double height)
{
    // A block longer than a fresh page would move on and on: it starts here and runs over.
    if (y + height <= m_p.bottom() || y <= m_bodyTop || height > m_p.bottom() - m_bodyTop)
        return y;
    return newPage();
}

double PagedTable::newPage()
{
    m_p.NextPage();
    const double y = pageHead ? pageHead(m_p.top()) : m_p.top();
    m_bodyTop = headings ? headings(y) : y;
    return m_bodyTop;
}

QStringList PagedTable::cellLines(const QString& text, double width, int maxLines) const
{
    if (maxLines <= 1 || m_p.TextWidth(text) <= width)
        return {text};
    QStringList lines;
    for (const QString& part : text.split(QLatin1Char('\n')))
        lines << m_p.ParseText(part, width);
    // What goes beyond the last line is joined to it and shortened there.
    if (lines.size() > maxLines)
        lines = lines.mid(0, maxLines - 1) << lines.mid(maxLines - 1).join(QLatin1Char(' '));
    return lines;
}

double PagedTable::row(double y, const QStringList& cells, const RowLook& look)
{
    m_p.setFont(look.size, look.style);
    qsizetype most = 1;
    for (int i = 0; i < cells.size() && i < columns(); ++i)
        most = std::max(most, cellLines(cells.at(i), x(i + 1) - x(i) - 70, look.maxLines).size());
    const double lineH = m_p.TextHeight();
    const double height = rowHeight(look) + double(most - 1) * lineH;
    return drawRow(keep(y, height), cells, look);
}

double PagedTable::drawRow(double y, const QStringList& cells, const RowLook& look)
{
    const double first = rowHeight(look);
    m_p.setFont(look.size, look.style);
    const double lineH = m_p.TextHeight();
    QList<QStringList> lines;
    qsizetype most = 1;
    for (int i = 0; i < cells.size() && i < columns(); ++i) {
        lines << cellLines(cells.at(i), x(i + 1) - x(i) - 70, look.maxLines);
        most = std::max(most, lines.last().size());
    }
    const double height = first + double(most - 1) * lineH;
    // The text's line: just above the row's rule, or in the middle of a tall row.
    const double textLine = look.middle ? y + height - (height - lineH) / 2 + 10 : y + first;
    for (int i = 0; i < lines.size(); ++i) {
        for (qsizetype k = 0; k < lines.at(i).size(); ++k)
            cell(lines.at(i).at(k), i, m_align.value(i), textLine + double(k) * lineH);
    }
    rules(y + height, height);
    return y + height;
}

void PagedTable::cell(const QString& text, int column, int align, double rowPos)
{
    if (column < 0 || column >= columns())
        return;
    QString t = text;
    while (!t.isEmpty() && isBreak(t.front()))
        t.remove(0, 1);
    while (!t.isEmpty() && isBreak(t.back()))
        t.chop(1);
    const double from = x(column);
    const double to = x(column + 1);
    t = m_p.elided(oneLine(t), std::max(0.0, to - from - 70));
    const double width = m_p.TextWidth(t);
    const double at = align == Printout::Left     ? from + 30
                      : align == Printout::Centre ? (from + to) / 2.0 - width / 2.0
                                                  : to - 40 - width;
    m_p.drawText(t, at, rowPos - 10 - m_p.TextHeight());
}

void PagedTable::rules(double rowPos, double height, bool horizontal)
{
    if (m_bounds.isEmpty())
        return;
    if (horizontal)
        m_p.drawLine(m_bounds.first(), rowPos, m_bounds.last(), rowPos);
    if (height > 0) {
        for (double at : std::as_const(m_bounds))
            m_p.drawLine(at, rowPos - height, at, rowPos);
    }
}

void PagedTable::shade(double y, double height)
{
    m_p.fillRect(QRectF(m_bounds.first(), y, m_bounds.last() - m_bounds.first(), height), QColor(232, 232, 232));
}

double PagedTable::headingRow(double y, const QStringList& heads, const RowLook& look)
{
    const double height = rowHeight(look);
    // Bold headings are wider than the rows' text: they go smaller, never below 7 points, until
    // each fits its column.
    double size = look.size;
    for (; size > 7; size -= 0.5) {
        m_p.setFont(size, Printout::Bold);
        bool fits = true;
        for (int i = 0; i < heads.size() && i < columns() && fits; ++i)
            fits = m_p.TextWidth(heads.at(i)) + 70 <= x(i + 1) - x(i);
        if (fits)
            break;
    }
    shade(y, height);
    rules(y, 0);
    const double rowPos = y + height;
    m_p.setFont(size, Printout::Bold);
    for (int i = 0; i < heads.size() && i < columns(); ++i)
        cell(heads.at(i), i, m_align.value(i), rowPos);
    rules(rowPos, height);
    return rowPos;
}

void printToPdf(const Report& report, int orientation, const QString& path)
{
    const QString message =
        Printing::tr("The PDF file %1 could not be written. Check that the folder exists and that you "
                     "may write to it.")
            .arg(path);
    PdfOutput output(path);
    std::unique_ptr<Printout> p;
    try {
        p = std::make_unique<Printout>(output, orientation, false);
    } catch (const PwError&) {
        throw PwError(err::FileAccess, message);
    }
    report(*p);
    if (!p->EndPrint())
        throw PwError(err::FileAccess, message);
}

}  // namespace pw
