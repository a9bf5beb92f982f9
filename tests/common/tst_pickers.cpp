#include "DataGrid.h"
#include "EFH020.h"
#include "EZH010.h"
#include "EZH020.h"
#include "EZH030.h"
#include "EZH040.h"
#include "EZH050.h"
#include "EZH060.h"
#include "EZH070.h"
#include "EZH080.h"
#include "EZH090.h"
#include "EZH100.h"
#include "Pickers.h"
#include "TestSupport.h"
#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

const QString Fixture = QStringLiteral(
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('B0001', '01', '정회원');"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('B0001', '1001', '직원');"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('Z0008', 'M', '남');"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0026', '2', '2급');"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0013', '1', '보관');"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0012', 'D', '대여');"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0009', 'SB', '보드');"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('I0005', '01', '대인');"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('Q043', 'A1', 'A조');"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('Q044', 'D1', '강사');"
    "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0022', 'S1', '스키');"
    "INSERT INTO ZX030MS (ZIP_CODE, SEQ, ADDRESS1, ADDRESS2, ADDRESS3, POST_BOX) "
    "VALUES ('232950', 1, '강원도', '평창군', '대관령면', '산1');"
    "INSERT INTO ZX030MS (ZIP_CODE, SEQ, ADDRESS1, ADDRESS2, ADDRESS3) VALUES ('100100', 1, '서울', '중구', '명동');"
    "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE, SEX_CODE) VALUES ('M001', '김회원', '01', 'M');"
    "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE, CANCEL_DATE) VALUES ('M002', '김해약', '01', '20040101');"
    "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE) VALUES ('S001', '박직원', '1001');"
    "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE) VALUES ('P001', '한국스키협회', '44');"
    "INSERT INTO EC020MS (SEASON_GUBUN, RECEIPT_NO, ENTER_DATE, RECEIPT_NAME) VALUES ('04', 'R0001', '20040105', '최접수');"
    "INSERT INTO EC020DT (SEASON_GUBUN, RECEIPT_NO, RECEIPT_SEQ, TRAINER_NAME, SEX, AGE, LECTURE_ITEM_GUBUN) "
    "VALUES ('04', 'R0001', 1, '최아이', 'M', 10, 'S1');"
    "INSERT INTO ED020MS (SEASON_GUBUN, RECV_NO, APPLY_DATE, ENTRY_NAME_KOR, ID_NO, APPLY_CLASS) "
    "VALUES ('04', 42, '20040105', '서응시', '8001011234567', '2');"
    "INSERT INTO QA010MS (EMP_NO, EMP_K_NAME, EMP_WORK_CODE, EMP_STAY_CODE, EMP_POS_CODE, EMP_WORK_GRP_CODE, "
    "EMP_WORK_GRP_DUTY_CODE) VALUES ('E001', '박강사', '81', '01', '21', 'A1', 'D1');"
    "INSERT INTO QG010MS (LAB_NO, LAB_K_NAME, LAB_WORK_CODE, LAB_WORK_GRP, LAB_WORK_DUTY) "
    "VALUES ('L001', '정계약', '81', 'A1', 'D1');"
    "INSERT INTO JA010MS (UPJANG_CODE, UPJANG_NAME, UPJANG_TYPE) VALUES ('5001', '스키하우스', '50');"
    "INSERT INTO JA010MS (UPJANG_CODE, UPJANG_NAME, UPJANG_TYPE) VALUES ('6001', '식당', '60');"
    "INSERT INTO EB040MS (RENT_DATE, AREA_GUBUN, RENT_NO, DEAL_NAME, KEEP_KIND_GUBUN, KEEP_BOX_NO) "
    "VALUES ('20040110', 'M', 12, '홍취급', '1', '007');"
    "INSERT INTO EB040MS (RENT_DATE, AREA_GUBUN, RENT_NO, DEAL_NAME, KEEP_KIND_GUBUN) "
    "VALUES ('20040110', 'S', 12, '다른지역', '1');"
    "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, TICKET_KIND, RENT_STAT, EQUIP_GUBUN, EQUIP_NO, "
    "RENT_NAME) VALUES ('20040110', 'M', 12, 1, '01', 'D', 'SB', '00001', '이대여');"
    "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, TICKET_KIND, RENT_STAT, EQUIP_GUBUN, EQUIP_NO, "
    "RENT_NAME) VALUES ('20040110', 'S', 12, 1, '01', 'D', 'SB', '00002', '이대여');");

