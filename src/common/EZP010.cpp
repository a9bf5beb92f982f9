#include "EZP010.h"

TfrmEZP010::TfrmEZP010(QWidget *parent) : TfrmEZP000(parent)
{
    setOrientation(QPageLayout::Landscape);
}
