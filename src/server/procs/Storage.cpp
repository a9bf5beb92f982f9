#include "EquipmentNumbering.h"
#include "ProcCatalog.h"
#include "Registry.h"

// Procedures of the storage desk: guests' own equipment kept per season and area.

namespace {

const QString kNow = QStringLiteral("TO_CHAR(SYSDATE(), 'YYYY-MM-DD HH24:MI:SS')");

// Next storage number of a season and area; a second desk saving at the same
// moment waits on the counter and takes the following number.
qlonglong nextKeepNo(ProcContext &c, const QString &season, const QString &area)
{
    const QVariantHash key{{QStringLiteral("SEASON_GUBUN"), season}, {QStringLiteral("AREA_GUBUN"), area}};
    const QString scope = QStringLiteral(" FROM EB050MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND AREA_GUBUN = :AREA_GUBUN");
    return EquipmentNumbering::next(
        c, QStringLiteral("KEEP"), season, area,
        [&] { return c.scalar(QStringLiteral("SELECT MAX(KEEP_NO)") + scope, key).toLongLong(); },
        [&](qlonglong no) {
            QVariantHash k = key;
            k.insert(QStringLiteral("KEEP_NO"), no);
            return !c.select(QStringLiteral("SELECT KEEP_NO") + scope + QStringLiteral(" AND KEEP_NO = :KEEP_NO"), k).isEmpty();
        });
}

// The row's columns in the order of the procedure's parameters.
const QStringList &keepColumns()
{
    static const QStringList columns = {
        QStringLiteral("KEEP_STAT"),     QStringLiteral("IPGO_DATE"),        QStringLiteral("CHULGO_DATE"),
        QStringLiteral("GUEST_NO"),      QStringLiteral("GUEST_NAME"),       QStringLiteral("KEEP_GUBUN"),
        QStringLiteral("EQUIP_GUBUN"),   QStringLiteral("EQUIP_NAME_GUBUN"), QStringLiteral("EQUIP_NAME_ETC"),
        QStringLiteral("NATIVE_NO"),     QStringLiteral("POELS_YN"),         QStringLiteral("POELS_NAME"),
        QStringLiteral("MEMBER_NO"),     QStringLiteral("KEEP_NAME"),        QStringLiteral("ZIP_CODE"),
        QStringLiteral("ADDR1"),         QStringLiteral("ADDR2"),            QStringLiteral("TEL_NO"),
        QStringLiteral("MOBILE_NO"),     QStringLiteral("KEEP_BOX_NO"),      QStringLiteral("REMARK"),
        QStringLiteral("CONF_QUESTION"), QStringLiteral("CONF_ANSWER"),
    };
    return columns;
}

// The storage number arrives as the ten-digit text the screen shows.
qlonglong keepNoOf(const ProcContext &c)
{
    bool ok = false;
    const qlonglong no = c.in(QStringLiteral("AKEEP_NO")).trimmed().toLongLong(&ok);
    if (!ok || no <= 0)
        ProcContext::fail(QStringLiteral("보관번호가 올바르지 않습니다. [%1]").arg(c.in(QStringLiteral("AKEEP_NO"))));
    return no;
}

void saveKeep(ProcContext &c)
{
    const QString season = c.in(QStringLiteral("ASEASON_GUBUN")).trimmed();
    const QString area = c.in(QStringLiteral("AAREA_GUBUN")).trimmed();
    if (season.isEmpty() || area.isEmpty())
        ProcContext::fail(QStringLiteral("시즌과 지역구분이 없는 보관자료는 저장할 수 없습니다."));

    const QString status = c.in(QStringLiteral("AEDITSTATUS"));
    if (status != QLatin1String("1") && status != QLatin1String("2") && status != QLatin1String("3"))
        ProcContext::fail(QStringLiteral("작업구분이 올바르지 않습니다. [%1]").arg(status));

    QVariantHash v = c.columns(keepColumns());
    v.insert(QStringLiteral("SEASON_GUBUN"), season);
    v.insert(QStringLiteral("AREA_GUBUN"), area);
    v.insert(QStringLiteral("U_EMP_NO"), c.value(QStringLiteral("AU_EMP_NO")));
    v.insert(QStringLiteral("U_IP"), c.value(QStringLiteral("AU_IP")));

    if (status == QLatin1String("2")) {
        v.insert(QStringLiteral("KEEP_NO"), nextKeepNo(c, season, area));
        QStringList names{QStringLiteral("SEASON_GUBUN"), QStringLiteral("AREA_GUBUN"), QStringLiteral("KEEP_NO")};
        names += keepColumns();
        QStringList binds;
        for (const QString &n : names)
            binds << QLatin1Char(':') + n;
        c.exec(QStringLiteral("INSERT INTO EB050MS (%1, INPUT_EMP_NO, INPUT_IP, INPUT_DATE, U_EMP_NO, U_IP, U_DATE) "
                              "VALUES (%2, :U_EMP_NO, :U_IP, %3, :U_EMP_NO, :U_IP, %3)")
                   .arg(names.join(QStringLiteral(", ")), binds.join(QStringLiteral(", ")), kNow),
               v);
        return;
    }

    v.insert(QStringLiteral("KEEP_NO"), keepNoOf(c));
    const QString where = QStringLiteral(" WHERE SEASON_GUBUN = :SEASON_GUBUN AND AREA_GUBUN = :AREA_GUBUN AND KEEP_NO = :KEEP_NO");
    if (status == QLatin1String("1")) {
        QStringList sets;
        for (const QString &n : keepColumns())
            sets << n + QStringLiteral(" = :") + n;
        const int n = c.exec(QStringLiteral("UPDATE EB050MS SET %1, U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = %2")
                                 .arg(sets.join(QStringLiteral(", ")), kNow)
                                 + where,
                             v);
        if (n == 0)
            ProcContext::fail(QStringLiteral("수정할 보관자료가 없습니다. 다른 곳에서 삭제되었는지 확인하십시오. [%1]")
                                  .arg(c.in(QStringLiteral("AKEEP_NO"))));
    } else if (c.exec(QStringLiteral("DELETE FROM EB050MS") + where, v) == 0) {
        ProcContext::fail(QStringLiteral("삭제할 보관자료가 없습니다. 다른 곳에서 삭제되었는지 확인하십시오. [%1]")
                              .arg(c.in(QStringLiteral("AKEEP_NO"))));
    }
}

} // namespace

void registerStorageProcedures(ProcCatalog &catalog)
{
    QStringList params{QStringLiteral("ASEASON_GUBUN"), QStringLiteral("AAREA_GUBUN"), QStringLiteral("AKEEP_NO")};
    for (const QString &n : keepColumns())
        params << QLatin1Char('A') + n;
    params << QStringLiteral("AU_EMP_NO") << QStringLiteral("AU_IP") << QStringLiteral("AEDITSTATUS");
    catalog.add(QStringLiteral("PR_EBI050_01"), params, saveKeep);
}
