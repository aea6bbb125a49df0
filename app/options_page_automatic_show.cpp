#include "app/options_page_automatic_show.h"

#include "app/options_controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace options_ui;

AutomaticShowOptionsPage::AutomaticShowOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "AutomaticShowSheet", QStringLiteral("Automatic Show/CD"))
{
    auto* l = new QVBoxLayout(this);
    NeverUseASCheckBox = checkBox(this, "NeverUseASCheckBox", QStringLiteral("Never use Automatic Show"));
    HoldLastShowBox = checkBox(this, "HoldLastShowBox", QStringLiteral("Keep current  Automatic Show "));
    l->addWidget(NeverUseASCheckBox);
    l->addWidget(HoldLastShowBox);
    auto* row = new QHBoxLayout;
    SecondsWaitASEdit = numberEdit(this, "SecondsWaitASEdit");
    SecondsWaitASLabel = label(this, QStringLiteral("seconds to wait before activation"), "SecondsWaitASLabel");
    row->addWidget(SecondsWaitASEdit);
    row->addWidget(SecondsWaitASLabel);
    row->addStretch();
    l->addLayout(row);
    ASTextLabel = label(this, QStringLiteral("Free text for Automatic Starting CD"), "ASTextLabel");
    EditASText1 = lineEdit(this, "EditASText1");
    EditASText2 = lineEdit(this, "EditASText2");
    // The CD text lines take 38 characters and are as wide as that.
    for (QLineEdit* e : {EditASText1, EditASText2}) {
        e->setMaxLength(38);
        e->setFixedWidth(e->fontMetrics().averageCharWidth() * 40 + 12);
    }
    l->addWidget(ASTextLabel);
    l->addWidget(EditASText1);
    l->addWidget(EditASText2);
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    l->addWidget(Bevel1);
    l->addStretch();
    connect(NeverUseASCheckBox, &QCheckBox::toggled, this, &AutomaticShowOptionsPage::NeverUseASCheckBoxClick);
}

void AutomaticShowOptionsPage::NeverUseASCheckBoxClick()
{
    const bool on = !NeverUseASCheckBox->isChecked();
    HoldLastShowBox->setEnabled(on);
    SecondsWaitASEdit->setEnabled(on);
    SecondsWaitASLabel->setEnabled(on);
    EditASText1->setEnabled(true);
    EditASText2->setEnabled(true);
    ASTextLabel->setEnabled(true);
}

void AutomaticShowOptionsPage::load(const TOptionsValues& v)
{
    NeverUseASCheckBox->setChecked(v.NeverAutoShow);
    HoldLastShowBox->setChecked(v.KeepAutoShow);
    SecondsWaitASEdit->setText(v.SecondsWaitText);
    EditASText1->setText(v.CDIntroText1);
    EditASText2->setText(v.CDIntroText2);
    Bevel1->setToolTip(AutomaticShowHintPrefix + v.AutoShowPath);
    NeverUseASCheckBoxClick();
}

void AutomaticShowOptionsPage::store(TOptionsValues& v) const
{
    v.NeverAutoShow = NeverUseASCheckBox->isChecked();
    v.KeepAutoShow = HoldLastShowBox->isChecked();
    v.SecondsWaitText = SecondsWaitASEdit->text();
    v.CDIntroText1 = EditASText1->text();
    v.CDIntroText2 = EditASText2->text();
}
