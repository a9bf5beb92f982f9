#pragma once
#include "EBS000.h"

// The period rental summary: the rentals of an area by rental date and
// equipment kind within a period (an empty bound is open).
class TfrmEBS090 : public TfrmEBS000
{
    Q_OBJECT
public:
    explicit TfrmEBS090(QWidget *parent = nullptr);
    bool bbtSearchClick() override;

protected:
    std::unique_ptr<TfrmZZP010> CreateReport() override;
};
