#pragma once
#include "EZP010.h"

// Print template of the daily rental inquiry (EBS060): one line per rental row; A4 landscape.
class TfrmEBP060 : public TfrmEZP010
{
    Q_OBJECT
public:
    explicit TfrmEBP060(QWidget *parent = nullptr);
};
