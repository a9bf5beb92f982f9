#pragma once

class ProcCatalog;
class Session;

// Each business area registers its procedures here; ProcCatalog calls this once.
void registerAllProcedures(ProcCatalog &catalog);

// One function per area, defined in procs/<Area>.cpp.
void registerShellProcedures(ProcCatalog &catalog);
void registerEquipmentProcedures(ProcCatalog &catalog);
void registerStorageProcedures(ProcCatalog &catalog);

// Demo rows that are generated rather than listed (a fleet of several hundred
// pieces, rentals over several days); each area adds its generator here.
void generateDemoData(Session &session);
void generateShellDemoData(Session &session);
void generateEquipmentDemoData(Session &session);
void generateStorageDemoData(Session &session);
