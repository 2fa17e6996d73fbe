#pragma once
// Hamlib's own list of the rigs it knows, and the one lock every call into
// Hamlib's global tables goes through (its backends register themselves there).

#include <QList>
#include <QMutex>
#include <QString>

struct RigModel {
    int model = 0;       // Hamlib's model number; 0 is "None"
    QString maker, name; // as Hamlib names them
    enum class Port { None, Serial, Network, Other } port = Port::None;
    // "Yaesu FT-817 (120)": what the dialog lists and finds.
    QString caption() const;
};

namespace RigModels {
// Every model Hamlib knows, sorted by maker and name. Built on first use.
const QList<RigModel> &all();
// The model with this number, or nullptr when Hamlib knows none.
const RigModel *find(int model);
// Hamlib's model for a running rigctld ("NET rigctl").
int netRigctl();
// Held around rig_init and every other call that reads or fills Hamlib's tables.
QMutex &tablesLock();
} // namespace RigModels
