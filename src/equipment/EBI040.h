#pragma once
#include "EBI000.h"
#include "RentTicket.h"
#include "TicketDesk.h"

class CodeCombo;
class DataGrid;
class MaskEdit;
class NumEdit;
class QLineEdit;
class QPushButton;
class QToolButton;

// The rental and return desk (EBI040). One rental (a number within a date and an
// area) with a header and one row per renter. A piece is chosen from the live list
// of free pieces and held for this desk at once, so no other desk offers it; the
// save writes the header and the rows and prints a ticket for every new row.
class TfrmEBI040 : public TfrmEBI000
{
    Q_OBJECT
public:
    explicit TfrmEBI040(QWidget *parent = nullptr);
    ~TfrmEBI040() override;

    bool bbtSearchClick() override;
    bool bbtSaveClick() override;
    bool BeforeCancel() override;
    bool BeforeClose() override;
    bool canClose() override;
    bool bbtDeleteClick() override;
    bool SaveData() override;
    bool AfterSave() override;
    void ShowRow() override;
    void StoreControl(QWidget *control) override;
    bool CheckRow() override;

    // "D", "S", "R" or "" (no state chosen).
    QString rentState() const { return m_state; }
    void SelectState(const QString &state);
    // 1: the header was found at the last search; 2: a new rental.
    int masterStatus() const { return m_masterStatus; }

    bool bbtEquipSelectClick();
    bool bbtEquipCancelClick();
    void RefreshFreeList();
    void bbtReissueClick();
    void bbtPrinterInitClick();
    TicketPrinter &cptFlotec() { return m_tickets->printer(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildSearchPanel();
    void buildHeader();
    void buildBody();
    void fillCodes();
    void showState(const QString &state);
    void stateButtonClick(const QString &state);
    void equipKindChanged();
    void updateEquipButtons();
    void closeFreeList();
    // PR_EBI040_03 for one piece; false after the error box.
    bool holdCall(const QString &kind, const QString &equipNo, const QString &status);
    // Releases the pieces this desk holds for the rows not saved yet (the shown
    // one first); false after the error box of a failed call.
    bool releaseHeldPieces();
    bool m_piecesReleased = false; // by the desk's own Close, before the form closes
    bool isNewRow(int row) const;
    TRentTicketInfo ticketOf(int row) const;
    void zipCodeExit();
    void pickZipCode();
    void pickRentNo();

    CodeCombo *m_cboArea = nullptr;
    QLineEdit *m_edtRentNo = nullptr;
    QToolButton *m_sbtRentNo = nullptr;

    QLineEdit *m_edtDealName = nullptr;
    CodeCombo *m_cboKeepKind = nullptr;
    QLineEdit *m_edtKeepBoxNo = nullptr;

    CodeCombo *m_cboRentTicketKind = nullptr;
    QToolButton *m_sbtRentDay = nullptr;
    QToolButton *m_sbtRentSvrl = nullptr;
    QToolButton *m_sbtRentReturn = nullptr;
    CodeCombo *m_cboRentEquip = nullptr;
    QLineEdit *m_edtRentEquipNo = nullptr;
    CodeCombo *m_cboEquipSizeGubun = nullptr;
    DataGrid *m_rgrEquipNo = nullptr;
    QPushButton *m_bbtEquipSelect = nullptr;
    QPushButton *m_bbtEquipCancel = nullptr;
    QPushButton *m_bbtEquipRefresh = nullptr;
    QLineEdit *m_edtRentName = nullptr;
    QLineEdit *m_edtRentTel = nullptr;
    NumEdit *m_wneRentHeight = nullptr;
    NumEdit *m_wneRentWeight = nullptr;
    CodeCombo *m_cboRentBootsSize = nullptr;
    NumEdit *m_wneRentBinding = nullptr;
    MaskEdit *m_wmeRentZipCode = nullptr;
    QToolButton *m_sbtZipCode = nullptr;
    QLineEdit *m_edtRentAddr1 = nullptr;
    QLineEdit *m_wlbRentAddr2 = nullptr;
    MaskEdit *m_wmeRentSvrlDateFrom = nullptr;
    MaskEdit *m_wmeRentSvrlDateTo = nullptr;
    QLineEdit *m_edtRentRemark = nullptr;


    QString m_state;
    int m_masterStatus = 2;
    bool m_showingRow = false;
    TicketDesk *m_tickets = nullptr;
};
