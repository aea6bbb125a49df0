#include "platform/clock.h"
#include "platform/prompt_dialogs.h"

#include <QDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace platform;

TEST(PromptSeam, HeadlessWithoutResponderNeverBlocksAndRecords)
{
    clearPromptLog();
    EXPECT_EQ(showMessage(PromptKind::Warning, "Careful"), PromptAnswer::Ok);
    EXPECT_EQ(showMessage(PromptKind::Confirmation, "Sure?", kYesNo), PromptAnswer::No);
    EXPECT_EQ(showMessage(PromptKind::Confirmation, "Sure?", kYesNoCancel), PromptAnswer::Cancel);
    EXPECT_EQ(showMessage(PromptKind::Confirmation, "Sure?", kYesNo, PromptAnswer::Yes), PromptAnswer::Yes);
    EXPECT_FALSE(askText("Rename", "New name:", "beach").has_value());
    EXPECT_FALSE(chooseOpenFile("Open", "/tmp", "Executable files|*.exe").has_value());
    EXPECT_TRUE(chooseOpenFiles("Open", "/tmp", "Pictures|*.jpg").isEmpty());
    EXPECT_FALSE(chooseSaveFile("Save", "/tmp", "JPEG|*.jpg", "a.jpg", "jpg").has_value());
    EXPECT_FALSE(chooseFolder("Folder").has_value());

    const QList<PromptRecord>& log = promptLog();
    ASSERT_EQ(log.size(), 9);
    EXPECT_EQ(log[0].request.type, PromptType::Message);
    EXPECT_EQ(log[0].request.kind, PromptKind::Warning);
    EXPECT_EQ(log[0].request.text, "Careful");
    EXPECT_EQ(log[0].request.buttons, kOk);
    EXPECT_EQ(log[1].request.buttons, kYesNo);
    EXPECT_EQ(log[1].reply.answer, PromptAnswer::No);
    EXPECT_EQ(log[4].request.type, PromptType::Input);
    EXPECT_EQ(log[4].request.value, "beach");
    EXPECT_EQ(log[5].request.filter, "Executable files|*.exe");
    EXPECT_EQ(log[7].request.defaultSuffix, "jpg");
    EXPECT_EQ(log[8].request.type, PromptType::Folder);
}

TEST(PromptSeam, ResponderAnswersInOrderAndSeesEveryRequest)
{
    {
        ScopedPromptResponder answers({PromptReply::button(PromptAnswer::Yes), PromptReply::ok("new name"),
                                       PromptReply::ok("/p/a.jpg"), PromptReply::ok("/p")});
        EXPECT_EQ(showMessage(PromptKind::Confirmation, "Delete?", kYesNo), PromptAnswer::Yes);
        EXPECT_EQ(askText("Rename", "Name", "old").value_or(""), "new name");
        EXPECT_EQ(chooseOpenFile("Open", "/p", "").value_or(""), "/p/a.jpg");
        EXPECT_EQ(chooseFolder("Folder", "/").value_or(""), "/p");
        // Past the list: the default answer.
        EXPECT_EQ(showMessage(PromptKind::Error, "Oops", kOkCancel), PromptAnswer::Cancel);
        ASSERT_EQ(promptLog().size(), 5);
        EXPECT_EQ(promptLog()[4].request.kind, PromptKind::Error);
    }
    // The responder is gone again; the log remains readable.
    EXPECT_EQ(promptLog().size(), 5);
    EXPECT_EQ(showMessage(PromptKind::Confirmation, "Again?", kYesNo), PromptAnswer::No);
}

TEST(PromptSeam, CustomButtonTextsAreRecorded)
{
    QList<PromptRequest> seen;
    ScopedPromptResponder r([&](const PromptRequest& q) {
        seen << q;
        return PromptReply::button(PromptAnswer::NoToAll);
    });
    const PromptAnswer a = showMessageWithTexts(PromptKind::Confirmation, "/p/a.wav",
                                                PromptAnswer::Yes | PromptAnswer::No | PromptAnswer::NoToAll,
                                                {{PromptAnswer::NoToAll, "&Never"}}, PromptAnswer::No, "Voice");
    EXPECT_EQ(a, PromptAnswer::NoToAll);
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].title, "Voice");
    EXPECT_EQ(seen[0].defaultButton, PromptAnswer::No);
    ASSERT_EQ(seen[0].buttonTexts.size(), 1);
    EXPECT_EQ(seen[0].buttonTexts[0].second, "&Never");
}

TEST(PromptSeam, OwnModalWindowsGoThroughTheSeam)
{
    QDialog dialog;
    dialog.setObjectName("Form7");
    dialog.setWindowTitle("Voice file detected (.wav)");
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName("NameEdit");

    clearPromptLog();
    EXPECT_EQ(execModal(dialog), 0);   // headless: not shown, rejected
    ASSERT_EQ(promptLog().size(), 1);
    EXPECT_EQ(promptLog()[0].request.type, PromptType::Dialog);
    EXPECT_EQ(promptLog()[0].request.text, "Form7");
    EXPECT_EQ(promptLog()[0].request.dialog, nullptr);   // no dangling window pointer

    ScopedPromptResponder r([](const PromptRequest& q) {
        q.dialog->findChild<QLineEdit*>("NameEdit")->setText("filled in");
        return PromptReply::result(10);
    });
    EXPECT_EQ(execModal(dialog), 10);
    EXPECT_EQ(edit->text(), "filled in");
    EXPECT_EQ(promptLog()[0].request.title, "Voice file detected (.wav)");
}

TEST(ClockSeam, TestsFreezeAndAdvanceTime)
{
    EXPECT_FALSE(clockIsFake());
    const qint64 m0 = monotonicMs();
    EXPECT_GE(monotonicMs(), m0);

    const QDateTime t(QDate(2024, 1, 31), QTime(23, 59, 30), Qt::LocalTime);
    setClock(t);
    setMonotonicMs(1000);
    EXPECT_TRUE(clockIsFake());
    EXPECT_EQ(now(), t);
    EXPECT_EQ(monotonicMs(), 1000);
    advanceClock(45000);
    EXPECT_EQ(now(), t.addSecs(45));
    EXPECT_EQ(monotonicMs(), 46000);
    EXPECT_EQ(now().date(), QDate(2024, 2, 1));
    resetClock();
    EXPECT_FALSE(clockIsFake());
    EXPECT_LE(qAbs(now().secsTo(QDateTime::currentDateTime())), 5);

    // Advancing a free-running clock freezes it at the real time first.
    const QDateTime before = QDateTime::currentDateTime();
    advanceClock(3600 * 1000);
    EXPECT_TRUE(clockIsFake());
    EXPECT_GE(now(), before.addSecs(3599));
    resetClock();
}
