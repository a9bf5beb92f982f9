#pragma once
#include "EZS000.h"
#include "ZZP010.h" // CreateReport hands over a template
#include <QString>
#include <QVariantHash>

class CodeCombo;
class MaskEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;
struct DataGridColumn;

// Statements of the rental and storage reports (EBS060 .. EBS130). Each screen
// runs its statement and hands the same text and values to its print template;
// they live apart from the widgets so that they can be run on their own.
//
// Summary reports count per first key and equipment kind. Each first key gets
// its detail rows (EQUIP_GUBUN_INDEX 0, one per kind) followed by one subtotal
// row (EQUIP_GUBUN_INDEX 1, "소계" in the kind column, no first key shown).
// The levels are a UNION ALL of two groupings, ordered by first key, level and
// kind code, so every engine returns the same rows in the same order. The grand
// total comes from the report's separate total statement.
namespace EquipmentReports {

// Code heads of the name subqueries ("GC_EQUIP_GUBUN_CODE" -> "E0009", ...).
const QVariantHash &codeHeads();

// EBS060: the rental rows of a date and an area; a chosen state or ticket kind
// adds its condition (":RENT_STAT", ":TICKET_KIND").
QString dailyRentals(bool byState, bool byTicketKind);
// EBS070: pieces of an area now out on a multi-day rental, with the rental row
// and header that hold them.
QString multiDayRentals();
// EBS080: rentals of a date and an area by hour of the rental time.
QString hourlyRentals();
QString hourlyRentalsTotal();
// EBS090: rentals of an area by rental date within a period (an empty bound is
// open).
QString periodRentals();
QString periodRentalsTotal();

// EBS100: stored items of a season and an area; each chosen filter adds its
// condition, the owner's name matches anywhere (":KEEP_NAME" = "%" + text + "%").
struct StorageFilter
{
    bool state = false;
    bool storageKind = false;
    bool equipKind = false;
    bool equipName = false;
    bool ownerName = false;
};
QString storedItems(const StorageFilter &filter);
// EBS110: items of an area still stored (":KEEP_STAT" = "K") whose release date
// is before the reference date (":CHULGO_DATE").
QString overdueItems();
// EBS120: stored items of a season and an area within an intake period, by
// storage kind.
QString byStorageKind();
QString byStorageKindTotal();
// EBS130: the same items by the region of the owner's zip code; items without a
// zip code are left out of rows and total alike.
QString byRegion();
QString byRegionTotal();

} // namespace EquipmentReports

// What the eight report screens share: search conditions laid out in rows of
// the search panel (area, "[전체]" code filters, season with its name, a
// period), the statement with its code heads, and for the summary reports the
// yellow subtotal rows and the total from the separate total statement.
class TfrmEBS000 : public TfrmEZS000
{
    Q_OBJECT
public:
    explicit TfrmEBS000(QWidget *parent = nullptr);

    // The total of the last search (summary reports), "" before one.
    QString total() const { return m_total; }

protected:
    // A caption and its inputs at the end of a row of the search panel.
    QLabel *addLabeled(int row, const QString &labelName, const QString &caption, QList<QWidget *> inputs);
    // cboArea over E0017, first area chosen.
    CodeCombo *addArea(int row, const QString &caption = QStringLiteral("*지역구분"));
    // "[전체]" and then the code list; "[전체]" chosen.
    CodeCombo *addCodeFilter(int row, const QString &name, const QString &caption, const QString &head);
    // The chosen code, "" for "[전체]".
    static QString filterValue(const CodeCombo *combo);
    // dtpDate: the work date, SearchDate follows it.
    QDateEdit *addDatePicker(int row, const QString &caption);
    // edtSeason (two characters, upper case) with its lookup and name.
    void addSeason(int row);
    // wmeDateFrom "∼" wmeDateTo; empty bounds are open.
    void addPeriod(int row, const QString &caption);

    // Refuses, with the message and the focus on the field, a missing season or
    // one the code list does not know.
    bool checkSeason();
    // Refuses a bound that is given but no date.
    bool checkPeriod();
    QString season() const;
    QString seasonName() const;
    QString periodFrom() const;
    QString periodTo() const;
    // caption + ": " + from + "  ∼  " + to, "[전체]" for an open bound.
    QString periodCondition() const;
    // caption + ": " + the entry shown in the combo.
    QString comboCondition(const CodeCombo *combo) const;
    QString labelCaption(const QWidget *input) const;

    // A result column: shown with a width in pixels, hidden without.
    static DataGridColumn column(const QString &field, const QString &title, int width = 0,
                                 Qt::Alignment alignment = {});
    // Sets the screen's statement, its code heads and values.
    void setStatement(const QString &sql, const QVariantHash &values);

    // Summary grid: the shown columns, then the hidden level column; subtotal
    // rows yellow; the first column's footer carries the caption.
    void setSummaryColumns(const QVector<DataGridColumn> &columns, const QString &footerCaption);
    // Runs the total statement with the search's values into the footer of the
    // count column (the last shown one). Throws DbError.
    QString showTotal(const QString &totalSql);
    // The search of a summary report: its statement, then the total into the
    // footer (a failing total shows its error; the rows stay).
    bool searchWithTotal(const QString &sql, const QVariantHash &values, const QString &totalSql);
    // Runs the total statement again for a template's qrlSum; false (after the
    // error box) when it fails.
    bool putTotal(TfrmZZP010 &report, const QString &totalSql);
    // Before a search has opened a result there is nothing to print.
    bool canPrint();

    bool eventFilter(QObject *watched, QEvent *event) override;

    QLineEdit *m_edtSeason = nullptr;
    QToolButton *m_sbtSeason = nullptr;
    QLabel *m_wlbSeasonName = nullptr;
    MaskEdit *m_wmeDateFrom = nullptr;
    MaskEdit *m_wmeDateTo = nullptr;
    CodeCombo *m_cboArea = nullptr;

private:
    void pickSeason();
    void lookUpSeason();

    QWidget *m_conditions = nullptr;
    QGridLayout *m_conditionLayout = nullptr;
    QList<int> m_rowFill;
    QString m_periodCaption;
    QString m_total;
};
