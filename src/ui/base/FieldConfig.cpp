// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/base/FieldConfig.h"

#include "ui/base/Modal.h"

#include "common/Prompter.h"
#include "common/Trace.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>

namespace pw {

// One page on screen: white paper on the frame's grey, drawn from the page's picture at the
// zoom's scale.
class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("PrintPreview"));
        setMouseTracking(true);
        setAccessibleName(tr("Page"));
    }
    void show(const QPicture* page, QSizeF paperTwips)
    {
        m_page = page;
        m_paper = paperTwips;
        resize(sizeHint());
        update();
    }
    // The same drawing from another run of the report: nothing to paint again.
    void replace(const QPicture* samePage) { m_page = samePage; }
    // Pixels per twip.
    void setScale(double scale)
    {
        m_scale = scale;
        resize(sizeHint());
        update();
    }
    double scale() const { return m_scale; }
    QSizeF paper() const { return m_paper; }
    QSize sizeHint() const override
    {
        return QSize(int(m_paper.width() * m_scale) + 2 * kBorder, int(m_paper.height() * m_scale) + 2 * kBorder);
    }

Q_SIGNALS:
    void pointed(QPointF twips);

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRectF sheet(kBorder, kBorder, m_paper.width() * m_scale, m_paper.height() * m_scale);
        p.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 60));
        p.fillRect(sheet, Qt::white);
        if (!m_page)
            return;
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.translate(sheet.topLeft());
        p.scale(m_scale, m_scale);
        p.drawPicture(0, 0, *m_page);
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        Q_EMIT pointed((e->position() - QPointF(kBorder, kBorder)) / m_scale);
    }

private:
    static constexpr int kBorder = 12;
    const QPicture* m_page = nullptr;
    QSizeF m_paper;
    double m_scale = 0.05;
};

namespace {

// Page 1 is complete: the report asked for the next one. Only the preview throws and catches it.
struct FirstPageDrawn {};

// Page 1 alone, so that the preview opens without waiting for a long report's other pages.
class FirstPageOutput : public PictureOutput {
public:
    QPaintDevice* nextPage(QPainter& painter) override
    {
        // Ended here, page 1's picture is finished and the printout has nothing left to end as
        // the report unwinds (reports only read, so stopping them halfway is harmless).
        painter.end();
        throw FirstPageDrawn{};
    }
};

}  // namespace

FieldConfig::FieldConfig(Report report, int orientation, const QString& documentName, QWidget* parent)
    : QDialog(parent)
    , m_report(std::move(report))
    , m_orientation(orientation)
    , m_documentName(documentName)
{
    setObjectName(QStringLiteral("FieldConfig"));
    setWindowTitle(tr("Print Preview"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);

    buildPageFrame();
    QPushButton* print = nullptr;
    QHBoxLayout* bar = buildButtonBar(print);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_frame, 1);
    connect(m_view, &PageView::pointed, this, [this](QPointF twips) { showCoordinates(twips); });

    auto first = std::make_unique<FirstPageOutput>();
    try {
        Printout p(*first, m_orientation, true);
        m_report(p);
        p.EndPrint();
        m_complete = true;
    } catch (const FirstPageDrawn&) {
        // The rest is laid out once page 1 is on screen (eventFilter).
    }
    m_pages = std::move(first);
    // Page 1; the page count only once it is known (until then there is more to see).
    if (m_complete)
        m_total->setText(tr("of %1").arg(knownPages()));
    showPage(1);
    const QSize screen = QSize(1100, 800);
    resize(screen);
    setZoom(0);
    print->setDefault(false);
    print->setAutoDefault(false);
    m_pageBox->setFocus();
}

void FieldConfig::buildPageFrame()
{
    m_frame = new QScrollArea(this);
    m_frame->setObjectName(QStringLiteral("PicField"));
    m_frame->setBackgroundRole(QPalette::Dark);
    m_frame->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_frame->horizontalScrollBar()->setObjectName(QStringLiteral("HScroll1"));
    m_frame->verticalScrollBar()->setObjectName(QStringLiteral("VScroll1"));
    m_view = new PageView(m_frame);
    m_frame->setWidget(m_view);
    m_frame->setWidgetResizable(false);
    m_frame->viewport()->installEventFilter(this);
    m_view->installEventFilter(this);
}

