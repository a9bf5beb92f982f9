#pragma once
#include "EZH000.h"

// Business places (영업장) of one place type, captioned with the opener's title.
// Searches as soon as it is shown when the type is known. Results: UPJANG_CODE,
// UPJANG_NAME.
class TfrmEFH020 : public TfrmEZH000
{
    Q_OBJECT
public:
    explicit TfrmEFH020(QWidget *parent = nullptr);
    void setPlaceType(const QString &title, const QString &placeType);

protected:
    void setParams() override;
    bool searchesOnShow() const override { return !m_placeType.isEmpty(); }

private:
    QString m_placeType;
};
