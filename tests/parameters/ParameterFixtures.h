#pragma once

#include "support/QStringPrinting.h"
#include "base/MessageCatalogue.h"
#include "parameters/ParameterSet.h"
#include "support/TestPaths.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <ostream>

namespace kvt7::test {

// A set whose every value passes the full check; axis n differs from the others by n.
inline ParameterSet ValidSet(int axisMask)
{
    ParameterSet set;
    EditorValues& v = set.editor;
    for (int a = 1; a <= 4; ++a) {
        v.setNumber(Param::Offset, a, 200 + a);
        v.setNumber(Param::Push, a, 50 + a);
        v.setNumber(Param::Vel, a, 10 + a);
        v.setNumber(Param::OfsVel, a, 20 + a);
        v.setNumber(Param::PushVel, a, 30 + a);
        v.setNumber(Param::Seq, a, a);
        v.setNumber(Param::Stroke, a, 20000 + a);
        v.setNumber(Param::Lead, a, 2 + a);
        v.setNumber(Param::Pulse, a, 400 + a);
        v.setNumber(Param::JogVel, a, 10 + a);
        v.setNumber(Param::AutoDrive, a, a % 2);
        v.setNumber(Param::Type, a, a % 2);
        v.setNumber(Param::Function, a, a % 3);
        v.setNumber(Param::Alm, a, 100 + a);
        v.setNumber(Param::PgTimer, a, 50 + a);
        v.setNumber(Param::LsTimer, a, 100 + a);
        v.setNumber(Param::SoftLimit, a, a % 2);
        v.setNumber(Param::M0Enable, a, (a + 1) % 2);
        v.setText(Param::ActSize, a, QStringLiteral(" 28"));
        v.setText(Param::ActSpeed, a, QStringLiteral("L"));
        v.setNumber(Param::ActStroke, a, 100 + a);
        v.setText(Param::Actuator, a, QStringLiteral(" 28L%1").arg(100 + a));
    }
    v.setNumber(Param::HomeOut, 2);
    v.setNumber(Param::AlmCode, 1);
    v.setNumber(Param::GrpEnable, 1);
    v.setNumber(Param::SmTimeout, 0);
    v.setNumber(Param::SmTimer, 10);
    v.setNumber(Param::Axis, axisMask);
    v.setNumber(Param::AutoHome, 1);
    v.setNumber(Param::StopPause, 1);
    v.setNumber(Param::HiddenCommon, 0);
    return set;
}

inline MessageCatalogue EnglishMessages()
{
    MessageCatalogue messages = MessageCatalogue::Builtin();
    messages.setLanguage(kEnglish);
    return messages;
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace kvt7::test
