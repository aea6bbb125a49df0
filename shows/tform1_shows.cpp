// The main window's show commands: the Draft show and named shows opened
// through their working copy, and the show list MyShowSG.
#include "app/tform1.h"

#include "base/data_folder.h"
#include "app/tform1_close.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "shows/show_windows.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTableWidget>

namespace {

void setRow(QTableWidget* grid, int row, qint64 number, const TShowRecord& record)
{
    const QFileInfo info(record.PicturePath);
    const QStringList cells = {QString::number(number + 1), record.HasText() ? QStringLiteral("T") : QString(),
                               record.HasSound() ? QStringLiteral("S") : QString(), info.fileName(),
                               QDir::toNativeSeparators(info.path())};
    for (int column = 0; column < cells.size(); ++column)
        grid->setItem(row, column, new QTableWidgetItem(cells[column]));
}

} // namespace

void TForm1::ReadMyShowFile()
{
    MyShowSG->setRowCount(0);
    const qint64 count = OpenShowCount();
    MyShowSG->setRowCount(int(count));
    for (qint64 i = 0; i < count; ++i) {
        TShowRecord record;
        if (!ReadShowRecord(i, record).ok())
            break;
        setRow(MyShowSG, int(i), i, record);
    }
    UpdateMyShowControls();
}

void TForm1::UpdateMyShowControls()
{
    const qint64 count = OpenShowCount();
    if (MyShowLabel)
        MyShowLabel->setText(OpenShowName.isEmpty() ? QString()
                                                    : OpenShowName + QStringLiteral(" : ") + QString::number(count)
                                                          + (count == 1 ? QStringLiteral(" picture") : QStringLiteral(" pictures")));
    for (QAction* action : {StartMySlideShowTB, SaveMyShowAsTB})
        if (action)
            action->setEnabled(count > 0);
    if (SaveMyShowTB)
        SaveMyShowTB->setEnabled(NamedShowOpen == 1 && ShowChanged == 1);
}

void TForm1::ShowMyShowPanel()
{
    MyShowSG->show();
    if (MyShowLabel)
        MyShowLabel->show();
    UpdateMyShowControls();
}

void TForm1::AskMakeChangesPermanent()
{
    if (!ShowFile.IsOpen())
        return;
    if (DraftShowOpen == 1) {
        // The Draft show keeps every change.
        WriteShowHeader();
        const auto saved = MakeShowChangesPermanent();
        if (!saved.ok())
            platform::showMessage(platform::PromptKind::Error, saved.Message);
        return;
    }
    if (NamedShowOpen == 1 && ShowChanged == 1 && ShowChangeable == 1) {
        const auto answer = platform::showMessage(platform::PromptKind::Confirmation,
                                                  QStringLiteral("Make changes permanent to ") + OpenShowName,
                                                  platform::kYesNo, platform::PromptAnswer::Yes);
        if (answer == platform::PromptAnswer::Yes) {
            WriteShowHeader();
            const auto saved = MakeShowChangesPermanent();
            if (!saved.ok())
                platform::showMessage(platform::PromptKind::Error, saved.Message);
        }
    }
}

void TForm1::MyShowDraftClick()
{
    if (DraftShowOpen == 1 && ShowFile.IsOpen()) {
        if (ClosingDown == 1) {
            AskMakeChangesPermanent();
            return;
        }
        MyShowSG->setVisible(!MyShowSG->isVisible());
        return;
    }
    AskMakeChangesPermanent();
    CloseOpenShow();
    const auto opened = OpenDraftShow(m_state.paths.DraftShowPath, m_state.paths.WorkShowPath);
    if (!opened.ok()) {
        platform::showMessage(platform::PromptKind::Error, opened.Message);
        return;
    }
    if (ClosingDown == 1) {
        AskMakeChangesPermanent();
        return;
    }
    ReadMyShowFile();
    ShowMyShowPanel();
}

void TForm1::LoadMyShowClick(const QString& PresetFile)
{
    TForm16* const Form16 = m_showManager;
    QString path = PresetFile;
    if (path.isEmpty()) {
        const auto chosen = platform::chooseOpenFile(QStringLiteral("Open MyShow"), m_state.paths.ShowsFolder,
                                                     QStringLiteral("MyShow files (*.vxt)|*.vxt"));
        if (!chosen)
            return;
        path = *chosen;
    }
    if (!QFileInfo(path).isFile()) {
        platform::showMessage(platform::PromptKind::Error, path + QStringLiteral(" not found"));
        return;
    }
    if (QFileInfo(path).fileName().compare(QFileInfo(m_state.paths.DraftShowPath).fileName(), Qt::CaseInsensitive) == 0) {
        platform::showMessage(platform::PromptKind::Warning,
                              QStringLiteral("The Draft show can not be opened as a named show"));
        return;
    }
    AskMakeChangesPermanent();
    CloseOpenShow();
    const auto opened = OpenNamedShow(path, m_state.paths.WorkShowPath, m_state.paths.DraftShowPath);
    if (!opened.ok()) {
        platform::showMessage(platform::PromptKind::Error, opened.Message);
        MyShowDraftClick();
        return;
    }
    if (Form16)
        Form16->AddKnownShow(path);
    ReadMyShowFile();
    ShowMyShowPanel();
}

void TForm1::AddPictureToMyShow(const QString& PicturePath, int, int, int, int)
{
    if (!ShowFile.IsOpen() || ShowChangeable != 1)
        return;
    qint64 index = -1;
    const auto added = AddPictureToShowFile(PicturePath, &index);
    if (!added.ok()) {
        platform::showMessage(platform::PromptKind::Error, added.Message);
        return;
    }
    TShowRecord record = NewPictureRecord(PicturePath, ShowFormatMarker);
    MyShowSG->insertRow(int(index));
    setRow(MyShowSG, int(index), index, record);
    MyShowSG->selectRow(int(index));
    MyShowSG->scrollToItem(MyShowSG->item(int(index), 0));
    UpdateMyShowControls();
}
