#pragma once

#include "actuators/ActuatorCatalogue.h"
#include "base/MessageCatalogue.h"
#include "support/ScriptedDialogs.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::test {

// The folder holding the shipped catalogue: the program folder, or data/ of the sources.
inline QString ShippedCatalogueDir()
{
    const QString program = ProgramDir();
    if (!program.isEmpty() && QFile::exists(QDir(program).filePath(kCatalogueFileName)))
        return program;
    return QDir(SourceDir()).filePath(QStringLiteral("data"));
}

// A catalogue folder of its own for every test, with the shipped file or a written one.
class CatalogueTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    MessageCatalogue messages = MessageCatalogue::Builtin();
    ScriptedDialogs dialogs;
    CatalogueFile file{folder.path(), messages, dialogs};
    CatalogueFile shipped{ShippedCatalogueDir(), messages, dialogs};

    void writeCatalogue(const QByteArray& bytes)
    {
        ASSERT_TRUE(WriteBytes(file.path(), bytes));
    }
    QString missingText() const { return messages.Text(15) + "\r\n" + messages.Text(16); }
    QString missingShortText() const { return messages.Text(15); }
    QString unusableModelText() const { return messages.Text(4) + "\r\n" + messages.Text(5); }
};

}  // namespace kvt7::test
