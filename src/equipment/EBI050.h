#pragma once
#include "EBI000.h"
#include "TicketDesk.h"
#include <QSet>

class CodeCombo;
class MaskEdit;
class QLabel;
class QLineEdit;
class QToolButton;

// The texts printed on one storage ticket (장비보관증).
struct TKeepTicketInfo
{
    QString ticketNo;      // season + "-" + the ten-digit storage number
    QString keepName;
    QString equipName;
    QString nativeNo;      // the item's own serial number
    QString keepKindName;
    QString ipgoDate;      // yyyy/mm/dd
    QString keepBoxNo;
};

// Fifteen lines: the guest's part with captions, then the desk's stub without.
QList<TicketLine> KeepTicketLines(const TKeepTicketInfo &info);
bool PrintKeepTicket(TicketPrinter &printer, const TKeepTicketInfo &info);

// The storage desk (EBI050): guests' own skis and boards kept for a stay or a
// season and released again, one row per item within a season and an area. New
// items get their number from the server when saved and a storage ticket on the
// desk's serial printer; a saved item's ticket can be printed again.
class TfrmEBI050 : public TfrmEBI000
{
    Q_OBJECT
public:
    explicit TfrmEBI050(QWidget *parent = nullptr);
    ~TfrmEBI050() override;

    bool bbtSearchClick() override;
    bool bbtSaveClick() override;
    bool bbtCancelClick() override;
    bool SaveData() override;
    bool AfterSave() override;
    void ShowRow() override;
    void StoreControl(QWidget *control) override;

    // The thirteen checks of the current row.
    bool CheckRow() override;
    // "K", "R" or "" (no state chosen).
    QString keepState() const { return m_state; }
    void SelectState(const QString &state);
    void bbtReissueClick();
    void bbtPrinterInitClick();
    TicketPrinter &cptFlotec() { return m_tickets->printer(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildSearchPanel();
    void buildBody();
    void fillCodes();
    void showState(const QString &state);
    void stateButtonClick(const QString &state);
    void writeState();

    void seasonExit();
    void pickSeason();
    void keepInDateExit();
    void guestNoExit();
    void pickGuest();
    void memberNoExit();
    void pickMember();
    void zipCodeExit();
    void pickZipCode();
    void setCellOf(QWidget *control, const QString &text);
    bool editedSinceEnter(QWidget *control) const { return m_edited.contains(control); }

    TKeepTicketInfo ticketOf(int row) const;
    QString rowSignature(int row) const;

    QLineEdit *m_edtSeason = nullptr;
    QToolButton *m_sbtSeason = nullptr;
    QLabel *m_wlbSeasonName = nullptr;
    CodeCombo *m_cboArea = nullptr;

    QToolButton *m_sbtKeep = nullptr;
    QToolButton *m_sbtRelease = nullptr;
    QLabel *m_wlbKeepNo = nullptr;
    MaskEdit *m_wmeKeepInDate = nullptr;
    MaskEdit *m_wmeKeepOutDate = nullptr;
    QLineEdit *m_edtKeepWoodaeNo = nullptr;
    QToolButton *m_sbtKeepWoodaeNo = nullptr;
    QLabel *m_wlbKeepWoodaeNo = nullptr;
    CodeCombo *m_cboKeep = nullptr;
    CodeCombo *m_cboKeepEquip = nullptr;
    CodeCombo *m_cboKeepEquipName = nullptr;
    QLineEdit *m_edtKeepEquipNameEtc = nullptr;
    QLineEdit *m_edtKeepEquipID = nullptr;
    CodeCombo *m_cboKeepPoles = nullptr;
    QLineEdit *m_edtKeepPolesName = nullptr;
    QLineEdit *m_edtKeepMemberNo = nullptr;
    QToolButton *m_sbtKeepMemberNo = nullptr;
    QLineEdit *m_edtKeepName = nullptr;
    MaskEdit *m_wmeKeepZipCode = nullptr;
    QToolButton *m_sbtKeepZipCode = nullptr;
    QLineEdit *m_edtKeepAddr1 = nullptr;
    QLineEdit *m_wlbKeepAddr2 = nullptr;
    QLineEdit *m_edtKeepTel = nullptr;
    QLineEdit *m_edtKeepMobile = nullptr;
    QLineEdit *m_edtKeepBoxNo = nullptr;
    QLineEdit *m_edtKeepRemark = nullptr;
    QLineEdit *m_edtKeepLossQuestion = nullptr;
    QLineEdit *m_edtKeepLossAnswer = nullptr;
    QAction *m_popHotkeyKeep = nullptr;
    QAction *m_popHotkeyRelease = nullptr;

    QString m_state;
    TicketDesk *m_tickets = nullptr;
    // New items of the last save: their cells before the reload and the numbers
    // that were already on the screen, to find them again after it.
    QList<int> m_newPositions;
    QStringList m_newSignatures;
    QSet<QString> m_knownNumbers;
    // Inputs the user typed into since they took the focus: only these refill
    // what depends on them when left.
    QSet<QWidget *> m_edited;
};