QHBoxLayout* FieldConfig::buildButtonBar(QPushButton*& print)
{
    print = new QPushButton(tr("Print"), this);
    print->setObjectName(QStringLiteral("PrintBtn"));
    auto* pdf = new QPushButton(tr("Save as PDF…"), this);
    pdf->setObjectName(QStringLiteral("SavePdfBtn"));
    m_prev = new QPushButton(tr("Prev"), this);
    m_prev->setObjectName(QStringLiteral("prevBtn"));
    m_next = new QPushButton(tr("Next"), this);
    m_next->setObjectName(QStringLiteral("NextBtn"));
    auto* pageLabel = new QLabel(tr("Page:"), this);
    m_pageBox = new QLineEdit(this);
    m_pageBox->setObjectName(QStringLiteral("txtCurrentPage"));
    m_pageBox->setValidator(new QIntValidator(1, 9999, m_pageBox));
    m_pageBox->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    m_pageBox->setAlignment(Qt::AlignRight);
    pageLabel->setBuddy(m_pageBox);
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("lblTotalPages"));
    // Room for the count before it is known, so that Next does not move when it shows.
    m_total->setMinimumWidth(fontMetrics().horizontalAdvance(tr("of %1").arg(9999)));
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("Zoom"));
    m_zoom->setAccessibleName(tr("Zoom"));
    m_zoom->addItem(tr("Fit Width"), 0);
    for (int percent : {50, 75, 100, 150, 200})
        m_zoom->addItem(QStringLiteral("%1 %").arg(percent), percent);
    m_xy = new QLabel(this);
    m_xy->setObjectName(QStringLiteral("lblXY"));
    m_xy->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000, 00000")));
    // Escape closes as well; Enter in the page box must not.
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setAutoDefault(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(print);
    bar->addWidget(pdf);
    bar->addSpacing(fontMetrics().averageCharWidth() * 2);
    bar->addWidget(m_prev);
    bar->addWidget(pageLabel);
    bar->addWidget(m_pageBox);
    bar->addWidget(m_total);
    bar->addWidget(m_next);
    bar->addSpacing(fontMetrics().averageCharWidth() * 2);
    bar->addWidget(m_zoom);
    bar->addStretch(1);
    bar->addWidget(m_xy);
    bar->addWidget(close);
    const auto guard = [](const char* name, auto body) {
        return [name, body] { guarded(QString::fromLatin1(name), {}, body); };
    };
    connect(print, &QPushButton::clicked, this, guard("PrintBtn_Click", [this] { PrintBtn_Click(); }));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(pdf, &QPushButton::clicked, this, guard("SavePdfBtn_Click", [this] { savePdf_Click(); }));
    connect(m_prev, &QPushButton::clicked, this, guard("prevBtn_Click", [this] { prevBtn_Click(); }));
    connect(m_next, &QPushButton::clicked, this, guard("NextBtn_Click", [this] { NextBtn_Click(); }));
    connect(m_pageBox, &QLineEdit::textChanged, this,
            guard("txtCurrentPage_Change", [this] { txtCurrentPage_Change(); }));
    connect(m_zoom, &QComboBox::activated, this, [this](int index) { setZoom(m_zoom->itemData(index).toInt()); });
    return bar;
}

FieldConfig::~FieldConfig() = default;

int FieldConfig::pageCount()
{
    ensureComplete();
    return knownPages();
}

const QPicture& FieldConfig::page(int number)
{
    ensureComplete();
    return m_pages->pages().at(std::clamp(number, 1, knownPages()) - 1);
}

QPageLayout FieldConfig::pageLayout() const
{
    return m_pages->layout();
}

void FieldConfig::ensureComplete()
{
    if (m_complete)
        return;
    // Set first: a report that fails is told once, not again at every click.
    m_complete = true;
    auto all = std::make_unique<PictureOutput>();
    {
        Printout p(*all, m_orientation, true);
        m_report(p);
        p.EndPrint();
    }
    m_pages = std::move(all);
    m_total->setText(tr("of %1").arg(knownPages()));
    // Until now only page 1 could be shown, and both runs draw it the same way: the view keeps
    // what it shows, and only the count and the buttons change.
    m_view->replace(&m_pages->pages().at(m_page - 1));
    showPageControls();
}

void FieldConfig::showPage(int number)
{
    m_page = std::clamp(number, 1, std::max(1, knownPages()));
    const QRectF paper = m_pages->layout().fullRectPoints();
    m_view->show(&m_pages->pages().at(m_page - 1), paper.size() * 20.0);
    showPageControls();
}

void FieldConfig::showPageControls()
{
    m_prev->setEnabled(m_page > 1);
    m_next->setEnabled(!m_complete || m_page < knownPages());
    if (m_pageBox->text() != QString::number(m_page)) {
        const QSignalBlocker quiet(m_pageBox);
        m_pageBox->setText(QString::number(m_page));
    }
}

void FieldConfig::txtCurrentPage_Change()
{
    bool ok = false;
    const int number = m_pageBox->text().toInt(&ok);
    // A page beyond those laid out so far may well exist.
    if (ok && number > knownPages())
        ensureComplete();
    if (ok && number >= 1 && number <= knownPages())
        showPage(number);
}

void FieldConfig::NextBtn_Click()
{
    if (m_page < pageCount())
        m_pageBox->setText(QString::number(m_page + 1));
}

void FieldConfig::prevBtn_Click()
{
    if (m_page > 1)
        m_pageBox->setText(QString::number(m_page - 1));
}

