#pragma once

#include "Kvm8Simulator.h"

#include <QByteArray>

namespace kvt7::sim::test {

// A reply as it travels: the text and CR LF.
inline QByteArray Line(const char* text)
{
    return QByteArray(text) + "\r\n";
}

// A simulator that has completed its return to origin, clock at rest.
inline void Home(Kvm8Simulator& sim, int mask = 3)
{
    sim.handle("0MM000" + QByteArray::number(mask, 16).toUpper());
    sim.advance(10000);
}

}  // namespace kvt7::sim::test
