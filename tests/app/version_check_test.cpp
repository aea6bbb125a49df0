// The version check: the published record, the comparison, the monthly
// suggestion's date rules, the download from a file:// folder and from a
// loopback server made here, and the whole check with its windows.
#include "base/data_folder.h"
#include "support/test_state.h"
#include "app/help_web.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "app/main_window.h"
#include "app/version_check.h"
#include "app/version_check_download.h"
#include "app/version_check_windows.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "support/sandbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

using namespace platform;

namespace {

QByteArray record(const QByteArray& text, int lengthByte = -1)
{
    QByteArray r(PublishedVersionRecordSize, '\0');
    r[0] = char(lengthByte < 0 ? text.size() : lengthByte);
    for (int i = 0; i < text.size() && i < 10; ++i)
        r[1 + i] = text[i];
    return r;
}

QDate day(int y, int m, int d) { return QDate(y, m, d); }

// A server on 127.0.0.1 that answers every request with `response` (or
// never answers when it is empty); it lives as long as the test.
class LoopbackServer {
public:
    explicit LoopbackServer(QByteArray response)
        : response_(std::move(response))
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    socket->readAll();
                    if (response_.isEmpty())
                        return;
                    socket->write(response_);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString site() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }

private:
    QByteArray response_;
    QTcpServer server_;
};

// Downloads and waits for the outcome.
DownloadOutcome download(const QUrl& url, const QString& target, int timeoutMs = 20000)
{
    std::optional<DownloadOutcome> outcome;
    QObject context;
    DownloadUrlToFile(url, target, &context, [&](const DownloadOutcome& o) { outcome = o; }, timeoutMs);
    EXPECT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 60000));
    return outcome.value_or(DownloadOutcome{});
}

// Runs the version check to its end.
void check(MainWindow& form)
{
    form.helpAndVersion()->CheckforupdateClick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.helpAndVersion()->VersionCheckRunning(); }, 60000));
}

QByteArray httpResponse(int status, const QByteArray& body)
{
    return "HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Length: " + QByteArray::number(body.size())
           + "\r\nConnection: close\r\n\r\n" + body;
}

struct CheckFixture : ::testing::Test {
    QString site;
    void SetUp() override
    {
        site = testsupport::freshDir(QStringLiteral("site"));
        qputenv(WebSiteVariable, QUrl::fromLocalFile(site).toString().toUtf8());
        SetDataFolderPaths(TestState().paths, testsupport::freshDir(QStringLiteral("data")));
        QDir().mkpath(TestState().paths.DataFolder);
        TestState().settings.Settings = TSettingsRecord{};
        ClearOpenedUrls();
        clearPromptLog();
        setClock(QDateTime(QDate(2026, 3, 14), QTime(10, 0)));
    }
    void TearDown() override
    {
        qunsetenv(WebSiteVariable);
        resetClock();
        TestState().start.DemoMode = TestState().start.AudioMode = TestState().start.ArgumentMode = 0;
    }
    void publish(const QByteArray& bytes)
    {
        testsupport::writeFile(site + QStringLiteral("/PublVersion.dat"), bytes);
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const PromptRecord& r : promptLog())
            if (r.request.type == PromptType::Message)
                texts << r.request.text;
        return texts;
    }
};

} // namespace