// Runs `step` on the modal dialog once the opener has shown it.
void onModal(const std::function<void(QWidget *)> &step)
{
    QTimer::singleShot(0, [step] { step(QApplication::activeModalWidget()); });
}

struct Case
{
    std::function<TfrmEZH000 *()> make;
    QString preset;
    int rows;
    QMap<QString, QString> results;
};

QList<Case> cases()
{
    return {
        {[] { return new TfrmEZH010; }, QStringLiteral("대관령"), 1,
         {{QStringLiteral("ZIP_CODE"), QStringLiteral("232950")},
          {QStringLiteral("ADDRESS"), QStringLiteral("강원도 평창군 대관령면 산1 ")}}},
        {[] { auto *d = new TfrmEZH020; d->setRental(QStringLiteral("20040110"), QStringLiteral("M")); return d; },
         QStringLiteral("12"), 1, {{QStringLiteral("RENT_NO"), QStringLiteral("12")}}},
        {[] { return new TfrmEZH030; }, QStringLiteral("김회원"), 1,
         {{QStringLiteral("MEMBER_NO"), QStringLiteral("M001")}, {QStringLiteral("MEMBER_NAME"), QStringLiteral("김회원")}}},
        {[] { auto *d = new TfrmEZH040; d->setGroup(QStringLiteral("성별"), QStringLiteral("Z0008")); return d; },
         QString(), 1, {{QStringLiteral("DETAIL"), QStringLiteral("M")}, {QStringLiteral("DETAIL_NAME"), QStringLiteral("남")}}},
        {[] { auto *d = new TfrmEZH050; d->setSeason(QStringLiteral("04")); return d; }, QString(), 1,
         {{QStringLiteral("RECEIPT_NO"), QStringLiteral("R0001")},
          {QStringLiteral("ENTER_DATE"), QStringLiteral("2004-01-05")},
          {QStringLiteral("RECEIPT_NAME"), QStringLiteral("최접수")}}},
        {[] { return new TfrmEZH060; }, QStringLiteral("스키"), 1,
         {{QStringLiteral("MEMBER_NO"), QStringLiteral("P001")}, {QStringLiteral("MEMBER_NAME"), QStringLiteral("한국스키협회")}}},
        {[] { auto *d = new TfrmEZH070; d->setSeason(QStringLiteral("04")); return d; }, QString(), 1,
         {{QStringLiteral("RECV_NO"), QStringLiteral("000042")},
          {QStringLiteral("ENTRY_NAME_KOR"), QStringLiteral("서응시")},
          {QStringLiteral("APPLY_DATE"), QStringLiteral("20040105")},
          {QStringLiteral("ID_NO"), QStringLiteral("8001011234567")},
          {QStringLiteral("APPLY_CLASS"), QStringLiteral("2급")}}},
        {[] { return new TfrmEZH080; }, QStringLiteral("박"), 1,
         {{QStringLiteral("EMP_NO"), QStringLiteral("E001")},
          {QStringLiteral("EMP_K_NAME"), QStringLiteral("박강사")},
          {QStringLiteral("EMP_WORK_GRP_CODE"), QStringLiteral("A1")},
          {QStringLiteral("EMP_WORK_GRP_NAME"), QStringLiteral("A조")},
          {QStringLiteral("EMP_WORK_GRP_DUTY_CODE"), QStringLiteral("D1")},
          {QStringLiteral("EMP_WORK_GRP_DUTY_NAME"), QStringLiteral("강사")}}},
        {[] { return new TfrmEZH080; }, QStringLiteral("정계약"), 1,
         {{QStringLiteral("EMP_NO"), QStringLiteral("L001")}, {QStringLiteral("EMP_WORK_GRP_NAME"), QStringLiteral("A조")}}},
        {[] { return new TfrmEZH090; }, QStringLiteral("박"), 1,
         {{QStringLiteral("EMP_NO"), QStringLiteral("S001")}, {QStringLiteral("EMP_NAME"), QStringLiteral("박직원")}}},
        {[] { auto *d = new TfrmEFH020; d->setPlaceType(QStringLiteral("영업장"), QStringLiteral("50")); return d; },
         QString(), 1,
         {{QStringLiteral("UPJANG_CODE"), QStringLiteral("5001")}, {QStringLiteral("UPJANG_NAME"), QStringLiteral("스키하우스")}}},
    };
}

} // namespace

