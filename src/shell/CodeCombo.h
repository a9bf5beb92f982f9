#pragma once
#include <QComboBox>
#include <QStringList>

// A drop-down list with separate item and value lists: the user sees the items,
// screens store and compare the values (codes). Both lists always have the same
// length; the value of an item is kept as its Qt::UserRole data.
class CodeCombo : public QComboBox
{
    Q_OBJECT
public:
    explicit CodeCombo(QWidget *parent = nullptr);

    // Appends one entry; the lists are never emptied implicitly.
    void addItemValue(const QString &item, const QString &value);
    void setItemsAndValues(const QStringList &items, const QStringList &values);
    // Empties both lists.
    void clearItems();

    QStringList items() const;
    QStringList values() const;
    // Position of a value in the value list, -1 when it is not there.
    int indexOfValue(const QString &value) const;

    // Value of the current entry, "" when nothing is chosen.
    QString value() const;
    // Chooses the entry holding the value; no entry (-1) when the value is absent.
    void setValue(const QString &value);
};
