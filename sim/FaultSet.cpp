#include "FaultSet.h"

namespace kvt7::sim {

void FaultSet::add(const Fault& fault)
{
    if (fault.remaining != 0)
        faults_.append(fault);
}

void FaultSet::clear()
{
    faults_.clear();
}

std::optional<Fault> FaultSet::take(FaultKind kind, const QByteArray& request)
{
    for (qsizetype i = 0; i < faults_.size(); ++i) {
        Fault& f = faults_[i];
        if (f.kind != kind || !request.startsWith(f.prefix))
            continue;
        const Fault found = f;
        if (f.remaining > 0 && --f.remaining == 0)
            faults_.removeAt(i);
        return found;
    }
    return std::nullopt;
}

}  // namespace kvt7::sim
