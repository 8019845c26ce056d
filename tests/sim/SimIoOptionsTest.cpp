// The inputs and outputs the simulator starts with, and its wrong write echo.
#include "SimOptions.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

namespace kvt7::sim::test {
namespace {

TEST(SimIoOptions, InputsAndOutputsFromTheCommandLine)
{
    SimOptions o;
    QString message;
    ASSERT_EQ(ParseSimOptions({"kvm8-sim", "--inputs", "800001", "--outputs", "c00003", "--wrong-echo", "0WO"}, &o,
                              &message),
              ParseOutcome::Run)
        << message.toStdString();
    Kvm8Simulator sim;
    ApplySimOptions(o, sim);
    EXPECT_EQ(sim.handle("0RI"), Line("0RI800001"));
    EXPECT_EQ(sim.handle("0RO"), Line("0ROC00003"));
    EXPECT_EQ(sim.handle("0WO000003"), Line("0WO000000"));  // the echo is wrong ...
    EXPECT_EQ(sim.outputs(), 0x000003);                     // ... the write was done
    EXPECT_EQ(sim.handle("0WO000000"), Line("0WO000001"));
    EXPECT_EQ(sim.handle("0RI"), Line("0RI800001"));  // other requests are untouched

    for (const char* bad : {"80001", "8000011", "80000G", "+80001", ""}) {
        EXPECT_EQ(ParseSimOptions({"kvm8-sim", "--inputs", bad}, &o, &message), ParseOutcome::Error) << bad;
        EXPECT_EQ(message, QStringLiteral("--inputs wants six hex digits such as 800001"));
    }
    EXPECT_EQ(ParseSimOptions({"kvm8-sim", "--outputs", "x"}, &o, &message), ParseOutcome::Error);
    EXPECT_EQ(ParseSimOptions({"kvm8-sim", "--wrong-echo", ""}, &o, &message), ParseOutcome::Error);
    EXPECT_EQ(message, QStringLiteral("--wrong-echo wants a request prefix such as 0RP"));
}

}  // namespace
}  // namespace kvt7::sim::test
