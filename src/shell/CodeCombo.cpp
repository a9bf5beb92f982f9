#include "CodeCombo.h"

CodeCombo::CodeCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void CodeCombo::addItemValue(const QString &item, const QString &value)
{
    addItem(item, value);
}

void CodeCombo::setItemsAndValues(const QStringList &items, const QStringList &values)
{
    clearItems();
    for (int i = 0; i < items.size(); ++i)
        addItem(items.at(i), i < values.size() ? values.at(i) : QString());
}

void CodeCombo::clearItems()
{
    clear();
}

QStringList CodeCombo::items() const
{
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i)
        out << itemText(i);
    return out;
}

QStringList CodeCombo::values() const
{
    QStringList out;
    out.reserve(count());
    for (int i = 0; i < count(); ++i)
        out << itemData(i).toString();
    return out;
}

int CodeCombo::indexOfValue(const QString &value) const
{
    for (int i = 0; i < count(); ++i)
        if (itemData(i).toString() == value)
            return i;
    return -1;
}

QString CodeCombo::value() const
{
    const int i = currentIndex();
    return i < 0 ? QString() : itemData(i).toString();
}

void CodeCombo::setValue(const QString &value)
{
    setCurrentIndex(indexOfValue(value));
}
