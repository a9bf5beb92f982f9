#pragma once
#include "EBS000.h"

// The multi-day rental inquiry: the pieces of an area now out on a multi-day
// rental, with the renter and the rental that holds them.
class TfrmEBS070 : public TfrmEBS000
{
    Q_OBJECT
public:
    explicit TfrmEBS070(QWidget *parent = nullptr);
    bool bbtSearchClick() override;

protected:
    std::unique_ptr<TfrmZZP010> CreateReport() override;
};
