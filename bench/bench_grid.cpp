// Fills the grid with 100,000 rows of 10 columns and prints how long it took and
// the peak memory of the process. Run with QT_QPA_PLATFORM=offscreen on a machine
// without a display.
#include "DataGrid.h"
#include "RowSet.h"
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {
long peakKb()
{
    rusage u {};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

RowSet makeRows(int rows, int columns)
{
    QStringList fields;
    for (int c = 0; c < columns; ++c)
        fields << QStringLiteral("FIELD_%1").arg(c);
    QVector<QVariant> values;
    values.reserve(qsizetype(rows) * columns);
    const QString names[] = {QStringLiteral("스키"), QStringLiteral("보드"), QStringLiteral("부츠")};
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            switch (c % 3) {
            case 0:
                values.append(qlonglong(r) * 10 + c);
                break;
            case 1:
                values.append(names[r % 3] + QString::number(r));
                break;
            default:
                values.append(r % 7 == 0 ? QVariant() : QVariant(r * 0.5));
            }
        }
    return RowSet(fields, values);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int rows = 100000, columns = 10;
    std::printf("peak memory before the data: %ld KB\n", peakKb());

    QElapsedTimer t;
    t.start();
    const RowSet data = makeRows(rows, columns);
    std::printf("result set of %d x %d built in %lld ms (not part of the fill)\n", rows, columns, t.elapsed());
    const long afterData = peakKb();

    DataGrid grid;
    QVector<DataGridColumn> cols;
    for (int c = columns - 1; c >= 0; --c) { // reversed, so the fill maps by name
        DataGridColumn col;
        col.title = QStringLiteral("제목 %1").arg(c);
        col.fieldName = QStringLiteral("FIELD_%1").arg(c);
        cols.append(col);
    }
    grid.setColumns(cols);
    grid.resize(1000, 600);
    grid.show();
    app.processEvents();

    t.restart();
    grid.fill(data, DataGridModel::FillMode::ByFieldName);
    const qint64 byName = t.elapsed();
    t.restart();
    app.processEvents(); // lay out and paint the first screen
    const qint64 firstPaint = t.elapsed();
    t.restart();
    grid.fill(data, DataGridModel::FillMode::Positional);
    const qint64 positional = t.elapsed();
    t.restart();
    grid.setCurrentRow(rows - 1);
    app.processEvents();
    const qint64 toLast = t.elapsed();

    std::printf("fill by field name: %lld ms\n", byName);
    std::printf("first paint after the fill: %lld ms\n", firstPaint);
    std::printf("fill positionally (shares the result's cells): %lld ms\n", positional);
    std::printf("go to the last row and paint: %lld ms\n", toLast);
    std::printf("rows in the grid: %d\n", grid.rowCount());
    std::printf("peak memory: %ld KB (result set alone brought it to %ld KB)\n", peakKb(), afterData);
    return 0;
}
