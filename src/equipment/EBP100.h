#pragma once
#include "EZP010.h"

// Print template of the stored-items inquiry (EBS100): one line per item; A4 landscape.
class TfrmEBP100 : public TfrmEZP010
{
    Q_OBJECT
public:
    explicit TfrmEBP100(QWidget *parent = nullptr);
};
