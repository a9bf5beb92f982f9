#pragma once
#include "EZP010.h"

// Print template of the overdue-items inquiry (EBS110): two lines per item; A4 landscape.
class TfrmEBP110 : public TfrmEZP010
{
    Q_OBJECT
public:
    explicit TfrmEBP110(QWidget *parent = nullptr);
};