TEST(PublishedVersion, ReadsRecordZeroAndTellsTheFailuresApart)
{
    const QString dir = testsupport::freshDir(QStringLiteral("rec"));
    const QString path = dir + QStringLiteral("/FoundVersion.vxt");

    testsupport::writeFile(path, record("6.1.0.17") + record("9.9.9.9") + "tail");
    PublishedVersion v = ReadPublishedVersion(path);
    EXPECT_EQ(v.result, PublishedVersionRead::Ok);
    EXPECT_EQ(v.text, QStringLiteral("6.1.0.17"));

    testsupport::writeFile(path, record(""));
    v = ReadPublishedVersion(path);
    EXPECT_EQ(v.result, PublishedVersionRead::Ok);
    EXPECT_EQ(v.text, QString());

    // A length byte beyond the record's ten characters is a read failure:
    // an HTML page in the record's place starts with '<' (60).
    testsupport::writeFile(path, record("1234567890", 11));
    EXPECT_EQ(ReadPublishedVersion(path).result, PublishedVersionRead::ReadFailed);
    testsupport::writeFile(path, "<!DOCTYPE html><html><body>Not found</body></html>");
    EXPECT_EQ(ReadPublishedVersion(path).result, PublishedVersionRead::ReadFailed);
    testsupport::writeFile(path, record("1234567890", 10));
    EXPECT_EQ(ReadPublishedVersion(path).text, QStringLiteral("1234567890"));

    testsupport::writeFile(path, QByteArray("\x05" "6.1.0", 6));
    EXPECT_EQ(ReadPublishedVersion(path).result, PublishedVersionRead::NoRecord);
    EXPECT_EQ(ReadPublishedVersion(dir + QStringLiteral("/none")).result, PublishedVersionRead::NoFile);
    EXPECT_EQ(ReadPublishedVersion(dir).result, PublishedVersionRead::ReadFailed);

    EXPECT_EQ(PublishedVersionErrorNumber(PublishedVersionRead::NoRecord), 1);
    EXPECT_EQ(PublishedVersionErrorNumber(PublishedVersionRead::ReadFailed), 2);
    EXPECT_EQ(PublishedVersionErrorNumber(PublishedVersionRead::NoFile), 3);
    EXPECT_EQ(VersionReadErrorText(1),
              QStringLiteral("Can not read new/updated version information, sorry for the inconvenience! (error 1)"));
}

TEST(PublishedVersion, ComparisonIsExactAndMajorIsTheFirstFiveCharacters)
{
    EXPECT_FALSE(VersionDiffers(QStringLiteral("6.1.0.16"), QStringLiteral("6.1.0.16")));
    EXPECT_TRUE(VersionDiffers(QStringLiteral("6.1.0.15"), QStringLiteral("6.1.0.16")));  // older too
    EXPECT_TRUE(VersionDiffers(QString(), QStringLiteral("6.1.0.16")));
    EXPECT_FALSE(IsMajorVersionChange(QStringLiteral("6.1.0.17"), QStringLiteral("6.1.0.16")));
    EXPECT_TRUE(IsMajorVersionChange(QStringLiteral("6.2.0.1"), QStringLiteral("6.1.0.16")));
    // The own version has four numbers, major.minor.release.build.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$"))
                    .match(GetFileVersionText()).hasMatch()) << GetFileVersionText().toStdString();
    EXPECT_EQ(FourPartVersion(QStringLiteral("1.0.0")), QStringLiteral("1.0.0.0"));
    EXPECT_EQ(FourPartVersion(QStringLiteral("6.1.0.16")), QStringLiteral("6.1.0.16"));
    EXPECT_EQ(FourPartVersion(QStringLiteral("1.x")), QString());
    EXPECT_EQ(FourPartVersion(QStringLiteral("1.2.3.4.5")), QString());
}

TEST(MonthlySuggestion, ResetAndMarkKeepOneMonthAndACappedDay)
{
    TSettingsRecord rec;
    rec.SuggestionMonths.fill(1);
    ResetMonthlySuggestion(rec, day(2026, 1, 31));
    EXPECT_EQ(rec.SuggestionDay, 28);
    EXPECT_EQ(rec.AskMonthlyUpdate, 1);
    for (uint8_t m : rec.SuggestionMonths)
        EXPECT_EQ(m, 0);

    rec.AskMonthlyUpdate = 0;
    rec.SuggestionMonths[4] = 1;
    MarkSuggestionMonth(rec, day(2026, 7, 9));
    EXPECT_EQ(rec.SuggestionDay, 9);
    EXPECT_EQ(rec.AskMonthlyUpdate, 0);   // left as it was
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(rec.SuggestionMonths[m], m == 6 ? 1 : 0) << m;
}

