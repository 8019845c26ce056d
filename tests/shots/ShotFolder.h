#pragma once

#include <QApplication>
#include <QDir>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace kvt7::test {

// Shows the window, waits until it is drawn and saves it as NAME.png in the folder that
// KVT7_RENDER_DIR names (scripts/screenshots sets it).
inline void SaveShot(QWidget& window, const QString& name)
{
    const QString folder = qEnvironmentVariable("KVT7_RENDER_DIR");
    ASSERT_FALSE(folder.isEmpty()) << "KVT7_RENDER_DIR names the folder for the pictures";
    QDir().mkpath(folder);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")))) << name.toStdString();
}

}  // namespace kvt7::test
