#include "app/DesktopLaunch.h"

#include "platform/widgets/support/ScriptedUi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A folder of fake programs on PATH, and a working folder, for one test.
class DesktopLaunchTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        oldDir = QDir::currentPath();
        QDir::setCurrent(work.path());
    }
    void TearDown() override {
        qputenv("PATH", oldPath);
        QDir::setCurrent(oldDir);
    }
    void addProgram(const QString& name) {
        QFile file(bin.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir bin;
    QTemporaryDir work;
    QByteArray oldPath;
    QString oldDir;
};

} // namespace

TEST_F(DesktopLaunchTest, TakesTheFirstCalculatorThere) {
    addProgram("xcalc");
    addProgram("kcalc");
    EXPECT_EQ(DesktopLaunch::findProgram(DesktopLaunch::calculatorCandidates()),
              bin.filePath("kcalc"));
}

TEST_F(DesktopLaunchTest, NoCalculatorOrManualGetsANotice) {
    MessageRecorder messages;
    messages.expect({});
    messages.expect({});
    DesktopLaunch::startCalculator(nullptr);
    DesktopLaunch::openManual(nullptr);
    EXPECT_TRUE(messages.texts().at(0).contains("计算器"));
    EXPECT_TRUE(messages.texts().at(1).contains("Help/Help110.DOC"));
    EXPECT_EQ(messages.shown().at(1).icon, MessageRequest::Icon::None);
}
