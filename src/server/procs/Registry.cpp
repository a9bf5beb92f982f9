#include "Registry.h"

void registerAllProcedures(ProcCatalog &catalog)
{
    registerShellProcedures(catalog);
    registerEquipmentProcedures(catalog);
    registerStorageProcedures(catalog);
}

void generateDemoData(Session &session)
{
    generateShellDemoData(session);
    generateEquipmentDemoData(session);
    generateStorageDemoData(session);
}
