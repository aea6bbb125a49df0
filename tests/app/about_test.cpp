// The About box and the sibling program's window, offscreen, found by name.
#include "app/about_box.h"
#include "support/test_state.h"
#include "app/about_sibling.h"
#include "app/help_web.h"
#include "app/main_window.h"
#include "app/version_check.h"
#include "platform/prompt.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

void click(QWidget* w)
{
    const QPointF at(1, 1);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

void moveOver(QWidget* w)
{
    const QPointF at(1, 1);
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

QString text(QWidget* window, const char* name)
{
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

} // namespace

TEST(AboutBox, TextsAndTheRunningVersion)
{
    AboutBox about(TestState().environment);
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Vistamo!"));
    EXPECT_NE(about.findChild<QFrame*>("Panel1"), nullptr);
    EXPECT_NE(about.findChild<QLabel*>("Image1"), nullptr);
    EXPECT_NE(about.findChild<QLabel*>("Image2"), nullptr);
    EXPECT_EQ(text(&about, "Label9"), QStringLiteral("Slide Show Application & Audio Player"));
    EXPECT_EQ(text(&about, "Label2"), QStringLiteral("version ") + GetFileVersionText());
    EXPECT_EQ(text(&about, "Label3"), QStringLiteral("for"));
    EXPECT_EQ(text(&about, "Label4"), QStringLiteral("Linux"));
    EXPECT_EQ(text(&about, "Label1"), QStringLiteral("\u00A9"));
    EXPECT_EQ(text(&about, "Label8"), QStringLiteral("Vistamo! web site"));
    EXPECT_EQ(text(&about, "Label6"), QStringLiteral("mail to: ") + MakerMailAddress);
    EXPECT_EQ(text(&about, "Label11"), QStringLiteral("Make a donation"));
    EXPECT_EQ(text(&about, "Label7"), QStringLiteral("Special thanks to:"));
    EXPECT_FALSE(text(&about, "Label10").isEmpty());
    auto* ok = about.findChild<QPushButton*>("OKAboutButton");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
    for (const char* link : {"Label8", "Label6", "Label11"})
        EXPECT_EQ(about.findChild<QLabel*>(link)->cursor().shape(), Qt::PointingHandCursor) << link;
    EXPECT_EQ(about.findChild<QLabel*>("Image1")->cursor().shape(), Qt::ArrowCursor);
    ok->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(AboutBox, LinksOpenTheSiteTheMailAndTheSupportPage)
{
    ClearOpenedUrls();
    AboutBox about(TestState().environment);
    click(about.findChild<QLabel*>("Label8"));
    click(about.findChild<QLabel*>("Label6"));
    click(about.findChild<QLabel*>("Label11"));
    click(about.findChild<QLabel*>("Label7"));   // not a link
    QStringList urls;
    for (const QUrl& u : OpenedUrls())
        urls << u.toString();
    EXPECT_EQ(urls, QStringList({QStringLiteral("https://vistamo.example/index.htm"),
                                 QStringLiteral("mailto:") + MakerMailAddress,
                                 QStringLiteral("https://vistamo.example/sup.htm")}));
}

TEST(AboutBox, HelpMenuShowsItModallyWithTheIdleTimerStopped)
{
    QString shown, version;
    ScopedPromptResponder answer([&](const PromptRequest& r) {
        if (r.type == PromptType::Dialog && r.dialog) {
            shown = r.dialog->objectName();
            if (auto* label = r.dialog->findChild<QLabel*>("Label2"))
                version = label->text();
        }
        return PromptReply::result(1);
    });
    MainWindow form(TestState());
    form.input()->idleTimer()->start();
    form.SetupSmallHandlers();
    form.actionNamed("AboutPictureShow1")->trigger();
    EXPECT_EQ(shown, QStringLiteral("Form4"));
    EXPECT_EQ(version, QStringLiteral("version ") + GetFileVersionText());
    EXPECT_FALSE(form.input()->idleTimer()->isActive());
}

TEST(SiblingWindow, AddressTurnsSilverAndTheSiteOpensAfterTheTimer)
{
    ClearOpenedUrls();
    AboutSiblingWindow window(TestState().environment);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tarnivo"));
    for (const char* name : {"chdXPPanel1", "chdXPPanel2", "chdXPPanel3", "chdXPPanel4"})
        EXPECT_NE(window.findChild<QFrame*>(name), nullptr) << name;
    EXPECT_EQ(text(&window, "StaticText4"), QStringLiteral("easy"));
    EXPECT_EQ(text(&window, "StaticText7"), QStringLiteral("real"));
    EXPECT_EQ(text(&window, "StaticText9"), QStringLiteral("individual"));
    EXPECT_EQ(text(&window, "StaticText3"), SiblingWebSite);
    EXPECT_EQ(window.Timer1->interval(), 10);
    EXPECT_FALSE(window.Timer1->isActive());

    moveOver(window.StaticText3);
    EXPECT_EQ(window.linkColor(), QColor(Qt::red));
    EXPECT_EQ(window.StaticText3->cursor().shape(), Qt::PointingHandCursor);
    moveOver(window.chdXPPanel3);
    EXPECT_EQ(window.linkColor(), QColor(0xC0, 0xC0, 0xC0));
    moveOver(window.StaticText3);

    click(window.StaticText3);
    EXPECT_EQ(window.linkColor(), QColor(0xC0, 0xC0, 0xC0));   // at once
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_TRUE(OpenedUrls().isEmpty());
    // While the timer runs, the links give no hand.
    moveOver(window.StaticText9);
    EXPECT_NE(window.StaticText9->cursor().shape(), Qt::PointingHandCursor);
    moveOver(window.StaticText3);
    EXPECT_EQ(window.linkColor(), QColor(0xC0, 0xC0, 0xC0));

    window.Timer1Timer();
    EXPECT_FALSE(window.Timer1->isActive());
    ASSERT_EQ(OpenedUrls().size(), 1);
    EXPECT_EQ(OpenedUrls().first().toString(), SiblingWebSite + QLatin1Char('/'));
}
