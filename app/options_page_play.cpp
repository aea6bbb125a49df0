#include "app/options_page_play.h"

#include "app/options_controls.h"
#include "platform/prompt_dialogs.h"
#include "platform/prompt.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace options_ui;

PlayOptionsPage::PlayOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "PlaySheet", QStringLiteral("Play"))
{
    auto* grid = new QGridLayout(this);
    Intervalgroup = new RadioGroup(QStringLiteral("Intervalgroup"), QStringLiteral("Interval"),
                                    IntervalGroupItems(), this);
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Playorder"), PlayOrderItems(), this);
    grid->addWidget(Intervalgroup, 0, 0);
    grid->addWidget(RadioGroup1, 0, 1);
    auto* boxes = new QVBoxLayout;
    CheckBox1 = checkBox(this, "CheckBox1", QStringLiteral("Continuous play"));
    ManualBox = checkBox(this, "ManualBox", QStringLiteral("Start in Manual mode"));
    IgnoreErrorsBox = checkBox(this, "IgnoreErrorsBox", QStringLiteral("Ignore errors"));
    CBShowModel = checkBox(this, "CBShowModel", QStringLiteral("Show camera model in title"));
    for (QCheckBox* b : {CheckBox1, ManualBox, IgnoreErrorsBox, CBShowModel})
        boxes->addWidget(b);
    grid->addLayout(boxes, 1, 0);

    auto* colour = new QHBoxLayout;
    BackGroundButton = button(this, "BackGroundButton", QStringLiteral("&Background Color"));
    BackgroundColorLabel = label(this, QString(), "BackgroundColorLabel");
    BackgroundColorLabel->setFixedSize(40, 20);
    BackgroundColorLabel->setAutoFillBackground(true);
    colour->addWidget(BackGroundButton);
    colour->addWidget(BackgroundColorLabel);
    colour->addStretch();
    grid->addLayout(colour, 1, 1);

    auto* enlarge = new QHBoxLayout;
    EdMaxEnlarge = numberEdit(this, "EdMaxEnlarge");
    UDMaxEnlarge = new SpinArrows(QStringLiteral("UDMaxEnlarge"), EdMaxEnlarge, MaxEnlargeMin, MaxEnlargeMax, this);
    enlarge->addWidget(label(this, QStringLiteral("Maximum picture enlargement :")));
    enlarge->addWidget(EdMaxEnlarge);
    enlarge->addWidget(UDMaxEnlarge);
    enlarge->addWidget(label(this, QStringLiteral("%")));
    enlarge->addStretch();
    grid->addLayout(enlarge, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    connect(BackGroundButton, &QPushButton::clicked, this, &PlayOptionsPage::BackGroundButtonClick);
}

int PlayOptionsPage::intervalIndex() const
{
    return qMax(0, Intervalgroup->itemIndex());
}

void PlayOptionsPage::showBackgroundColor(int32_t colorValue)
{
    QPalette p = BackgroundColorLabel->palette();
    p.setColor(QPalette::Window, ColorOfValue(colorValue));
    BackgroundColorLabel->setPalette(p);
    BackgroundColorLabel->setAutoFillBackground(true);
}

void PlayOptionsPage::BackGroundButtonClick()
{
    QColorDialog dialog(ColorOfValue(m_backgroundColor), this);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    if (platform::execModal(dialog) != QDialog::Accepted)
        return;
    m_backgroundColor = ColorValueOf(dialog.selectedColor());
    emit backgroundColorChosen();
}

void PlayOptionsPage::load(const TOptionsValues& v)
{
    Intervalgroup->setItemIndex(v.IntervalIndex);
    RadioGroup1->setItemIndex(v.PlayOrder);
    CheckBox1->setChecked(v.ContinuousPlay);
    ManualBox->setChecked(v.StartManualMode);
    IgnoreErrorsBox->setChecked(v.IgnoreErrors);
    m_backgroundColor = v.BackgroundColor;
    showBackgroundColor(m_backgroundColor);
    EdMaxEnlarge->setText(v.MaxEnlargeText);
    CBShowModel->setChecked(v.ShowCameraModel);
}

void PlayOptionsPage::store(TOptionsValues& v) const
{
    v.IntervalIndex = intervalIndex();
    v.PlayOrder = qMax(0, RadioGroup1->itemIndex());
    v.ContinuousPlay = CheckBox1->isChecked();
    v.StartManualMode = ManualBox->isChecked();
    v.IgnoreErrors = IgnoreErrorsBox->isChecked();
    v.BackgroundColor = m_backgroundColor;
    v.MaxEnlargeText = EdMaxEnlarge->text();
    v.ShowCameraModel = CBShowModel->isChecked();
}
