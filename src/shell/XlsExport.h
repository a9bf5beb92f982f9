#pragma once
#include <QString>
#include <functional>

class DataGrid;
class QIODevice;

// The worksheet records of the spreadsheet export (BIFF): every record is a 2-byte
// type, a 2-byte data length and the data, little-endian. Text cells are CP949.
// Right after the beginning-of-file record a code-page record (949) tells readers
// on other systems how to decode the text.
class XlsWriter
{
public:
    explicit XlsWriter(QIODevice &out) : m_out(out) {}

    void beginSheet();
    void text(int row, int column, const QString &text);
    void number(int row, int column, double value);
    void endSheet();
    // False once any write failed.
    bool ok() const { return m_ok; }

    // Most rows a sheet can address (row numbers are 16 bits).
    static constexpr int MaxRows = 65536;
    // Most text bytes one cell record carries.
    static constexpr int MaxTextBytes = 2072;

private:
    void record(quint16 type, const QByteArray &data);

    QIODevice &m_out;
    bool m_ok = true;
};

// Writes the shown columns of a grid to a spreadsheet file the user names: the
// caption in row 0, the column titles in row 2 (display order), the rows from
// row 3 on. A cell of a right-aligned column holding only digits (with at most a
// leading minus, the empty text included) becomes a number cell, any other cell a
// text cell. The save dialog and the overwrite question go through the presenter;
// `status` receives the message-line texts. Returns the file written, "" when none.
QString ExportGridToExcel(const DataGrid &grid, const QString &caption, const QString &suggestedName,
                          const std::function<void(const QString &)> &status);