// The sports pickers against a small fixture, on every engine.
class TestPickers : public QObject
{
    Q_OBJECT

    QMap<QString, std::shared_ptr<TestDatabase>> m_dbs;

    void use(const QString &engine) { m_dbs.value(engine)->attachToDataModule(); }

private slots:
    void initTestCase()
    {
        for (const QString &engine : testEngines()) {
            auto db = std::make_shared<TestDatabase>(engine);
            db->exec(Fixture);
            m_dbs.insert(engine, db);
        }
    }
    void cleanupTestCase() { m_dbs.clear(); }

    void eachPickerReturnsItsRow_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("index");
        const QStringList names{QStringLiteral("zip code"),       QStringLiteral("rental number"),
                                QStringLiteral("member"),         QStringLiteral("code"),
                                QStringLiteral("lesson receipt"), QStringLiteral("partner group"),
                                QStringLiteral("badge entry"),    QStringLiteral("regular instructor"),
                                QStringLiteral("contract instructor"), QStringLiteral("staff"),
                                QStringLiteral("business place")};
        for (const QString &e : testEngines())
            for (int i = 0; i < names.size(); ++i)
                QTest::newRow(qPrintable(e + QStringLiteral(": ") + names.at(i))) << e << i;
    }
    void eachPickerReturnsItsRow()
    {
        QFETCH(QString, engine);
        QFETCH(int, index);
        use(engine);
        PresenterGuard presenter;
        const Case c = cases().at(index);
        std::unique_ptr<TfrmEZH000> dialog(c.make());
        if (!dialog->searchInputs().isEmpty())
            dialog->searchInputs().constFirst()->setText(c.preset);
        QVERIFY(dialog->bbtSearchClick());
        QCOMPARE(dialog->findChild<DataGrid *>(QStringLiteral("rgrGrid"))->rowCount(), c.rows);
        if (auto *detail = dialog->findChild<DataGrid *>(QStringLiteral("rgrDetailGrid")))
            QCOMPARE(detail->rowCount(), 1); // follows the current row
        QVERIFY(dialog->bbtOKClick());
        for (auto it = c.results.cbegin(); it != c.results.cend(); ++it)
            QCOMPARE(dialog->result(it.key()), it.value());
        QVERIFY(presenter->messages.isEmpty());
    }

    void presetSearchesAtOnce_data() { addEngineRows(); }
    void presetSearchesAtOnce()
    {
        QFETCH(QString, engine);
        use(engine);
        PresenterGuard presenter;
        TfrmEZH030 preset;
        preset.searchInputs().constFirst()->setText(QStringLiteral("김"));
        preset.show();
        auto *grid = preset.findChild<DataGrid *>(QStringLiteral("rgrGrid"));
        QTRY_COMPARE(grid->rowCount(), 2);

        TfrmEZH030 waiting;
        waiting.show();
        QVERIFY(QTest::qWaitForWindowActive(&waiting));
        QTest::qWait(20);
        auto *waitingGrid = waiting.findChild<DataGrid *>(QStringLiteral("rgrGrid"));
        QCOMPARE(waitingGrid->rowCount(), 0);
        QVERIFY(presenter->messages.isEmpty());
        QTest::keyClick(waiting.searchInputs().constFirst(), Qt::Key_F3);
        QCOMPARE(waitingGrid->rowCount(), 4);
    }

    void cancelledMemberRefused_data() { addEngineRows(); }
    void cancelledMemberRefused()
    {
        QFETCH(QString, engine);
        use(engine);
        PresenterGuard presenter;
        TfrmEZH030 dialog;
        dialog.searchInputs().constFirst()->setText(QStringLiteral("김해약"));
        QVERIFY(dialog.bbtSearchClick());
        dialog.show();
        QVERIFY(!dialog.bbtOKClick());
        QCOMPARE(presenter->texts(), QStringList{QStringLiteral("해약된 회원입니다")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(QStringLiteral("MEMBER_NO")), QString());
    }

    void rentalNumbersOfTheOpenersAreaOnly_data() { addEngineRows(); }
    void rentalNumbersOfTheOpenersAreaOnly()
    {
        QFETCH(QString, engine);
        use(engine);
        PresenterGuard presenter;
        TfrmEZH020 dialog;
        dialog.setRental(QStringLiteral("20040110"), QStringLiteral("S"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // Enter passes from the number to the name, and from the name to the search.
        auto *rentNo = dialog.findChild<QLineEdit *>(QStringLiteral("edtRentNo"));
        auto *rentName = dialog.findChild<QLineEdit *>(QStringLiteral("edtRentName"));
        rentNo->setFocus();
        QTest::keyClick(rentNo, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), rentName);
        QTest::keyClick(rentName, Qt::Key_Return);
        auto *grid = dialog.findChild<DataGrid *>(QStringLiteral("rgrGrid"));
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->cell(0, 1), QStringLiteral("다른지역"));
        auto *detail = dialog.findChild<DataGrid *>(QStringLiteral("rgrDetailGrid"));
        QCOMPARE(detail->cell(0, detail->columnOfField(QStringLiteral("EQUIP_NO"))), QStringLiteral("00002"));
    }

    void zipOpenerReturnsSixDigits_data() { addEngineRows(); }
    void zipOpenerReturnsSixDigits()
    {
        QFETCH(QString, engine);
        use(engine);
        PresenterGuard presenter;
        onModal([](QWidget *w) {
            auto *dialog = qobject_cast<TfrmEZH010 *>(w);
            QVERIFY(dialog);
            dialog->searchInputs().constFirst()->setText(QStringLiteral("명동"));
            dialog->bbtSearchClick();
            QCOMPARE(dialog->findChild<DataGrid *>(QStringLiteral("rgrGrid"))->cell(0, 0), QStringLiteral("100-100"));
            dialog->bbtOKClick();
        });
        QString zip, address;
        QVERIFY(PickZipCode(zip, address));
        QCOMPARE(zip, QStringLiteral("100100"));
        QCOMPARE(address, QStringLiteral("서울 중구 명동  ")); // an empty part still brings its blank
    }

    void codeOpenerWithoutGroupFindsNothing_data() { addEngineRows(); }
    void codeOpenerWithoutGroupFindsNothing()
    {
        QFETCH(QString, engine);
        use(engine);
        PresenterGuard presenter;
        int rowsBeforeSearch = -1, rowsAfterSearch = -1;
        QString caption;
        onModal([&](QWidget *w) {
            auto *dialog = qobject_cast<TfrmEZH040 *>(w);
            QVERIFY(dialog);
            caption = dialog->windowTitle();
            auto *grid = dialog->findChild<DataGrid *>(QStringLiteral("rgrGrid"));
            const bool active = QTest::qWaitForWindowActive(dialog);
            rowsBeforeSearch = grid->rowCount();
            QTest::keyClick(dialog, Qt::Key_F3);
            rowsAfterSearch = grid->rowCount();
            QTest::keyClick(dialog, Qt::Key_F12);
            if (dialog->isVisible()) // keys not delivered: end the modal loop all the same
                dialog->reject();
            QVERIFY(active);
        });
        QString code = QStringLiteral("old"), name = QStringLiteral("이전");
        QVERIFY(!PickCode(QStringLiteral("장비구분"), QString(), code, name));
        QCOMPARE(caption, QStringLiteral("장비구분"));
        QCOMPARE(rowsBeforeSearch, 0);
        QCOMPARE(rowsAfterSearch, 0);
        QCOMPARE(presenter->texts(), QStringList{QStringLiteral("조회할 내용이 없습니다.")});
        QCOMPARE(code, QStringLiteral("old"));
        QCOMPARE(name, QStringLiteral("이전"));
    }

    void cancelReasonKeepsFortyBytes()
    {
        TfrmEZH100 dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("edtCancelRemark"));
        edit->setFocus();
        for (int i = 0; i < 25; ++i) // 25 syllables, 50 bytes
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(QChar(0xAC00)), Qt::NoModifier);
        QCOMPARE(edit->text(), QString(20, QChar(0xAC00)));
        QVERIFY(dialog.bbtOKClick());
        QCOMPARE(dialog.reason(), QString(20, QChar(0xAC00)));
    }
};

QTEST_MAIN(TestPickers)
#include "tst_pickers.moc"
