#pragma once
#include "TicketPrinter.h"
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

class QPushButton;
class TfrmZZI000;

// The ticket side of the rental and storage desks: the desk's serial printer,
// open for the form's life; the reissue and printer-reset buttons for the bar;
// and the message line that names the tickets that did not go out. The rows
// stay saved either way: a missing ticket is reissued from its row.
class TicketDesk : public QObject
{
    Q_OBJECT
public:
    // ticketWord names the ticket in messages ("대여증", "보관증"); printOne prints
    // the ticket of a grid row; nameOf names a row whose ticket failed.
    TicketDesk(TfrmZZI000 *form, const QString &ticketWord, const QString &reissueCaption,
               std::function<bool(TicketPrinter &, int)> printOne, std::function<QString(int)> nameOf);
    ~TicketDesk() override;

    TicketPrinter &printer() { return m_printer; }
    QList<QPushButton *> buttons() const;
    QPushButton *reissueButton() const { return m_bbtReissue; }

    // Prints the rows' tickets, remembering the ones that failed.
    void print(const QList<int> &rows);
    // Names the failed tickets on the message line and forgets them.
    void reportFailures(bool afterSave);
    void clearFailures() { m_failures.clear(); }
    // One saved row's ticket again.
    void reissue(int row);
    void reopenPrinter() { m_printer.reopen(); }

private:
    TfrmZZI000 *m_form;
    QString m_ticketWord;
    std::function<bool(TicketPrinter &, int)> m_printOne;
    std::function<QString(int)> m_nameOf;
    TicketPrinter m_printer;
    QPushButton *m_bbtReissue;
    QPushButton *m_bbtPrinterInit;
    QStringList m_failures;
};
