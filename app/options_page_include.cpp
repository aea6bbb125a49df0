#include "app/options_page_include.h"

#include "app/options_controls.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace options_ui;

IncludeOptionsPage::IncludeOptionsPage(QTabWidget* tabs)
    : OptionsPage(tabs, "IncludeSheet", QStringLiteral("Include"))
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(buildTypes(), 0, 0, 3, 1);

    auto* size = new QGroupBox(QStringLiteral("Size in Kb"), this);
    auto* sl = new QFormLayout(size);
    MinSizeEdit = numberEdit(size, "MinSizeEdit");
    MaxSizeEdit = numberEdit(size, "MaxSizeEdit");
    sl->addRow(QStringLiteral("Minimum"), MinSizeEdit);
    sl->addRow(QStringLiteral("Maximum"), MaxSizeEdit);
    grid->addWidget(size, 0, 1);

    auto* pics = new QGroupBox(QStringLiteral("Pictures to select"), this);
    auto* pl = new QFormLayout(pics);
    MaxPicEdit = numberEdit(pics, "MaxPicEdit");
    pl->addRow(QStringLiteral("Maximum :"), MaxPicEdit);
    grid->addWidget(pics, 1, 1);

    auto* folders = new QGroupBox(QStringLiteral("Include folders"), this);
    auto* fl = new QVBoxLayout(folders);
    CheckBox2 = checkBox(folders, "CheckBox2", QStringLiteral("Subfolders"));
    InclSysFldrCheckBox = checkBox(folders, "InclSysFldrCheckBox", QStringLiteral("System/Hidden"));
    fl->addWidget(CheckBox2);
    fl->addWidget(InclSysFldrCheckBox);
    grid->addWidget(folders, 2, 1);

    auto* mail = new QGroupBox(QStringLiteral("Mail attachments"), this);
    auto* ml = new QFormLayout(mail);
    MAxAttachEdit = numberEdit(mail, "MAxAttachEdit");
    MaxSFAttachEdit = numberEdit(mail, "MaxSFAttachEdit");
    ml->addRow(QStringLiteral("Picture maximum :"), MAxAttachEdit);
    ml->addRow(QStringLiteral("Sound file max. :"), MaxSFAttachEdit);
    grid->addWidget(mail, 3, 1);
    for (QFormLayout* form : {sl, pl, ml})
        form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    grid->setRowStretch(4, 1);
    alignNumberLabels();
}

QWidget* IncludeOptionsPage::buildTypes()
{
    auto* types = new QGroupBox(QString(), this);
    auto* tl = new QGridLayout(types);
    static const char* boxNames[] = {"InclJPGBox", "InclJPEGBox", "InclBMPBox", "InclICOBox",
                                     "InclEMFBox", "InclWMFBox", "InclGIFBox"};
    static const char* suffixes[] = {"JPG", "JPEG", "BMP", "ICO", "EMF", "WMF", "GIF"};
    static const char* captions[] = {"*.jpg", "*.jpeg", "*.bmp", "*.ico", "*.emf", "*.wmf", "*.gif"};
    const QIcon icon = QIcon::fromTheme(QStringLiteral("image-x-generic"));
    for (size_t i = 0; i < 7; ++i) {
        InclBoxes[i] = checkBox(types, boxNames[i], QString::fromLatin1(captions[i]));
        // The coloured picture and its grey twin laid exactly over it.
        auto* holder = new QWidget(types);
        holder->setFixedSize(18, 18);
        TypeImages[i] = label(holder, QString());
        TypeImages[i]->setObjectName(QStringLiteral("Im") + QLatin1String(suffixes[i]));
        GreyImages[i] = label(holder, QString());
        GreyImages[i]->setObjectName(QStringLiteral("GIm") + QLatin1String(suffixes[i]));
        TypeImages[i]->setPixmap(icon.pixmap(16, 16));
        GreyImages[i]->setPixmap(icon.pixmap(16, 16, QIcon::Disabled));
        for (QLabel* l : {TypeImages[i], GreyImages[i]})
            l->setGeometry(0, 0, 18, 18);
        GreyImages[i]->move(TypeImages[i]->x(), 0);
        tl->addWidget(holder, int(i), 0);
        tl->addWidget(InclBoxes[i], int(i), 1);
        connect(InclBoxes[i], &QCheckBox::toggled, this, [this, i] { InclBoxClick(int(i)); });
    }
    return types;
}

// The number fields line up: their labels share one width.
void IncludeOptionsPage::alignNumberLabels()
{
    QList<QWidget*> labels;
    int labelWidth = 0;
    for (QLineEdit* e : {MinSizeEdit, MaxSizeEdit, MaxPicEdit, MAxAttachEdit, MaxSFAttachEdit}) {
        auto* form = qobject_cast<QFormLayout*>(e->parentWidget()->layout());
        if (QWidget* l = form ? form->labelForField(e) : nullptr) {
            labels << l;
            labelWidth = std::max(labelWidth, l->sizeHint().width());
        }
    }
    for (QWidget* l : labels)
        l->setFixedWidth(labelWidth);
}

void IncludeOptionsPage::InclBoxClick(int type)
{
    GreyImages[size_t(type)]->setVisible(!InclBoxes[size_t(type)]->isChecked());
}

void IncludeOptionsPage::load(const TOptionsValues& v)
{
    for (size_t i = 0; i < 7; ++i)
        InclBoxes[i]->setChecked(v.InclTypes[i]);
    for (int i = 0; i < 7; ++i)
        InclBoxClick(i);
    MinSizeEdit->setText(v.MinSizeText);
    MaxSizeEdit->setText(v.MaxSizeText);
    MaxPicEdit->setText(v.MaxPicText);
    CheckBox2->setChecked(v.IncludeSubfolders);
    InclSysFldrCheckBox->setChecked(v.IncludeSystemFolders);
    MAxAttachEdit->setText(v.MaxAttachText);
    MaxSFAttachEdit->setText(v.MaxSFAttachText);
}

void IncludeOptionsPage::store(TOptionsValues& v) const
{
    for (size_t i = 0; i < 7; ++i)
        v.InclTypes[i] = InclBoxes[i]->isChecked();
    v.MinSizeText = MinSizeEdit->text();
    v.MaxSizeText = MaxSizeEdit->text();
    v.MaxPicText = MaxPicEdit->text();
    v.IncludeSubfolders = CheckBox2->isChecked();
    v.IncludeSystemFolders = InclSysFldrCheckBox->isChecked();
    v.MaxAttachText = MAxAttachEdit->text();
    v.MaxSFAttachText = MaxSFAttachEdit->text();
}
