#pragma once
#include "ZZMain.h"
#include <QStringList>

// The sports-management main window: the caption and the table that maps every
// program ID of the menu to its screen class.
class TfrmE0Main : public TfrmZZMain
{
    Q_OBJECT
public:
    explicit TfrmE0Main(QWidget *parent = nullptr);

    // The program IDs of the dispatch table, in the order they are tested.
    static QStringList programIds();
    // True when the program ID has a screen class.
    static bool hasScreen(const QString &programId);

protected:
    QWidget *CreateProgram(const QString &programId) override;
};
