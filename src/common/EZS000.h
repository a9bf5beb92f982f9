#pragma once
#include "ZZS020.h"
#include <memory>

class QDateEdit;
class SqlQuery;
class TfrmZZP010;

// Base of the sports inquiry screens: the result grid in the sports colours with
// a totals footer, cancel (F8), Enter through the conditions into the search, the
// date picker dtpDate behind SearchDate, and the hand-off of the result to a print
// template. A screen sets qryQuery's parameters in its bbtSearchClick and calls
// the base; it computes its totals through qryFooter into the footer; and it
// names its template (with the condition lines filled) in CreateReport.
class TfrmEZS000 : public TfrmZZS020
{
    Q_OBJECT
public:
    explicit TfrmEZS000(QWidget *parent = nullptr);
    ~TfrmEZS000() override;

    bool bbtSearchClick() override;
    virtual bool bbtCancelClick();
    // Both hand the result to the template; preview shows it, print prints it.
    bool bbtPrintClick() override;
    bool bbtPreviewClick() override;

    // The screen's totals statement on the program's connection.
    SqlQuery &qryFooter();
    // Every footer value but the first column's becomes "0".
    void ResetFooter();

    QString SearchDate() const { return m_searchDate; }
    // The date picker named dtpDate: set to today, SearchDate follows it.
    void WatchDatePicker(QDateEdit *picker);

    // "label: value" for a condition line; several go on one line with three blanks.
    static QString ConditionText(const QString &label, const QString &value);
    static QString ConditionLine(const QStringList &conditions);

protected:
    // The template for this result, its condition lines filled; nullptr prints nothing.
    virtual std::unique_ptr<TfrmZZP010> CreateReport() { return nullptr; }
    // Print or preview through the template; the template is gone afterwards.
    bool PrintOut(bool preview);
    // A condition added by the screen: Enter in it moves on (and into the search).
    void addCondition(QWidget *condition);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

    QPushButton *m_bbtCancel = nullptr;
    QAction *m_popHotkeyCencel = nullptr;
    QDateEdit *m_dtpDate = nullptr;
    QString m_searchDate;

private:
    std::unique_ptr<SqlQuery> m_qryFooter;
};
