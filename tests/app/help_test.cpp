// Help pages: topic to page, the missing-help and no-page messages, the web
// site override, F1 in the program's windows and the Help menu's pages.
#include "browse/wallpaper_dialog.h"
#include "base/data_folder.h"
#include "support/test_state.h"
#include "base/environment.h"
#include "app/help.h"
#include "platform/help_key.h"
#include "app/help_web.h"
#include "base/start_args.h"
#include "app/main_window.h"
#include "browse/folder_tree_widget.h"
#include "platform/desktop_open.h"
#include "platform/prompt.h"
#include "support/sandbox.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QTreeWidget>
#include <QKeyEvent>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// A program folder whose "help" holds an index and the given pages.
QString programWithHelp(const QStringList& pages)
{
    const QString program = testsupport::freshDir(QStringLiteral("program"));
    testsupport::writeFile(program + QStringLiteral("/help/index.html"), "<html></html>");
    for (const QString& page : pages)
        testsupport::writeFile(program + QStringLiteral("/help/") + page, "<html></html>");
    return program;
}

struct HelpFixture : ::testing::Test {
    void SetUp() override
    {
        ClearOpenedUrls();
        clearPromptLog();
        TestState().start.DemoMode = 0;
        TestState().paths.ProgramFolder = programWithHelp({GettingStartedTopic, QStringLiteral("Edit MyShow.htm")});
    }
    void TearDown() override
    {
        TestState().paths.ProgramFolder.clear();
        TestState().start.DemoMode = 0;
        qunsetenv(WebSiteVariable);
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const PromptRecord& r : promptLog())
            texts << r.request.text;
        return texts;
    }
};

} // namespace

TEST(HelpPages, FolderBesideTheProgramOrInItsShareFolder)
{
    const QString bare = testsupport::freshDir(QStringLiteral("bare"));
    EXPECT_TRUE(HelpFolder(bare).isEmpty());
    // A "help" folder without its index does not count.
    testsupport::writeFile(bare + QStringLiteral("/help/GettingStarted.htm"), "x");
    EXPECT_TRUE(HelpFolder(bare).isEmpty());

    const QString build = programWithHelp({});
    EXPECT_EQ(HelpFolder(build), build + QStringLiteral("/help"));

    const QString prefix = testsupport::freshDir(QStringLiteral("prefix"));
    QDir().mkpath(prefix + QStringLiteral("/bin"));
    testsupport::writeFile(prefix + QStringLiteral("/share/vistamo/help/index.html"), "x");
    EXPECT_EQ(HelpFolder(prefix + QStringLiteral("/bin")), prefix + QStringLiteral("/share/vistamo/help"));
}

TEST(HelpPages, EveryTopicOfTheProgramHasAShippedPage)
{
    const QString shipped = QStringLiteral(VISTAMO_SOURCE_DIR "/help");
    ASSERT_TRUE(QFileInfo(shipped + QStringLiteral("/index.html")).isFile());
    for (const QString& topic : HelpTopics()) {
        const HelpPageResult page = FindHelpPage(shipped, topic);
        EXPECT_EQ(page.kind, HelpPageKind::Page) << topic.toStdString();
    }
}

TEST(HelpPages, TheBuiltProgramFindsItsPages)
{
    const QString folder = HelpFolder(QFileInfo(QStringLiteral(VISTAMO_BIN)).absolutePath());
    ASSERT_FALSE(folder.isEmpty());
    for (const QString& topic : HelpTopics())
        EXPECT_EQ(FindHelpPage(folder, topic).kind, HelpPageKind::Page) << topic.toStdString();
}

// `cmake --install` puts the program, its viewer and the help pages where the
// installed program looks for them.
TEST(HelpPages, TheInstalledProgramFindsItsPagesAndItsViewer)
{
    const QString prefix = testsupport::freshDir(QStringLiteral("prefix"));
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(VISTAMO_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(VISTAMO_BUILD_DIR), QStringLiteral("--prefix"), prefix});
    ASSERT_TRUE(install.waitForFinished(-1));
    ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();

    const QString bin = prefix + QStringLiteral("/bin");
    EXPECT_TRUE(QFileInfo(bin + QStringLiteral("/vistamo")).isExecutable());
    EXPECT_EQ(HelpFolder(bin), prefix + QStringLiteral("/share/vistamo/help"));
    for (const QString& topic : HelpTopics())
        EXPECT_EQ(FindHelpPage(HelpFolder(bin), topic).kind, HelpPageKind::Page) << topic.toStdString();
    EnvironmentInfo environment;
    ASSERT_TRUE(FindIrfanView(environment, bin, ProgramSearchPlaces{}));
    EXPECT_EQ(environment.IrfanViewPath, bin + QStringLiteral("/vxview"));
}

