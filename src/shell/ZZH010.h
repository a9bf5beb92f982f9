#pragma once
#include "ZZH000.h"
#include <memory>

class QHBoxLayout;
class SqlQuery;

// Picker with a search panel `panSearch` ("조회(F3)") and the dialog's query on the
// program's connection. Derived dialogs run their query and then call the base
// bbtSearchClick.
class TfrmZZH010 : public TfrmZZH000
{
    Q_OBJECT
public:
    explicit TfrmZZH010(QWidget *parent = nullptr);
    ~TfrmZZH010() override;

    // Ends silently (false) when bbtSearch is hidden or disabled.
    virtual bool bbtSearchClick();

    // A search condition: placed in panSearch before the search button.
    void addSearchField(QWidget *field);

    // The dialog's query (created on first use).
    SqlQuery &qryQuery();

protected:
    QWidget *m_panSearch = nullptr;
    QPushButton *m_bbtSearch = nullptr;

private:
    QHBoxLayout *m_searchLayout = nullptr;
    std::unique_ptr<SqlQuery> m_qryQuery;
};
