#pragma once

#include "OperationFixture.h"
#include "operation/MoveTest.h"

#include <QTest>

namespace kvt7::test {

// The move test on the scripted controller.
class MoveTestFixture : public OperationFixture {
protected:
    // The request as a button makes it, run by the dispatch timer to its end.
    void dispatch(MoveTest::Exec exec)
    {
        move.request(exec);
        ASSERT_TRUE(QTest::qWaitFor([this] { return move.ExecMoveNo() == 0 && !move.running(); }, 20000));
    }
    void row(const QStringList& cells)
    {
        for (int i = 0; i < kSelectiveEntries; ++i)
            move.inputs().selective.at(std::size_t(i)) = i < cells.size() ? cells.at(i) : QString();
    }

    MoveTest move{context};
};

}  // namespace kvt7::test
