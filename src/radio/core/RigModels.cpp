#include "radio/core/RigModels.h"

#include <hamlib/rig.h>

#include <algorithm>

QString RigModel::caption() const
{
    if (model == 0)
        return QStringLiteral("None");
    // The daemon's name is the word a newcomer searches for.
    const QString through = model == RigModels::netRigctl() ? QStringLiteral(": a rig through rigctld") : QString();
    return QStringLiteral("%1 %2 (%3)%4").arg(maker, name).arg(model).arg(through);
}

namespace {

int collect(const struct rig_caps *caps, rig_ptr_t data)
{
    auto *list = static_cast<QList<RigModel> *>(data);
    RigModel m;
    m.model = int(caps->rig_model);
    m.maker = QString::fromLatin1(caps->mfg_name).trimmed();
    m.name = QString::fromLatin1(caps->model_name).trimmed();
    switch (caps->port_type) {
    case RIG_PORT_NONE:
        m.port = RigModel::Port::None;
        break;
    case RIG_PORT_SERIAL:
        m.port = RigModel::Port::Serial;
        break;
    case RIG_PORT_NETWORK:
    case RIG_PORT_UDP_NETWORK:
        m.port = RigModel::Port::Network;
        break;
    default:
        m.port = RigModel::Port::Other;
        break;
    }
    list->append(m);
    return 1; // go on
}

QList<RigModel> load()
{
    QMutexLocker lock(&RigModels::tablesLock());
    // Hamlib writes its chatter to stderr unless told otherwise.
    rig_set_debug(RIG_DEBUG_NONE);
    rig_load_all_backends();
    QList<RigModel> list;
    rig_list_foreach(collect, &list);
    std::sort(list.begin(), list.end(), [](const RigModel &a, const RigModel &b) {
        const int byMaker = QString::compare(a.maker, b.maker, Qt::CaseInsensitive);
        if (byMaker != 0)
            return byMaker < 0;
        const int byName = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a.model < b.model;
    });
    return list;
}

} // namespace

// Global on purpose: Hamlib's tables are one per process, whichever rig or
// dialog reaches them, so the lock that guards them is one per process too.
QMutex &RigModels::tablesLock()
{
    static QMutex lock;
    return lock;
}

const QList<RigModel> &RigModels::all()
{
    static const QList<RigModel> list = load();
    return list;
}

const RigModel *RigModels::find(int model)
{
    for (const RigModel &m : all())
        if (m.model == model)
            return &m;
    return nullptr;
}

int RigModels::netRigctl() { return RIG_MODEL_NETRIGCTL; }
