#include "DbError.h"
#include "SportsApplication.h"
#include "TestSupport.h"
#include <QPushButton>
#include <QTest>

// A database error that escapes a screen's handler is reported, not fatal.
class TestNotify : public QObject
{
    Q_OBJECT
private slots:
    void escapedDbErrorIsShown()
    {
        PresenterGuard presenter;
        QPushButton button;
        connect(&button, &QPushButton::clicked, this, [] { throw DbError(QStringLiteral("ORA-00942: table or view does not exist")); });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(presenter->texts(),
                 QStringList{QStringLiteral("작업을 처리하지 못했습니다.\r\r에러내용:\rORA-00942: table or view does not exist")});
        // The program goes on: the next click is handled again.
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(presenter->messages.size(), 2);
    }
};

int main(int argc, char *argv[])
{
    SportsApplication app(argc, argv);
    TestNotify t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_notify.moc"
