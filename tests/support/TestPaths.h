#pragma once

#include <QString>

namespace kvt7::test {

// The folder the program and its data files are built into.
QString ProgramDir();
// The source tree (for golden files under tests/).
QString SourceDir();

}  // namespace kvt7::test
