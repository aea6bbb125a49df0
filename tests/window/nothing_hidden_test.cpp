// What the user must see during file work in the assembled main window: the
// voice question of a folder delete is the active window with nothing over
// it, and a folder or file name that can't be read is said in the tree.
#include "app/main_window.h"
#include "support/main_window_fixture.h"
#include "support/sandbox.h"

#include "platform/prompt.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using platform::PromptAnswer;
using platform::PromptReply;
using testsupport::MainWindowFixture;

namespace {

// This thread works without the capabilities that let root read any
// folder, so a folder's mode bits refuse it as they refuse any user.
class WithoutReadOverride {
public:
    WithoutReadOverride()
    {
        if (::syscall(SYS_capget, &header, saved) != 0)
            return;
        __user_cap_data_struct reduced[2];
        std::memcpy(reduced, saved, sizeof reduced);
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        active = ::syscall(SYS_capset, &header, reduced) == 0;
    }
    ~WithoutReadOverride()
    {
        if (active)
            ::syscall(SYS_capset, &header, saved);
    }
    bool active = false;

private:
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2]{};
};

QStringList childTexts(QTreeWidgetItem* node)
{
    QStringList texts;
    for (int i = 0; node && i < node->childCount(); ++i)
        texts << node->child(i)->text(0);
    return texts;
}

} // namespace

TEST(NothingHidden, TheVoiceQuestionOfAFolderDeleteIsTheActiveWindowWithNothingOverIt)
{
    MainWindowFixture f;
    ASSERT_TRUE(testsupport::writeFile(f.picture("a.wav"), "a's recording"));
    f.openFolder(f.folder());
    MainWindow* form = f.form();
    int voiceQuestions = 0;
    bool active = false;
    QStringList covering;
    platform::ScopedPromptResponder answers([&](const platform::PromptRequest& r) {
        if (r.title != QLatin1String("Voice file detected (.wav)"))
            return PromptReply::button(PromptAnswer::Yes);
        ++voiceQuestions;
        // The question as the user gets it: a box over the main window.
        QMessageBox box(QMessageBox::Question, r.title, r.text, QMessageBox::Yes | QMessageBox::No, form);
        box.show();
        box.activateWindow();
        MainWindowFixture::waitFor([&] { return QApplication::activeWindow() == &box; }, 2000);
        active = QApplication::activeWindow() == &box;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &box && w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)
                && w->frameGeometry().intersects(box.frameGeometry()))
                covering << w->objectName();
        return PromptReply::button(PromptAnswer::Yes);
    });
    form->actionNamed("DeleteFolderPop")->trigger();
    EXPECT_EQ(voiceQuestions, 1);
    EXPECT_TRUE(active);
    EXPECT_TRUE(covering.isEmpty()) << covering.join(", ").toStdString();
    EXPECT_FALSE(QFileInfo::exists(f.folder()));
}

TEST(NothingHidden, AnUnreadableFolderAndANameThatIsNotUtf8AreSaidInTheTree)
{
    MainWindowFixture f;
    // A picture whose name's bytes are not UTF-8 ("caf" + Latin-1 e-acute).
    const QByteArray raw = QFile::encodeName(f.folder()) + "/caf\xe9.jpg";
    const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "x", 1), 1);
    ::close(fd);
    f.openFolder(f.folder());
    const QStringList trip = childTexts(f.node(f.folder()));
    ASSERT_FALSE(trip.isEmpty());
    EXPECT_EQ(trip.last(), QString("<caf") + QChar::ReplacementCharacter
                               + ".jpg could not be read: its name is not valid UTF-8>");

    // A folder that refuses to be listed.
    const QString locked = f.folder() + "/Locked";
    ASSERT_EQ(::mkdir(QFile::encodeName(locked).constData(), 0), 0);
    testsupport::writeFile(f.folder() + "/Locked/.keep", QByteArray());
    ::chmod(QFile::encodeName(locked).constData(), 0);
    {
        WithoutReadOverride reader;
        if (!reader.active)
            GTEST_SKIP() << "the capabilities of this thread can't be changed";
        f.openFolder(locked);
    }
    EXPECT_EQ(childTexts(f.node(locked)), QStringList{"<Folder could not be read: Permission denied>"});
    ::chmod(QFile::encodeName(locked).constData(), 0755);
}
