#pragma once
#include "EBS120.h"

// The region summary: the same items as the storage-kind summary, counted by
// the region of the owner's zip code (one region per zip-code prefix) and
// equipment kind; items without a zip code are not counted.
class TfrmEBS130 : public TfrmEBS120
{
    Q_OBJECT
public:
    explicit TfrmEBS130(QWidget *parent = nullptr);

protected:
    QString statement() const override;
    QString totalStatement() const override;
    std::unique_ptr<TfrmEZP000> newTemplate() const override;
};
