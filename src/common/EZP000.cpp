#include "EZP000.h"

TfrmEZP000::TfrmEZP000(QWidget *parent) : TfrmZZP010(parent)
{
    addConditionLine(QStringLiteral("qrlCondition1"));
    addConditionLine(QStringLiteral("qrlCondition2"));
}

void TfrmEZP000::setCondition1(const QString &text)
{
    item(QStringLiteral("qrlCondition1"))->text = text;
}

void TfrmEZP000::setCondition2(const QString &text)
{
    item(QStringLiteral("qrlCondition2"))->text = text;
}

QString TfrmEZP000::condition1() const
{
    return item(QStringLiteral("qrlCondition1"))->text;
}

QString TfrmEZP000::condition2() const
{
    return item(QStringLiteral("qrlCondition2"))->text;
}
