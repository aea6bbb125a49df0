#include "app/about_box.h"
#include "platform/designed_widgets.h"

#include "base/environment.h"
#include "platform/ui_font.h"
#include "app/help_web.h"
#include "app/version_check.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// A caption written with "&&" for one shown "&" (labels here have no
// mnemonics).
QString shownCaption(const QString& caption)
{
    return QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace

// The picture, the text and link labels and the OK button on Panel1.
void AboutBox::makeControls()
{
    auto label = [this](const char* name, const QString& text) {
        auto* l = platform::Named(new QLabel(text, Panel1), name);
        l->setAlignment(Qt::AlignCenter);
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    Image1 = platform::Named(new QLabel(Panel1), "Image1");
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(QIcon::fromTheme(QStringLiteral("image-x-generic"),
                                       style()->standardIcon(QStyle::SP_DesktopIcon))
                          .pixmap(64, 64));
    Image1->setCursor(Qt::ArrowCursor);
    Label9 = label("Label9", shownCaption(QStringLiteral("Slide Show Application && Audio Player")));
    Label2 = label("Label2", QStringLiteral("version"));
    Label3 = label("Label3", QStringLiteral("for"));
    Label4 = label("Label4", QStringLiteral("Linux"));
    Label1 = label("Label1", QStringLiteral("\u00A9"));
    Label5 = label("Label5", MakerNotice);
    Label8 = label("Label8", QStringLiteral("Vistamo! web site"));
    Label6 = label("Label6", QStringLiteral("mail to: ") + MakerMailAddress);
    Label11 = label("Label11", QStringLiteral("Make a donation"));
    Label7 = label("Label7", QStringLiteral("Special thanks to:"));
    Label10 = label("Label10", QStringLiteral("Everyone who tried the first versions"));
    Image2 = platform::Named(new QLabel(Panel1), "Image2");
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(16, 16));
    Image2->setToolTip(QStringLiteral("Thank you!"));
    OKAboutButton = platform::Named(new QPushButton(QStringLiteral("&OK"), Panel1), "OKAboutButton");
    OKAboutButton->setCursor(Qt::ArrowCursor);
    OKAboutButton->setDefault(true);
}

void AboutBox::layOutColumn()
{
    // One centred column; pairs of labels share a centred row.
    auto* column = new QVBoxLayout(Panel1);
    const auto pair = [column](QLabel* a, QLabel* b) {
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(a);
        row->addWidget(b);
        row->addStretch();
        column->addLayout(row);
    };
    column->addWidget(Image1);
    column->addWidget(Label9);
    column->addWidget(Label2);
    pair(Label3, Label4);
    pair(Label1, Label5);
    column->addWidget(Label8);
    column->addWidget(Label6);
    column->addWidget(Label11);
    pair(Label7, Label10);
    column->addWidget(Image2);
    column->addWidget(OKAboutButton, 0, Qt::AlignCenter);
}

AboutBox::AboutBox(const EnvironmentInfo& environment, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("About Vistamo!"));
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);

    Panel1 = platform::Named(new QFrame(this), "Panel1");
    Panel1->setAutoFillBackground(true);
    QPalette navy = Panel1->palette();
    navy.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    navy.setColor(QPalette::WindowText, Qt::white);
    Panel1->setPalette(navy);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Panel1);

    makeControls();
    layOutColumn();

    // The links: hand cursor, underlined; a click opens the page.
    for (QLabel* link : {Label8, Label6, Label11}) {
        link->setCursor(Qt::PointingHandCursor);
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
        link->installEventFilter(this);
    }
    Panel1->setCursor(Qt::ArrowCursor);
    connect(OKAboutButton, &QPushButton::clicked, this, &AboutBox::OKAboutButtonClick);

    // The interface font on every control.
    ApplyFontFamily(this, environment.UIFontName);
    if (parent) {
        adjustSize();
        move(parent->geometry().center() - rect().center());
    }
}

void AboutBox::showEvent(QShowEvent* event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void AboutBox::FormActivate()
{
    Label2->setText(QStringLiteral("version ") + GetFileVersionText());
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == Label8)
            Label8Click();
        else if (watched == Label6)
            Label6Click();
        else if (watched == Label11)
            Label11Click();
    }
    return QDialog::eventFilter(watched, event);
}

void AboutBox::Label8Click()
{
    OpenWebPage(HomePage);
}

void AboutBox::Label6Click()
{
    platform::OpenMailAddress(MakerMailAddress);
}

void AboutBox::Label11Click()
{
    OpenWebPage(SupportPage);
}

void AboutBox::OKAboutButtonClick()
{
    done(QDialog::Accepted);
}
