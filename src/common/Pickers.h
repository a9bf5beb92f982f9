#pragma once
#include <QString>

// Openers of the sports pickers. Each shows its dialog modally with the given
// inputs; on OK it copies the chosen row's values to its outputs and returns true,
// on cancel it returns false and leaves the outputs as they were.

bool PickCode(const QString &title, const QString &head, QString &code, QString &name);
bool PickBusinessPlace(const QString &title, QString &code, QString &name); // place type "50"
bool PickMember(const QString &memberName, QString &memberNo, QString &name);
bool PickEmployee(const QString &staffName, QString &staffNo, QString &name);
bool PickPartnerGroup(const QString &groupName, QString &groupNo, QString &name);
bool PickZipCode(QString &zipCode, QString &address);
bool PickRentNo(const QString &rentDate, const QString &area, const QString &rentNo, QString &chosenRentNo);
bool PickLessonReceipt(const QString &season, QString &receiptNo, QString &enterDate, QString &receiptName);
bool PickBadgeEntry(const QString &season, QString &recvNo, QString &nameKor, QString &applyDate, QString &idNo,
                    QString &applyClass);

struct Instructor
{
    QString empNo, name, workGroupCode, workGroupName, dutyCode, dutyName;
};
bool PickInstructor(const QString &instructorName, Instructor &chosen);
