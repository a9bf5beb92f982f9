#include "ZZH010.h"
#include "FormHelpers.h"
#include "SqlQuery.h"
#include "ZZD000.h"
#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TfrmZZH010::TfrmZZH010(QWidget *parent) : TfrmZZH000(parent)
{
    const SearchPanel searchPanel = BuildSearchPanel(this);
    m_panSearch = searchPanel.panel;
    m_searchLayout = searchPanel.layout;
    m_bbtSearch = searchPanel.bbtSearch;
    m_bbtSearch->setAutoDefault(false);
    m_formLayout->insertWidget(0, m_panSearch);

    const auto search = [this] { bbtSearchClick(); };
    connect(m_bbtSearch, &QPushButton::clicked, this, search);
    connect(addHotkey(QStringLiteral("popHotkeySearch"), QStringLiteral("조회"), QKeySequence(Qt::Key_F3)),
            &QAction::triggered, this, search);
}

TfrmZZH010::~TfrmZZH010() = default;

bool TfrmZZH010::bbtSearchClick()
{
    return ButtonUsable(m_bbtSearch, this);
}

void TfrmZZH010::addSearchField(QWidget *field)
{
    field->setParent(m_panSearch);
    m_searchLayout->insertWidget(m_searchLayout->count() - 2, field);
}

SqlQuery &TfrmZZH010::qryQuery()
{
    if (!m_qryQuery)
        m_qryQuery = std::make_unique<SqlQuery>(Db());
    return *m_qryQuery;
}
