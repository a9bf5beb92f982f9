#pragma once
#include "TicketPrinter.h"

// The texts printed on one rental ticket (대여증), filled by the rental desk
// from a grid row and the rental header.
struct TRentTicketInfo
{
    QString ticketKindName;
    QString equipKindName;
    QString rentStatName;
    QString areaName;
    QString rentDate;      // yyyy.mm.dd
    QString rentName;
    QString height;
    QString weight;
    QString bootsSizeName;
    QString svrlFromDate;  // yyyy/mm/dd, empty without a multi-day period
    QString svrlToDate;    // yyyy/mm/dd
    QString rentNo;        // ten digits
    QString keepBoxNo;
};

// The ticket carries its lines twice: the renter's copy and the desk's stub, the
// second 560 dots lower. The two multi-day lines are printed only when the row
// has a first day.
// The record's formats from stored values: the rental date yyyymmdd as
// yyyy.mm.dd, a multi-day day as yyyy/mm/dd, the rental number as ten digits.
QString TicketRentDate(const QString &yyyymmdd);
QString TicketPeriodDate(const QString &yyyymmdd);
QString TicketRentNo(const QString &rentNo);

QList<TicketLine> RentTicketLines(const TRentTicketInfo &info);
bool PrintRentTicket(TicketPrinter &printer, const TRentTicketInfo &info);
