#include "TicketDesk.h"
#include "ZZI000.h"
#include <QPushButton>

TicketDesk::TicketDesk(TfrmZZI000 *form, const QString &ticketWord, const QString &reissueCaption,
                       std::function<bool(TicketPrinter &, int)> printOne, std::function<QString(int)> nameOf)
    : QObject(form), m_form(form), m_ticketWord(ticketWord), m_printOne(std::move(printOne)), m_nameOf(std::move(nameOf))
{
    m_bbtReissue = new QPushButton(reissueCaption);
    m_bbtReissue->setObjectName(QStringLiteral("bbtReissue"));
    m_bbtPrinterInit = new QPushButton(QStringLiteral("프린터초기화"));
    m_bbtPrinterInit->setObjectName(QStringLiteral("bbtPrinterInit"));
    for (QPushButton *b : {m_bbtReissue, m_bbtPrinterInit})
        b->setFocusPolicy(Qt::ClickFocus);
    m_printer.open(); // a desk without a printer works on; its tickets are reported as not sent
}

TicketDesk::~TicketDesk()
{
    m_printer.close();
}

QList<QPushButton *> TicketDesk::buttons() const
{
    return {m_bbtReissue, m_bbtPrinterInit};
}

void TicketDesk::print(const QList<int> &rows)
{
    for (int row : rows)
        if (!m_printOne(m_printer, row))
            m_failures << m_nameOf(row);
}

void TicketDesk::reportFailures(bool afterSave)
{
    if (!m_failures.isEmpty()) {
        const QString advice = afterSave ? QStringLiteral("프린터를 확인하고 재발급하십시오.") : QStringLiteral("프린터를 확인하십시오.");
        m_form->ShowStatus(QStringLiteral("%1을 출력하지 못했습니다(%2). %3")
                               .arg(m_ticketWord, m_failures.join(QStringLiteral(", ")), advice));
    }
    m_failures.clear();
}

void TicketDesk::reissue(int row)
{
    m_failures.clear();
    print({row});
    reportFailures(false);
}
