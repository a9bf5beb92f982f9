#pragma once
#include "EZP010.h"

// Print template of the multi-day rental inquiry (EBS070): one line per piece out; A4 landscape.
class TfrmEBP070 : public TfrmEZP010
{
    Q_OBJECT
public:
    explicit TfrmEBP070(QWidget *parent = nullptr);
};
