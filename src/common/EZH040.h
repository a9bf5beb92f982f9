#pragma once
#include "EZH000.h"

// Codes of one group of the common code table, captioned with the opener's
// title. Searches as soon as it is shown when the group is known. Results:
// DETAIL (the code), DETAIL_NAME.
class TfrmEZH040 : public TfrmEZH000
{
    Q_OBJECT
public:
    explicit TfrmEZH040(QWidget *parent = nullptr);
    void setGroup(const QString &title, const QString &head);

protected:
    void setParams() override;
    bool searchesOnShow() const override { return !m_head.isEmpty(); }

private:
    QString m_head;
};
