#include "CodeCombo.h"
#include "Cp949.h"
#include "DataGrid.h"
#include "E0Main.h"
#include "EBI040.h"
#include "EquipmentFixture.h"
#include "MaskEdit.h"
#include "NumEdit.h"
#include "SerialPair.h"
#include "TestSupport.h"
#include "ZZC000.h"
#include <QCoreApplication>
#include <QDateEdit>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace EquipmentFixture;

namespace {

// The codes the desk fills its lists from, on top of the fixture's pieces.
QString deskCodes()
{
    return script() + QStringLiteral(
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0017', 'M', '솔빛');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0013', '01', '신발');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('I0005', '01', '주간권');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0012', 'D', '일일대여');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0012', 'S', '연일대여');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0012', 'R', '반납');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0009', 'CS', '카빙스키');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0009', 'NS', '일반스키');"
        "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN) VALUES ('M', 'NS', '00001', '150', 'Y');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2, ITEM3) VALUES ('E0010', '150', '150', 'Y', 'N', 'Y');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2, ITEM3) VALUES ('E0010', '160', '160', 'Y', 'N', 'Y');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0011', '270', '270');");
}

template <class T>
T *child(QWidget *screen, const char *name)
{
    T *w = screen->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qWarning("no child %s", name);
    return w;
}

} // namespace

// The rental desk end to end: opened from the menu, one rental held, saved,
// printed and returned; and the desk's row checks.
class TestEBI040 : public QObject
{
    Q_OBJECT

    // The desk on a fresh database, searched for a new rental of 2004-01-05.
    struct Desk
    {
        std::unique_ptr<TestDatabase> db;
        std::unique_ptr<TfrmE0Main> main;
        TfrmEBI040 *screen = nullptr;
    };

    Desk open(const QString &engine)
    {
        Desk d;
        d.db = std::make_unique<TestDatabase>(engine);
        d.db->exec(deskCodes());
        d.db->attachToDataModule();
        d.main = std::make_unique<TfrmE0Main>();
        d.main->show();
        if (!QTest::qWaitForWindowActive(d.main.get()))
            qWarning("main window not active");
        if (d.main->OpenProgram(QStringLiteral("장비 대여/반납 작업"), QStringLiteral("EBI040")))
            d.screen = qobject_cast<TfrmEBI040 *>(d.main->programAt(d.main->activeIndex()));
        if (d.screen)
            child<QDateEdit>(d.screen, "dtpDate")->setDate(QDate(2004, 1, 5));
        return d;
    }

    static void press(QWidget *focus, Qt::Key key)
    {
        focus->setFocus();
        QTest::keyClick(focus, key);
    }

