#include "CodeCombo.h"
#include "Cp949.h"
#include "DataGrid.h"
#include "EBI050.h"
#include "MaskEdit.h"
#include "SqlQuery.h"
#include "TestSupport.h"
#include "ZZC000.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The storage desk on a small fixture: release dates from the storage kind, the
// row checks, saving with the server's numbers, and the tickets as a serial
// printer receives them (a socat pair stands in for the port).
namespace {

const char *const kCodes = R"sql(
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, SORT_SEQ) VALUES ('E0004', '04', '2004-2005 시즌', 1);
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, SORT_SEQ) VALUES ('E0017', 'M', '솔빛', 1);
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, SORT_SEQ) VALUES ('E0015', 'K', '보관', 1);
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, SORT_SEQ) VALUES ('E0015', 'R', '불출', 2);
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, SORT_SEQ) VALUES ('E0016', '03', '3일보관', '3', 1);
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, SORT_SEQ) VALUES ('E0016', '99', '기간없음', NULL, 2);
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, SORT_SEQ) VALUES ('E0009', 'NS', '일반스키', 1);
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, SORT_SEQ) VALUES ('E0009', 'SB', '스노보드', 2);
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, SORT_SEQ) VALUES ('E0021', '01', '스키', 1);
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, SORT_SEQ) VALUES ('E0021', '02', '스노보드', 2);
INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE) VALUES ('0000000101', '김철수', '00');
)sql";

struct Item
{
    QString serial;
    QString owner;
    QString box;
};

// The printer's bytes for one storage ticket, spelled out command by command so
// that the layout itself is checked, not only that the desk sends it.
QByteArray ticketBytes(const QString &ticketNo, const Item &item, const QString &equipName, const QString &kind,
                       const QString &date)
{
    const QString serial = QLatin1Char('(') + item.serial + QLatin1Char(')');
    const QStringList commands = {
        QStringLiteral("<CB>"),
        QStringLiteral("<NR>"),
        QStringLiteral("<RC5,150><HW2,2><F3>장비보관증"),
        QStringLiteral("<RC70,400><HW1,1><F5>NO: ") + ticketNo,
        QStringLiteral("<RC110,10><HW2,2><F2>보관함번호: ") + item.box,
        QStringLiteral("<RC150,10><HW2,2><F2>고객명    : ") + item.owner,
        QStringLiteral("<RC190,10><HW2,2><F2>장비명    : ") + equipName,
        QStringLiteral("<RC230,10><HW2,2><F2>          ") + serial,
        QStringLiteral("<RC270,10><HW2,2><F2>보관종류  : ") + kind,
        QStringLiteral("<RC310,10><HW2,2><F2>보관일자  : ") + date,
        QStringLiteral("<RC70,690><HW1,1><F3>") + ticketNo,
        QStringLiteral("<RC110,690><HW1,1><F3>") + item.box,
        QStringLiteral("<RC150,690><HW1,1><F3>") + item.owner,
        QStringLiteral("<RC190,690><HW1,1><F3>") + equipName,
        QStringLiteral("<RC230,690><HW1,1><F3>") + serial,
        QStringLiteral("<RC270,690><HW1,1><F3>") + kind,
        QStringLiteral("<RC310,690><HW1,1><F3>") + date,
        QStringLiteral("<p>"),
    };
    QByteArray out;
    for (const QString &c : commands)
        out += Cp949::encode(c);
    return out;
}

} // namespace

