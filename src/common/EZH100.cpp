#include "EZH100.h"
#include "ByteLimit.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

TfrmEZH100::TfrmEZH100(QWidget *parent) : TfrmZZH000(parent)
{
    setObjectName(QStringLiteral("frmEZH100"));
    setWindowTitle(QStringLiteral("취소사유 입력"));
    auto *row = new QHBoxLayout(m_panMain);
    row->setContentsMargins(12, 12, 12, 12);
    row->addWidget(new QLabel(QStringLiteral("취소사유"), m_panMain));
    m_edtCancelRemark = new QLineEdit(m_panMain);
    m_edtCancelRemark->setObjectName(QStringLiteral("edtCancelRemark"));
    LimitBytes(m_edtCancelRemark, 40);
    row->addWidget(m_edtCancelRemark, 1);
    watchInput(m_edtCancelRemark);
}

bool TfrmEZH100::bbtOKClick()
{
    m_reason = m_edtCancelRemark->text();
    return TfrmZZH000::bbtOKClick();
}