TEST(MonthlySuggestion, DueRules)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    TSettingsRecord rec;
    ResetMonthlySuggestion(rec, day(2025, 12, 5));
    // January 5, day 5, December not marked: due at once.
    EXPECT_FALSE(PreviousMonthMarked(rec, day(2026, 1, 5)));
    EXPECT_TRUE(ShouldSuggestUpdate(rec, day(2026, 1, 5)));

    MarkSuggestionMonth(rec, day(2025, 12, 5));
    EXPECT_TRUE(PreviousMonthMarked(rec, day(2026, 1, 5)));
    EXPECT_FALSE(ShouldSuggestUpdate(rec, day(2026, 1, 5)));   // not past the day yet
    EXPECT_TRUE(ShouldSuggestUpdate(rec, day(2026, 1, 6)));
    EXPECT_FALSE(ShouldSuggestUpdate(rec, day(2025, 12, 30)));  // this month is marked
    rec.AskMonthlyUpdate = 0;
    EXPECT_FALSE(ShouldSuggestUpdate(rec, day(2026, 1, 6)));

    // The live settings and the clock.
    Settings = rec;
    Settings.AskMonthlyUpdate = 1;
    setClock(QDateTime(day(2026, 2, 1), QTime(9, 0)));
    EXPECT_FALSE(PreviousMonthMarked(Settings));   // January has no flag
    EXPECT_TRUE(ShouldSuggestUpdate(Settings));
    MarkSuggestionMonth(Settings);
    EXPECT_EQ(Settings.SuggestionMonths[1], 1);
    EXPECT_EQ(Settings.SuggestionDay, 1);
    EXPECT_FALSE(ShouldSuggestUpdate(Settings));
    resetClock();
    Settings = TSettingsRecord{};
}

TEST(Download, FromAFileFolder)
{
    const QString site = testsupport::freshDir(QStringLiteral("filesite"));
    testsupport::writeFile(site + QStringLiteral("/PublVersion.dat"), record("2.0.0"));
    const QString target = testsupport::freshDir(QStringLiteral("t")) + QStringLiteral("/FoundVersion.vxt");
    const DownloadOutcome ok = download(QUrl::fromLocalFile(site + QStringLiteral("/PublVersion.dat")), target);
    EXPECT_TRUE(ok.ok()) << ok.error.toStdString();
    EXPECT_EQ(testsupport::readFile(target), record("2.0.0"));

    QFile::remove(target);
    const DownloadOutcome missing = download(QUrl::fromLocalFile(site + QStringLiteral("/none.dat")), target);
    EXPECT_EQ(missing.result, DownloadResult::Failed);
    EXPECT_FALSE(QFile::exists(target));
}

