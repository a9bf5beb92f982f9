#include "ProcCatalog.h"
#include "Registry.h"

// Procedures of the framework itself (none yet: menus and rights are maintained
// by the suite's administration program).
void registerShellProcedures(ProcCatalog &)
{
}
