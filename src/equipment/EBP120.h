#pragma once
#include "EZP000.h"

// Print template of the storage-kind summary (EBS120); A4 portrait.
class TfrmEBP120 : public TfrmEZP000
{
    Q_OBJECT
public:
    explicit TfrmEBP120(QWidget *parent = nullptr);
};
