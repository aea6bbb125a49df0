// The main window's show commands: the Draft show and named shows opened
// through their working copy, and the show list MyShowSG.
#include "shows/my_show_controller.h"

#include "base/data_folder.h"
#include "base/data_paths.h"
#include "platform/designed_widgets.h"
#include "platform/prompt.h"
#include "shows/show_file.h"

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

MyShowController::MyShowController(const DataPaths& paths)
    : m_paths(paths)
{
}

MyShowController::~MyShowController() = default;

void MyShowController::SetWidgets(const Widgets& widgets) { m_items = widgets; }

void MyShowController::TakeControls(QWidget& window)
{
    const auto action = [&window](const char* name) { return platform::ActionNamed(window, name); };
    // The Draft commands open the Draft show; with a named show open, Close
    // closes it the same way.
    for (const char* name : {"MyShowDraftTB", "CloseMyShowTB", "MyShowDraft"})
        if (QAction* a = action(name))
            connect(a, &QAction::triggered, this, &MyShowController::MyShowDraftClick);
    m_startShow = action("StartMySlideShowTB");
    m_saveShowAs = action("SaveMyShowAsTB");
    m_saveShow = action("SaveMyShowTB");
    m_closeShow = action("CloseMyShowTB");
    m_pageShow = action("TBGoSmallMS");
    m_pictureCount = window.findChild<QLabel*>(QStringLiteral("PicInListLabel"));
    UpdateMyShowControls();
}

void MyShowController::ReadMyShowFile()
{
    m_items.MyShowSG->setRowCount(0);
    const qint64 count = OpenShowCount(m_openShow);
    m_items.MyShowSG->setRowCount(int(count));
    for (qint64 i = 0; i < count; ++i) {
        TShowRecord record;
        if (!ReadShowRecord(m_openShow, i, record).ok())
            break;
        setRow(m_items.MyShowSG, int(i), i, record);
    }
    UpdateMyShowControls();
}

void MyShowController::UpdateMyShowControls()
{
    const qint64 count = OpenShowCount(m_openShow);
    if (m_pictureCount)
        m_pictureCount->setText(m_openShow.ShowFile.IsOpen()
                                    ? QString::number(count) + (count == 1 ? QStringLiteral(" picture")
                                                                           : QStringLiteral(" pictures"))
                                    : QString());
    // A show of no pictures can't be played, full screen or as pages.
    for (QAction* action : {m_startShow, m_saveShowAs, m_pageShow})
        if (action)
            action->setEnabled(count > 0);
    if (m_saveShow)
        m_saveShow->setEnabled(m_openShow.NamedShowOpen == 1 && m_openShow.ShowChanged == 1);
    if (m_closeShow)
        m_closeShow->setEnabled(m_openShow.NamedShowOpen == 1);
}

void MyShowController::ShowMyShowPanel()
{
    m_items.MyShowSG->show();
    if (m_items.MyShowLabel)
        m_items.MyShowLabel->show();
    UpdateMyShowControls();
}

void MyShowController::AskMakeChangesPermanent()
{
    if (!m_openShow.ShowFile.IsOpen())
        return;
    if (m_openShow.DraftShowOpen == 1) {
        // The Draft show keeps every change.
        WriteShowHeader(m_openShow);
        const auto saved = MakeShowChangesPermanent(m_openShow);
        if (!saved.ok())
            platform::showMessage(platform::PromptKind::Error, saved.Message);
        return;
    }
    if (m_openShow.NamedShowOpen == 1 && m_openShow.ShowChanged == 1 && m_openShow.ShowChangeable == 1) {
        const auto answer = platform::showMessage(platform::PromptKind::Confirmation,
                                                  QStringLiteral("Make changes permanent to ")
                                                      + m_openShow.OpenShowName,
                                                  platform::kYesNo, platform::PromptAnswer::Yes);
        if (answer == platform::PromptAnswer::Yes) {
            WriteShowHeader(m_openShow);
            const auto saved = MakeShowChangesPermanent(m_openShow);
            if (!saved.ok())
                platform::showMessage(platform::PromptKind::Error, saved.Message);
        }
    }
}

void MyShowController::MyShowDraftClick()
{
    if (m_openShow.DraftShowOpen == 1 && m_openShow.ShowFile.IsOpen()) {
        if (closingDown()) {
            AskMakeChangesPermanent();
            return;
        }
        // With the panel hidden the Draft comes back in the panel; in the
        // panel the command shows or hides its list.
        if (panelHidden()) {
            emit panelWanted();
            ShowMyShowPanel();
        } else {
            m_items.MyShowSG->setVisible(!m_items.MyShowSG->isVisible());
        }
        return;
    }
    AskMakeChangesPermanent();
    CloseOpenShow(m_openShow);
    const auto opened = OpenDraftShow(m_openShow, m_paths.DraftShowPath, m_paths.WorkShowPath);
    if (!opened.ok()) {
        platform::showMessage(platform::PromptKind::Error, opened.Message);
        // No show is open: the label names none (and the busy cursor goes).
        UpdateMyShowControls();
        emit labelWanted(QStringLiteral("File"));
        return;
    }
    if (closingDown()) {
        AskMakeChangesPermanent();
        return;
    }
    ReadMyShowFile();
    ShowMyShowPanel();
    emit labelWanted(QStringLiteral("Draft"));
}

void MyShowController::LoadMyShowClick(const QString& PresetFile)
{
    QString path = PresetFile;
    if (path.isEmpty()) {
        const auto chosen = platform::chooseOpenFile(QStringLiteral("Open MyShow"), m_paths.ShowsFolder,
                                                     QStringLiteral("MyShow files (*.vxt)|*.vxt"));
        if (!chosen)
            return;
        path = *chosen;
    }
    if (!QFileInfo(path).isFile()) {
        platform::showMessage(platform::PromptKind::Error, path + QStringLiteral(" not found"));
        return;
    }
    if (QFileInfo(path).fileName().compare(QFileInfo(m_paths.DraftShowPath).fileName(), Qt::CaseInsensitive) == 0) {
        platform::showMessage(platform::PromptKind::Warning,
                              QStringLiteral("The Draft show can not be opened as a named show"));
        return;
    }
    AskMakeChangesPermanent();
    CloseOpenShow(m_openShow);
    emit labelWanted(QStringLiteral("Load"));
    const auto opened = OpenNamedShow(m_openShow, path, m_paths.WorkShowPath, m_paths.DraftShowPath);
    if (!opened.ok()) {
        platform::showMessage(platform::PromptKind::Error, opened.Message);
        MyShowDraftClick();
        return;
    }
    emit namedShowOpened(path);
    ReadMyShowFile();
    ShowMyShowPanel();
    emit labelWanted(QStringLiteral("File"));
}

void MyShowController::AddPictureToMyShow(const QString& PicturePath)
{
    if (!m_openShow.ShowFile.IsOpen() || m_openShow.ShowChangeable != 1)
        return;
    qint64 index = -1;
    const auto added = AddPictureToShowFile(m_openShow, PicturePath, &index);
    if (!added.ok()) {
        platform::showMessage(platform::PromptKind::Error, added.Message);
        return;
    }
    TShowRecord record = NewPictureRecord(PicturePath, m_openShow.ShowFormatMarker);
    m_items.MyShowSG->insertRow(int(index));
    setRow(m_items.MyShowSG, int(index), index, record);
    m_items.MyShowSG->selectRow(int(index));
    m_items.MyShowSG->scrollToItem(m_items.MyShowSG->item(int(index), 0));
    UpdateMyShowControls();
}
