#pragma once
#include "EZP000.h"

// Print template of the hourly rental summary (EBS080); A4 portrait.
class TfrmEBP080 : public TfrmEZP000
{
    Q_OBJECT
public:
    explicit TfrmEBP080(QWidget *parent = nullptr);
};
