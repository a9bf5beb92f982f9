#include "RentTicket.h"

namespace {
constexpr int kSecondCopyOffset = 560;

QString lowered(const QString &position, int by)
{
    const QString x = position.section(QLatin1Char(','), 0, 0);
    const int y = position.section(QLatin1Char(','), 1, 1).toInt();
    return x + QLatin1Char(',') + QString::number(y - by);
}
QString splitDate(const QString &yyyymmdd, QChar separator)
{
    if (yyyymmdd.size() != 8)
        return yyyymmdd;
    return yyyymmdd.left(4) + separator + yyyymmdd.mid(4, 2) + separator + yyyymmdd.mid(6, 2);
}
} // namespace

QString TicketRentDate(const QString &yyyymmdd)
{
    return splitDate(yyyymmdd, QLatin1Char('.'));
}

QString TicketPeriodDate(const QString &yyyymmdd)
{
    return splitDate(yyyymmdd, QLatin1Char('/'));
}

QString TicketRentNo(const QString &rentNo)
{
    return rentNo.trimmed().rightJustified(10, QLatin1Char('0'));
}

QList<TicketLine> RentTicketLines(const TRentTicketInfo &info)
{
    QList<TicketLine> copy = {
        {QStringLiteral("140,1040"), QStringLiteral("3,2"), QStringLiteral("5"), info.ticketKindName},
        {QStringLiteral("10,970"), QStringLiteral("3,2"), QStringLiteral("5"),
         QLatin1Char('(') + info.areaName + QLatin1Char(')') + info.rentDate},
        {QStringLiteral("60,890"), QStringLiteral("2,2"), QStringLiteral("2"), info.equipKindName + QLatin1Char(' ') + info.rentStatName},
        {QStringLiteral("20,830"), QStringLiteral("2,2"), QStringLiteral("2"), info.rentNo + QStringLiteral("   ") + info.keepBoxNo},
        {QStringLiteral("10,780"), QStringLiteral("1,1"), QStringLiteral("3"), QStringLiteral("대여자명:") + info.rentName},
        {QStringLiteral("10,740"), QStringLiteral("1,1"), QStringLiteral("3"), QStringLiteral("신장: ") + info.height},
        {QStringLiteral("10,700"), QStringLiteral("1,1"), QStringLiteral("3"), QStringLiteral("체중: ") + info.weight},
        {QStringLiteral("10,660"), QStringLiteral("1,1"), QStringLiteral("3"), QStringLiteral("부츠: ") + info.bootsSizeName},
    };
    if (!info.svrlFromDate.isEmpty()) {
        copy.append({QStringLiteral("10,620"), QStringLiteral("1,1"), QStringLiteral("3"),
                     QStringLiteral("연일: ") + info.svrlFromDate + QLatin1Char('-')});
        copy.append({QStringLiteral("10,590"), QStringLiteral("1,1"), QStringLiteral("3"),
                     QStringLiteral("      ") + info.svrlToDate});
    }
    QList<TicketLine> lines = copy;
    for (TicketLine line : std::as_const(copy)) {
        line.position = lowered(line.position, kSecondCopyOffset);
        lines.append(line);
    }
    return lines;
}

bool PrintRentTicket(TicketPrinter &printer, const TRentTicketInfo &info)
{
    return printer.printTicket(QStringLiteral("<RR>"), RentTicketLines(info));
}
