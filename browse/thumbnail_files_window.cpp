#include "browse/thumbnail_files_window.h"
#include "base/named_timer.h"

#include "base/add_settings_record.h"
#include "base/data_folder.h"
#include "base/environment.h"
#include "platform/ui_font.h"
#include "base/settings_record.h"
#include "platform/help_key.h"
#include "browse/thumbnail_files.h"
#include "formats/picture_file.h"
#include "platform/drives.h"
#include "platform/prompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QShowEvent>
#include <QFrame>
#include <QAbstractButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

QColor fromPlatformColour(int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

template <typename T>
T* named(QWidget* parent, const char* name, const QString& text = QString())
{
    auto* w = new T(text, parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QFrame* headerPanel(QWidget* parent, const char* name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFixedHeight(8);
    panel->setAutoFillBackground(true);
    return panel;
}

void repaintControls(QWidget* window)
{
    for (QWidget* w : window->findChildren<QWidget*>())
        if (qobject_cast<QFrame*>(w) || qobject_cast<QAbstractButton*>(w))
            w->update();
}


} // namespace

// ---- ThumbnailOptionsDialog -------------------------------------------------------------------------

ThumbnailOptionsDialog::ThumbnailOptionsDialog(SettingsStore& settings, const DataPaths& paths, const EnvironmentInfo& environment,
                 const QString& selectedFolder, bool demoMode, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_paths(paths), m_environment(environment), m_folder(selectedFolder),
      m_demoMode(demoMode)
{
    setObjectName(QStringLiteral("Form38"));
    setWindowTitle(QStringLiteral("Vistamo! - Create/Replace thumbnails manually"));
    setModal(true);
    InstallHelpKey(this, QStringLiteral("ThumbnailCreationManually.htm"));

    CBInclSubfolders = named<QCheckBox>(this, "CBInclSubfolders", QStringLiteral("Include subfolders"));
    CBInclSubfolders->setChecked(true);
    CBReplaceExisting = named<QCheckBox>(this, "CBReplaceExisting", QStringLiteral("Force replacement of  existing thumbnails"));
    CBReplaceExisting->setToolTip(QStringLiteral("When left unchecked, thumbnails are ony replaced when necessary"));
    CBConvertSmallPics = named<QCheckBox>(this, "CBConvertSmallPics", QStringLiteral("Convert existing SmallPics folders"));
    CBConvertSmallPics->setChecked(true);
    CBOnlyCleanup = named<QCheckBox>(this, "CBOnlyCleanup", QStringLiteral("Cleanup only"));
    CBOnlyCleanup->setToolTip(QStringLiteral("When checked, only the cleanup process will be executed which means: "
                                             "thumbnails without an original picture will be deleted."));
    LblInfo = named<QLabel>(this, "LblInfo");
    LblInfo->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    Label1 = named<QLabel>(this, "Label1", QStringLiteral("R E S U L T S"));
    FolderLabel = named<QLabel>(this, "FolderLabel");
    Label2 = named<QLabel>(this, "Label2",
                           QStringLiteral("Vistamo! creates thumbnails on the fly. In thumbnail view , when having to "
                                          "create ALL thumbnails, to load a full page will take more time. To prevent "
                                          "this, you can create a batch of thumbnails all at once.  "));
    Label2->setWordWrap(true);
    REResult = new QTextEdit(this);
    REResult->setObjectName(QStringLiteral("REResult"));
    REResult->setReadOnly(true);
    Image1 = named<QLabel>(this, "Image1");
    Image1->setFixedSize(160, 120);
    Image2 = named<QLabel>(this, "Image2");
    Image2->setFixedSize(160, 120);
    Image2->hide();
    FileNotExistLabel = named<QLabel>(this, "FileNotExistLabel", QStringLiteral("File does not exist"));
    CannotOpenLabel = named<QLabel>(this, "CannotOpenLabel", QStringLiteral("Can not show picture"));
    FileNotExistLabel->hide();
    CannotOpenLabel->hide();
    BtnOK = named<QPushButton>(this, "BtnOK", QStringLiteral("&OK"));
    BtnCancel = named<QPushButton>(this, "BtnCancel", QStringLiteral("&Cancel"));

    auto* options = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(FolderLabel), static_cast<QWidget*>(CBInclSubfolders),
                       static_cast<QWidget*>(CBReplaceExisting), static_cast<QWidget*>(CBConvertSmallPics),
                       static_cast<QWidget*>(CBOnlyCleanup), static_cast<QWidget*>(LblInfo),
                       static_cast<QWidget*>(Label2)})
        options->addWidget(w);
    auto* preview = new QVBoxLayout;
    preview->addWidget(Image1);
    preview->addWidget(Image2);
    preview->addWidget(FileNotExistLabel);
    preview->addWidget(CannotOpenLabel);
    preview->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(options, 1);
    top->addLayout(preview);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    Panel1 = headerPanel(this, "Panel1");
    TimerOnActivate = MakeNamedTimer(this, "TimerOnActivate", 1);
    TimerAltKey = MakeNamedTimer(this, "TimerAltKey", 10);
    connect(TimerOnActivate, &QTimer::timeout, this, &ThumbnailOptionsDialog::TimerOnActivateTimer);
    connect(TimerAltKey, &QTimer::timeout, this, &ThumbnailOptionsDialog::TimerAltKeyTimer);
    auto* main = new QVBoxLayout(this);
    main->addWidget(Panel1);
    main->addLayout(top);
    main->addWidget(Label1);
    main->addWidget(REResult, 1);
    main->addLayout(buttons);
    resize(640, 560);

    connect(BtnOK, &QPushButton::clicked, this, &ThumbnailOptionsDialog::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &ThumbnailOptionsDialog::BtnCancelClick);
    connect(CBOnlyCleanup, &QCheckBox::toggled, this, &ThumbnailOptionsDialog::CBOnlyCleanupClick);
    FormCreate();
}

void ThumbnailOptionsDialog::FormCreate()
{
    const int cut = std::max(m_folder.lastIndexOf(QLatin1Char('/')), m_folder.lastIndexOf(QLatin1Char(':')));
    FolderLabel->setText(QStringLiteral("Folder: ") + m_folder.mid(cut + 1));
    Label2->setToolTip(QStringLiteral("Vistamo! creates a thumbnail of a picture when the picture is loaded to be shown")
                       + QLatin1Char('\n')
                       + QStringLiteral("and there is no or an outdated thumbnail available (More information: see Options)"));
    OnFixedDrives = m_settings.AddSettings.ThumbsOnFixedDrives;
    OnNetworkDrives = m_settings.AddSettings.ThumbsOnNetworkDrives;
    OnRemovableDrives = m_settings.AddSettings.ThumbsOnRemovableDrives;
    PreviewBox = Image1->geometry();
    CannotOpenLabel->move(CannotOpenLabel->x(), FileNotExistLabel->y());
    CancelRequested = false;
    Busy = false;
    DriveAlreadyAllowed = false;
    REResult->clear();
    LblInfo->clear();
    switch (platform::DriveKindOfPath(m_folder)) {
    case platform::DriveKind::Removable:
        if (!OnRemovableDrives) {
            LblInfo->setText(QStringLiteral("Info: The option 'Create thumbnails on Removable drives' will be automatically checked"));
            OnRemovableDrives = 1;
        }
        break;
    case platform::DriveKind::Fixed:
        if (!OnFixedDrives) {
            LblInfo->setText(QStringLiteral("Info: The option 'Create thumbnails on Fixed drives' will be automatically checked"));
            OnFixedDrives = 1;
        }
        break;
    case platform::DriveKind::Remote:
        if (!OnNetworkDrives) {
            LblInfo->setText(QStringLiteral("Info: The option 'Create thumbnails on Network drives' will be automatically checked"));
            OnNetworkDrives = 1;
        }
        break;
    default:
        break;
    }
    if (LblInfo->text().isEmpty())
        DriveAlreadyAllowed = true;
    ApplyFontFamily(this, m_environment.UIFontName);
}

void ThumbnailOptionsDialog::CBOnlyCleanupClick()
{
    const bool enabled = !CBOnlyCleanup->isChecked();
    CBConvertSmallPics->setEnabled(enabled);
    CBReplaceExisting->setEnabled(enabled);
}

void ThumbnailOptionsDialog::BtnOKClick()
{
    if (BtnOK->text() == QLatin1String("&Done")) {
        done(2);
        return;
    }
    for (QWidget* w : {static_cast<QWidget*>(BtnOK), static_cast<QWidget*>(CBInclSubfolders),
                       static_cast<QWidget*>(CBReplaceExisting), static_cast<QWidget*>(CBConvertSmallPics),
                       static_cast<QWidget*>(CBOnlyCleanup)})
        w->setEnabled(false);
    if (!DriveAlreadyAllowed && m_settings.Settings.ResetFileDate != QLatin1String("1")) {
        const QString question =
            QStringLiteral("For thumbnails to be automatically replaced when the") + QLatin1Char('\n')
            + QStringLiteral("original has changed, you should check 'Reset file date to date taken'") + QLatin1Char('\n')
            + QStringLiteral("on the Edit tab page of the Options menu. Choose 'Yes' to check this option automatically.");
        if (platform::showMessage(platform::PromptKind::Confirmation, question, platform::kYesNo)
            == platform::PromptAnswer::Yes)
            m_settings.Settings.ResetFileDate = QStringLiteral("1");
    }
    m_settings.AddSettings.ThumbsOnFixedDrives = OnFixedDrives;
    m_settings.AddSettings.ThumbsOnNetworkDrives = OnNetworkDrives;
    m_settings.AddSettings.ThumbsOnRemovableDrives = OnRemovableDrives;
    if (!m_paths.AddSettingsPath.isEmpty()) {
        const platform::RecordResult written = WriteAddSettings(m_paths.AddSettingsPath, m_settings.AddSettings);
        if (!written.ok())
            platform::showMessage(platform::PromptKind::Error, written.Message);
    }
    ProcessThumbnails();
}

void ThumbnailOptionsDialog::BtnCancelClick()
{
    CancelRequested = true;
    if (!Busy)
        done(2);
}

void ThumbnailOptionsDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Alt)
        TimerAltKey->start();
    if (event->key() == Qt::Key_Escape && Busy) {
        BtnCancelClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ThumbnailOptionsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    TimerOnActivate->start();
}

