#include "TestPaths.h"

#include <QString>

namespace kvt7::test {

QString ProgramDir()
{
    return QString::fromLocal8Bit(qgetenv("KVT7_PROGRAM_DIR"));
}

QString SourceDir()
{
    return QString::fromLocal8Bit(qgetenv("KVT7_SOURCE_DIR"));
}

}  // namespace kvt7::test
