#pragma once

class Session;

// Creates every table, view and function of the client on an empty database,
// and loads the demo resort. Both run unchanged on SQLite and PostgreSQL.
namespace Schema {
void create(Session &session);
// Demo resort: the scripts under demo/ and the generated rows (fleet, rentals).
void loadDemoData(Session &session);
} // namespace Schema
