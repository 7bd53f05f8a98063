#pragma once
// A database of its own holding the demo's data at a scale: master data and two
// months of movement up to 16/03/2024, unit 1 costed from the first of March to Friday
// 15/03/2024 as db/demo/load does, then analysed. Needs the local server's environment
// (eval "$(db/server env)").

#include <QDate>

namespace custos::test {

class TestDatabase;

inline const QDate kDemoDay(2024, 3, 15);

// Loads the demo into db with psql as the cluster owner; ends the program on a failure.
void loadDemoDay(const TestDatabase& db, int scale);
// Loads the demo's master data and movement at a scale into the unit database of db as well, so
// that unit 1 can be costed there over the link.
void loadDemoMovementIntoUnit(const TestDatabase& db, int scale);

} // namespace custos::test
