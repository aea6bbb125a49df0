// The help pages: one HTML page per topic in the folder "help" of the
// program's installed share folder (found relative to the executable).
//
// Every window opens its page through HelpAndVersionController::ShowHelpTopic
// (app/help_and_version_controller.h); the rules that
// need no window (where the pages are, which page a topic is) live here.
#pragma once

#include <QString>
#include <QStringList>

// "Download Vistamo! (again), Help pages are missing"
extern const QString HelpPagesMissingText;
// "No help available for this subject"
extern const QString NoHelpForSubjectText;
// The start of the message shown when the desktop has no program for web
// pages; the help page's path follows.
extern const QString NoWebPageProgramText;

// The topics the program's windows open (page file names, ".htm").
const QStringList& HelpTopics();

// The folder of the help pages for a program in `programFolder`: "help"
// beside the program (a build folder) or "../share/vistamo/help" (an
// installed program). A folder counts only when it holds "index.html".
// Empty when neither exists.
QString HelpFolder(const QString& programFolder);

// Where a topic's page is.
enum class HelpPageKind {
    Page,          // `path` is the page
    NoPage,        // the topic is empty, not a plain page name, or has no page
    PagesMissing,  // there is no help folder at all
};
struct HelpPageResult {
    HelpPageKind kind = HelpPageKind::NoPage;
    QString path;
};

// The page of `topic` in `helpFolder`. A topic is a page's file name; one
// holding a folder separator or naming a hidden file is never a page, so a
// topic can not point outside the help folder.
HelpPageResult FindHelpPage(const QString& helpFolder, const QString& topic);

// Topic of the main window, the "Getting started" items and most tools.
inline const QString GettingStartedTopic = QStringLiteral("GettingStarted.htm");

// The topic of one of the program's windows by its name, for windows that
// name none themselves (InstallHelpKey): the full-screen show window, the
// MyShow manager, the instant-show launcher, and the add-all window by the
// purpose of its collection ("AddAll", "FolderToCD", the mail purposes).
// Empty for a window without a page.
QString DefaultHelpTopic(const QString& windowName, const QString& collectPurpose);
