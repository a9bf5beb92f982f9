#include "Pickers.h"
#include "EFH020.h"
#include "EZH010.h"
#include "EZH020.h"
#include "EZH030.h"
#include "EZH040.h"
#include "EZH050.h"
#include "EZH060.h"
#include "EZH070.h"
#include "EZH080.h"
#include "EZH090.h"
#include <QApplication>
#include <QLineEdit>
#include <initializer_list>
#include <utility>

namespace {

using Outputs = std::initializer_list<std::pair<QString *, const char *>>;

// Creates the dialog, lets `setup` hand in the opener's inputs, shows it modally
// over the active window and on OK copies the named results into the outputs.
template <class Dialog, class Setup>
bool pick(Setup setup, Outputs outputs)
{
    Dialog dialog(QApplication::activeWindow());
    setup(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    for (const auto &[out, field] : outputs)
        *out = dialog.result(QLatin1String(field));
    return true;
}

// The opener's text for the first search input.
auto preset(const QString &text)
{
    return [text](TfrmEZH000 &dialog) {
        if (!dialog.searchInputs().isEmpty())
            dialog.searchInputs().constFirst()->setText(text);
    };
}

const auto nothing = [](TfrmEZH000 &) {};

} // namespace

bool PickCode(const QString &title, const QString &head, QString &code, QString &name)
{
    return pick<TfrmEZH040>([&](TfrmEZH040 &d) { d.setGroup(title, head); }, {{&code, "DETAIL"}, {&name, "DETAIL_NAME"}});
}

bool PickBusinessPlace(const QString &title, QString &code, QString &name)
{
    return pick<TfrmEFH020>([&](TfrmEFH020 &d) { d.setPlaceType(title, QStringLiteral("50")); },
                            {{&code, "UPJANG_CODE"}, {&name, "UPJANG_NAME"}});
}

bool PickMember(const QString &memberName, QString &memberNo, QString &name)
{
    return pick<TfrmEZH030>(preset(memberName), {{&memberNo, "MEMBER_NO"}, {&name, "MEMBER_NAME"}});
}

bool PickEmployee(const QString &staffName, QString &staffNo, QString &name)
{
    return pick<TfrmEZH090>(preset(staffName), {{&staffNo, "EMP_NO"}, {&name, "EMP_NAME"}});
}

bool PickPartnerGroup(const QString &groupName, QString &groupNo, QString &name)
{
    return pick<TfrmEZH060>(preset(groupName), {{&groupNo, "MEMBER_NO"}, {&name, "MEMBER_NAME"}});
}

bool PickZipCode(QString &zipCode, QString &address)
{
    return pick<TfrmEZH010>(nothing, {{&zipCode, "ZIP_CODE"}, {&address, "ADDRESS"}});
}

bool PickRentNo(const QString &rentDate, const QString &area, const QString &rentNo, QString &chosenRentNo)
{
    return pick<TfrmEZH020>(
        [&](TfrmEZH020 &d) {
            d.setRental(rentDate, area);
            preset(rentNo)(d);
        },
        {{&chosenRentNo, "RENT_NO"}});
}

bool PickLessonReceipt(const QString &season, QString &receiptNo, QString &enterDate, QString &receiptName)
{
    return pick<TfrmEZH050>([&](TfrmEZH050 &d) { d.setSeason(season); },
                            {{&receiptNo, "RECEIPT_NO"}, {&enterDate, "ENTER_DATE"}, {&receiptName, "RECEIPT_NAME"}});
}

bool PickBadgeEntry(const QString &season, QString &recvNo, QString &nameKor, QString &applyDate, QString &idNo,
                    QString &applyClass)
{
    return pick<TfrmEZH070>([&](TfrmEZH070 &d) { d.setSeason(season); },
                            {{&recvNo, "RECV_NO"}, {&nameKor, "ENTRY_NAME_KOR"}, {&applyDate, "APPLY_DATE"},
                             {&idNo, "ID_NO"}, {&applyClass, "APPLY_CLASS"}});
}

bool PickInstructor(const QString &instructorName, Instructor &chosen)
{
    return pick<TfrmEZH080>(preset(instructorName),
                            {{&chosen.empNo, "EMP_NO"}, {&chosen.name, "EMP_K_NAME"},
                             {&chosen.workGroupCode, "EMP_WORK_GRP_CODE"}, {&chosen.workGroupName, "EMP_WORK_GRP_NAME"},
                             {&chosen.dutyCode, "EMP_WORK_GRP_DUTY_CODE"}, {&chosen.dutyName, "EMP_WORK_GRP_DUTY_NAME"}});
}