TEST(Download, FromALoopbackServer)
{
    const QString target = testsupport::freshDir(QStringLiteral("t")) + QStringLiteral("/FoundVersion.vxt");
    LoopbackServer good(httpResponse(200, record("7.0.0.1")));
    const DownloadOutcome ok = download(QUrl(good.site() + QStringLiteral("/PublVersion.dat")), target, 10000);
    EXPECT_TRUE(ok.ok()) << ok.error.toStdString();
    EXPECT_EQ(ReadPublishedVersion(target).text, QStringLiteral("7.0.0.1"));

    QFile::remove(target);
    LoopbackServer notFound(httpResponse(404, "gone"));
    EXPECT_EQ(download(QUrl(notFound.site() + QStringLiteral("/PublVersion.dat")), target, 10000).result,
              DownloadResult::Failed);
    EXPECT_FALSE(QFile::exists(target));

    // A server that never answers: the download gives up.
    LoopbackServer silent{QByteArray()};
    EXPECT_EQ(download(QUrl(silent.site() + QStringLiteral("/PublVersion.dat")), target, 300).result,
              DownloadResult::TimedOut);
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(CheckFixture, SameVersionIsUpToDate)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    publish(record(GetFileVersionText().toUtf8()));
    testsupport::writeFile(TestState().paths.FoundVersionPath, "old");
    MainWindow form(TestState());
    check(form);
    EXPECT_EQ(messages(), QStringList({UpToDateText}));
    EXPECT_EQ(promptLog().first().request.kind, PromptKind::Information);
    EXPECT_EQ(testsupport::readFile(TestState().paths.FoundVersionPath), record(GetFileVersionText().toUtf8()));
    // The check marks this month.
    EXPECT_EQ(Settings.SuggestionMonths[2], 1);
    EXPECT_EQ(Settings.SuggestionDay, 14);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(CheckFixture, FailuresGiveTheirMessages)
{
    MainWindow form(TestState());
    check(form);   // nothing published
    publish(QByteArray("\x03" "1.0", 4));
    check(form);   // shorter than a record
    // The site answers with a web page instead of the record: no new version.
    publish("<html><head><title>Moved</title></head><body>The page moved.</body></html>");
    check(form);
    EXPECT_EQ(messages(), QStringList({DownloadFailedText, VersionReadErrorText(1), VersionReadErrorText(2)}));
    EXPECT_EQ(promptLog().first().request.kind, PromptKind::Error);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(CheckFixture, ASecondCheckDuringTheDownloadIsNotStarted)
{
    LoopbackServer silent{QByteArray()};
    qputenv(WebSiteVariable, silent.site().toUtf8());
    MainWindow form(TestState());
    form.helpAndVersion()->VersionDownloadTimeoutMs = 500;
    QTimer again;
    again.setSingleShot(true);
    QObject::connect(&again, &QTimer::timeout, [&] { form.helpAndVersion()->CheckforupdateClick(); });
    again.start(50);
    check(form);
    EXPECT_FALSE(again.isActive());
    EXPECT_EQ(messages(), QStringList({DownloadFailedText}));   // one check, timed out
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(CheckFixture, ANewVersionIsOfferedAndAbortOpensTheDownloadPage)
{
    publish(record("0.0.0.0"));
    QString shownCaption, own, found;
    ScopedPromptResponder answer([&](const PromptRequest& r) {
        if (r.type == PromptType::Dialog && r.dialog && r.dialog->objectName() == QLatin1String("Form31")) {
            auto* form31 = static_cast<NewVersionDialog*>(r.dialog);
            shownCaption = form31->windowTitle();
            own = form31->Label1V->text();
            found = form31->Label2V->text();
            return PromptReply::result(ModalResultAbort);
        }
        return defaultReply(r);
    });
    MainWindow form(TestState());
    check(form);
    EXPECT_EQ(shownCaption, QStringLiteral("New Vistamo! version available, download recommended"));
    EXPECT_EQ(own, GetFileVersionText());
    EXPECT_EQ(found, QStringLiteral("0.0.0.0"));
    EXPECT_EQ(form.helpAndVersion()->NewVersionText, QStringLiteral("0.0.0.0"));
    ASSERT_EQ(OpenedUrls().size(), 1);
    EXPECT_TRUE(OpenedUrls().first().toString().endsWith(QStringLiteral("/download.htm")));
}

TEST_F(CheckFixture, NewVersionWindowTextsAndButtons)
{
    const QString own = GetFileVersionText();
    NewVersionDialog window(TestState().environment);
    window.NewVersionText = own.left(5) + QStringLiteral("x");
    window.FormActivate();
    EXPECT_EQ(window.NewVersionIsMajor, 0);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Updated Vistamo! version available, download recommended"));
    EXPECT_EQ(window.LinkBtn1->text(), QStringLiteral("&Show me the bug fixes in this new version"));
    EXPECT_EQ(window.LinkBtn2->text(), QStringLiteral("&Go to the Download area"));
    EXPECT_EQ(window.CloseButton->text(), QStringLiteral("&Cancel"));
    window.LinkBtn1Click();

    window.NewVersionText = QStringLiteral("99.0");
    window.FormActivate();
    EXPECT_EQ(window.NewVersionIsMajor, 1);
    EXPECT_EQ(window.LinkBtn1->text(), QStringLiteral("&Show me what's new in this version"));
    window.LinkBtn1Click();

    // "No" to closing the program: the download page, the window stays.
    {
        ScopedPromptResponder no({PromptReply::button(PromptAnswer::No)});
        window.LinkBtn2Click();
        ASSERT_EQ(promptLog().size(), 1);
        EXPECT_TRUE(promptLog().first().request.text.startsWith(
            QStringLiteral("Before you install an updated or new version over your current version of Vistamo!")));
        EXPECT_TRUE(promptLog().first().request.text.endsWith(QStringLiteral(" Close Vistamo! now? ")));
    }
    EXPECT_EQ(window.result(), 0);
    {
        ScopedPromptResponder yes({PromptReply::button(PromptAnswer::Yes)});
        window.LinkBtn2Click();
    }
    EXPECT_EQ(window.result(), ModalResultAbort);

    QStringList urls;
    for (const QUrl& u : OpenedUrls())
        urls << u.path();
    EXPECT_EQ(urls, QStringList({site + QStringLiteral("/bugreport.htm"),
                                 site + QStringLiteral("/NewInVersion/NewInVersion.htm"),
                                 site + QStringLiteral("/download.htm")}));
}

TEST_F(CheckFixture, SuggestionWindowSwitchesItselfOff)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MonthlySuggestionDialog window(Settings, TestState().environment);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Suggestion (appears once a month)"));
    EXPECT_EQ(window.Label1->text(), QStringLiteral("Check for Update/New version?"));
    EXPECT_EQ(window.DontAskCB->text(), QStringLiteral("Don't ask this question again"));
    Settings.AskMonthlyUpdate = 1;
    window.NoButtonClick();
    EXPECT_EQ(window.result(), ModalResultCancel);
    EXPECT_EQ(Settings.AskMonthlyUpdate, 1);
    window.DontAskCB->setChecked(true);
    window.YesButtonClick();
    EXPECT_EQ(window.result(), ModalResultOk);
    EXPECT_EQ(Settings.AskMonthlyUpdate, 0);
    window.FormActivate();
    EXPECT_FALSE(window.DontAskCB->isChecked());
}

TEST_F(CheckFixture, MonthlySuggestionAtStartAsksOnceAndRunsTheCheckOnYes)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    ResetMonthlySuggestion(Settings, QDate(2026, 3, 14));   // a first start: due at once
    publish(record(GetFileVersionText().toUtf8()));
    int suggestions = 0;
    ScopedPromptResponder yes([&](const PromptRequest& r) {
        if (r.type == PromptType::Dialog && r.dialog && r.dialog->objectName() == QLatin1String("Form32")) {
            ++suggestions;
            return PromptReply::result(ModalResultOk);
        }
        return defaultReply(r);
    });
    MainWindow form(TestState());
    form.helpAndVersion()->MonthlySuggestionAtStart();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.helpAndVersion()->VersionCheckRunning(); }, 60000));
    EXPECT_EQ(suggestions, 1);
    EXPECT_EQ(messages(), QStringList({UpToDateText}));
    EXPECT_EQ(Settings.SuggestionMonths[2], 1);
    form.helpAndVersion()->MonthlySuggestionAtStart();   // this month is marked now
    EXPECT_EQ(suggestions, 1);

    // Not in a demo, audio or argument start.
    Settings.SuggestionMonths.fill(0);
    TestState().start.ArgumentMode = 1;
    form.helpAndVersion()->MonthlySuggestionAtStart();
    EXPECT_EQ(suggestions, 1);
}

TEST_F(CheckFixture, AnsweringNoStillMarksTheMonth)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    ResetMonthlySuggestion(Settings, QDate(2026, 3, 14));
    MainWindow form(TestState());
    form.helpAndVersion()->MonthlySuggestionAtStart();   // unanswered: rejected
    EXPECT_EQ(Settings.SuggestionMonths[2], 1);
    EXPECT_TRUE(messages().isEmpty());   // no check ran
}
