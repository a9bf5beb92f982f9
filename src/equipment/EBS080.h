#pragma once
#include "EBS000.h"

// The hourly rental summary: the rentals of a date and an area by hour of the
// rental time and equipment kind.
class TfrmEBS080 : public TfrmEBS000
{
    Q_OBJECT
public:
    explicit TfrmEBS080(QWidget *parent = nullptr);
    bool bbtSearchClick() override;

protected:
    std::unique_ptr<TfrmZZP010> CreateReport() override;
};
