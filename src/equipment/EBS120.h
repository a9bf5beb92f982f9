#pragma once
#include "EBS000.h"

class TfrmEZP000;

// The storage-kind summary: the items of a season and an area taken in within
// a period, counted by storage kind and equipment kind.
class TfrmEBS120 : public TfrmEBS000
{
    Q_OBJECT
public:
    explicit TfrmEBS120(QWidget *parent = nullptr);
    bool bbtSearchClick() override;

protected:
    std::unique_ptr<TfrmZZP010> CreateReport() override;
    // What the region summary (EBS130) counts differently.
    virtual QString statement() const;
    virtual QString totalStatement() const;
    virtual std::unique_ptr<TfrmEZP000> newTemplate() const;
};
