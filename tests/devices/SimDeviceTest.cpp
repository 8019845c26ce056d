// The online actuator write over a real pseudo-terminal against the simulated controller.
#include "DeviceTestSupport.h"
#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "actuators/ModelDesignation.h"
#include "devices/DeviceWrite.h"
#include "link/CommandGroups.h"
#include "link/ConnectOnline.h"
#include "link/ControllerLink.h"
#include "platform/SerialPort.h"
#include "session/FrameWindows.h"
#include "session/OnlineStart.h"
#include "support/LinkTestParts.h"
#include "support/TestPaths.h"

#include "support/NoWindows.h"
#include "support/PtyLinkFixture.h"

#include <gtest/gtest.h>
#include <memory>

namespace kvt7::test {
namespace {

class SimDeviceTest : public PtyLinkFixture {
protected:
    // The online start as the program makes it.
    void goOnline(ParameterSet& set, AxisSettings& axes)
    {
        ASSERT_EQ(ConnectOnline(access()).outcome, OnlineStart::Online);
        NoWindows windows;
        ASSERT_EQ(CompleteOnlineStart(access(), set, axes, windows), OnlineStartResult::OnlineReached);
    }

};

TEST_F(SimDeviceTest, OnlineDeviceSettingWritesTheChosenActuatorIntoTheController)
{
    ParameterSet parameters;
    AxisSettings axes;
    goOnline(parameters, axes);
    CatalogueFile catalogueFile(ProgramDir(), catalogue, dialogs);
    DeviceColumns columns(catalogueFile);
    columns.open(axes.pc);
    columns.chooseSpeed(1, "H");
    columns.chooseStroke(1, 200);
    DefaultLists lists;
    NoCommandGroups groups;
    const ControllerContext controllerContext = access();
    DeviceWriteContext context{controllerContext, parameters, axes,   lists, section, mode,
                               dialogs, catalogue, groups, ProgramDir(), {}};
    ASSERT_EQ(WriteDeviceSetting(context, columns), Outcome::Done);
    EXPECT_EQ(dialogs.texts(), QStringList({"Completed writing parameters."}));
    EXPECT_EQ(ModelLabel(axes.Pc(1), catalogueFile), "KV- 28H-200_ ");
    EXPECT_EQ(Describe(axes.Pc(2)), "use KV  42D-50 new lead4 ppr192 V-K max2400");

    // A later start finds the new actuator in the controller.
    link->ClosePort();
    ParameterSet again;
    AxisSettings fresh;
    goOnline(again, fresh);
    EXPECT_EQ(Describe(fresh.Pc(1)), "use KV  28H-200 new lead12 ppr400 V-K max6667");
}

}  // namespace
}  // namespace kvt7::test
