#pragma once
#include "ZZP010.h"

// Sports print template, A4 portrait: the common title band with two more
// condition lines (qrlCondition1, qrlCondition2); each report fills the column
// header, detail and summary bands with its own fields.
class TfrmEZP000 : public TfrmZZP010
{
    Q_OBJECT
public:
    explicit TfrmEZP000(QWidget *parent = nullptr);

    void setCondition1(const QString &text);
    void setCondition2(const QString &text);
    QString condition1() const;
    QString condition2() const;
};
