#pragma once

#include <QApplication>
#include <QDir>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace kvt7::test {

// The folder for pictures that KVT7_RENDER_DIR names, made where it is missing; empty when
// the variable is not set.
inline QString RenderFolder()
{
    const QString folder = qEnvironmentVariable("KVT7_RENDER_DIR");
    if (!folder.isEmpty())
        QDir().mkpath(folder);
    return folder;
}

// Shows the window, waits until it is drawn and saves it as NAME.png in `folder`.
inline void SaveWindowPicture(QWidget& window, const QString& folder, const QString& name)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")))) << name.toStdString();
}

}  // namespace kvt7::test

// In the body of a picture test: `folder` names the folder for the pictures; without
// KVT7_RENDER_DIR the test is skipped (ctest runs the picture tests that way).
#define KVT7_RENDER_FOLDER_OR_SKIP(folder)                    \
    const QString folder = ::kvt7::test::RenderFolder();     \
    if (folder.isEmpty())                                     \
    GTEST_SKIP() << "KVT7_RENDER_DIR not set"