void ThumbnailOptionsDialog::TimerOnActivateTimer() { Panel1->update(); }

void ThumbnailOptionsDialog::TimerAltKeyTimer() { repaintControls(this); }

void ThumbnailOptionsDialog::closeEvent(QCloseEvent* event)
{
    // Closing while the run is busy only asks it to stop.
    if (Busy) {
        CancelRequested = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ThumbnailOptionsDialog::AddLogLine(const QString& text, int32_t colour, bool blankAfter, bool blankBefore)
{
    QTextCursor cursor(REResult->document());
    cursor.movePosition(QTextCursor::End);
    const bool first = REResult->document()->isEmpty();
    QTextCharFormat plain;
    const auto newLine = [&](const QString& line, const QTextCharFormat& format) {
        if (!(first && cursor.position() == 0))
            cursor.insertBlock();
        cursor.insertText(line, format);
    };
    if (blankBefore)
        newLine(QString(), plain);
    QTextCharFormat format;
    format.setForeground(fromPlatformColour(colour));
    format.setFontWeight(colour == ThumbLogRed ? QFont::Bold : QFont::Normal);
    newLine(text, format);
    if (blankAfter)
        newLine(QString(), plain);
    REResult->setTextCursor(cursor);
    REResult->ensureCursorVisible();
}

int ThumbnailOptionsDialog::PreviewPicture(const QString& picture)
{
    if (!QFileInfo(picture).isFile())
        return ShowPreview(2, QImage());
    const QSize box = previewBoxSize();
    QImage image = LoadPicturePreview(picture, box);
    if (!image.isNull() && !box.isEmpty() && image.width() < box.width() && image.height() < box.height()) {
        // A small picture is enlarged to the box.
        const double f = std::min(double(box.height()) / image.height(), double(box.width()) / image.width());
        image = image.scaled(std::max(1, int(std::nearbyint(image.width() * f))),
                             std::max(1, int(std::nearbyint(image.height() * f))), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    }
    return ShowPreview(image.isNull() ? 1 : 0, image);
}

QSize ThumbnailOptionsDialog::previewBoxSize() const
{
    return PreviewBox.size().isEmpty() ? Image1->size() : PreviewBox.size();
}

int ThumbnailOptionsDialog::ShowPreview(int result, const QImage& image)
{
    FileNotExistLabel->hide();
    CannotOpenLabel->hide();
    if (result == 2) {
        Image2->hide();
        FileNotExistLabel->show();
        return 2;
    }
    if (result != 0 || image.isNull()) {
        CannotOpenLabel->show();
        return 1;
    }
    const QPixmap pixmap = QPixmap::fromImage(image);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(pixmap);
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setPixmap(pixmap);
    Image2->show();
    return 0;
}

void ThumbnailOptionsDialog::ProcessThumbnails()
{
    if (Busy)
        return;
    Busy = true;
    if (!m_batch) {
        m_batch = new ThumbnailBatch(this);
        connect(m_batch, &ThumbnailBatch::finished, this, &ThumbnailOptionsDialog::RunFinished);
    }
    ThumbnailBatch& batch = *m_batch;
    batch.addLogLine = [this](const QString& text, int32_t colour, bool after, bool before) {
        AddLogLine(text, colour, after, before);
    };
    // The workers decode each picture once, for its preview and its thumbnail.
    batch.previewBox = previewBoxSize();
    batch.showPreview = [this](const QString&, int result, const QImage& preview) { ShowPreview(result, preview); };
    batch.cancelRequested = [this] { return CancelRequested; };
    batch.thumbnailOptions = CurrentThumbnailOptions(m_settings, m_demoMode);
    ThumbnailBatchOptions options;
    options.folder = m_folder;
    options.includeSubfolders = CBInclSubfolders->isChecked();
    options.forceReplace = CBReplaceExisting->isChecked();
    options.convertSmallPics = CBConvertSmallPics->isChecked();
    options.onlyCleanup = CBOnlyCleanup->isChecked();
    options.driveAlreadyAllowed = DriveAlreadyAllowed;
    options.resetFileDate = m_settings.Settings.ResetFileDate == QLatin1String("1");
    // The run goes on from the event loop and ends in RunFinished.
    batch.start(options);
}

void ThumbnailOptionsDialog::RunFinished(const ThumbnailBatchCounts& counts)
{
    LastCounts = counts;
    // The Reduce picture size window is hidden.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form25"))
            w->hide();
    Busy = false;
    const bool cancelled = m_batch->cancelled() || CancelRequested;
    if (!cancelled) {
        BtnOK->setText(QStringLiteral("&Done"));
        const int left = int(std::nearbyint((BtnOK->x() + BtnCancel->x()) / 2.0));
        BtnCancel->hide();
        BtnOK->setEnabled(true);
        BtnOK->move(left, BtnOK->y());
    } else {
        platform::showMessage(platform::PromptKind::Information,
                              QStringLiteral("Creation/Cleanup of thumbnails cancelled"));
    }
    m_batch->writeSummary(LastCounts, cancelled);
}

// ---- ThumbnailRunWindow -------------------------------------------------------------------------

QList<ThumbInfoLine> ThumbnailInfoLines(bool familiar)
{
    using K = ThumbInfoLine;
    if (familiar)
        return {
            {K::Heading, QStringLiteral("SmallPics folders")},
            {K::Body, QStringLiteral("In previous versions of Vistamo!, the SmallPics folder served as  a possibility")},
            {K::Body, QStringLiteral("to watch a slide show of smaller versions of your original pictures.")},
            {K::Heading, QStringLiteral("Thumbnail view")},
            {K::Body, QStringLiteral("From version 6.0 and on, the process of  the creation of smaller versions,")},
            {K::Body, QStringLiteral("is fully automated. The special Go button to watch a slide show of smaller versions,")},
            {K::Body, QStringLiteral("has been replaced by a new  button: thumbnail view.")},
            {K::Heading, QStringLiteral("Convert SmallPics to Thumbnails and save time")},
            {K::Body, QStringLiteral("Of course the creation of thumbnails takes time.")},
            {K::Body, QStringLiteral("To avoid having the smaller versions re-created, you can convert your current")},
            {K::Body, QStringLiteral("SmallPics folders to thumbnail folders. (These are hidden folders in a subfolder of "
                                     "the folder where the original pictures are stored.) Press the 'Create thumbnails "
                                     "manually' button on the toolbar.")},
            {K::Body, QStringLiteral("At the same time you can create thumbnails for folders that do not have a SmallPics subfolder.")},
            {K::Closing, QStringLiteral("See also: Thumbnail tab page in Options")},
        };
    return {
        {K::Heading, QStringLiteral("Thumbnails")},
        {K::Body, QStringLiteral("As of Vistamo! 6.0, the program features the automatic creation of thumbnails. Thumbnails "
                                 "are stored in hidden subfolders of the folders where the original pictures are stored.")},
        {K::Heading, QStringLiteral("The first go takes time")},
        {K::Body, QStringLiteral("Of course the creation of thumbnails takes time. When you play a slideshow in")},
        {K::Body, QStringLiteral("Vistamo! of a folder for the first time, thumbnails are created on the fly.")},
        {K::Body, QString::fromUtf8("That won\u2019t be noticeable when you play a slide show in Full screen mode (one by one).")},
        {K::Body, QStringLiteral("Should you start in Thumbnail view however, you will experience that loading")},
        {K::Body, QStringLiteral("a page of say 15 pictures with an average size of 5 Mb, will take some time.")},
        {K::Heading, QStringLiteral("Create thumbnails manually")},
        {K::Body, QString::fromUtf8("To create all thumbnails in one go, you might consider using the \u2018Create thumbnails "
                                    "manually\u2019 feature. It will take a while however the process can be cancelled "
                                    "and restarted at any moment.")},
        {K::Closing, QStringLiteral("See also: Thumbnail tab page in Options")},
    };
}

ThumbnailRunWindow::ThumbnailRunWindow(const EnvironmentInfo& environment, bool familiar, QWidget* parent)
    : QDialog(parent), m_environment(environment)
{
    setObjectName(QStringLiteral("Form39"));
    setWindowTitle(QStringLiteral("Vistamo! - Thumbnails info"));
    setModal(true);
    auto* title = named<QLabel>(this, "Label1", QStringLiteral("Important information regarding thumbnails"));
    auto* create = named<QLabel>(this, "Label2", QStringLiteral("Create thumbnails manually"));
    auto* toolbar = named<QLabel>(this, "Label3", QStringLiteral("button on the toolbar"));
    REText = new QTextEdit(this);
    REText->setObjectName(QStringLiteral("REText"));
    REText->setReadOnly(true);
    CBNext = named<QCheckBox>(this, "CBNext", QStringLiteral("&Show message next time"));
    CBNext->setChecked(true);
    BtnContinue = named<QPushButton>(this, "BtnContinue", QStringLiteral("&Continue"));
    auto* row = new QHBoxLayout;
    row->addWidget(create);
    row->addWidget(toolbar);
    row->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(CBNext);
    bottom->addStretch();
    bottom->addWidget(BtnContinue);
    Panel1 = headerPanel(this, "Panel1");
    Panel3 = headerPanel(this, "Panel3");
    TimerOnActivate = MakeNamedTimer(this, "TimerOnActivate", 1);
    TimerAltKey = MakeNamedTimer(this, "TimerAltKey", 10);
    connect(TimerOnActivate, &QTimer::timeout, this, &ThumbnailRunWindow::TimerOnActivateTimer);
    connect(TimerAltKey, &QTimer::timeout, this, &ThumbnailRunWindow::TimerAltKeyTimer);
    auto* main = new QVBoxLayout(this);
    main->addWidget(Panel1);
    main->addWidget(title);
    main->addWidget(REText, 1);
    main->addLayout(row);
    main->addLayout(bottom);
    main->addWidget(Panel3);
    resize(600, 480);
    connect(BtnContinue, &QPushButton::clicked, this, &QDialog::accept);
    FormCreate(familiar);
}

void ThumbnailRunWindow::FormCreate(bool familiar)
{
    REText->clear();
    QTextCursor cursor(REText->document());
    bool firstBlock = true;
    ThumbInfoLine::Kind previous = ThumbInfoLine::Heading;
    const QList<ThumbInfoLine> lines = ThumbnailInfoLines(familiar);
    const auto add = [&](const QString& text, const QTextCharFormat& format) {
        if (!firstBlock)
            cursor.insertBlock();
        firstBlock = false;
        cursor.insertText(text, format);
    };
    for (int i = 0; i < lines.size(); ++i) {
        const ThumbInfoLine& line = lines.at(i);
        // An empty line after a body block, before the next heading or closing line.
        if (i > 0 && previous == ThumbInfoLine::Body && line.kind != ThumbInfoLine::Body)
            add(QString(), QTextCharFormat());
        QTextCharFormat format;
        if (line.kind == ThumbInfoLine::Heading) {
            format.setForeground(Qt::blue);
            format.setFontWeight(QFont::Bold);
        } else if (line.kind == ThumbInfoLine::Closing) {
            format.setForeground(Qt::red);
            format.setFontWeight(QFont::Bold);
        } else {
            format.setForeground(Qt::black);
        }
        add(line.text, format);
        if (line.kind == ThumbInfoLine::Heading)
            add(QString(), QTextCharFormat());
        previous = line.kind;
    }
    ApplyFontFamily(this, m_environment.UIFontName);
}

void ThumbnailRunWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    TimerOnActivate->start();
}

void ThumbnailRunWindow::TimerOnActivateTimer()
{
    Panel1->update();
    Panel3->update();
}

void ThumbnailRunWindow::TimerAltKeyTimer() { repaintControls(this); }

void ThumbnailRunWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Alt)
        TimerAltKey->start();
    QDialog::keyPressEvent(event);
}
