#include "platform/build_info.h"
#include "support/sandbox.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(Sandbox, HomeIsPrivate)
{
    const QString home = QDir::homePath();
    EXPECT_TRUE(home.startsWith(testsupport::sandboxRoot())) << home.toStdString();
    EXPECT_FALSE(platform::programVersion().isEmpty());
}
