#pragma once
#include "DataGrid.h"

// The colours of every sports grid: cells pale blue, titles blue with white text,
// the selection light blue with white text.
inline GridColors SportsGridColors()
{
    GridColors colors;
    colors.cell = QColor(204, 204, 255);
    colors.title = QColor(102, 102, 255);
    colors.titleText = Qt::white;
    colors.selected = QColor(136, 136, 255);
    colors.selectedText = Qt::white;
    return colors;
}
