#include "app/options_page_full_screen.h"

#include "app/options_controls.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace options_ui;

FullScreenOptionsPage::FullScreenOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "FullScreenSheet", QStringLiteral("Full Screen"))
{
    auto* l = new QVBoxLayout(this);
    ShowTitlesCheckBox = checkBox(this, "ShowTitlesCheckBox", QStringLiteral("Show titles"));
    ShowHintsBox = checkBox(this, "ShowHintsBox", QStringLiteral("Show hints "));
    ShowButtonsCB = checkBox(this, "ShowButtonsCB", QStringLiteral("Show navigation buttons when show paused"));
    DoDockCB = checkBox(this, "DoDockCB", QStringLiteral("Automatically dock navigation buttons to the edge"));
    for (QCheckBox* b : {ShowTitlesCheckBox, ShowHintsBox, ShowButtonsCB, DoDockCB})
        l->addWidget(b);
    auto* mon = new QGroupBox(QStringLiteral("Second monitor settings:"), this);
    auto* ml = new QFormLayout(mon);
    LEMon2Width = numberEdit(mon, "LEMon2Width");
    LEMon2Height = numberEdit(mon, "LEMon2Height");
    CBMon2Manual = checkBox(mon, "CBMon2Manual", QStringLiteral("Center picture on second monitor manually"));
    ml->addRow(QStringLiteral("Width in pixels:"), LEMon2Width);
    ml->addRow(QStringLiteral("Height in pixels:"), LEMon2Height);
    ml->addRow(CBMon2Manual);
    ml->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    l->addWidget(mon);
    l->addStretch();
}

void FullScreenOptionsPage::load(const TOptionsValues& v)
{
    ShowTitlesCheckBox->setChecked(v.ShowTitles);
    ShowHintsBox->setChecked(v.ShowHints);
    ShowButtonsCB->setChecked(v.ShowPanelWhenPaused);
    DoDockCB->setChecked(v.DockPanel);
    LEMon2Width->setText(v.Mon2WidthText);
    LEMon2Height->setText(v.Mon2HeightText);
    CBMon2Manual->setChecked(v.Mon2Manual);
}

void FullScreenOptionsPage::store(TOptionsValues& v) const
{
    v.ShowTitles = ShowTitlesCheckBox->isChecked();
    v.ShowHints = ShowHintsBox->isChecked();
    v.ShowPanelWhenPaused = ShowButtonsCB->isChecked();
    v.DockPanel = DoDockCB->isChecked();
    v.Mon2WidthText = LEMon2Width->text();
    v.Mon2HeightText = LEMon2Height->text();
    v.Mon2Manual = CBMon2Manual->isChecked();
}
