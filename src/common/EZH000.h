#pragma once
#include "DataGridModel.h"
#include "ZZH020.h"
#include <QHash>
#include <QStringList>
#include <QVariantHash>
#include <functional>

class QLineEdit;

// Base of the sports pickers: the grid colours, the search with its "nothing
// found" message, Enter in a search input, the search on activation and the
// hand-back of the chosen row. A dialog names its search inputs, its grid
// columns and the fields it returns; it sets its query's parameters in
// setParams(). The opener presets the inputs before showing the dialog and reads
// result() after an OK.
class TfrmEZH000 : public TfrmZZH020
{
    Q_OBJECT
public:
    explicit TfrmEZH000(QWidget *parent = nullptr);

    bool bbtSearchClick() override;
    bool bbtOKClick() override;

    // A value handed back on OK, by field name; "" before an OK.
    QString result(const QString &field) const { return m_result.value(field); }
    // The search inputs, in tab order.
    const QList<QLineEdit *> &searchInputs() const { return m_inputs; }

    // "%" + text + "%": the LIKE pattern of a search text.
    static QString Like(const QString &text);

protected:
    // The query's parameters from the inputs and the opener's values.
    virtual void setParams() = 0;
    // Copies the current row into the results; false refuses it (the dialog stays
    // open). By default the fields named in m_resultFields are copied as shown.
    virtual bool takeResults();
    // Whether showing the dialog searches at once: by default when the first
    // search input holds a preset.
    virtual bool searchesOnShow() const;
    // Code-type pickers keep the focus where it is when nothing was found.
    bool m_refocusOnEmpty = true;

    QLineEdit *addSearchInput(const QString &name, const QString &label);
    void setGridColumns(const QVector<DataGridColumn> &columns);
    static DataGridColumn column(const QString &field, const QString &title, int width = 100);
    // A second grid under the result, refilled from `sql` whenever the current row
    // changes; empty while the row has no `keyField`.
    DataGrid *addDetailGrid(const QVector<DataGridColumn> &columns, const QString &keyField, const QString &sql,
                            const std::function<QVariantHash(const QString &key)> &params);

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QStringList m_resultFields;
    QHash<QString, QString> m_result;
    QList<QLineEdit *> m_inputs;

private:
    bool m_activated = false;
};
