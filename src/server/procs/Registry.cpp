#include "Registry.h"

void registerAllProcedures(ProcCatalog &catalog)
{
    registerShellProcedures(catalog);
    registerStorageProcedures(catalog);
}

void generateDemoData(Session &session)
{
    generateShellDemoData(session);
    generateStorageDemoData(session);
}
