#include "app/options_page_upload.h"

#include "app/options_controls.h"
#include "platform/prompt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace options_ui;

UploadOptionsPage::UploadOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "TbUpload", QStringLiteral("Upload"))
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(label(this, QStringLiteral("Upload program:")), 0, 0);
    EDUploadProgram = lineEdit(this, "EDUploadProgram");
    grid->addWidget(EDUploadProgram, 0, 1);
    BtnBrowseUpload = button(this, "BtnBrowseUpload", QStringLiteral("&Browse"));
    grid->addWidget(BtnBrowseUpload, 0, 2);
    EdWaittime = numberEdit(this, "EdWaittime");
    UDWaittime = new SpinArrows(QStringLiteral("UDWaittime"), EdWaittime, UploadWaitMin, UploadWaitMax, this);
    grid->addWidget(label(this, QStringLiteral("Seconds to wait to let Upload program initialize itself "
                                               "before passing pictures")),
                    1, 0, 1, 3);
    auto* r1 = new QHBoxLayout;
    r1->addWidget(EdWaittime);
    r1->addWidget(UDWaittime);
    r1->addStretch();
    grid->addLayout(r1, 2, 0, 1, 3);
    EdSupplyAtOnce = numberEdit(this, "EdSupplyAtOnce");
    UDSupplyAtOnce = new SpinArrows(QStringLiteral("UDSupplyAtOnce"), EdSupplyAtOnce, UploadBatchMin, UploadBatchMax,
                                 this);
    grid->addWidget(label(this, QStringLiteral("Number of pictures to supply at once to the upload program")),
                    3, 0, 1, 3);
    auto* r2 = new QHBoxLayout;
    r2->addWidget(EdSupplyAtOnce);
    r2->addWidget(UDSupplyAtOnce);
    r2->addStretch();
    grid->addLayout(r2, 4, 0, 1, 3);
    grid->setRowStretch(5, 1);
    connect(BtnBrowseUpload, &QPushButton::clicked, this, &UploadOptionsPage::BtnBrowseUploadClick);
}

void UploadOptionsPage::BtnBrowseUploadClick()
{
    const std::optional<QString> chosen =
        platform::chooseOpenFile(QString(), QString(), QStringLiteral("Executable files|*"));
    if (chosen && !chosen->isEmpty())
        EDUploadProgram->setText(*chosen);
}

void UploadOptionsPage::load(const TOptionsValues& v)
{
    EDUploadProgram->setText(v.UploaderPath);
    UDWaittime->setPosition(v.UploaderWaitSeconds);
    UDSupplyAtOnce->setPosition(v.UploadBatchSize);
}

void UploadOptionsPage::store(TOptionsValues& v) const
{
    v.UploaderPath = EDUploadProgram->text();
    v.UploaderWaitSeconds = UDWaittime->positionOrLast();
    v.UploadBatchSize = UDSupplyAtOnce->positionOrLast();
}
