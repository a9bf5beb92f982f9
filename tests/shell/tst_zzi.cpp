#include "IniFile.h"
#include "InputColor.h"
#include "StatusBar.h"
#include "TestSupport.h"
#include "ZZC000.h"
#include "ZZI010.h"
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

namespace {
// A search-and-edit screen with one search condition, a body nested in group boxes,
// and a save handler that counts the saves that got past the base.
class TestScreen : public TfrmZZI010
{
public:
    TestScreen()
    {
        setObjectName(QStringLiteral("frmEBI040"));
        edtDate = new QLineEdit;
        edtDate->setObjectName(QStringLiteral("edtDate"));
        addSearchField(edtDate);
        QWidget *parent = m_panMain;
        for (int level = 1; level < 6; ++level) {
            parent = new QGroupBox(parent);
            parent->setObjectName(QStringLiteral("grp%1").arg(level));
        }
        edtDeep = new QLineEdit(parent); // six levels below panMain
        edtDeep->setObjectName(QStringLiteral("edtDeep"));
        edtName = new QLineEdit(m_panMain);
        edtName->setObjectName(QStringLiteral("edtName"));
        edtCode = new QLineEdit(m_panMain);
        edtCode->setObjectName(QStringLiteral("edtCode"));
        edtCode->setReadOnly(true);
        cboKind = new QComboBox(m_panMain);
        cboKind->setObjectName(QStringLiteral("cboKind"));
        cboKind->addItems({QStringLiteral("스키"), QStringLiteral("보드")});
        auto *box = new QVBoxLayout(m_panMain);
        box->addWidget(edtName);
        box->addWidget(edtCode);
        box->addWidget(cboKind);
        box->addWidget(m_panMain->findChild<QGroupBox *>(QStringLiteral("grp1")));
        watchInputs(m_panMain);
    }
    bool bbtSaveClick() override
    {
        if (!TfrmZZI010::bbtSaveClick())
            return false;
        ++saves;
        ShowInfo(QStringLiteral("저장했습니다."));
        return true;
    }
    QLineEdit *edtDate, *edtDeep, *edtName, *edtCode;
    QComboBox *cboKind;
    int saves = 0;
};

StatusBar *statusBarOf(QWidget *form)
{
    return form->findChild<StatusBar *>(QStringLiteral("stbMessage"));
}

void showActive(QWidget *w)
{
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}
} // namespace