class TestStorageDesk : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty(), "socat is needed for the serial pair");
        QVERIFY(m_dir.isValid());
        m_printerEnd = m_dir.filePath(QStringLiteral("printer"));
        m_readerEnd = m_dir.filePath(QStringLiteral("reader"));
        m_socat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=%1").arg(m_printerEnd),
                                                QStringLiteral("pty,raw,echo=0,link=%1").arg(m_readerEnd)});
        QVERIFY(m_socat.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_printerEnd) && QFile::exists(m_readerEnd), 5000);
        // The desk finds its printer in the executable's INI file.
        Login::ExeDir = m_dir.path() + QLatin1Char('/');
        Login::EmpNo = QStringLiteral("E001");
        Login::LocalIP = QStringLiteral("10.0.0.7");
        QFile ini(TfrmZZI000::screenIniPath());
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[TicketPrinter]\r\nPort=%1\r\n").arg(m_printerEnd).toLocal8Bit());
        ini.close();
        m_reader.setPortName(m_readerEnd);
        QVERIFY2(m_reader.open(QIODevice::ReadWrite), qPrintable(m_reader.errorString()));
    }

    void cleanupTestCase()
    {
        m_reader.close();
        m_socat.terminate();
        if (!m_socat.waitForFinished(3000))
            m_socat.kill();
    }

    // Leaving the intake date proposes the release date of the storage kind.
    void releaseDateFromStorageKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("intake");
        QTest::addColumn<QString>("release");
        QTest::newRow("3 days over the leap day") << 0 << "20040227" << "20040301";
        QTest::newRow("3 days in a common year") << 0 << "20030227" << "20030302";
        QTest::newRow("a kind without days leaves it empty") << 1 << "20040227" << "";
    }
    void releaseDateFromStorageKind()
    {
        QFETCH(int, kind);
        QFETCH(QString, intake);
        QFETCH(QString, release);
        TestDatabase db(QStringLiteral("sqlite"));
        db.exec(QString::fromUtf8(kCodes));
        db.attachToDataModule();
        PresenterGuard presenter;
        auto form = openDesk();
        QVERIFY(form);
        form->findChild<CodeCombo *>(QStringLiteral("cboKeep"))->setCurrentIndex(kind);
        auto *out = form->findChild<MaskEdit *>(QStringLiteral("wmeKeepOutDate"));
        out->setValue(QStringLiteral("20991231"));
        type(form.get(), QStringLiteral("wmeKeepInDate"), intake);
        leave(form.get());
        QCOMPARE(out->value(), release);
        QCOMPARE(form->rgrGrid()->cell(0, 3), release);
    }

    // The thirteen checks in their order; the first failure is the message.
    void rowChecks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("a guest number nobody has")
            << "edtKeepWoodaeNo" << "0000009999" << "K" << "우대번호을(를) 정확히 입력하십시오." << "edtKeepWoodaeNo";
        QTest::newRow("no serial number") << "edtKeepEquipID" << "" << "K" << "*고유번호을(를) 먼저 입력하십시오." << "edtKeepEquipID";
        QTest::newRow("no intake date") << "wmeKeepInDate" << "" << "K" << "*입고일을(를) 먼저 입력하십시오." << "wmeKeepInDate";
        QTest::newRow("30 February") << "wmeKeepInDate" << "20040230" << "K" << "*입고일을(를) 정확히 입력하십시오."
                                     << "wmeKeepInDate";
        QTest::newRow("no owner") << "edtKeepName" << "" << "K" << "*보관자명을(를) 먼저 입력하십시오." << "edtKeepName";
        QTest::newRow("no home telephone") << "edtKeepTel" << "" << "K" << "*연락처(자택)을(를) 먼저 입력하십시오." << "edtKeepTel";
        QTest::newRow("no storage box") << "edtKeepBoxNo" << "" << "K" << "*보관함번호을(를) 먼저 입력하십시오." << "edtKeepBoxNo";
        QTest::newRow("released without a release date")
            << "wmeKeepOutDate" << "" << "R" << "보관상태가 [불출]일 경우 출고일을 입력하십시요" << "wmeKeepOutDate";
        QTest::newRow("a release date that is no date")
            << "wmeKeepOutDate" << "20041301" << "K" << "출고일을(를) 정확히 입력하십시오." << "wmeKeepOutDate";
        QTest::newRow("stored with a valid release date passes") << "wmeKeepOutDate" << "20040305" << "K" << "" << "";
        QTest::newRow("a member's number as guest number passes") << "edtKeepWoodaeNo" << "0000000101" << "K" << "" << "";
    }
    void rowChecks()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, state);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TestDatabase db(QStringLiteral("sqlite"));
        db.exec(QString::fromUtf8(kCodes));
        db.attachToDataModule();
        PresenterGuard presenter;
        auto form = openDesk();
        QVERIFY(form);
        fill(form.get(), {QStringLiteral("SN-1"), QStringLiteral("홍길동"), QStringLiteral("B-01")});
        auto *edit = form->findChild<QLineEdit *>(field);
        QVERIFY(edit);
        edit->clear();
        type(form.get(), field, value);
        leave(form.get());
        form->SelectState(state);
        presenter->clear();
        QCOMPARE(form->CheckRow(), message.isEmpty());
        QCOMPARE(presenter->lastText(), message);
        if (!focus.isEmpty())
            QCOMPARE(QApplication::focusWidget(), form->findChild<QWidget *>(focus));
    }

    // Two new items: the server numbers them and each gets its ticket, in the
    // order they were entered, carrying the season and the number given.
    void savingPrintsTicketsWithServerNumbers_data() { addEngineRows(); }
    void savingPrintsTicketsWithServerNumbers()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(QString::fromUtf8(kCodes));
        // An item saved earlier: the new ones are numbered after it.
        db.exec(QStringLiteral("INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT, IPGO_DATE, KEEP_GUBUN, "
                               "EQUIP_GUBUN, EQUIP_NAME_GUBUN, NATIVE_NO, KEEP_NAME, TEL_NO, KEEP_BOX_NO) VALUES "
                               "('04', 'M', 7, 'K', '20040220', '03', 'NS', '01', 'OLD-1', '이전객', '02-1', 'A-01');"));
        db.attachToDataModule();
        PresenterGuard presenter;
        auto form = openDesk();
        QVERIFY(form);
        QCOMPARE(form->rgrGrid()->rowCount(), 1);
        QVERIFY(form->bbtAddClick());
        const Item first{QStringLiteral("SN-1001"), QStringLiteral("홍길동"), QStringLiteral("B-01")};
        fill(form.get(), first);
        QVERIFY(form->bbtAddClick());
        const Item second{QStringLiteral("SB-77"), QStringLiteral("김순이"), QStringLiteral("B-02")};
        fill(form.get(), second, 1);
        drain();
        presenter->clear();
        QVERIFY(form->bbtSaveClick());
        QCOMPARE(presenter->questions, QStringList{QStringLiteral("저장 하시겠습니까?")});

        const QByteArray expected =
            ticketBytes(QStringLiteral("04-0000000008"), first, QStringLiteral("스키"), QStringLiteral("3일보관"), QStringLiteral("2004/02/27"))
            + ticketBytes(QStringLiteral("04-0000000009"), second, QStringLiteral("스노보드"), QStringLiteral("3일보관"),
                          QStringLiteral("2004/02/27"));
        QCOMPARE(readPrinted(expected.size()), expected);
        QVERIFY(expected.contains(Cp949::encode(QStringLiteral("NO: 04-0000000009"))));

        DataGrid *grid = form->rgrGrid();
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->cell(2, 0), QStringLiteral("0000000009"));
        QCOMPARE(grid->cell(2, 1), QStringLiteral("K"));
        QCOMPARE(grid->cell(2, 3), QStringLiteral("20040301"));
        QCOMPARE(SqlQuery::select(db.session(), QStringLiteral("SELECT INPUT_IP FROM EB050MS WHERE KEEP_NO = 9")).scalarText(),
                 QStringLiteral("10.0.0.7"));

        // Reissue prints the current saved row again; an unsaved row prints nothing.
        grid->setCurrentRow(1);
        form->bbtReissueClick();
        const QByteArray again = ticketBytes(QStringLiteral("04-0000000008"), first, QStringLiteral("스키"),
                                             QStringLiteral("3일보관"), QStringLiteral("2004/02/27"));
        QCOMPARE(readPrinted(again.size()), again);
        QVERIFY(form->bbtAddClick());
        fill(form.get(), {QStringLiteral("SN-2"), QStringLiteral("박새로"), QStringLiteral("B-03")}, 1);
        form->bbtReissueClick();
        QCOMPARE(readPrinted(1, 500), QByteArray());
    }

    // Released with a release date, the item keeps its number and gets no ticket.
    void releasingAnItem()
    {
        TestDatabase db(QStringLiteral("sqlite"));
        db.exec(QString::fromUtf8(kCodes));
        db.exec(QStringLiteral("INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT, IPGO_DATE, CHULGO_DATE, KEEP_GUBUN, "
                               "EQUIP_GUBUN, EQUIP_NAME_GUBUN, NATIVE_NO, KEEP_NAME, TEL_NO, KEEP_BOX_NO) VALUES "
                               "('04', 'M', 3, 'K', '20040220', '20040223', '03', 'NS', '01', 'OLD-1', '이전객', '02-1', 'A-01');"));
        db.attachToDataModule();
        PresenterGuard presenter;
        auto form = openDesk();
        QVERIFY(form);
        drain();
        // Passing through the intake date does not replace the release date.
        form->findChild<QWidget *>(QStringLiteral("wmeKeepInDate"))->setFocus();
        leave(form.get());
        QCOMPARE(form->findChild<MaskEdit *>(QStringLiteral("wmeKeepOutDate"))->value(), QStringLiteral("20040223"));
        form->SelectState(QStringLiteral("R"));
        QVERIFY(form->bbtSaveClick());
        QCOMPARE(readPrinted(1, 500), QByteArray());
        QCOMPARE(SqlQuery::select(db.session(), QStringLiteral("SELECT KEEP_STAT || CHULGO_DATE FROM EB050MS WHERE KEEP_NO = 3"))
                     .scalarText(),
                 QStringLiteral("R20040223"));
    }

    // A new row left untouched goes away when the clerk moves to another row,
    // without a message; New on it adds nothing.
    void untouchedNewRowIsDropped()
    {
        TestDatabase db(QStringLiteral("sqlite"));
        db.exec(QString::fromUtf8(kCodes));
        db.exec(QStringLiteral("INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT, IPGO_DATE, KEEP_GUBUN, "
                               "EQUIP_GUBUN, EQUIP_NAME_GUBUN, NATIVE_NO, KEEP_NAME, TEL_NO, KEEP_BOX_NO) VALUES "
                               "('04', 'M', 1, 'K', '20040220', '03', 'NS', '01', 'OLD-1', '이전객', '02-1', 'A-01');"));
        db.attachToDataModule();
        PresenterGuard presenter;
        auto form = openDesk();
        QVERIFY(form);
        QVERIFY(form->bbtAddClick());
        QCOMPARE(form->rgrGrid()->rowCount(), 2);
        QVERIFY(!form->bbtAddClick());
        QCOMPARE(form->rgrGrid()->rowCount(), 2);
        QVERIFY(form->rgrGrid()->setCurrentRow(0));
        QTRY_COMPARE(form->rgrGrid()->rowCount(), 1);
        QCOMPARE(presenter->messages.size(), 0);
    }

    // Search refuses a missing or unknown season; a known one typed just before
    // F3 is looked up rather than refused.
    void seasonChecks_data()
    {
        QTest::addColumn<QString>("season");
        QTest::addColumn<QString>("message");
        QTest::newRow("no season") << "" << "*시즌을(를) 먼저 입력하십시오.";
        QTest::newRow("a season the code list does not know") << "99" << "*시즌을(를) 정확히 입력하십시오.";
        QTest::newRow("a known season typed just before F3") << "04" << "";
    }
    void seasonChecks()
    {
        QFETCH(QString, season);
        QFETCH(QString, message);
        TestDatabase db(QStringLiteral("sqlite"));
        db.exec(QString::fromUtf8(kCodes));
        db.attachToDataModule();
        PresenterGuard presenter;
        TfrmEBI050 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *edit = form.findChild<QLineEdit *>(QStringLiteral("edtSeason"));
        edit->setFocus();
        QTest::keyClicks(edit, season);
        QCOMPARE(form.bbtSearchClick(), message.isEmpty());
        QCOMPARE(presenter->lastText(), message);
        if (message.isEmpty())
            QCOMPARE(form.findChild<QLabel *>(QStringLiteral("wlbSeasonName"))->text(), QStringLiteral("2004-2005 시즌"));
    }

