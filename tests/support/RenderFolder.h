#pragma once

#include <QApplication>
#include <QDir>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/WholeTexts.h"

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

// Shows the window, waits until it is drawn, checks that no control cuts its text and saves
// it as NAME.png in `folder` (only the check without a folder).
inline void SaveWindowPicture(QWidget& window, const QString& folder, const QString& name)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    const QStringList cut = CutTexts(window);
    EXPECT_TRUE(cut.isEmpty()) << name.toStdString() << " cuts " << cut.join(QStringLiteral("; ")).toStdString();
    if (!folder.isEmpty()) {
        EXPECT_TRUE(window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")))) << name.toStdString();
    }
}

}  // namespace kvt7::test

// In the body of a picture test: `folder` names the folder for the pictures. Without
// KVT7_RENDER_DIR (as ctest runs them) the windows are still drawn and checked for cut texts,
// and no picture is saved.
#define KVT7_RENDER_FOLDER(folder) const QString folder = ::kvt7::test::RenderFolder()