class TestZZI : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        Login::ExeDir = m_dir.path() + QLatin1Char('/');
        QFile::remove(TfrmZZI000::screenIniPath());
    }

    // The status bar shows the program ID, the user and the place of the Role section.
    void placeFromRole_data()
    {
        QTest::addColumn<QString>("iniText");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QStringList>("login"); // workplace, team, business place: "code/name"
        const QString untouched = QStringLiteral("old/old");
        QTest::newRow("workplace") << QStringLiteral("1|W01|본사") << QStringLiteral("사업장 - 본사")
                                   << QStringList{QStringLiteral("W01/본사"), untouched, untouched};
        QTest::newRow("team without a name") << QStringLiteral("2|T07|") << QString()
                                             << QStringList{untouched, QStringLiteral("T07/"), untouched};
        QTest::newRow("business place") << QStringLiteral("3|B02|렌탈샵") << QStringLiteral("영업장 - 렌탈샵")
                                        << QStringList{untouched, untouched, QStringLiteral("B02/렌탈샵")};
        QTest::newRow("unknown type") << QStringLiteral("7|X|엑스") << QString()
                                      << QStringList{untouched, untouched, untouched};
        QTest::newRow("no settings file") << QString() << QString() << QStringList{untouched, untouched, untouched};
    }
    void placeFromRole()
    {
        QFETCH(QString, iniText);
        QFETCH(QString, place);
        QFETCH(QStringList, login);
        Login::WorkplaceCode = Login::WorkplaceName = Login::TeamCode = Login::TeamName = QStringLiteral("old");
        Login::BusinessPlaceCode = Login::BusinessPlaceName = QStringLiteral("old");
        Login::UserName = QStringLiteral("홍길동");
        if (!iniText.isEmpty()) {
            const QStringList v = iniText.split(QLatin1Char('|'));
            IniFile ini(TfrmZZI000::screenIniPath());
            ini.writeString(QStringLiteral("Role"), QStringLiteral("Type"), v.at(0));
            ini.writeString(QStringLiteral("Role"), QStringLiteral("Code"), v.at(1));
            ini.writeString(QStringLiteral("Role"), QStringLiteral("Name"), v.at(2));
            QVERIFY(ini.save());
        }
        TestScreen screen;
        screen.resize(1008, 670);
        screen.show();
        StatusBar *bar = statusBarOf(&screen);
        QCOMPARE(bar->panelText(0), QStringLiteral("EBI040"));
        QCOMPARE(bar->panelText(2), QStringLiteral("사용자 : 홍길동"));
        QCOMPARE(bar->panelText(3), place);
        QCOMPARE(bar->panelWidth(3) == 0, place.isEmpty());
        QCOMPARE(bar->panelWidth(0), bar->textWidth(QStringLiteral("EBI040")) + 20);
        QCOMPARE(bar->panelWidth(0) + bar->panelWidth(1) + bar->panelWidth(2) + bar->panelWidth(3), 1008);
        const QStringList now{Login::WorkplaceCode + QLatin1Char('/') + Login::WorkplaceName,
                              Login::TeamCode + QLatin1Char('/') + Login::TeamName,
                              Login::BusinessPlaceCode + QLatin1Char('/') + Login::BusinessPlaceName};
        QCOMPARE(now, login);
        screen.resize(1200, 670);
        QTRY_COMPARE(bar->panelWidth(0) + bar->panelWidth(1) + bar->panelWidth(2) + bar->panelWidth(3), 1200);
    }

    // Search mode locks the body and the bar, edit mode the search panel.
    void modes()
    {
        auto *screen = new TestScreen;
        showActive(screen);
        const auto enabled = [screen](const char *name) {
            auto *w = screen->findChild<QWidget *>(QLatin1String(name));
            return w && w->isEnabled();
        };
        struct Expect { const char *name; bool inSearch; bool inEdit; };
        const Expect expect[] = {{"edtDate", true, false},  {"bbtSearch", true, false}, {"edtName", false, true},
                                 {"edtDeep", false, true},  {"bbtSave", false, true},   {"bbtCancel", false, true},
                                 {"bbtClose", true, true}};
        QCOMPARE(screen->focusWidget(), screen->edtDate);
        for (const Expect &e : expect)
            QVERIFY2(enabled(e.name) == e.inSearch, e.name);

        QTest::keyClick(screen->edtDate, Qt::Key_F3);
        QVERIFY(!screen->isSearchMode());
        for (const Expect &e : expect)
            QVERIFY2(enabled(e.name) == e.inEdit, e.name);
        QVERIFY(!enabled("panSearch"));

        QTest::keyClick(screen->edtName, Qt::Key_F8);
        QVERIFY(screen->isSearchMode());
        for (const Expect &e : expect)
            QVERIFY2(enabled(e.name) == e.inSearch, e.name);
        QCOMPARE(screen->focusWidget(), screen->edtDate);
        delete screen;
    }

    // A handler whose button is hidden or disabled ends silently, from the key as from the button.
    void saveNeedsUsableButton_data()
    {
        QTest::addColumn<bool>("editMode");
        QTest::addColumn<bool>("hideSave");
        QTest::addColumn<int>("saves");
        QTest::newRow("search mode: save disabled") << false << false << 0;
        QTest::newRow("edit mode") << true << false << 1;
        QTest::newRow("edit mode, save hidden") << true << true << 0;
    }
    void saveNeedsUsableButton()
    {
        QFETCH(bool, editMode);
        QFETCH(bool, hideSave);
        QFETCH(int, saves);
        PresenterGuard presenter;
        auto *screen = new TestScreen;
        showActive(screen);
        if (editMode)
            screen->BeginEdit();
        if (hideSave)
            screen->findChild<QPushButton *>(QStringLiteral("bbtSave"))->hide();
        QWidget *focus = editMode ? static_cast<QWidget *>(screen->edtName) : screen->edtDate;
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_F2);
        QCOMPARE(screen->saves, saves);
        QCOMPARE(presenter->messages.size(), saves);
        delete screen;
    }

    // Focused inputs take the tooltip colour, white when left; read-only edits stay grey.
    void inputColours_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QColor>("entered");
        QTest::addColumn<QColor>("left");
        QTest::newRow("plain edit") << QStringLiteral("edtName") << FocusColor() << QColor(Qt::white);
        QTest::newRow("read-only edit") << QStringLiteral("edtCode") << QColor(128, 128, 128) << QColor(128, 128, 128);
        QTest::newRow("combo box") << QStringLiteral("cboKind") << FocusColor() << QColor(Qt::white);
    }
    void inputColours()
    {
        QFETCH(QString, input);
        QFETCH(QColor, entered);
        QFETCH(QColor, left);
        auto *screen = new TestScreen;
        showActive(screen);
        screen->BeginEdit();
        auto *w = screen->findChild<QWidget *>(input);
        w->setFocus();
        QVERIFY(w->hasFocus());
        QCOMPARE(w->palette().color(QPalette::Base), entered);
        QWidget *next = w == screen->edtName ? static_cast<QWidget *>(screen->cboKind) : screen->edtName;
        next->setFocus();
        QCOMPARE(w->palette().color(QPalette::Base), left);
        delete screen;
    }

    // Shown as a window of its own, a screen closes itself on its close button and is freed.
    void closesItselfAsWindow()
    {
        QPointer<TestScreen> screen = new TestScreen;
        showActive(screen);
        screen->ShowStatus(QStringLiteral("조회했습니다."));
        QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("bbtClose")), Qt::LeftButton);
        QTRY_VERIFY(screen.isNull());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestZZI)
#include "tst_zzi.moc"
