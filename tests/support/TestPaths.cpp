#include "TestPaths.h"

#include <QString>

namespace kvt7::test {

static QString FromEnvironment(const char* name, const char* builtIn)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? QString::fromLocal8Bit(builtIn) : QString::fromLocal8Bit(value);
}

QString ProgramDir()
{
    return FromEnvironment("KVT7_PROGRAM_DIR", KVT7_BUILT_PROGRAM_DIR);
}

QString SourceDir()
{
    return FromEnvironment("KVT7_SOURCE_DIR", KVT7_BUILT_SOURCE_DIR);
}

}  // namespace kvt7::test