    // Fills the shown row as a clerk would, up to the choice of the piece.
    static void fillRow(TfrmEBI040 *s)
    {
        child<QLineEdit>(s, "edtDealName")->setText(QStringLiteral("김대리"));
        child<QLineEdit>(s, "edtKeepBoxNo")->setText(QStringLiteral("A12"));
        child<QLineEdit>(s, "edtRentName")->setText(QStringLiteral("홍길동"));
        child<NumEdit>(s, "wneRentHeight")->setText(QStringLiteral("175"));
        child<NumEdit>(s, "wneRentWeight")->setText(QStringLiteral("70"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_pair.start(), "socat is needed for the serial pair");
        QVERIFY(m_dir.isValid());
        Login::ExeDir = m_dir.path() + QLatin1Char('/');
        Login::EmpNo = QStringLiteral("20040001");
        Login::LocalIP = QStringLiteral("10.0.0.1");
        TfrmZZMain::setProjectId(QStringLiteral("SPORTS"));
        // The desk's printer port, from the executable's INI file.
        QFile ini(Login::ExeDir + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[TicketPrinter]\r\nPort=%1\r\n").arg(m_pair.printerEnd()).toLocal8Bit());
    }

    void roadOfOneRental_data() { addEngineRows(); }
    void roadOfOneRental()
    {
        QFETCH(QString, engine);
        PresenterGuard presenter;
        Desk d = open(engine);
        TfrmEBI040 *s = d.screen;
        QVERIFY(s);
        QVERIFY(s->cptFlotec().isOpen());
        auto *rentNo = child<QLineEdit>(s, "edtRentNo");

        press(rentNo, Qt::Key_F3);
        QVERIFY(!s->isSearchMode());
        QCOMPARE(s->masterStatus(), 2);
        QCOMPARE(s->rgrGrid()->rowCount(), 1);
        auto *freeList = child<DataGrid>(s, "rgrEquipNo");
        QCOMPARE(freeList->rowCount(), 2);
        QCOMPARE(freeList->footerText(0), QStringLiteral("2"));

        fillRow(s);
        press(child<QLineEdit>(s, "edtRentName"), Qt::Key_F5);
        QCOMPARE(s->rentState(), QStringLiteral("D"));
        press(child<QLineEdit>(s, "edtRentName"), Qt::Key_F10);
        QCOMPARE(child<QLineEdit>(s, "edtRentEquipNo")->text(), QStringLiteral("00001"));
        QCOMPARE(scalar(d.db->session(), QStringLiteral("SELECT EQUIP_NO || U_IP FROM EB020TM")), QStringLiteral("0000110.0.0.1"));
        QCOMPARE(freeList->rowCount(), 1);
        QVERIFY(!child<QPushButton>(s, "bbtEquipSelect")->isEnabled());

        press(child<QLineEdit>(s, "edtRentName"), Qt::Key_F2);
        QVERIFY2(presenter->questions == QStringList{QStringLiteral("저장 하시겠습니까?")}, qPrintable(presenter->texts().join(QLatin1Char('|'))));
        Session &db = d.db->session();
        QCOMPARE(scalar(db, QStringLiteral("SELECT RENT_NO || DEAL_NAME || KEEP_KIND_GUBUN || KEEP_BOX_NO FROM EB040MS")),
                 QStringLiteral("1김대리01A12"));
        QCOMPARE(rentNo->text(), QStringLiteral("1"));
        QCOMPARE(s->masterStatus(), 1);
        QCOMPARE(scalar(db, QStringLiteral("SELECT RENT_SEQ || RENT_STAT || EQUIP_NO || RENT_NAME || HEIGHT FROM EB040DT")),
                 QStringLiteral("1D00001홍길동175"));
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM EB020TM")), QStringLiteral("0"));

        // One ticket, both copies, for the new row.
        TRentTicketInfo ticket;
        ticket.ticketKindName = QStringLiteral("주간권");
        ticket.equipKindName = QStringLiteral("카빙스키");
        ticket.rentStatName = QStringLiteral("일일대여");
        ticket.areaName = QStringLiteral("솔빛");
        ticket.rentDate = QStringLiteral("2004.01.05");
        ticket.rentName = QStringLiteral("홍길동");
        ticket.height = QStringLiteral("175");
        ticket.weight = QStringLiteral("70");
        ticket.bootsSizeName = QStringLiteral("270");
        ticket.rentNo = QStringLiteral("0000000001");
        ticket.keepBoxNo = QStringLiteral("A12");
        QByteArray expected = Cp949::encode(QStringLiteral("<CB><RR>"));
        for (const TicketLine &line : RentTicketLines(ticket))
            expected += Cp949::encode(line.command());
        expected += Cp949::encode(QStringLiteral("<p>"));
        QCOMPARE(m_pair.read(expected.size()), expected);

        // Reloaded from the database; the piece is no longer free that day.
        QCOMPARE(s->rgrGrid()->rowCount(), 1);
        QCOMPARE(s->rgrGrid()->cell(0, QStringLiteral("RENT_SEQ")), QStringLiteral("1"));
        QCOMPARE(EquipmentFixture::freeList(db), QStringList{QStringLiteral("00002")});
        QVERIFY(!child<QPushButton>(s, "bbtEquipCancel")->isEnabled());
        QVERIFY(!child<QPushButton>(s, "bbtDelete")->isEnabled());

        // Returned later: saved as "R", free again, and no ticket for a changed row.
        press(child<QLineEdit>(s, "edtRentName"), Qt::Key_F7);
        presenter->clear();
        press(child<QLineEdit>(s, "edtRentName"), Qt::Key_F2);
        QCOMPARE(presenter->questions, QStringList{QStringLiteral("저장 하시겠습니까?")});
        QCOMPARE(scalar(db, QStringLiteral("SELECT RENT_STAT FROM EB040DT")), QStringLiteral("R"));
        QCOMPARE(EquipmentFixture::freeList(db), (QStringList{QStringLiteral("00001"), QStringLiteral("00002")}));
        QCOMPARE(m_pair.read(0), QByteArray());
    }

    // The other desk holds a piece while this desk's list still shows it.
    void staleListEntryIsRefused_data() { addEngineRows(); }
    void staleListEntryIsRefused()
    {
        QFETCH(QString, engine);
        PresenterGuard presenter;
        Desk d = open(engine);
        TfrmEBI040 *s = d.screen;
        QVERIFY(s);
        QVERIFY(s->bbtSearchClick());
        std::unique_ptr<Session> other = d.db->openAnother();
        call(*other, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00001"), QStringLiteral("2"), QStringLiteral("10.0.0.2")));
        QVERIFY(!s->bbtEquipSelectClick());
        QCOMPARE(presenter->lastText(), kBusy);
        QCOMPARE(child<QLineEdit>(s, "edtRentEquipNo")->text(), QString());
        // The list was read again: only the free piece is offered now.
        QCOMPARE(child<DataGrid>(s, "rgrEquipNo")->rowCount(), 1);

        // Cancel gives back what this desk held and nothing of the other desk's.
        QVERIFY(s->bbtEquipSelectClick());
        QCOMPARE(child<QLineEdit>(s, "edtRentEquipNo")->text(), QStringLiteral("00002"));
        QVERIFY(s->bbtCancelClick());
        QCOMPARE(scalar(d.db->session(), QStringLiteral("SELECT EQUIP_NO FROM EB020TM")), QStringLiteral("00001"));
    }

    // A save the server refuses leaves the rental new: the next save gets a
    // number again instead of updating a header that was rolled back.
    void refusedSaveKeepsTheRentalNew_data() { addEngineRows(); }
    void refusedSaveKeepsTheRentalNew()
    {
        QFETCH(QString, engine);
        PresenterGuard presenter;
        Desk d = open(engine);
        TfrmEBI040 *s = d.screen;
        QVERIFY(s);
        QVERIFY(s->bbtSearchClick());
        fillRow(s);
        s->SelectState(QStringLiteral("D"));
        std::unique_ptr<Session> other = d.db->openAnother();
        call(*other, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00001"), QStringLiteral("2"), QStringLiteral("10.0.0.2")));
        child<QLineEdit>(s, "edtRentEquipNo")->setText(QStringLiteral("00001")); // a piece the other desk holds
        QVERIFY(!s->bbtSaveClick());
        QCOMPARE(presenter->lastText(), QStringLiteral("자료를 저장하지 못했습니다.\r\r에러내용:\r") + kBusy);
        QCOMPARE(s->masterStatus(), 2);
        QCOMPARE(child<QLineEdit>(s, "edtRentNo")->text(), QString());
        QCOMPARE(scalar(d.db->session(), QStringLiteral("SELECT COUNT(*) FROM EB040MS")), QStringLiteral("0"));

        // With the printer gone the save still stands; the line says what to reissue.
        call(*other, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00001"), QStringLiteral("3"), QStringLiteral("10.0.0.2")));
        s->cptFlotec().close();
        presenter->clear();
        QVERIFY(s->bbtSaveClick());
        QCOMPARE(presenter->texts(), QStringList{QStringLiteral("저장 하시겠습니까?")});
        QCOMPARE(child<QLineEdit>(s, "edtRentNo")->text(), QStringLiteral("1"));
        QCOMPARE(scalar(d.db->session(), QStringLiteral("SELECT COUNT(*) FROM EB040DT")), QStringLiteral("1"));
        QCOMPARE(s->statusText(), QStringLiteral("대여증을 출력하지 못했습니다(홍길동). 프린터를 확인하고 재발급하십시오."));
        // Reissued once the printer is back.
        s->bbtPrinterInitClick();
        QVERIFY(s->cptFlotec().isOpen());
        s->bbtReissueClick();
        QVERIFY(m_pair.read(1).startsWith(Cp949::encode(QStringLiteral("<CB><RR><RC140,1040><HW3,2><F5>주간권"))));
    }

    // An unsaved row's piece goes back to the free list however the row is
    // abandoned: deleted with F9, or the whole program closed around it.
    void abandonedRowReleasesItsPiece_data()
    {
        QTest::addColumn<bool>("closeMainWindow");
        QTest::newRow("row deleted") << false;
        QTest::newRow("main window closed") << true;
    }
    void abandonedRowReleasesItsPiece()
    {
        QFETCH(bool, closeMainWindow);
        PresenterGuard presenter;
        Desk d = open(QStringLiteral("sqlite"));
        TfrmEBI040 *s = d.screen;
        QVERIFY(s);
        QVERIFY(s->bbtSearchClick());
        fillRow(s);
        QVERIFY(s->bbtEquipSelectClick());
        QCOMPARE(scalar(d.db->session(), QStringLiteral("SELECT COUNT(*) FROM EB020TM")), QStringLiteral("1"));
        if (closeMainWindow) {
            d.main->close();
            QTRY_COMPARE(d.main->programCount(), 0);
        } else {
            QVERIFY(s->bbtDeleteClick());
        }
        QCOMPARE(scalar(d.db->session(), QStringLiteral("SELECT COUNT(*) FROM EB020TM")), QStringLiteral("0"));
    }

    // The kind cannot change under a chosen piece: the row would carry the number
    // under another kind (a piece of that kind with the same number) and the
    // chosen piece would stay held for the day.
    void kindIsFixedWhileAPieceIsChosen_data() { addEngineRows(); }
    void kindIsFixedWhileAPieceIsChosen()
    {
        QFETCH(QString, engine);
        PresenterGuard presenter;
        Desk d = open(engine);
        TfrmEBI040 *s = d.screen;
        QVERIFY(s);
        QVERIFY(s->bbtSearchClick());
        auto *kind = child<CodeCombo>(s, "cboRentEquip");
        QCOMPARE(kind->value(), QStringLiteral("CS"));
        QVERIFY(kind->isEnabled());
        fillRow(s);
        s->SelectState(QStringLiteral("D"));
        QVERIFY(s->bbtEquipSelectClick());
        QVERIFY(!kind->isEnabled());

        // Given back, the kind is free again; the next piece is of the new kind.
        QVERIFY(s->bbtEquipCancelClick());
        QVERIFY(kind->isEnabled());
        kind->setValue(QStringLiteral("NS"));
        QVERIFY(s->bbtEquipSelectClick());
        QVERIFY(!kind->isEnabled());
        QVERIFY(s->bbtSaveClick());
        Session &db = d.db->session();
        QCOMPARE(scalar(db, QStringLiteral("SELECT EQUIP_GUBUN || EQUIP_NO FROM EB040DT")), QStringLiteral("NS00001"));
        QCOMPARE(scalar(db, QStringLiteral("SELECT COUNT(*) FROM EB020TM")), QStringLiteral("0"));
        // A saved row keeps its piece, and so its kind.
        QVERIFY(!kind->isEnabled());
        m_pair.read(0);
    }

    void rowChecks_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message"); // empty: the row passes
        for (const QString &e : testEngines()) {
            const QByteArray n = e.toUtf8();
            QTest::newRow((n + ": only a first day").constData())
                << e << QStringLiteral("S") << QStringLiteral("20040105") << QString() << QStringLiteral("연일대여기간을(를) 정확히 입력하십시오.");
            QTest::newRow((n + ": both days with day rental").constData())
                << e << QStringLiteral("D") << QStringLiteral("20040105") << QStringLiteral("20040107")
                << QStringLiteral("연일대여기간 등록시 대여상태는 [연일대여]만 설정가능합니다");
            QTest::newRow((n + ": multi-day rental without days").constData())
                << e << QStringLiteral("S") << QString() << QString()
                << QStringLiteral("대여상태가 [연일대여]일 경우 연일대여기간을 입력하십시요");
            QTest::newRow((n + ": returned with both days").constData())
                << e << QStringLiteral("R") << QStringLiteral("20040105") << QStringLiteral("20040107") << QString();
            QTest::newRow((n + ": period ending before it begins").constData())
                << e << QStringLiteral("S") << QStringLiteral("20040107") << QStringLiteral("20040105")
                << QStringLiteral("연일대여기간을(를) 정확히 입력하십시오.");
            QTest::newRow((n + ": no state").constData())
                << e << QString() << QString() << QString() << QStringLiteral("대여상태를 선택하십시요");
        }
    }
    void rowChecks()
    {
        QFETCH(QString, engine);
        QFETCH(QString, state);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, message);
        PresenterGuard presenter;
        Desk d = open(engine);
        TfrmEBI040 *s = d.screen;
        QVERIFY(s);
        QVERIFY(s->bbtSearchClick());
        fillRow(s);
        child<QLineEdit>(s, "edtRentEquipNo")->setText(QStringLiteral("00002"));
        if (!state.isEmpty())
            s->SelectState(state);
        child<MaskEdit>(s, "wmeRentSvrlDateFrom")->setValue(from);
        child<MaskEdit>(s, "wmeRentSvrlDateTo")->setValue(to);
        QCOMPARE(s->CheckRow(), message.isEmpty());
        QCOMPARE(presenter->lastText(), message);
    }

    void missingFieldsInOrder()
    {
        PresenterGuard presenter;
        Desk d = open(QStringLiteral("sqlite"));
        TfrmEBI040 *s = d.screen;
        QVERIFY(s);
        QVERIFY(s->bbtSearchClick());
        QVERIFY(!s->CheckRow());
        QCOMPARE(presenter->lastText(), QStringLiteral("*취급자을(를) 먼저 입력하십시오."));
        QVERIFY(child<QLineEdit>(s, "edtDealName")->hasFocus());
        fillRow(s);
        QVERIFY(!s->CheckRow());
        QCOMPARE(presenter->lastText(), QStringLiteral("*장비번호을(를) 먼저 입력하십시오."));
        // Reissue on a new row sends nothing (late bytes of earlier tickets are drained first).
        m_pair.read(0);
        s->bbtReissueClick();
        QCOMPARE(m_pair.read(0), QByteArray());
    }

private:
    SerialPair m_pair;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestEBI040)
#include "tst_ebi040.moc"
