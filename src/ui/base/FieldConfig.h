// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/print/PrintLayer.h"

#include <QDialog>
#include <QPicture>

#include <memory>
#include <optional>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace pw {

class PageView;

// "Print Preview": the printout's pages one at a time, with page navigation, zoom, printing and
// saving as PDF. The report is run into page pictures; printing and saving run it again on the
// printer or into the file, so every output is drawn at its own resolution. A long report would
// keep the coach waiting for all its pages: the window opens as soon as page 1 is drawn, and the
// whole report is laid out once that page is on screen, or sooner when something needs it.
class FieldConfig : public QDialog {
    Q_OBJECT
public:
    FieldConfig(Report report, int orientation, const QString& documentName, QWidget* parent = nullptr);
    ~FieldConfig() override;

    // Both lay out the whole printout first when only page 1 is there yet.
    int pageCount();
    int currentPage() const { return m_page; }
    const QPicture& page(int number);
    QPageLayout pageLayout() const;

    // The procedures and handlers, public so that tests drive them as the coach would.
    void txtCurrentPage_Change();
    void NextBtn_Click();
    void prevBtn_Click();
    void PrintBtn_Click();
    void savePdf_Click();
    // Zoom: 0 fits the page's width to the window, otherwise a percentage.
    void setZoom(int percent);
    void showCoordinates(QPointF twips);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The constructor's parts: the scrolled page, and the bar of buttons above it with their
    // connections (print is the Print button, which the constructor keeps from being the default).
    void buildPageFrame();
    QHBoxLayout* buildButtonBar(QPushButton*& print);
    void showPage(int number);
    // Previous and Next, and the page number box, for the page shown.
    void showPageControls();
    // Runs the report into the pages up to its end, the first time only, and shows the count.
    void ensureComplete();
    // The pages laid out so far.
    int knownPages() const { return int(m_pages->pages().size()); }

    Report m_report;
    int m_orientation;
    QString m_documentName;
    std::unique_ptr<PictureOutput> m_pages;
    bool m_complete = false;   // the pages run to the report's end
    bool m_scheduled = false;  // the rest is laid out once page 1 has been painted
    int m_page = 1;
    PageView* m_view = nullptr;
    QScrollArea* m_frame = nullptr;
    QLineEdit* m_pageBox = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_xy = nullptr;
    QPushButton* m_prev = nullptr;
    QPushButton* m_next = nullptr;
    QComboBox* m_zoom = nullptr;
};

// Runs a report as the coach asked: a preview when isPreview is true, the printer when false,
// and when it is not given (the toolbar's Print button) the coach is asked "Do you want to see a
// preview of the printout?". Failures are reported under procName.
void runReport(const QString& procName, const Report& report, int orientation, const QString& documentName,
               std::optional<bool> isPreview, QWidget* parent);

// Sends the report to a printer the coach chooses; says so clearly when no printer is installed.
void printReport(const Report& report, int orientation, const QString& documentName, QWidget* parent);

// Asks for a file name and saves the report there as PDF; a file that cannot be written is told.
void saveReportAsPdf(const Report& report, int orientation, const QString& documentName, QWidget* parent);

}  // namespace pw
