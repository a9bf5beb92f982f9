#include "SportsApplication.h"
#include "DbError.h"
#include "ZZC000.h"

bool SportsApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError &e) {
        ShowError(QStringLiteral("작업을 처리하지 못했습니다.\r\r에러내용:\r") + e.message());
    } catch (const std::exception &e) {
        ShowError(QStringLiteral("작업을 처리하지 못했습니다.\r\r에러내용:\r") + QString::fromLocal8Bit(e.what()));
    }
    return false;
}
