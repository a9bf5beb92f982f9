#pragma once
#include "EZP000.h"

// Print template of the region summary (EBS130); A4 portrait.
class TfrmEBP130 : public TfrmEZP000
{
    Q_OBJECT
public:
    explicit TfrmEBP130(QWidget *parent = nullptr);
};
