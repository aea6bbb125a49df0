#include "app/options_page_thumbnails.h"

#include "app/options_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace options_ui;

ThumbnailsOptionsPage::ThumbnailsOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "TSMultSlideMode", QStringLiteral("Thumbnails"))
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(label(this, QStringLiteral("Number of pictures on one page:")), 0, 0);
    CBMultMode = comboBox(this, "CBMultMode", PicturesPerPageItems());
    grid->addWidget(CBMultMode, 0, 1);
    RGFillMode = new RadioGroup(QStringLiteral("RGFillMode"), QStringLiteral("Fill mode:"),
                                 {QStringLiteral("Top-Bottom"), QStringLiteral("Left-Right")}, this);
    grid->addWidget(RGFillMode, 1, 0);
    CBThManualMode = checkBox(this, "CBThManualMode", QStringLiteral("Start in Manual mode"));
    grid->addWidget(CBThManualMode, 1, 1);
    auto* drives = new QGroupBox(QStringLiteral("Create thumbnails on:"), this);
    auto* dl = new QVBoxLayout(drives);
    CBUseThumbFD = checkBox(drives, "CBUseThumbFD", QStringLiteral("Fixed drives"));
    CBUseThumbNWD = checkBox(drives, "CBUseThumbNWD", QStringLiteral("Network drives"));
    CBUseThumbRD = checkBox(drives, "CBUseThumbRD", QStringLiteral("Removable drives"));
    for (QCheckBox* b : {CBUseThumbFD, CBUseThumbNWD, CBUseThumbRD}) {
        dl->addWidget(b);
        connect(b, &QCheckBox::toggled, this, &ThumbnailsOptionsPage::CBUseThumbFDClick);
    }
    grid->addWidget(drives, 2, 0);
    RGThumbSize = new RadioGroup(QStringLiteral("RGThumbSize"), QStringLiteral("Required size:"), ThumbSizeItems(),
                                  this);
    grid->addWidget(RGThumbSize, 2, 1);
    auto* row = new QHBoxLayout;
    EDThumbOrgMin = numberEdit(this, "EDThumbOrgMin");
    UDThumbOrgMin = new SpinArrows(QStringLiteral("UDThumbOrgMin"), EDThumbOrgMin, ThumbOrgMinMin, ThumbOrgMinMax, this);
    row->addWidget(label(this, QStringLiteral("Minimum size of original (in kb):")));
    row->addWidget(EDThumbOrgMin);
    row->addWidget(UDThumbOrgMin);
    row->addStretch();
    grid->addLayout(row, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
}

void ThumbnailsOptionsPage::CBUseThumbFDClick()
{
    const bool any = CBUseThumbFD->isChecked() || CBUseThumbNWD->isChecked() || CBUseThumbRD->isChecked();
    RGThumbSize->setEnabled(any);
    UDThumbOrgMin->setEnabled(any);
    EDThumbOrgMin->setEnabled(any);
}

void ThumbnailsOptionsPage::load(const TOptionsValues& v)
{
    CBMultMode->setCurrentIndex(v.PicturesPerPageIndex);
    RGFillMode->setItemIndex(v.ThumbFillMode);
    CBThManualMode->setChecked(v.ThumbManualMode);
    CBUseThumbFD->setChecked(v.ThumbsOnFixedDrives);
    CBUseThumbNWD->setChecked(v.ThumbsOnNetworkDrives);
    CBUseThumbRD->setChecked(v.ThumbsOnRemovableDrives);
    RGThumbSize->setItemIndex(v.ThumbSizeIndex);
    UDThumbOrgMin->setPosition(v.ThumbMinSizeKB);
    CBUseThumbFDClick();
}

void ThumbnailsOptionsPage::store(TOptionsValues& v) const
{
    v.PicturesPerPageIndex = CBMultMode->currentIndex();
    v.ThumbFillMode = qMax(0, RGFillMode->itemIndex());
    v.ThumbManualMode = CBThManualMode->isChecked();
    v.ThumbsOnFixedDrives = CBUseThumbFD->isChecked();
    v.ThumbsOnNetworkDrives = CBUseThumbNWD->isChecked();
    v.ThumbsOnRemovableDrives = CBUseThumbRD->isChecked();
    v.ThumbSizeIndex = qMax(0, RGThumbSize->itemIndex());
    v.ThumbMinSizeKB = UDThumbOrgMin->positionOrLast();
}
