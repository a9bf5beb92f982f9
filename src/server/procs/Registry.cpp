#include "Registry.h"

void registerAllProcedures(ProcCatalog &catalog)
{
    registerShellProcedures(catalog);
}

void generateDemoData(Session &)
{
}