void FieldConfig::setZoom(int percent)
{
    const double dpi = logicalDpiX();
    double scale = percent * dpi / 100.0 / 1440.0;
    if (percent <= 0) {
        // Fit the width: the frame's width less the border and a scroll bar's room.
        const double room = m_frame->viewport()->width() - 24;
        scale = std::max(0.01, room / std::max(1.0, m_view->paper().width()));
    }
    m_view->setScale(scale);
    const int index = m_zoom->findData(std::max(0, percent));
    if (index >= 0 && m_zoom->currentIndex() != index)
        m_zoom->setCurrentIndex(index);
}

bool FieldConfig::eventFilter(QObject* watched, QEvent* e)
{
    // Fitting the width follows the frame's size, whenever the window is laid out or resized.
    if (watched == m_frame->viewport() && e->type() == QEvent::Resize && m_zoom->currentData().toInt() == 0)
        setZoom(0);
    // Page 1 is being painted: the rest of the report is laid out right after it reached the
    // screen. The call dies with the window, and one that finds the window closed waits for it to
    // be painted again, so a preview closed first never runs the report again.
    if (watched == m_view && e->type() == QEvent::Paint && !m_complete && !m_scheduled) {
        m_scheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_scheduled = false;
            if (isVisible())
                guarded(QStringLiteral("FieldConfig_Complete"), {}, [this] { ensureComplete(); });
        });
    }
    return QDialog::eventFilter(watched, e);
}

void FieldConfig::showCoordinates(QPointF twips)
{
    m_xy->setText(QStringLiteral("%1, %2").arg(qRound(twips.x())).arg(qRound(twips.y())));
}

void FieldConfig::PrintBtn_Click()
{
    printReport(m_report, m_orientation, m_documentName, this);
}

void FieldConfig::savePdf_Click()
{
    saveReportAsPdf(m_report, m_orientation, m_documentName, this);
}

// ---------------------------------------------------------------- running reports

namespace {

// The printer's chosen paper and margins in the report's orientation.
class PrinterOutput : public PagedOutput {
public:
    explicit PrinterOutput(QPrinter& printer)
        : PagedOutput(&printer)
        , m_printer(printer)
    {
    }
    QPageLayout preferredLayout(QPageLayout::Orientation orientation) const override
    {
        QPageLayout layout = m_printer.pageLayout();
        layout.setOrientation(orientation);
        // Never closer to the edge than half an inch, whatever the printer allows.
        const QMarginsF m = layout.margins(QPageLayout::Point);
        layout.setMargins(QMarginsF(std::max(36.0, m.left()), std::max(36.0, m.top()), std::max(36.0, m.right()),
                                    std::max(36.0, m.bottom())));
        return layout;
    }

private:
    QPrinter& m_printer;
};

QString pdfName(const QString& documentName)
{
    QString name = documentName;
    for (QChar& c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control)
            c = QLatin1Char('-');
    }
    return name.trimmed().isEmpty() ? QStringLiteral("Printout.pdf") : name + QStringLiteral(".pdf");
}

}  // namespace

void printReport(const Report& report, int orientation, const QString& documentName, QWidget* parent)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        prompter().message(FieldConfig::tr("Print"),
                           FieldConfig::tr("No printer is installed on this computer. Use \"Save as PDF…\" in the "
                                           "preview to keep the printout as a file and print it elsewhere."),
                           Prompter::Icon::Exclamation);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageOrientation(orientation == Printout::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    Modal<QPrintDialog> dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted || !dialog)
        return;
    PrinterOutput output(printer);
    Printout p(output, orientation, false);
    report(p);
    p.EndPrint();
}

void saveReportAsPdf(const Report& report, int orientation, const QString& documentName, QWidget*)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        prompter().saveFileName(FieldConfig::tr("Save as PDF"), folder.isEmpty() ? QDir::homePath() : folder,
                                pdfName(documentName), FieldConfig::tr("PDF Files (*.pdf)|*.pdf"));
    if (path.isEmpty())
        return;
    try {
        printToPdf(report, orientation, path);
    } catch (const PwError& e) {
        prompter().message(FieldConfig::tr("Save as PDF"), e.description(), Prompter::Icon::Critical);
    }
}

void runReport(const QString& procName, const Report& report, int orientation, const QString& documentName,
               std::optional<bool> isPreview, QWidget* parent)
{
    guarded(procName, traceArg(QStringLiteral("lcIsPreview"), isPreview.value_or(false)), [&] {
        if (!isPreview) {
            isPreview = prompter().message(FieldConfig::tr("Print Preview"),
                                           FieldConfig::tr("Do you want to see a preview of the printout?"),
                                           Prompter::Icon::Question, Prompter::Buttons::YesNo) == Prompter::Answer::Yes;
        }
        if (*isPreview) {
            Modal<FieldConfig> preview(report, orientation, documentName, parent);
            preview.exec();
        } else {
            printReport(report, orientation, documentName, parent);
        }
    });
}

}  // namespace pw

#include "FieldConfig.moc"
