#include "app/options_page_my_show.h"

#include "app/options_controls.h"
#include "platform/prompt_dialogs.h"
#include "platform/prompt.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace options_ui;

MyShowOptionsPage::MyShowOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "MyShowTextSheet", QStringLiteral("MyShow"))
{
    auto* grid = new QGridLayout(this);
    buildChoices(grid);
    buildTextDefaults(grid);
}

void MyShowOptionsPage::buildChoices(QGridLayout* grid)
{
    grid->addWidget(label(this, QStringLiteral("Interval ")), 0, 0);
    IntervalComboBox = comboBox(this, "IntervalComboBox", NewShowIntervalItems());
    grid->addWidget(IntervalComboBox, 0, 1);
    grid->addWidget(label(this, QStringLiteral("Playorder")), 1, 0);
    PlayOrderComboBox = comboBox(this, "PlayOrderComboBox", NewShowPlayOrderItems());
    grid->addWidget(PlayOrderComboBox, 1, 1);
    grid->addWidget(label(this, QStringLiteral("Text label delay")), 2, 0);
    DelayCB = comboBox(this, "DelayCB", TextDelayItems());
    grid->addWidget(DelayCB, 2, 1);
    AttachWAVRG = new RadioGroup(QStringLiteral("AttachWAVRG"), QStringLiteral("Attach Voice file if present"),
                                  {QStringLiteral("Yes"), QStringLiteral("No")}, this);
    grid->addWidget(AttachWAVRG, 3, 0);
    auto* sound = new QVBoxLayout;
    sound->addWidget(label(this, QStringLiteral("If length of voice file higher than picture interval:")));
    SoundActionCB = comboBox(this, "SoundActionCB", SoundActionItems());
    sound->addWidget(SoundActionCB);
    sound->addStretch();
    grid->addLayout(sound, 3, 1);
    FadeCB = checkBox(this, "FadeCB", QStringLiteral(" Use Fade out/in"));
    KeepSyncCB = checkBox(this, "KeepSyncCB", QStringLiteral("Synchronize MyShow"));
    KeepSyncCB->setToolTip(QStringLiteral("Update MyShow files after every rename or move action"));
    grid->addWidget(FadeCB, 4, 0);
    grid->addWidget(KeepSyncCB, 4, 1);
}

void MyShowOptionsPage::buildTextDefaults(QGridLayout* grid)
{
    auto* align = new QHBoxLayout;
    auto* hGroup = new QButtonGroup(this);
    auto* vGroup = new QButtonGroup(this);
    AlignLeftButton = alignButton(this, "AlignLeftButton", QStringLiteral("L"), hGroup);
    AlignCenterButton = alignButton(this, "AlignCenterButton", QStringLiteral("C"), hGroup);
    AlignRightButton = alignButton(this, "AlignRightButton", QStringLiteral("R"), hGroup);
    TopAlignButton = alignButton(this, "TopAlignButton", QStringLiteral("T"), vGroup);
    CenterAlignButton = alignButton(this, "CenterAlignButton", QStringLiteral("C"), vGroup);
    BottomAlignButton = alignButton(this, "BottomAlignButton", QStringLiteral("B"), vGroup);
    for (QToolButton* b : {AlignLeftButton, AlignCenterButton, AlignRightButton, TopAlignButton, CenterAlignButton,
                           BottomAlignButton}) {
        align->addWidget(b);
        connect(b, &QToolButton::toggled, this, [this](bool on) {
            if (on)
                PlaceExampleLabel();
        });
    }
    FontSB = button(this, "FontSB", QStringLiteral("Font and Basic Colors"));
    ColorSB = button(this, "ColorSB", QStringLiteral("Any Color"));
    TransparentCB = checkBox(this, "TransparentCB", QStringLiteral("Transparent"));
    align->addWidget(FontSB);
    align->addWidget(ColorSB);
    align->addWidget(TransparentCB);
    align->addStretch();
    grid->addLayout(align, 5, 0, 1, 2);
    grid->setRowStretch(7, 1);
    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameShape(QFrame::Box);
    Panel3->setFixedSize(300, 80);
    ExampleLabel = label(Panel3, QStringLiteral("Example"), "ExampleLabel");
    grid->addWidget(Panel3, 6, 0, 1, 2);
    connect(FontSB, &QPushButton::clicked, this, &MyShowOptionsPage::FontSBClick);
    connect(ColorSB, &QPushButton::clicked, this, &MyShowOptionsPage::ColorSBClick);
    connect(TransparentCB, &QCheckBox::toggled, this, &MyShowOptionsPage::TransparentCBClick);
}

void MyShowOptionsPage::showExampleBackground(int32_t colorValue)
{
    QPalette p = ExampleLabel->palette();
    p.setColor(QPalette::Window, ColorOfValue(colorValue));
    p.setColor(QPalette::WindowText, ColorOfValue(m_textColor));
    ExampleLabel->setPalette(p);
    ExampleLabel->setAutoFillBackground(!TransparentCB->isChecked());
}

