#pragma once

#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "platform/SerialPort.h"
#include "support/LinkTestParts.h"

#include <gtest/gtest.h>
#include <memory>

namespace kvt7::test {

// A link over a real pseudo-terminal to the simulated controller served in-process, with an
// (empty) alarm list; the port is closed at the end. Tests that link kvm8sim derive from it.
class PtyLinkFixture : public ::testing::Test, protected LinkTestParts {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(server.open(&error)) << error.toStdString();
        link = std::make_unique<ControllerLink>(port, mode, dialogs, catalogue, settings, section, status,
                                                server.devicePath());
        AlarmList list;
        list.AlarmListMissing = false;
        status.setAlarmList(list);
    }
    void TearDown() override
    {
        if (link)
            link->ClosePort();
    }
    ControllerContext access() { return {*link, status, dialogs, catalogue}; }

    sim::Kvm8Simulator controller;
    sim::PtyServer server{controller};
    QtSerialLine port;
    std::unique_ptr<ControllerLink> link;
};

}  // namespace kvt7::test