private:
    // The desk after a search of season 04, area M.
    std::unique_ptr<TfrmEBI050> openDesk()
    {
        auto form = std::make_unique<TfrmEBI050>();
        form->show();
        QApplication::setActiveWindow(form.get());
        if (!QTest::qWaitForWindowActive(form.get()))
            return nullptr;
        form->findChild<QLineEdit *>(QStringLiteral("edtSeason"))->setText(QStringLiteral("04"));
        if (!form->bbtSearchClick())
            return nullptr;
        form->rgrGrid()->setCurrentRow(form->rgrGrid()->rowCount() - 1);
        return form;
    }

    static void type(QWidget *form, const QString &name, const QString &text)
    {
        auto *w = form->findChild<QLineEdit *>(name);
        w->setFocus();
        w->selectAll();
        QTest::keyClick(w, Qt::Key_Backspace);
        // Hangul arrives whole, as an input method commits it.
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(w, &key);
    }

    // Moves the focus on, as Tab would.
    static void leave(QWidget *form)
    {
        form->findChild<QWidget *>(QStringLiteral("edtKeepRemark"))->setFocus();
        QApplication::processEvents();
    }

    static void fill(TfrmEBI050 *form, const Item &item, int equip = 0)
    {
        form->findChild<CodeCombo *>(QStringLiteral("cboKeep"))->setCurrentIndex(0);
        form->findChild<CodeCombo *>(QStringLiteral("cboKeepEquip"))->setCurrentIndex(equip);
        form->findChild<CodeCombo *>(QStringLiteral("cboKeepEquipName"))->setCurrentIndex(equip);
        type(form, QStringLiteral("wmeKeepInDate"), QStringLiteral("20040227"));
        type(form, QStringLiteral("edtKeepEquipID"), item.serial);
        type(form, QStringLiteral("edtKeepName"), item.owner);
        type(form, QStringLiteral("edtKeepTel"), QStringLiteral("02-555-1234"));
        type(form, QStringLiteral("edtKeepBoxNo"), item.box);
        leave(form);
    }

    void drain()
    {
        while (m_reader.waitForReadyRead(100))
            m_reader.readAll();
        m_reader.readAll();
    }

    QByteArray readPrinted(qsizetype size, int waitMs = 5000)
    {
        QByteArray received;
        QElapsedTimer clock;
        clock.start();
        while (received.size() < size && clock.elapsed() < waitMs) {
            if (m_reader.waitForReadyRead(100) || m_reader.bytesAvailable() > 0)
                received += m_reader.readAll();
        }
        m_reader.waitForReadyRead(200); // nothing more may follow
        return received + m_reader.readAll();
    }

    QTemporaryDir m_dir;
    QProcess m_socat;
    QString m_printerEnd, m_readerEnd;
    QSerialPort m_reader;
};

QTEST_MAIN(TestStorageDesk)
#include "tst_storage_desk.moc"
