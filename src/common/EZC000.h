#pragma once
#include "ZZC000.h" // DayOfWeekName and the other date helpers are shared with the framework
#include <QString>
#include <QStringList>

class CodeCombo;
class DataGrid;

// Lookups of the sports screens: code lists from the common code table ZX010MS,
// names behind codes and numbers, and the availability and capacity questions of
// the rental and lesson desks. Every function runs on the data module's
// connection (opened first when closed). An error while running a statement is
// not caught here (DbError reaches the screen); a result that cannot be read
// gives the stated fallback.
//
// Code-table filters: filters[0] is compared with ITEM1, filters[1] with ITEM2,
// and so on up to ITEM15; an empty filter is left out. Filter values are bound
// as parameters, so any text (quotes included) only ever compares.

// Appends DETAIL_NAME to the items and DETAIL to the values of the combo, in the
// server's row order, after whatever the combo already holds. True when every row was read.
bool FillCodeCombo(CodeCombo *combo, const QString &head, const QStringList &filters = {});
// The same, but firstFilter is compared with ITEM2 and secondFilter with ITEM1;
// further filters go to ITEM3 onwards.
bool FillCodeComboByItem2(CodeCombo *combo, const QString &head, const QString &firstFilter,
                          const QString &secondFilter = {}, const QStringList &moreFilters = {});
// Pick list of one grid column: DETAIL_NAME appended to its items, DETAIL to its values.
bool FillCodeColumn(DataGrid *grid, int column, const QString &head, const QStringList &filters = {});
// Name of one code, "" when there is none.
QString GetCodeName(const QString &head, const QString &code, const QStringList &filters = {});

// Names behind numbers; "" when nothing matches.
QString GetMemberName(const QString &memberNo);        // members that are not cancelled
QString GetPartnerGroupName(const QString &groupNo);   // partner groups (제휴단체), not cancelled
QString GetStaffName(const QString &staffNo);          // staff registered as members

struct EmployeeInfo
{
    QString name;
    QString workGroupCode, workGroupName;
    QString dutyCode, dutyName;
};
// A regular employee of the instructor department or contract staff still under contract.
EmployeeInfo GetEmployeeInfo(const QString &empNo);

struct LessonReceipt
{
    QString enterDate;   // yyyymmdd
    QString receiptName;
};
LessonReceipt GetLessonReceipt(const QString &season, const QString &receiptNo);

struct BadgeEntry
{
    QString recvNo;      // six digits
    QString nameKor;
    QString applyDate;   // yyyymmdd
    QString idNo;
    QString applyClass;  // class name
};
BadgeEntry GetBadgeEntry(const QString &season, const QString &recvNo);

QString GetZipAddress(const QString &zipCode);
// Storage date plus the number of days of the storage kind (E0016 ITEM1), yyyymmdd.
QString GetReleaseDate(const QString &storageDate, const QString &storageKind);

// True when the day's facility rows have not been created yet.
bool IsFacilityDayEmpty(const QString &runDate);
// True when the piece cannot be rented that day: it does not exist, is not
// rentable, is out on a multi-day rental, is rented that day or held at a desk.
bool IsEquipUnavailable(const QString &rentDate, const QString &area, const QString &equipKind, const QString &equipNo);
// True when a size group of the kind and size set (E0018 .. E0020) contains the size.
bool IsSizeInGroup(const QString &sizeSet, const QString &equipKind, const QString &sizeCode);
// True when the employee holds no reservation for that lesson on that day.
bool IsNotReservedBy(const QString &date, const QString &lectureItem, const QString &lectureRec,
                     const QString &lectureDetail, const QString &empNo);
// The day's reservation limit; 0 without a limit row, -1 when it cannot be read.
int GetReservationCapacity(const QString &date, const QString &lectureItem, const QString &lectureRec,
                           const QString &lectureDetail);
// Reservations made so far; -1 when they cannot be read.
int GetReservedCount(const QString &date, const QString &lectureItem, const QString &lectureRec,
                     const QString &lectureDetail);

// Blanks are ignored; the rest must be a real yyyymmdd date (years 1..9999).
bool IsValidYmd(const QString &text);
// Prepends "0" until the text is at least width characters long.
QString PadZeros(const QString &text, int width);
