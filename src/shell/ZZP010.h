#pragma once
#include "Report.h"
#include "ReportDataSource.h"
#include <QWidget>
#include <memory>

class SqlQuery;

// Base of every print template: a form that is never shown, holding a banded
// report over a cached copy of its query. The title band frames the title and
// carries the condition line; the page footer prints the date, "page / total",
// the template's program ID, the logo and the resort's names. Column header,
// detail and summary bands are there for the templates to fill. The report
// prints one page even without rows. Derived templates set their object name
// ("frmEBP060"); the program ID follows it. A closed template is freed.
class TfrmZZP010 : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmZZP010(QWidget *parent = nullptr);
    ~TfrmZZP010() override;

    // Object name from the 4th character on ("frmEBP060" gives "EBP060").
    QString programId() const;

    Report &qrpReport() { return m_report; }
    ReportBand &qrbHeader() { return *m_header; }
    ReportBand &qrbColumnHeader() { return *m_columnHeader; }
    ReportBand &qrbDetail() { return *m_detail; }
    ReportBand &qrbSummary() { return *m_summary; }
    ReportBand &qrbFooter() { return *m_footer; }
    // A named element of any band (qrlTitle, qrlCondition, qrlDate, ...); nullptr when absent.
    ReportElement *item(const QString &name) const { return m_report.element(name); }

    void setTitle(const QString &text);
    QString title() const;
    void setCondition(const QString &text);
    QString condition() const;
    // Another left-aligned condition line under the last one; the title band grows.
    ReportElement &addConditionLine(const QString &name);

    // A4 portrait by default; the common bands follow a change of orientation.
    void setOrientation(QPageLayout::Orientation orientation);

    // The report's query on the program's connection, and its cached result.
    SqlQuery &qryQuery();
    RowSetDataSource &cdsQuery() { return m_cdsQuery; }
    // Takes over a screen's statement and every parameter value.
    void copyQuery(const SqlQuery &from);
    // Closes and reopens the cached result from qryQuery. Throws DbError.
    void openData();

    // Default printer, preview window, or a PDF file. All three print the same pages.
    bool Print();
    bool Preview(QWidget *parent = nullptr);
    bool ExportPdf(const QString &path);

protected:
    // The report's before-print event; the base does nothing.
    virtual void qrpReportBeforePrint() {}
    // Places the title and footer elements for the page width.
    void layoutCommonBands();

private:
    Report m_report;
    ReportBand *m_header;
    ReportBand *m_columnHeader;
    ReportBand *m_detail;
    ReportBand *m_summary;
    ReportBand *m_footer;
    QStringList m_conditionLines;
    std::unique_ptr<SqlQuery> m_qryQuery;
    RowSetDataSource m_cdsQuery;
};
