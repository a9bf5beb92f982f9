#include "EBP130.h"
#include "EBP000.h"
#include "ReportDataSource.h"

TfrmEBP130::TfrmEBP130(QWidget *parent) : TfrmEZP000(parent)
{
    setObjectName(QStringLiteral("frmEBP130"));
    setTitle(QStringLiteral("지역별 보관 현황"));
    EquipmentPrint::layoutColumns(*this, {
        {QStringLiteral("ADDRESS"), QStringLiteral("지   역"), 220},
        {QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 130},
        {QStringLiteral("KEEP_COUNT"), QStringLiteral("보관현황"), 100, Qt::AlignRight},
    });
    EquipmentPrint::addSumSummary(*this);
    // As on the screen, a region is printed once for its rows.
    ReportElement *region = item(QStringLiteral("qrdADDRESS_0"));
    region->compute = [](const ReportContext &c) {
        const auto *rows = dynamic_cast<const RowSetDataSource *>(c.data);
        if (!rows)
            return QString();
        const int at = rows->position();
        const QString here = rows->rows().text(at, QStringLiteral("ADDRESS"));
        return at > 0 && rows->rows().text(at - 1, QStringLiteral("ADDRESS")) == here ? QString() : here;
    };
}
