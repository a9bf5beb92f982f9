#include "E0Main.h"
#include "E0Screens.h" // every screen header of the subsystems, collected by the build
#include <QStringView>

namespace {
template <class Form>
QWidget *make()
{
    return new Form;
}

struct Program
{
    QStringView id;
    QWidget *(*create)();
};

// Program ID -> screen class. A program whose screen is not written yet has
// nullptr: choosing it opens nothing. Adding a screen is one line, e.g.
// {u"EBI040", &make<TfrmEBI040>}.
const Program Programs[] = {
    {u"EAS020", nullptr},
    {u"EAS010", nullptr},
    {u"EAS030", nullptr},
    {u"EBI010", &make<TfrmEBI010>},
    {u"EBI020", &make<TfrmEBI020>},
    {u"EBI030", &make<TfrmEBI030>},
    {u"EBI040", &make<TfrmEBI040>},
    {u"EBI050", &make<TfrmEBI050>},
    {u"EBS060", &make<TfrmEBS060>},
    {u"EBS070", &make<TfrmEBS070>},
    {u"EBS080", &make<TfrmEBS080>},
    {u"EBS090", &make<TfrmEBS090>},
    {u"EBS100", &make<TfrmEBS100>},
    {u"EBS110", &make<TfrmEBS110>},
    {u"EBS120", &make<TfrmEBS120>},
    {u"EBS130", &make<TfrmEBS130>},
    {u"ECI010", nullptr},
    {u"ECI020", nullptr},
    {u"ECI030", nullptr},
    {u"ECI040", nullptr},
    {u"ECI050", nullptr},
    {u"ECI060", nullptr},
    {u"ECI070", nullptr},
    {u"ECI080", nullptr},
    {u"ECS090", nullptr},
    {u"ECS100", nullptr},
    {u"ECS110", nullptr},
    {u"ECS120", nullptr},
    {u"ECS130", nullptr},
    {u"ECS140", nullptr},
    {u"ECS150", nullptr},
    {u"ECS160", nullptr},
    {u"EDI010", nullptr},
    {u"EDI020", nullptr},
    {u"EDI030", nullptr},
    {u"EDS040", nullptr},
    {u"EDS050", nullptr},
    {u"EDS060", nullptr},
    {u"EEI010", nullptr}, // the patrol accident entry: TfrmEEI020
    {u"EEI021", nullptr},
    {u"EES001", nullptr},
    {u"EES010", nullptr},
    {u"EES020", nullptr},
    {u"EES030", nullptr},
    {u"EES040", nullptr},
    {u"EES140", nullptr},
    {u"EES050", nullptr},
    {u"EES060", nullptr},
    {u"EES070", nullptr},
    {u"EES080", nullptr},
    {u"EES090", nullptr},
    {u"EES120", nullptr},
    {u"EES003", nullptr},
    {u"EES004", nullptr},
    {u"EFS010", nullptr},
    {u"EFS020", nullptr},
    {u"EFS030", nullptr},
    {u"EFS040", nullptr},
    {u"EFS050", nullptr},
    {u"EFS060", nullptr},
    {u"EFS070", nullptr},
    {u"EGI020", nullptr},
    {u"EHI010", nullptr},
    {u"EHI020", nullptr},
    {u"EHI040", nullptr},
    {u"EHS030", nullptr},
    {u"EHS040", nullptr},
};

const Program *lookup(const QString &programId)
{
    for (const Program &p : Programs)
        if (p.id == programId)
            return &p;
    return nullptr;
}
} // namespace

TfrmE0Main::TfrmE0Main(QWidget *parent) : TfrmZZMain(QStringLiteral("스포츠관리"), parent)
{
    setObjectName(QStringLiteral("frmE0Main"));
}

QStringList TfrmE0Main::programIds()
{
    QStringList ids;
    for (const Program &p : Programs)
        ids << p.id.toString();
    return ids;
}

bool TfrmE0Main::hasScreen(const QString &programId)
{
    const Program *p = lookup(programId);
    return p && p->create;
}

QWidget *TfrmE0Main::CreateProgram(const QString &programId)
{
    const Program *p = lookup(programId);
    if (!p || !p->create)
        return nullptr;
    return DockProgram(p->create());
}
