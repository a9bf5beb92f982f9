#pragma once
#include "EZP000.h"

// Print template of the period rental summary (EBS090); A4 portrait.
class TfrmEBP090 : public TfrmEZP000
{
    Q_OBJECT
public:
    explicit TfrmEBP090(QWidget *parent = nullptr);
};
