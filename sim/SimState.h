#pragma once

#include <QByteArray>
#include <QString>

namespace kvt7::sim {

class Kvm8Simulator;

// The simulator's lasting memory as a JSON document: the stored copies of positions,
// parameter blocks, groups and S/M programs (in their wire text), the inputs and the
// identification, the present positions, the home status and the outputs. Working copies,
// motion in progress and the alarm do not last, as on the controller.
QByteArray SaveState(const Kvm8Simulator& simulator);

// Loads a document written by SaveState; both copies take the stored values. On failure the
// simulator is unchanged and `error` says what is wrong.
bool LoadState(Kvm8Simulator& simulator, const QByteArray& json, QString* error);

// File forms of the above; SaveStateFile replaces the file only when the new one is complete.
bool SaveStateFile(const Kvm8Simulator& simulator, const QString& path, QString* error);
bool LoadStateFile(Kvm8Simulator& simulator, const QString& path, QString* error);

}  // namespace kvt7::sim
