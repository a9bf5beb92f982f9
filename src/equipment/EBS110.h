#pragma once
#include "EBS000.h"

// The overdue-items inquiry: items of an area still stored although their
// release date is before the reference date.
class TfrmEBS110 : public TfrmEBS000
{
    Q_OBJECT
public:
    explicit TfrmEBS110(QWidget *parent = nullptr);
    bool bbtSearchClick() override;

protected:
    std::unique_ptr<TfrmZZP010> CreateReport() override;
};