TEST(HelpPages, TopicsThatAreNoPage)
{
    const QString folder = programWithHelp({QStringLiteral("Options.htm")}) + QStringLiteral("/help");
    EXPECT_EQ(FindHelpPage(folder, QStringLiteral("Options.htm")).kind, HelpPageKind::Page);
    EXPECT_EQ(FindHelpPage(folder, QStringLiteral("Search.htm")).kind, HelpPageKind::NoPage);
    EXPECT_EQ(FindHelpPage(folder, QString()).kind, HelpPageKind::NoPage);
    // A topic never reaches outside the help folder.
    testsupport::writeFile(folder + QStringLiteral("/../secret.htm"), "x");
    EXPECT_EQ(FindHelpPage(folder, QStringLiteral("../secret.htm")).kind, HelpPageKind::NoPage);
    EXPECT_EQ(FindHelpPage(folder, QStringLiteral("..")).kind, HelpPageKind::NoPage);
    EXPECT_EQ(FindHelpPage(folder, QStringLiteral("Options.htm/")).kind, HelpPageKind::NoPage);
    EXPECT_EQ(FindHelpPage(QString(), QStringLiteral("Options.htm")).kind, HelpPageKind::PagesMissing);
}

TEST(HelpPages, WindowsWithoutTheirOwnTopicGetTheirsByName)
{
    EXPECT_EQ(DefaultHelpTopic(QStringLiteral("Form1"), QString()), GettingStartedTopic);
    EXPECT_EQ(DefaultHelpTopic(QStringLiteral("Form9"), QString()), QStringLiteral("ControlSlideShow.htm"));
    EXPECT_EQ(DefaultHelpTopic(QStringLiteral("Form34"), QString()), GettingStartedTopic);
    EXPECT_EQ(DefaultHelpTopic(QStringLiteral("Form20"), QStringLiteral("FolderToCD")),
              QStringLiteral("MakeAutomaticCD.htm"));
    EXPECT_EQ(DefaultHelpTopic(QStringLiteral("Form20"), QStringLiteral("AddAll")), GettingStartedTopic);
    EXPECT_EQ(DefaultHelpTopic(QStringLiteral("Form20"), QStringLiteral("MailPictures")),
              QStringLiteral("MailPictures.htm"));
    EXPECT_EQ(DefaultHelpTopic(QStringLiteral("Form20"), QStringLiteral("ResetToEXIF")), QString());
    EXPECT_EQ(DefaultHelpTopic(QStringLiteral("Form7"), QString()), QString());
}

TEST(WebSite, OnlyAFileFolderOrTheLoopbackMayStandInForTheSite)
{
    EXPECT_TRUE(IsAcceptedSiteOverride(QStringLiteral("file:///tmp/site")));
    EXPECT_TRUE(IsAcceptedSiteOverride(QStringLiteral("http://127.0.0.1:8080")));
    EXPECT_TRUE(IsAcceptedSiteOverride(QStringLiteral("http://localhost:8080/base")));
    EXPECT_TRUE(IsAcceptedSiteOverride(QStringLiteral("http://[::1]:9000")));
    EXPECT_FALSE(IsAcceptedSiteOverride(QStringLiteral("https://other.example")));
    EXPECT_FALSE(IsAcceptedSiteOverride(QStringLiteral("http://10.0.0.1")));
    EXPECT_FALSE(IsAcceptedSiteOverride(QStringLiteral("ftp://127.0.0.1")));
    EXPECT_FALSE(IsAcceptedSiteOverride(QStringLiteral("file://host/share")));

    qunsetenv(WebSiteVariable);
    EXPECT_EQ(MakerWebSite(), QStringLiteral("https://vistamo.example"));
    EXPECT_EQ(WebPageUrl(QStringLiteral("/sup.htm")).toString(), QStringLiteral("https://vistamo.example/sup.htm"));
    qputenv(WebSiteVariable, "http://127.0.0.1:8123/");
    EXPECT_EQ(WebPageUrl(QStringLiteral("/PublVersion.dat")).toString(),
              QStringLiteral("http://127.0.0.1:8123/PublVersion.dat"));
    qputenv(WebSiteVariable, "https://elsewhere.example");
    EXPECT_EQ(MakerWebSite(), QStringLiteral("https://vistamo.example"));
    qunsetenv(WebSiteVariable);
}

TEST_F(HelpFixture, ATopicOpensItsPageWithTheHourglassForAMoment)
{
    MainWindow form(TestState());
    form.helpAndVersion()->ShowHelpTopic(QStringLiteral("Edit MyShow.htm"));
    ASSERT_EQ(OpenedUrls().size(), 1);
    EXPECT_EQ(OpenedUrls().first(), QUrl::fromLocalFile(TestState().paths.ProgramFolder + QStringLiteral("/help/Edit MyShow.htm")));
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(form.helpAndVersion()->helpTimer()->isActive());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // A second request while the hourglass shows does not stack cursors.
    form.helpAndVersion()->ShowHelpTopic(GettingStartedTopic);
    form.helpAndVersion()->HelpTimerTimer();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(form.helpAndVersion()->helpTimer()->isActive());
}

