#include "shows/show_windows.h"

#include "shows/known_shows.h"
#include "shows/show_sync.h"
#include "slideshow/modal_window.h"
#include "slideshow/show_state.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

ShowManagerWindow::ShowManagerWindow(const QString& showListPath, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("MyShow Manager"));
    auto* layout = new QVBoxLayout(this);
    ShowSelectedLabel = new QLabel(QStringLiteral("Select a show"), this);
    ShowSelectedLabel->setObjectName(QStringLiteral("ShowSelectedLabel"));
    layout->addWidget(ShowSelectedLabel);
    AllShowSG = new QTableWidget(FirstShowRow, 5, this);
    AllShowSG->setObjectName(QStringLiteral("AllShowSG"));
    AllShowSG->horizontalHeader()->setStretchLastSection(true);
    AllShowSG->setColumnHidden(PathColumn, false);
    AllShowSG->hideRow(0);
    AllShowSG->hideRow(1);
    layout->addWidget(AllShowSG);
    auto* row = new QHBoxLayout;
    const auto button = [&](QToolButton*& target, const char* name) {
        target = new QToolButton(this);
        target->setObjectName(QLatin1String(name));
        target->setEnabled(false);
        row->addWidget(target);
    };
    button(BackSB, "BackSB");
    button(ForwardSB, "ForwardSB");
    button(AddPicsButton1, "AddPicsButton1");
    button(DeletePicButton, "DeletePicButton");
    AutoAdvanceCB = new QCheckBox(QStringLiteral("Advance automatically"), this);
    AutoAdvanceCB->setObjectName(QStringLiteral("AutoAdvanceCB"));
    AutoAdvanceCB->setEnabled(false);
    row->addWidget(AutoAdvanceCB);
    layout->addLayout(row);
    const KnownShowsRead known = ReadKnownShows(showListPath, true);
    listRefusal_ = known.Reason;
    for (const QString& path : known.Items)
        AddKnownShow(path);
}

QStringList ShowManagerWindow::KnownShows() const
{
    QStringList paths;
    for (int row = FirstShowRow; row < AllShowSG->rowCount(); ++row)
        if (const QTableWidgetItem* cell = AllShowSG->item(row, PathColumn); cell && !cell->text().isEmpty())
            paths << cell->text();
    return paths;
}

void ShowManagerWindow::AddKnownShow(const QString& showPath)
{
    if (showPath.isEmpty())
        return;
    const QString clean = QDir::cleanPath(showPath);
    if (KnownShows().contains(clean))
        return;
    const int row = AllShowSG->rowCount();
    AllShowSG->insertRow(row);
    AllShowSG->setItem(row, 0, new QTableWidgetItem(QFileInfo(clean).completeBaseName()));
    AllShowSG->setItem(row, PathColumn, new QTableWidgetItem(clean));
}

void ShowManagerWindow::RemoveKnownShow(const QString& showPath)
{
    const QString clean = QDir::cleanPath(showPath);
    for (int row = AllShowSG->rowCount() - 1; row >= FirstShowRow; --row)
        if (const QTableWidgetItem* cell = AllShowSG->item(row, PathColumn); cell && cell->text() == clean)
            AllShowSG->removeRow(row);
}

void ShowManagerWindow::SetAddButtonGlyph(bool enabled, int)
{
    AddPicsButton1->setEnabled(enabled);
    AddPicsButton1->setIcon(style()->standardIcon(enabled ? QStyle::SP_FileDialogNewFolder : QStyle::SP_FileIcon));
}

void ShowManagerWindow::EnableAfterPictureLoad()
{
    if (!isVisible())
        return;
    for (QToolButton* b : {BackSB, ForwardSB})
        if (b)
            b->setEnabled(true);
    if (PicturesSelected > 0) {
        for (QToolButton* b : {AddPicsButton1, DeletePicButton})
            if (b)
                b->setEnabled(true);
        SetAddButtonGlyph(true, 0);
    }
}

void ShowManagerWindow::EnableForTickedPictures(int ticked)
{
    if (!isVisible())
        return;
    const bool on = ticked > 0 && ShowSelectedLabel && ShowSelectedLabel->text() != QLatin1String("Select a show");
    if (DeletePicButton)
        DeletePicButton->setEnabled(on);
    if (AddPicsButton1)
        AddPicsButton1->setEnabled(on);
    SetAddButtonGlyph(on, 0);
}

PictureTextWindow::PictureTextWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("MyShow picture text"));
}

FolderPictureChooser::FolderPictureChooser(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form20"));
    setWindowTitle(QStringLiteral("Add all pictures of a folder"));
    auto* layout = new QVBoxLayout(this);
    FolderLabel = new QLabel(this);
    FolderLabel->setObjectName(QStringLiteral("FolderLabel"));
    layout->addWidget(FolderLabel);
    SubfoldersCB = new QCheckBox(QStringLiteral("Include subfolders"), this);
    SubfoldersCB->setObjectName(QStringLiteral("SubfoldersCB"));
    layout->addWidget(SubfoldersCB);
    auto* row = new QHBoxLayout;
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(OKButton, &QPushButton::clicked, this, [this] { done(1); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { done(2); });
    row->addWidget(OKButton);
    row->addWidget(CancelButton);
    layout->addLayout(row);
}

void FolderPictureChooser::SetFolder(const QString& folder)
{
    const QString name = QFileInfo(folder).fileName();
    FolderLabel->setText(name.isEmpty() ? folder : name);
}

int FolderPictureChooser::Run(TPlayOptions& PlayOptions)
{
    SubfoldersCB->setChecked(PlayOptions.IncludeSubfolders == 1);
    using platform::PromptAnswer;
    const int result = ExecModalWindow(*this, FolderLabel->text(),
                                       {{PromptAnswer::Ok, 1, QString()}, {PromptAnswer::Cancel, 2, QString()}}, 2);
    if (result == 1)
        PlayOptions.IncludeSubfolders = SubfoldersCB->isChecked() ? 1 : 0;
    return result;
}
