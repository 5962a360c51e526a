// The single-instance lock of the drawing program.
#include <gtest/gtest.h>

#include <QFile>
#include <QSysInfo>

#include "support/golden.h"
#include "zumenko/shell/single_instance.h"

using zumenko::SingleInstance;

TEST(SingleInstance, ASecondInstanceIsRefusedUntilTheFirstReleases) {
    testing_support::TempDir dir;
    testing_support::ScopedHome home(dir.path());
    SingleInstance first, second;
    ASSERT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    first.release();
    EXPECT_TRUE(second.acquire());
    second.release();
}

TEST(SingleInstance, OneLockPerRendezvousFolder) {
    testing_support::TempDir a, b;
    SingleInstance first, second;
    {
        testing_support::ScopedHome home(a.path());
        ASSERT_TRUE(first.acquire());
    }
    testing_support::ScopedHome home(b.path());
    EXPECT_TRUE(second.acquire());
}

TEST(SingleInstance, TheLockOfAnInstanceThatDiedIsTakenOver) {
    testing_support::TempDir dir;
    testing_support::ScopedHome home(dir.path());
    QFile stale(SingleInstance::lockPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    // No process has this id (above the kernel's pid limit).
    stale.write("99999999\nZumenko\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    SingleInstance instance;
    EXPECT_TRUE(instance.acquire());
}
