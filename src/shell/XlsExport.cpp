#include "XlsExport.h"
#include "Cp949.h"
#include "DataGrid.h"
#include "Presenter.h"
#include "ZZC000.h"
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <cstring>

namespace {
enum : quint16 {
    BeginOfFile = 0x0809,
    CodePage = 0x0042,
    NumberCell = 0x0203,
    TextCell = 0x0204,
    EndOfFile = 0x000A,
};

void put16(QByteArray &b, int value)
{
    const quint16 v = qToLittleEndian(quint16(value));
    b.append(reinterpret_cast<const char *>(&v), 2);
}

QByteArray cellHeader(int row, int column)
{
    QByteArray b;
    put16(b, row);
    put16(b, column);
    put16(b, 0); // format index
    return b;
}

// The name with its extension replaced by ".xls" unless it is ".xls" already
// (in any case of letters); a name without extension gets ".xls" appended.
QString withXlsExtension(const QString &name)
{
    const QFileInfo info(name);
    if (info.suffix().compare(QStringLiteral("xls"), Qt::CaseInsensitive) == 0)
        return name;
    const QString file = info.fileName();
    const int dot = int(file.lastIndexOf(QLatin1Char('.')));
    const QString base = dot >= 0 ? file.left(dot) : file;
    return name.left(name.size() - file.size()) + base + QStringLiteral(".xls");
}

// A number cell: a right-aligned column whose text is only digits with at most a
// leading minus (the empty text too). A lone "-" and digit runs a double cannot
// hold exactly stay text, so that nothing is turned into a different value.
bool asNumber(const DataGridModel &model, int column, const QString &text)
{
    if (!model.isRightAligned(column) || DigitsOnly(text) != text || text == QStringLiteral("-"))
        return false;
    return text.size() - (text.startsWith(QLatin1Char('-')) ? 1 : 0) <= 15;
}
} // namespace

void XlsWriter::record(quint16 type, const QByteArray &data)
{
    QByteArray r;
    r.reserve(4 + data.size());
    put16(r, type);
    put16(r, int(data.size()));
    r += data;
    if (m_out.write(r) != r.size())
        m_ok = false;
}

void XlsWriter::beginSheet()
{
    QByteArray bof;
    put16(bof, 0);      // version
    put16(bof, 0x0010); // worksheet
    put16(bof, 0);
    put16(bof, 0);
    record(BeginOfFile, bof);
    QByteArray cp;
    put16(cp, 949);
    record(CodePage, cp);
}

void XlsWriter::text(int row, int column, const QString &text)
{
    const QByteArray bytes = Cp949::encode(Cp949::truncateToBytes(text, MaxTextBytes));
    QByteArray b = cellHeader(row, column);
    put16(b, int(bytes.size()));
    b += bytes;
    record(TextCell, b);
}

void XlsWriter::number(int row, int column, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    bits = qToLittleEndian(bits);
    QByteArray b = cellHeader(row, column);
    b.append(reinterpret_cast<const char *>(&bits), 8);
    record(NumberCell, b);
}

void XlsWriter::endSheet()
{
    record(EndOfFile, {});
}

QString ExportGridToExcel(const DataGrid &grid, const QString &caption, const QString &suggestedName,
                          const std::function<void(const QString &)> &status)
{
    const QString failed = QStringLiteral("Excel 파일로 저장할 수 없습니다.");
    QString name = Presenter::current().saveFileName(QString(), suggestedName, QStringLiteral("Excel 파일(*.xls)"));
    if (name.isEmpty()) {
        status(QStringLiteral("저장할 파일 이름을 지정하지 않았습니다."));
        return {};
    }
    name = withXlsExtension(name);
    if (QFileInfo::exists(name) && !AskYesNo(QStringLiteral("이미 존재하는 파일입니다.\r새 내용으로 덮어쓸까요?")))
        return {};

    // Row numbers of the format are 16 bits: more rows would wrap onto the top rows.
    const int rows = grid.rowCount();
    if (rows + 3 > XlsWriter::MaxRows) {
        ShowError(failed + QStringLiteral("\r한 파일에는 %1건까지 저장할 수 있습니다.").arg(XlsWriter::MaxRows - 3));
        return {};
    }

    // Written to the side and put in place at the end, so a failure never leaves
    // half a file where an earlier export was.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        ShowError(failed);
        return {};
    }
    const DataGridModel &model = *grid.gridModel();
    const QVector<int> columns = grid.visibleColumnsInDisplayOrder();
    XlsWriter out(file);
    out.beginSheet();
    out.text(0, 0, caption);
    for (int i = 0; i < columns.size(); ++i)
        out.text(2, i, model.column(columns.at(i)).title);
    for (int r = 0; r < rows && out.ok(); ++r) {
        for (int i = 0; i < columns.size(); ++i) {
            const QString t = model.text(r, columns.at(i));
            if (asNumber(model, columns.at(i), t))
                out.number(r + 3, i, t.isEmpty() ? 0.0 : t.toDouble());
            else
                out.text(r + 3, i, t);
        }
    }
    out.endSheet();
    if (!out.ok() || !file.commit()) {
        ShowError(failed);
        return {};
    }
    return name;
}