void MyShowOptionsPage::TransparentCBClick()
{
    ExampleLabel->setAutoFillBackground(!TransparentCB->isChecked());
    ExampleLabel->update();
}

void MyShowOptionsPage::PlaceExampleLabel()
{
    if (m_loading)
        return;
    ExampleLabel->adjustSize();
    const QChar h = AlignRightButton->isChecked() ? QChar('R') : AlignCenterButton->isChecked() ? QChar('C') : QChar('L');
    const QChar v = TopAlignButton->isChecked() ? QChar('T') : CenterAlignButton->isChecked() ? QChar('C') : QChar('B');
    ExampleLabel->move(ExampleLabelX(h, Panel3->width(), ExampleLabel->width()),
                       ExampleLabelY(v, Panel3->height(), ExampleLabel->height()));
}

void MyShowOptionsPage::FontSBClick()
{
    QFontDialog dialog(ExampleLabel->font(), this);
    dialog.setObjectName(QStringLiteral("FontDialog"));
    if (platform::execModal(dialog) != QDialog::Accepted)
        return;
    const QFont f = dialog.selectedFont();
    m_fontName = f.family();
    m_fontSize = f.pointSize() > 0 ? f.pointSize() : m_fontSize;
    m_fontStyle = uint8_t((f.bold() ? 1 : 0) | (f.italic() ? 2 : 0) | (f.underline() ? 4 : 0) | (f.strikeOut() ? 8 : 0));
    ExampleLabel->setFont(f);
    PlaceExampleLabel();
}

void MyShowOptionsPage::ColorSBClick()
{
    QColorDialog dialog(ColorOfValue(m_textColor), this);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    if (platform::execModal(dialog) != QDialog::Accepted)
        return;
    m_textColor = ColorValueOf(dialog.selectedColor());
    emit textColorChosen();
}

void MyShowOptionsPage::load(const TOptionsValues& v)
{
    m_loading = true;
    IntervalComboBox->setCurrentIndex(v.NewShowIntervalIndex);
    PlayOrderComboBox->setCurrentIndex(v.NewShowPlayOrder);
    DelayCB->setCurrentIndex(v.TextDelay);
    AttachWAVRG->setItemIndex(v.AttachVoiceIndex);
    SoundActionCB->setCurrentIndex(v.VoiceLongerAction);
    FadeCB->setChecked(v.DefaultFade);
    KeepSyncCB->setChecked(v.KeepShowsInSync);
    m_fontName = v.TextFontName;
    m_fontStyle = v.TextFontStyle;
    m_fontSize = v.TextFontSize;
    m_textColor = v.TextColor;
    QFont f = ExampleLabel->font();
    if (!m_fontName.isEmpty())
        f.setFamily(m_fontName);
    if (m_fontSize > 0)
        f.setPointSize(m_fontSize);
    f.setBold(m_fontStyle & 1);
    f.setItalic(m_fontStyle & 2);
    f.setUnderline(m_fontStyle & 4);
    f.setStrikeOut(m_fontStyle & 8);
    ExampleLabel->setFont(f);
    TransparentCB->setChecked(v.TextTransparent);
    const auto press = [](QToolButton* b) { b->setChecked(true); };
    press(v.TextHAlign == QChar('R') ? AlignRightButton : v.TextHAlign == QChar('C') ? AlignCenterButton : AlignLeftButton);
    press(v.TextVAlign == QChar('T') ? TopAlignButton : v.TextVAlign == QChar('C') ? CenterAlignButton : BottomAlignButton);
    showExampleBackground(v.BackgroundColor);
    m_loading = false;
    PlaceExampleLabel();
}

void MyShowOptionsPage::store(TOptionsValues& v) const
{
    v.NewShowIntervalIndex = qMax(0, IntervalComboBox->currentIndex());
    v.NewShowPlayOrder = qMax(0, PlayOrderComboBox->currentIndex());
    v.TextDelay = qMax(0, DelayCB->currentIndex());
    v.AttachVoiceIndex = AttachWAVRG->itemIndex() == 0 ? 0 : 1;
    v.VoiceLongerAction = qMax(0, SoundActionCB->currentIndex());
    v.DefaultFade = FadeCB->isChecked();
    v.KeepShowsInSync = KeepSyncCB->isChecked();
    v.TextHAlign = AlignLeftButton->isChecked() ? QChar('L') : AlignCenterButton->isChecked() ? QChar('C')
                 : AlignRightButton->isChecked() ? QChar('R') : QChar();
    v.TextVAlign = TopAlignButton->isChecked() ? QChar('T') : CenterAlignButton->isChecked() ? QChar('C')
                 : BottomAlignButton->isChecked() ? QChar('B') : QChar();
    v.TextFontName = m_fontName;
    v.TextFontStyle = m_fontStyle;
    v.TextFontSize = m_fontSize;
    v.TextColor = m_textColor;
    v.TextTransparent = TransparentCB->isChecked();
}
