#pragma once
#include "EZP000.h"

// The sports print template in A4 landscape, for reports with many columns.
class TfrmEZP010 : public TfrmEZP000
{
    Q_OBJECT
public:
    explicit TfrmEZP010(QWidget *parent = nullptr);
};
