#pragma once
#include "ZZH000.h"

struct ChangeLog;
class DataGrid;
class QPlainTextEdit;

// "GridBack DisPlay" (Ctrl+F2 on a record-entry screen): the pending change log as
// a grid, and beside it the procedure parameter each log column feeds ("A" + title).
class TfrmEZH999 : public TfrmZZH000
{
    Q_OBJECT
public:
    explicit TfrmEZH999(const ChangeLog &log, QWidget *parent = nullptr);

    DataGrid *grid() const { return m_grid; }
    QPlainTextEdit *memParam() const { return m_memParam; }

private:
    DataGrid *m_grid;
    QPlainTextEdit *m_memParam;
};