TEST_F(HelpFixture, ATopicWithoutAPageSaysSo)
{
    MainWindow form(TestState());
    form.helpAndVersion()->ShowHelpTopic(QStringLiteral("Search.htm"));
    form.helpAndVersion()->ShowHelpTopic(QString());
    EXPECT_TRUE(OpenedUrls().isEmpty());
    EXPECT_EQ(messages(), QStringList({NoHelpForSubjectText, NoHelpForSubjectText}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(HelpFixture, MissingHelpPagesGiveOneMessageEverywhere)
{
    MainWindow form(TestState());
    form.actionNamed("GettingStarted")->setEnabled(false);
    form.helpAndVersion()->ShowHelpTopic(GettingStartedTopic);
    form.actionNamed("GettingStarted")->setEnabled(true);
    form.actionNamed("GettingStarted")->setVisible(false);   // how start-up switches it off
    form.helpAndVersion()->ShowHelpTopic(QStringLiteral("Options.htm"));
    form.actionNamed("GettingStarted")->setVisible(true);
    TestState().paths.ProgramFolder = testsupport::freshDir(QStringLiteral("nohelp"));
    form.helpAndVersion()->ShowHelpTopic(GettingStartedTopic);
    EXPECT_EQ(messages(), QStringList({HelpPagesMissingText, HelpPagesMissingText, HelpPagesMissingText}));
    EXPECT_EQ(promptLog().first().request.kind, PromptKind::Error);
    EXPECT_TRUE(OpenedUrls().isEmpty());
}

TEST_F(HelpFixture, TheDownloadCaptionOfMissingHelpStays)
{
    MainWindow form(TestState());
    form.actionNamed("VXOnlineHelp")->setText(QStringLiteral("&Download Vistamo! (again), Help pages are missing"));
    form.SetupSmallHandlers();
    EXPECT_EQ(form.actionNamed("VXOnlineHelp")->text(),
              QStringLiteral("&Download Vistamo! (again), Help pages are missing"));
}

TEST_F(HelpFixture, DemoModeOpensNoHelp)
{
    MainWindow form(TestState());
    TestState().start.DemoMode = 1;
    form.helpAndVersion()->ShowHelpTopic(GettingStartedTopic);
    EXPECT_TRUE(OpenedUrls().isEmpty());
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(HelpFixture, F1OpensTheTopicOfTheWindowItIsPressedIn)
{
    MainWindow form(TestState());
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("Form18"));
    InstallHelpKey(&dialog, QStringLiteral("Edit MyShow.htm"));
    QDialog noTopic;
    noTopic.setObjectName(QStringLiteral("Form22"));

    auto pressF1 = [](QWidget* w) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    };
    pressF1(&dialog);
    pressF1(&noTopic);
    pressF1(form.treeView());
    form.helpAndVersion()->HelpTimerTimer();

    ASSERT_EQ(OpenedUrls().size(), 2);
    EXPECT_TRUE(OpenedUrls().at(0).toLocalFile().endsWith(QStringLiteral("/help/Edit MyShow.htm")));
    EXPECT_TRUE(OpenedUrls().at(1).toLocalFile().endsWith(QStringLiteral("/help/GettingStarted.htm")));
    EXPECT_EQ(messages(), QStringList({NoHelpForSubjectText}));
}

TEST_F(HelpFixture, F1InTheWallpaperWindowOpensItsTopic)
{
    testsupport::writeFile(TestState().paths.ProgramFolder + QStringLiteral("/help/MiscellaneousFeatures.htm"), "x");
    MainWindow form(TestState());
    WallpaperDialog wallpaper(&form);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&wallpaper, &press);
    ASSERT_EQ(OpenedUrls().size(), 1);
    EXPECT_TRUE(OpenedUrls().first().toLocalFile().endsWith(QStringLiteral("/help/MiscellaneousFeatures.htm")));
    EXPECT_TRUE(messages().isEmpty());
    form.helpAndVersion()->HelpTimerTimer();
}

TEST_F(HelpFixture, HelpMenuItemsOpenTheirPages)
{
    MainWindow form(TestState());
    form.SetupSmallHandlers();
    EXPECT_EQ(form.actionNamed("GettingStarted")->text(), QStringLiteral("&Getting started - Quick Reference Guide"));
    EXPECT_EQ(form.actionNamed("WhatsNew")->text(), QStringLiteral("&What's new? (www)"));
    EXPECT_EQ(form.actionNamed("VXOnlineHelp")->text(), QStringLiteral("Vistamo! &Help Contents"));
    EXPECT_EQ(form.actionNamed("Checkforupdate")->text(), QStringLiteral("Check for &Update/New version"));
    EXPECT_EQ(form.actionNamed("ReportBug")->text(), QStringLiteral("Report a &bug"));
    EXPECT_EQ(form.actionNamed("Support")->text(), QStringLiteral("&Support the development of Vistamo!"));
    EXPECT_EQ(form.actionNamed("AboutPictureShow1")->text(), QStringLiteral("&About Vistamo!"));
    form.actionNamed("GettingStarted")->trigger();
    form.helpAndVersion()->HelpTimerTimer();
    form.actionNamed("WhatsNew")->trigger();
    form.actionNamed("ReportBug")->trigger();
    form.actionNamed("Support")->trigger();
    form.actionNamed("VXOnlineHelp")->setText(QStringLiteral("Vistamo! &Help Contents"));
    form.actionNamed("VXOnlineHelp")->trigger();
    form.helpAndVersion()->HelpTimerTimer();
    form.actionNamed("VXOnlineHelp")->setText(QStringLiteral("&Download Vistamo! (again), Help pages are missing"));
    form.actionNamed("VXOnlineHelp")->trigger();

    QStringList urls;
    for (const QUrl& u : OpenedUrls())
        urls << (u.isLocalFile() ? QFileInfo(u.toLocalFile()).fileName() : u.toString());
    EXPECT_EQ(urls, QStringList({QStringLiteral("GettingStarted.htm"),
                                 QStringLiteral("https://vistamo.example/NewInVersion/NewInVersion.htm"),
                                 QStringLiteral("https://vistamo.example/bugreport.htm"),
                                 QStringLiteral("https://vistamo.example/sup.htm"),
                                 QStringLiteral("GettingStarted.htm"),
                                 QStringLiteral("https://vistamo.example/download.htm")}));
}

TEST_F(HelpFixture, WithoutAProgramForWebPagesEachPageSaysWhereItIs)
{
    // A desktop without xdg-open and without any browser on the PATH.
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", testsupport::freshDir(QStringLiteral("empty-path")).toLocal8Bit());
    SetUrlOpener([](const QUrl& url, const NoProgramHandler& noProgram) {
        platform::OpenWithDesktop(url, QCoreApplication::instance(), noProgram);
    });
    MainWindow form(TestState());
    form.SetupSmallHandlers();
    form.actionNamed("VXOnlineHelp")->trigger();
    const QString page = TestState().paths.ProgramFolder + QStringLiteral("/help/GettingStarted.htm");
    for (int i = 0; i < 50 && messages().isEmpty(); ++i)
        QTest::qWait(20);
    EXPECT_EQ(messages(), QStringList({NoWebPageProgramText + page}));
    EXPECT_TRUE(messages().value(0).endsWith(QStringLiteral("\n") + page));
    // The web pages of the Help menu say so too, each with its address.
    for (QAction* item : {form.actionNamed("WhatsNew"), form.actionNamed("ReportBug"), form.actionNamed("Support")})
        item->trigger();
    for (int i = 0; i < 100 && messages().size() < 4; ++i)
        QTest::qWait(20);
    EXPECT_EQ(messages().mid(1),
              QStringList({platform::NoBrowserText + QStringLiteral("https://vistamo.example/NewInVersion/NewInVersion.htm"),
                           platform::NoBrowserText + QStringLiteral("https://vistamo.example/bugreport.htm"),
                           platform::NoBrowserText + QStringLiteral("https://vistamo.example/sup.htm")}));
    // "Open in file manager" says which folder it could not open.
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QString folder = testsupport::freshDir(QStringLiteral("to-open"));
    form.folderTree()->SelectedFolder = folder;
    form.actionNamed("WindowsExplorer1")->trigger();
    for (int i = 0; i < 100 && messages().size() < 5; ++i)
        QTest::qWait(20);
    EXPECT_EQ(messages().value(4), platform::NoFileManagerText + folder);
    SetUrlOpener({});
    qputenv("PATH", savedPath);
}

TEST_F(HelpFixture, TheHelpMenuCreditsItemOpensItsPage)
{
    TestState().paths.ProgramFolder = programWithHelp({GettingStartedTopic, QStringLiteral("Credits.htm")});
    MainWindow form(TestState());
    form.SetupSmallHandlers();
    QAction* credits = form.actionNamed(QStringLiteral("Credits"));
    ASSERT_NE(credits, nullptr);
    EXPECT_EQ(credits->text(), QStringLiteral("&Credits"));
    credits->trigger();
    ASSERT_EQ(OpenedUrls().size(), 1);
    EXPECT_TRUE(OpenedUrls().first().toLocalFile().endsWith(QStringLiteral("/help/Credits.htm")));
    form.helpAndVersion()->HelpTimerTimer();
}
