#pragma once

#include "GridTestSupport.h"
#include "Kvm8Simulator.h"
#include "base/OperatingMode.h"
#include "link/AlarmList.h"
#include "link/CommandGroups.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "link/ControllerStatus.h"
#include "parameters/DefaultLists.h"
#include "parameters/ParameterSet.h"
#include "platform/SettingsStore.h"
#include "positions/PositionCommandContext.h"
#include "support/FakeSerialPort.h"

#include <QTemporaryDir>

namespace kvt7::test {

// The position commands on a grid whose axes are those of the simulated controller
// (axis 1 " 28L100": lead 2, 400 pulses a turn; axis 2 " 42D050": lead 4, 192), over the
// serial line a derived fixture provides.
struct ControllerFixture : GridFixture {
    OperatingMode mode;
    MemorySettingsStore store;
    SettingsSection section{store};
    ControllerStatus status;
    ControllerLink link;
    ControllerContext access{link, status, dialogs, messages};
    ParameterSet parameters;
    DefaultLists lists;
    NoCommandGroups groups;
    PositionCommandContext commands{context, access, parameters, lists, CatalogueDir(), section, groups, {}};
    QTemporaryDir folder;

    ControllerFixture(SerialPort& line, const QString& device)
        : link(line, mode, dialogs, messages, settings, section, status, device)
    {
        useAxis(2, true, 4, 192, 50);
        make42D(2);
        AlarmList list;
        list.AlarmListMissing = false;
        status.setAlarmList(list);
        mode.SetOnline();
    }
    ~ControllerFixture() { link.ClosePort(); }
    QString path(const QString& name) const { return folder.filePath(name); }
    // Puts texts into the cells of a position (columns from `first` on).
    void type(int positionNo, int first, const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            grid.setText(row(positionNo), first + i, texts[i]);
    }
};

// The simulated controller answering every request line through a scripted serial line.
struct ScriptedLine {
    sim::Kvm8Simulator controller;
    FakeSerialPort port;
    // Called with each request line before the controller answers; true swallows it.
    std::function<bool(const QByteArray&)> intercept;

    ScriptedLine()
    {
        port.setResponder([this](const QByteArray& line) -> FakeSerialPort::Pieces {
            if (intercept && intercept(line))
                return {};
            return {controller.handle(line)};
        });
    }
};

struct CommandFixture : ScriptedLine, ControllerFixture {
    CommandFixture() : ControllerFixture(port, QStringLiteral("/dev/simulated")) {}
    QStringList requestsStartingWith(const QString& prefix) const
    {
        QStringList found;
        for (const QString& request : port.requests())
            if (request.startsWith(prefix))
                found << request;
        return found;
    }
};

}  // namespace kvt7::test
