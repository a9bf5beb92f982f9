#include "EquipmentNumbering.h"
#include "ProcCatalog.h"
#include "Registry.h"
#include <QDate>
#include <QRegularExpression>

// Stored procedures of the equipment masters and the rental desk. Holds of a
// piece (EB020TM) are guarded by the table's key; new numbers by the counter
// rows of EB000MS; rows of one rental by updating their header first.

namespace {

const QString kNow = QStringLiteral("TO_CHAR(SYSDATE(), 'YYYYMMDDHH24MISS')");
const QString kBusy = QStringLiteral("선택하신 장비는 이미 대여되었거나 작업중입니다");
const QString kDayRental = QStringLiteral("D");
const QString kMultiDay = QStringLiteral("S");

QString sql(const char *text)
{
    return QString::fromUtf8(text).replace(QLatin1String("$NOW"), kNow);
}

bool isYmd(const QString &text)
{
    static const QRegularExpression eight(QStringLiteral("^[0-9]{8}$"));
    return eight.match(text).hasMatch() && QDate::fromString(text, QStringLiteral("yyyyMMdd")).isValid();
}

void requireDate(const ProcContext &ctx, const QString &param, const QString &caption, bool required)
{
    const QString v = ctx.in(param);
    if (v.isEmpty() && !required)
        return;
    if (!isYmd(v))
        ProcContext::fail(caption + QStringLiteral("을(를) 정확히 입력하십시오."));
}

void requireText(const ProcContext &ctx, const QString &param, const QString &caption)
{
    if (ctx.in(param).trimmed().isEmpty())
        ProcContext::fail(caption + QStringLiteral("을(를) 먼저 입력하십시오."));
}

// A whole number of at most `digits` digits, or empty. SQLite would keep any
// text in a numeric column, so the check cannot be left to the engine.
void requireNumber(const ProcContext &ctx, const QString &param, const QString &caption, int digits, bool fraction = false)
{
    const QString v = ctx.in(param).trimmed();
    if (v.isEmpty())
        return;
    const QRegularExpression re(fraction ? QStringLiteral("^[0-9]{1,%1}(\\.[0-9])?$").arg(digits)
                                         : QStringLiteral("^[0-9]{1,%1}$").arg(digits));
    if (!re.match(v).hasMatch())
        ProcContext::fail(caption + QStringLiteral("을(를) 정확히 입력하십시오."));
}

QString editStatus(const ProcContext &ctx)
{
    const QString s = ctx.in(QStringLiteral("AEDITSTATUS"));
    if (s != QLatin1String("1") && s != QLatin1String("2") && s != QLatin1String("3"))
        ProcContext::fail(QStringLiteral("작업구분이 올바르지 않습니다. (%1)").arg(s));
    return s;
}

QVariantHash audit(const ProcContext &ctx)
{
    return {{QStringLiteral("U_EMP_NO"), ctx.in(QStringLiteral("AU_EMP_NO"))},
            {QStringLiteral("U_IP"), ctx.in(QStringLiteral("AU_IP"))}};
}

QVariantHash merged(QVariantHash a, const QVariantHash &b)
{
    for (auto it = b.cbegin(); it != b.cend(); ++it)
        a.insert(it.key(), it.value());
    return a;
}

// ---- EBI010: course and lift run information ------------------------------

void createRunDay(ProcContext &ctx)
{
    requireDate(ctx, QStringLiteral("ARUN_DATE"), QStringLiteral("운행일자"), true);
    // Every course (E0006) and lift (E0007) with its facility kind, running by
    // default; rows already there are kept, so a second call changes nothing.
    ctx.exec(sql("INSERT INTO EB010MS (RUN_DATE, FAC_GUBUN, FAC_DETAIL_GUBUN, RUN_YN, INPUT_EMP_NO, INPUT_IP, "
                 "INPUT_DATE, U_EMP_NO, U_IP, U_DATE) "
                 "SELECT :RUN_DATE, ITEM1, DETAIL, 'Y', :U_EMP_NO, :U_IP, $NOW, :U_EMP_NO, :U_IP, $NOW "
                 "FROM ZX010MS WHERE HEAD IN ('E0006', 'E0007') AND NULLIF(TRIM(DETAIL),'') IS NOT NULL "
                 "AND NULLIF(TRIM(ITEM1),'') IS NOT NULL ON CONFLICT DO NOTHING"),
             merged(audit(ctx), {{QStringLiteral("RUN_DATE"), ctx.in(QStringLiteral("ARUN_DATE"))}}));
}

void saveRunRow(ProcContext &ctx)
{
    const QString status = editStatus(ctx);
    requireDate(ctx, QStringLiteral("ARUN_DATE"), QStringLiteral("운행일자"), true);
    const QVariantHash p = merged(audit(ctx), {{QStringLiteral("RUN_DATE"), ctx.in(QStringLiteral("ARUN_DATE"))},
                                               {QStringLiteral("FAC_GUBUN"), ctx.in(QStringLiteral("AFAC_GUBUN"))},
                                               {QStringLiteral("FAC_DETAIL_GUBUN"), ctx.in(QStringLiteral("AFAC_DETAIL_GUBUN"))},
                                               {QStringLiteral("RUN_YN"), ctx.in(QStringLiteral("ARUN_YN"))}});
    const QString key = QStringLiteral(" WHERE RUN_DATE = :RUN_DATE AND FAC_GUBUN = :FAC_GUBUN AND FAC_DETAIL_GUBUN = :FAC_DETAIL_GUBUN");
    if (status == QLatin1String("3")) {
        ctx.exec(QStringLiteral("DELETE FROM EB010MS") + key, p);
        return;
    }
    requireText(ctx, QStringLiteral("AFAC_GUBUN"), QStringLiteral("코스,리프트구분"));
    requireText(ctx, QStringLiteral("AFAC_DETAIL_GUBUN"), QStringLiteral("세부구분"));
    const int n = ctx.exec(sql("UPDATE EB010MS SET RUN_YN = :RUN_YN, U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = $NOW") + key, p);
    if (n == 0)
        ctx.exec(sql("INSERT INTO EB010MS (RUN_DATE, FAC_GUBUN, FAC_DETAIL_GUBUN, RUN_YN, INPUT_EMP_NO, INPUT_IP, INPUT_DATE, "
                     "U_EMP_NO, U_IP, U_DATE) VALUES (:RUN_DATE, :FAC_GUBUN, :FAC_DETAIL_GUBUN, :RUN_YN, :U_EMP_NO, :U_IP, "
                     "$NOW, :U_EMP_NO, :U_IP, $NOW)"),
                 p);
}

// ---- EBI020: equipment pieces ----------------------------------------------

QString nextEquipNo(ProcContext &ctx, const QString &area, const QString &kind)
{
    const QVariantHash key{{QStringLiteral("AREA_GUBUN"), area}, {QStringLiteral("EQUIP_GUBUN"), kind}};
    const qlonglong n = EquipmentNumbering::next(
        ctx, QStringLiteral("EQUIP"), area, kind,
        [&] {
            qlonglong highest = 0;
            const RowSet r = ctx.select(QStringLiteral("SELECT EQUIP_NO FROM EB020MS WHERE AREA_GUBUN = :AREA_GUBUN "
                                                       "AND EQUIP_GUBUN = :EQUIP_GUBUN"),
                                        key);
            for (int i = 0; i < r.rowCount(); ++i) {
                bool ok = false;
                const qlonglong v = r.text(i, 0).toLongLong(&ok);
                if (ok && v > highest)
                    highest = v;
            }
            return highest;
        },
        [&](qlonglong candidate) {
            if (candidate > 99999)
                ProcContext::fail(QStringLiteral("더 이상 부여할 장비번호가 없습니다."));
            return !ctx.select(QStringLiteral("SELECT EQUIP_NO FROM EB020MS WHERE AREA_GUBUN = :AREA_GUBUN "
                                              "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO"),
                               merged(key, {{QStringLiteral("EQUIP_NO"),
                                             QStringLiteral("%1").arg(candidate, 5, 10, QLatin1Char('0'))}}))
                        .isEmpty();
        });
    return QStringLiteral("%1").arg(n, 5, 10, QLatin1Char('0'));
}

void saveEquipment(ProcContext &ctx)
{
    const QString status = editStatus(ctx);
    requireText(ctx, QStringLiteral("AAREA_GUBUN"), QStringLiteral("*지역구분"));
    requireText(ctx, QStringLiteral("AEQUIP_GUBUN"), QStringLiteral("*장비구분"));
    QVariantHash p = merged(audit(ctx), {{QStringLiteral("AREA_GUBUN"), ctx.in(QStringLiteral("AAREA_GUBUN"))},
                                         {QStringLiteral("EQUIP_GUBUN"), ctx.in(QStringLiteral("AEQUIP_GUBUN"))},
                                         {QStringLiteral("EQUIP_NO"), ctx.in(QStringLiteral("AEQUIP_NO"))},
                                         {QStringLiteral("EQUIP_SIZE_GUBUN"), ctx.in(QStringLiteral("AEQUIP_SIZE_GUBUN"))},
                                         {QStringLiteral("EQUIP_RENT_YN"), ctx.in(QStringLiteral("AEQUIP_RENT_YN"))},
                                         {QStringLiteral("BUY_DATE"), ctx.in(QStringLiteral("ABUY_DATE"))},
                                         {QStringLiteral("REMARK"), ctx.in(QStringLiteral("AREMARK"))}});
    const QString key = QStringLiteral(" WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO");

    if (status == QLatin1String("3")) {
        // A piece that is out, or chosen at a desk, must not vanish from under
        // its rental.
        const RowSet piece = ctx.select(QStringLiteral("SELECT SVRL_RENT_YN FROM EB020MS") + key, p);
        if (piece.isEmpty())
            return;
        const bool busy = piece.text(0, 0) == QLatin1String("Y")
            || !ctx.select(QStringLiteral("SELECT EQUIP_NO FROM EB020TM") + key, p).isEmpty()
            || !ctx.select(QStringLiteral("SELECT EQUIP_NO FROM EB040DT") + key
                               + QStringLiteral(" AND RENT_STAT = 'D' AND RENT_DATE = TO_CHAR(SYSDATE(), 'YYYYMMDD')"),
                           p)
                    .isEmpty();
        if (busy)
            ProcContext::fail(QStringLiteral("대여중이거나 대여작업중인 장비는 삭제할 수 없습니다. (장비번호: %1)")
                                  .arg(ctx.in(QStringLiteral("AEQUIP_NO"))));
        ctx.exec(QStringLiteral("DELETE FROM EB020MS") + key, p);
        return;
    }

    requireText(ctx, QStringLiteral("AEQUIP_SIZE_GUBUN"), QStringLiteral("*사이즈"));
    const QString rentYn = ctx.in(QStringLiteral("AEQUIP_RENT_YN"));
    if (rentYn != QLatin1String("Y") && rentYn != QLatin1String("N"))
        ProcContext::fail(QStringLiteral("*장비대여 가능여부을(를) 정확히 입력하십시오."));
    requireDate(ctx, QStringLiteral("ABUY_DATE"), QStringLiteral("*구입일자"), true);

    if (status == QLatin1String("2")) {
        // The screen never types a number: a new piece takes the next one of its area and kind.
        p.insert(QStringLiteral("EQUIP_NO"), nextEquipNo(ctx, ctx.in(QStringLiteral("AAREA_GUBUN")), ctx.in(QStringLiteral("AEQUIP_GUBUN"))));
        ctx.exec(sql("INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, BUY_DATE, "
                     "REMARK, SVRL_RENT_YN, INPUT_EMP_NO, INPUT_IP, INPUT_DATE, U_EMP_NO, U_IP, U_DATE) VALUES "
                     "(:AREA_GUBUN, :EQUIP_GUBUN, :EQUIP_NO, :EQUIP_SIZE_GUBUN, :EQUIP_RENT_YN, :BUY_DATE, :REMARK, 'N', "
                     ":U_EMP_NO, :U_IP, $NOW, :U_EMP_NO, :U_IP, $NOW)"),
                 p);
        return;
    }
    // The multi-day columns belong to the rental desk; the master screen only shows them.
    if (ctx.exec(sql("UPDATE EB020MS SET EQUIP_SIZE_GUBUN = :EQUIP_SIZE_GUBUN, EQUIP_RENT_YN = :EQUIP_RENT_YN, "
                     "BUY_DATE = :BUY_DATE, REMARK = :REMARK, U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = $NOW")
                     + key,
                 p)
        == 0)
        ProcContext::fail(QStringLiteral("수정할 장비가 존재하지 않습니다. (장비번호: %1)").arg(ctx.in(QStringLiteral("AEQUIP_NO"))));
}

// ---- EBI030: boots base stock ------------------------------------------------

void saveBootsStock(ProcContext &ctx)
{
    const QString status = editStatus(ctx);
    requireText(ctx, QStringLiteral("AAREA_GUBUN"), QStringLiteral("*지역구분"));
    requireText(ctx, QStringLiteral("ABOOTS_SIZE_GUBUN"), QStringLiteral("*사이즈"));
    requireNumber(ctx, QStringLiteral("ASTOCK_QTY"), QStringLiteral("*기준재고수량"), 4);
    QString qty = ctx.in(QStringLiteral("ASTOCK_QTY")).trimmed();
    if (qty.isEmpty())
        qty = QStringLiteral("0");
    const QVariantHash p = merged(audit(ctx), {{QStringLiteral("AREA_GUBUN"), ctx.in(QStringLiteral("AAREA_GUBUN"))},
                                               {QStringLiteral("BOOTS_SIZE_GUBUN"), ctx.in(QStringLiteral("ABOOTS_SIZE_GUBUN"))},
                                               {QStringLiteral("STOCK_QTY"), qty}});
    const QString key = QStringLiteral(" WHERE AREA_GUBUN = :AREA_GUBUN AND BOOTS_SIZE_GUBUN = :BOOTS_SIZE_GUBUN");
    if (status == QLatin1String("3")) {
        ctx.exec(QStringLiteral("DELETE FROM EB030MS") + key, p);
    } else if (status == QLatin1String("2")) {
        if (ctx.exec(sql("INSERT INTO EB030MS (AREA_GUBUN, BOOTS_SIZE_GUBUN, STOCK_QTY, INPUT_EMP_NO, INPUT_IP, INPUT_DATE, "
                         "U_EMP_NO, U_IP, U_DATE) VALUES (:AREA_GUBUN, :BOOTS_SIZE_GUBUN, :STOCK_QTY, :U_EMP_NO, :U_IP, $NOW, "
                         ":U_EMP_NO, :U_IP, $NOW) ON CONFLICT DO NOTHING"),
                     p)
            == 0)
            ProcContext::fail(QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
    } else if (ctx.exec(sql("UPDATE EB030MS SET STOCK_QTY = :STOCK_QTY, U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = $NOW") + key, p)
               == 0) {
        ProcContext::fail(QStringLiteral("수정할 자료가 존재하지 않습니다."));
    }
}

// ---- EBI040: rental desk -------------------------------------------------------

QVariantHash rentalKey(const ProcContext &ctx)
{
    return {{QStringLiteral("RENT_DATE"), ctx.in(QStringLiteral("ARENT_DATE"))},
            {QStringLiteral("AREA_GUBUN"), ctx.in(QStringLiteral("AAREA_GUBUN"))},
            {QStringLiteral("RENT_NO"), ctx.in(QStringLiteral("ARENT_NO"))}};
}

void saveRentalHeader(ProcContext &ctx)
{
    const QString status = ctx.in(QStringLiteral("AEDITSTATUS"));
    requireDate(ctx, QStringLiteral("ARENT_DATE"), QStringLiteral("*대여일자"), true);
    requireText(ctx, QStringLiteral("AAREA_GUBUN"), QStringLiteral("*지역구분"));
    QVariantHash p = merged(audit(ctx), merged(rentalKey(ctx), {{QStringLiteral("DEAL_NAME"), ctx.in(QStringLiteral("ADEAL_NAME"))},
                                                                {QStringLiteral("KEEP_KIND_GUBUN"), ctx.in(QStringLiteral("AKEEP_KIND_GUBUN"))},
                                                                {QStringLiteral("KEEP_BOX_NO"), ctx.in(QStringLiteral("AKEEP_BOX_NO"))}}));
    if (status == QLatin1String("2")) {
        const QString date = ctx.in(QStringLiteral("ARENT_DATE"));
        const QString area = ctx.in(QStringLiteral("AAREA_GUBUN"));
        const QVariantHash dayKey{{QStringLiteral("RENT_DATE"), date}, {QStringLiteral("AREA_GUBUN"), area}};
        const qlonglong number = EquipmentNumbering::next(
            ctx, QStringLiteral("RENT"), date, area,
            [&] {
                return ctx.scalar(QStringLiteral("SELECT MAX(RENT_NO) FROM EB040MS WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN"),
                                  dayKey)
                    .toLongLong();
            },
            [&](qlonglong candidate) {
                return !ctx.select(QStringLiteral("SELECT RENT_NO FROM EB040MS WHERE RENT_DATE = :RENT_DATE AND "
                                                  "AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO"),
                                   merged(dayKey, {{QStringLiteral("RENT_NO"), candidate}}))
                            .isEmpty();
            });
        p.insert(QStringLiteral("RENT_NO"), number);
        ctx.exec(sql("INSERT INTO EB040MS (RENT_DATE, AREA_GUBUN, RENT_NO, DEAL_NAME, KEEP_KIND_GUBUN, KEEP_BOX_NO, "
                     "INPUT_EMP_NO, INPUT_IP, INPUT_DATE, U_EMP_NO, U_IP, U_DATE) VALUES (:RENT_DATE, :AREA_GUBUN, :RENT_NO, "
                     ":DEAL_NAME, :KEEP_KIND_GUBUN, :KEEP_BOX_NO, :U_EMP_NO, :U_IP, $NOW, :U_EMP_NO, :U_IP, $NOW)"),
                 p);
        ctx.setOut(QStringLiteral("ANEW_RENT_NO"), QString::number(number));
        return;
    }
    if (status != QLatin1String("1"))
        ProcContext::fail(QStringLiteral("작업구분이 올바르지 않습니다. (%1)").arg(status));
    requireNumber(ctx, QStringLiteral("ARENT_NO"), QStringLiteral("대여번호"), 10);
    requireText(ctx, QStringLiteral("ARENT_NO"), QStringLiteral("대여번호"));
    if (ctx.exec(sql("UPDATE EB040MS SET DEAL_NAME = :DEAL_NAME, KEEP_KIND_GUBUN = :KEEP_KIND_GUBUN, KEEP_BOX_NO = :KEEP_BOX_NO, "
                     "U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = $NOW WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN "
                     "AND RENT_NO = :RENT_NO"),
                 p)
        == 0)
        ProcContext::fail(QStringLiteral("대여번호 %1 의 대여자료가 존재하지 않습니다.").arg(ctx.in(QStringLiteral("ARENT_NO"))));
    ctx.setOut(QStringLiteral("ANEW_RENT_NO"), ctx.in(QStringLiteral("ARENT_NO")));
}

struct PieceKey
{
    QString date, area, kind, no;
    QVariantHash params() const
    {
        return {{QStringLiteral("RENT_DATE"), date}, {QStringLiteral("AREA_GUBUN"), area},
                {QStringLiteral("EQUIP_GUBUN"), kind}, {QStringLiteral("EQUIP_NO"), no}};
    }
};

// Refuses a piece that another rental row has out, or another desk holds.
// `ownRow` is this rental row (rent number and sequence) when it is already
// saved: its own day rental and its own multi-day flag do not count.
void ensurePieceFree(ProcContext &ctx, const PieceKey &piece, const QString &rentNo, const QString &seq, bool ownsMultiDay)
{
    QVariantHash p = merged(piece.params(), {{QStringLiteral("RENT_NO"), rentNo.isEmpty() ? QStringLiteral("0") : rentNo},
                                             {QStringLiteral("RENT_SEQ"), seq.isEmpty() ? QStringLiteral("0") : seq},
                                             {QStringLiteral("U_IP"), ctx.in(QStringLiteral("AU_IP"))}});
    const RowSet master = ctx.select(QStringLiteral("SELECT EQUIP_RENT_YN, SVRL_RENT_YN FROM EB020MS WHERE AREA_GUBUN = :AREA_GUBUN "
                                                    "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO"),
                                     p);
    if (master.isEmpty() || master.text(0, 0) != QLatin1String("Y"))
        ProcContext::fail(QStringLiteral("대여할 수 없는 장비입니다. (장비번호: %1)").arg(piece.no));
    if (master.text(0, 1) == QLatin1String("Y") && !ownsMultiDay)
        ProcContext::fail(kBusy);
    const bool onOtherRow = !ctx.select(QStringLiteral("SELECT RENT_NO FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND "
                                                       "AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND "
                                                       "EQUIP_NO = :EQUIP_NO AND RENT_STAT = 'D' AND "
                                                       "NOT (RENT_NO = :RENT_NO AND RENT_SEQ = :RENT_SEQ)"),
                                        p)
                                 .isEmpty();
    const bool heldElsewhere = !ctx.select(QStringLiteral("SELECT EQUIP_NO FROM EB020TM WHERE RENT_DATE = :RENT_DATE AND "
                                                          "AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND "
                                                          "EQUIP_NO = :EQUIP_NO AND NVL(U_IP, ' ') <> NVL(:U_IP, ' ')"),
                                           p)
                                    .isEmpty();
    if (onOtherRow || heldElsewhere)
        ProcContext::fail(kBusy);
}

void setMultiDay(ProcContext &ctx, const PieceKey &piece, bool out)
{
    if (piece.no.isEmpty())
        return;
    if (out)
        ctx.exec(sql("UPDATE EB020MS SET SVRL_RENT_YN = 'Y', SVRL_FROM_DATE = :RENT_DATE, U_DATE = $NOW "
                     "WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO"),
                 piece.params());
    else // only the flag this row set: the piece may be out on a later rental by now
        ctx.exec(sql("UPDATE EB020MS SET SVRL_RENT_YN = 'N', SVRL_FROM_DATE = NULL, U_DATE = $NOW "
                     "WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO "
                     "AND SVRL_RENT_YN = 'Y' AND SVRL_FROM_DATE = :RENT_DATE"),
                 piece.params());
}

void releaseOwnHold(ProcContext &ctx, const PieceKey &piece)
{
    if (piece.no.isEmpty())
        return;
    ctx.exec(QStringLiteral("DELETE FROM EB020TM WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND "
                            "EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO AND NVL(U_IP, ' ') = NVL(:U_IP, ' ')"),
             merged(piece.params(), {{QStringLiteral("U_IP"), ctx.in(QStringLiteral("AU_IP"))}}));
}

bool rentsOut(const QString &state)
{
    return state == kDayRental || state == kMultiDay;
}

void saveRentalRow(ProcContext &ctx)
{
    const QString status = editStatus(ctx);
    requireDate(ctx, QStringLiteral("ARENT_DATE"), QStringLiteral("*대여일자"), true);
    requireText(ctx, QStringLiteral("AAREA_GUBUN"), QStringLiteral("*지역구분"));
    requireText(ctx, QStringLiteral("ARENT_NO"), QStringLiteral("대여번호"));
    requireNumber(ctx, QStringLiteral("ARENT_NO"), QStringLiteral("대여번호"), 10);
    requireNumber(ctx, QStringLiteral("ARENT_SEQ"), QStringLiteral("대여순번"), 4);

    const QVariantHash key = rentalKey(ctx);
    // The header row guards its rows: a second desk adding to the same rental waits here.
    if (ctx.exec(sql("UPDATE EB040MS SET U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = $NOW WHERE RENT_DATE = :RENT_DATE "
                     "AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO"),
                 merged(audit(ctx), key))
        == 0)
        ProcContext::fail(QStringLiteral("대여번호 %1 의 대여자료가 존재하지 않습니다.").arg(ctx.in(QStringLiteral("ARENT_NO"))));

    QString seq = ctx.in(QStringLiteral("ARENT_SEQ"));
    RowSet old;
    if (status != QLatin1String("2")) {
        old = ctx.select(QStringLiteral("SELECT RENT_STAT, EQUIP_GUBUN, EQUIP_NO FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND "
                                        "AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO AND RENT_SEQ = :RENT_SEQ"),
                         merged(key, {{QStringLiteral("RENT_SEQ"), seq}}));
        if (old.isEmpty()) {
            if (status == QLatin1String("3"))
                return;
            ProcContext::fail(QStringLiteral("수정할 대여자료가 존재하지 않습니다. (대여순번: %1)").arg(seq));
        }
    }
    const QString date = ctx.in(QStringLiteral("ARENT_DATE"));
    const QString area = ctx.in(QStringLiteral("AAREA_GUBUN"));
    const PieceKey oldPiece = old.isEmpty() ? PieceKey{} : PieceKey{date, area, old.text(0, 1), old.text(0, 2)};
    const QString oldState = old.isEmpty() ? QString() : old.text(0, 0);

    if (status == QLatin1String("3")) {
        ctx.exec(QStringLiteral("DELETE FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND "
                                "RENT_NO = :RENT_NO AND RENT_SEQ = :RENT_SEQ"),
                 merged(key, {{QStringLiteral("RENT_SEQ"), seq}}));
        if (oldState == kMultiDay)
            setMultiDay(ctx, oldPiece, false);
        return;
    }

    // Every row hands out one piece; a day-rental row without a number would also
    // empty the desks' free lists (NOT IN over a NULL).
    requireText(ctx, QStringLiteral("AEQUIP_GUBUN"), QStringLiteral("*장비구분"));
    requireText(ctx, QStringLiteral("AEQUIP_NO"), QStringLiteral("*장비번호"));
    const QString state = ctx.in(QStringLiteral("ARENT_STAT"));
    if (state != QLatin1String("D") && state != QLatin1String("S") && state != QLatin1String("R"))
        ProcContext::fail(QStringLiteral("대여상태를 선택하십시요"));
    const PieceKey piece{date, area, ctx.in(QStringLiteral("AEQUIP_GUBUN")), ctx.in(QStringLiteral("AEQUIP_NO"))};
    requireNumber(ctx, QStringLiteral("AHEIGHT"), QStringLiteral("신장"), 3);
    requireNumber(ctx, QStringLiteral("AWEIGHT"), QStringLiteral("체중"), 3);
    requireNumber(ctx, QStringLiteral("ABINDING"), QStringLiteral("바인딩강도"), 3, true);
    requireDate(ctx, QStringLiteral("ASVRL_RENT_FROM_DATE"), QStringLiteral("연일대여기간"), false);
    requireDate(ctx, QStringLiteral("ASVRL_RENT_TO_DATE"), QStringLiteral("연일대여기간"), false);
    const QString from = ctx.in(QStringLiteral("ASVRL_RENT_FROM_DATE"));
    const QString to = ctx.in(QStringLiteral("ASVRL_RENT_TO_DATE"));
    if (!from.isEmpty() && !to.isEmpty() && to < from)
        ProcContext::fail(QStringLiteral("연일대여기간을(를) 정확히 입력하십시오."));

    if (rentsOut(state) && !piece.no.isEmpty()) {
        const bool samePiece = oldPiece.kind == piece.kind && oldPiece.no == piece.no;
        ensurePieceFree(ctx, piece, ctx.in(QStringLiteral("ARENT_NO")), status == QLatin1String("1") ? seq : QString(),
                        samePiece && oldState == kMultiDay);
    }

    QVariantHash row = merged(audit(ctx), key);
    for (const char *column : {"TICKET_KIND", "RENT_STAT", "EQUIP_GUBUN", "EQUIP_NO", "RENT_NAME", "TEL_NO", "HEIGHT", "WEIGHT",
                               "SHOES_SIZE", "BINDING", "ZIP_CODE", "ADDR1", "ADDR2", "SVRL_RENT_FROM_DATE", "SVRL_RENT_TO_DATE",
                               "REMARK"}) {
        const QString c = QString::fromLatin1(column);
        row.insert(c, ctx.in(QLatin1Char('A') + c).trimmed().isEmpty() ? QString() : ctx.in(QLatin1Char('A') + c));
    }

    if (status == QLatin1String("2")) {
        seq = QString::number(ctx.scalar(QStringLiteral("SELECT NVL(MAX(RENT_SEQ), 0) + 1 FROM EB040DT WHERE RENT_DATE = :RENT_DATE "
                                                        "AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO"),
                                         key)
                                  .toLongLong());
        row.insert(QStringLiteral("RENT_SEQ"), seq);
        ctx.exec(sql("INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, TICKET_KIND, RENT_STAT, EQUIP_GUBUN, "
                     "EQUIP_NO, RENT_NAME, TEL_NO, HEIGHT, WEIGHT, SHOES_SIZE, BINDING, ZIP_CODE, ADDR1, ADDR2, "
                     "SVRL_RENT_FROM_DATE, SVRL_RENT_TO_DATE, REMARK, RENT_TIME, INPUT_EMP_NO, INPUT_IP, INPUT_DATE, "
                     "U_EMP_NO, U_IP, U_DATE) VALUES (:RENT_DATE, :AREA_GUBUN, :RENT_NO, :RENT_SEQ, :TICKET_KIND, "
                     ":RENT_STAT, :EQUIP_GUBUN, :EQUIP_NO, :RENT_NAME, :TEL_NO, :HEIGHT, :WEIGHT, :SHOES_SIZE, :BINDING, "
                     ":ZIP_CODE, :ADDR1, :ADDR2, :SVRL_RENT_FROM_DATE, :SVRL_RENT_TO_DATE, :REMARK, "
                     "TO_CHAR(SYSDATE(), 'HH24MI'), :U_EMP_NO, :U_IP, $NOW, :U_EMP_NO, :U_IP, $NOW)"),
                 row);
    } else {
        row.insert(QStringLiteral("RENT_SEQ"), seq);
        ctx.exec(sql("UPDATE EB040DT SET TICKET_KIND = :TICKET_KIND, RENT_STAT = :RENT_STAT, EQUIP_GUBUN = :EQUIP_GUBUN, "
                     "EQUIP_NO = :EQUIP_NO, RENT_NAME = :RENT_NAME, TEL_NO = :TEL_NO, HEIGHT = :HEIGHT, WEIGHT = :WEIGHT, "
                     "SHOES_SIZE = :SHOES_SIZE, BINDING = :BINDING, ZIP_CODE = :ZIP_CODE, ADDR1 = :ADDR1, ADDR2 = :ADDR2, "
                     "SVRL_RENT_FROM_DATE = :SVRL_RENT_FROM_DATE, SVRL_RENT_TO_DATE = :SVRL_RENT_TO_DATE, REMARK = :REMARK, "
                     "U_EMP_NO = :U_EMP_NO, U_IP = :U_IP, U_DATE = $NOW WHERE RENT_DATE = :RENT_DATE AND "
                     "AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO AND RENT_SEQ = :RENT_SEQ"),
                 row);
        const bool samePiece = oldPiece.kind == piece.kind && oldPiece.no == piece.no;
        if (oldState == kMultiDay && (state != kMultiDay || !samePiece))
            setMultiDay(ctx, oldPiece, false);
    }
    if (state == kMultiDay)
        setMultiDay(ctx, piece, true);
    // The piece is on a saved row now; the desk's hold has done its work.
    releaseOwnHold(ctx, piece);
}

void holdOrRelease(ProcContext &ctx)
{
    const QString status = ctx.in(QStringLiteral("AEDITSTATUS"));
    const PieceKey piece{ctx.in(QStringLiteral("ARENT_DATE")), ctx.in(QStringLiteral("AAREA_GUBUN")),
                         ctx.in(QStringLiteral("AEQUIP_GUBUN")), ctx.in(QStringLiteral("AEQUIP_NO"))};
    if (status == QLatin1String("3")) {
        // Only this workstation's hold: a saved row's piece shown at the desk may
        // meanwhile be held by another desk.
        releaseOwnHold(ctx, piece);
        return;
    }
    if (status != QLatin1String("2"))
        ProcContext::fail(QStringLiteral("작업구분이 올바르지 않습니다. (%1)").arg(status));
    requireDate(ctx, QStringLiteral("ARENT_DATE"), QStringLiteral("*대여일자"), true);
    if (piece.no.isEmpty())
        ProcContext::fail(QStringLiteral("선택된 장비가 없습니다"));
    // One statement: the piece must be rentable and not out, and the key of
    // EB020TM lets only the first of two desks in.
    const int held = ctx.exec(sql("INSERT INTO EB020TM (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, U_EMP_NO, U_IP, U_DATE) "
                                  "SELECT :RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, :U_EMP_NO, :U_IP, $NOW FROM EB020MS "
                                  "WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO "
                                  "AND EQUIP_RENT_YN = 'Y' AND SVRL_RENT_YN = 'N' AND NOT EXISTS (SELECT 1 FROM EB040DT D "
                                  "WHERE D.RENT_DATE = :RENT_DATE AND D.AREA_GUBUN = :AREA_GUBUN AND D.EQUIP_GUBUN = :EQUIP_GUBUN "
                                  "AND D.EQUIP_NO = :EQUIP_NO AND D.RENT_STAT = 'D') ON CONFLICT DO NOTHING"),
                              merged(audit(ctx), piece.params()));
    if (held != 1)
        ProcContext::fail(kBusy);
}

} // namespace

void registerEquipmentProcedures(ProcCatalog &catalog)
{
    catalog.add(QStringLiteral("PR_EBI010_01"), {QStringLiteral("ARUN_DATE"), QStringLiteral("AU_EMP_NO"), QStringLiteral("AU_IP")},
                createRunDay);
    catalog.add(QStringLiteral("PR_EBI010_02"),
                {QStringLiteral("ARUN_DATE"), QStringLiteral("AFAC_GUBUN_NAME"), QStringLiteral("AFAC_DETAIL_GUBUN_NAME"),
                 QStringLiteral("ARUN_YN"), QStringLiteral("AFAC_GUBUN"), QStringLiteral("AFAC_DETAIL_GUBUN"),
                 QStringLiteral("AU_EMP_NO"), QStringLiteral("AU_IP"), QStringLiteral("AEDITSTATUS")},
                saveRunRow);
    catalog.add(QStringLiteral("PR_EBI020_01"),
                {QStringLiteral("AAREA_GUBUN"), QStringLiteral("AEQUIP_GUBUN"), QStringLiteral("AEQUIP_NO"),
                 QStringLiteral("AEQUIP_SIZE_GUBUN"), QStringLiteral("AEQUIP_RENT_YN"), QStringLiteral("ABUY_DATE"),
                 QStringLiteral("AREMARK"), QStringLiteral("ASVRL_RENT_YN"), QStringLiteral("ASVRL_RENT_FROM_DATE"),
                 QStringLiteral("ASVRL_RENT_TO_DATE"), QStringLiteral("AU_EMP_NO"), QStringLiteral("AU_IP"),
                 QStringLiteral("AEDITSTATUS")},
                saveEquipment);
    catalog.add(QStringLiteral("PR_EBI030_01"),
                {QStringLiteral("AAREA_GUBUN"), QStringLiteral("ABOOTS_SIZE_GUBUN"), QStringLiteral("ASTOCK_QTY"),
                 QStringLiteral("AU_EMP_NO"), QStringLiteral("AU_IP"), QStringLiteral("AEDITSTATUS")},
                saveBootsStock);
    catalog.add(QStringLiteral("PR_EBI040_01"),
                {QStringLiteral("ARENT_DATE"), QStringLiteral("AAREA_GUBUN"), QStringLiteral("ARENT_NO"),
                 QStringLiteral("ADEAL_NAME"), QStringLiteral("AKEEP_KIND_GUBUN"), QStringLiteral("AKEEP_BOX_NO"),
                 QStringLiteral("AU_EMP_NO"), QStringLiteral("AU_IP"), QStringLiteral("AEDITSTATUS"),
                 QStringLiteral("=ANEW_RENT_NO")},
                saveRentalHeader);
    catalog.add(QStringLiteral("PR_EBI040_02"),
                {QStringLiteral("ARENT_DATE"), QStringLiteral("AAREA_GUBUN"), QStringLiteral("ARENT_NO"),
                 QStringLiteral("ARENT_SEQ"), QStringLiteral("ATICKET_KIND"), QStringLiteral("ARENT_STAT"),
                 QStringLiteral("AEQUIP_GUBUN"), QStringLiteral("AEQUIP_NO"), QStringLiteral("ARENT_NAME"),
                 QStringLiteral("ATEL_NO"), QStringLiteral("AHEIGHT"), QStringLiteral("AWEIGHT"), QStringLiteral("ASHOES_SIZE"),
                 QStringLiteral("ABINDING"), QStringLiteral("AZIP_CODE"), QStringLiteral("AADDR1"), QStringLiteral("AADDR2"),
                 QStringLiteral("ASVRL_RENT_FROM_DATE"), QStringLiteral("ASVRL_RENT_TO_DATE"), QStringLiteral("AREMARK"),
                 QStringLiteral("AU_EMP_NO"), QStringLiteral("AU_IP"), QStringLiteral("AEDITSTATUS")},
                saveRentalRow);
    catalog.add(QStringLiteral("PR_EBI040_03"),
                {QStringLiteral("ARENT_DATE"), QStringLiteral("AAREA_GUBUN"), QStringLiteral("AEQUIP_GUBUN"),
                 QStringLiteral("AEQUIP_NO"), QStringLiteral("AU_EMP_NO"), QStringLiteral("AU_IP"),
                 QStringLiteral("AEDITSTATUS")},
                holdOrRelease);
}
