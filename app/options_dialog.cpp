#include "app/options_dialog.h"
#include "base/named_timer.h"

#include "base/data_folder.h"
#include "base/environment.h"
#include "platform/help_key.h"
#include "base/layout_state.h"
#include "browse/selection_status.h"
#include "app/tform1.h"
#include "platform/clock.h"
#include "platform/icons.h"
#include "platform/prompt_dialogs.h"
#include "shows/show_windows.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QScreen>
#include <QGuiApplication>

using platform::PromptAnswer;
using platform::PromptKind;

int32_t ColorValueOf(const QColor& c)
{
    return int32_t(c.red() | (c.green() << 8) | (c.blue() << 16));
}

QColor ColorOfValue(int32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// ---- TRadioGroup -------------------------------------------------------------------

TRadioGroup::TRadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(name + QStringLiteral("Item%1").arg(i));
        m_group->addButton(b, i);
        layout->addWidget(b);
    }
}

int TRadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void TRadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* b = m_group->button(index)) {
        b->setChecked(true);
        return;
    }
    m_group->setExclusive(false);
    for (QAbstractButton* b : m_group->buttons())
        b->setChecked(false);
    m_group->setExclusive(true);
}

int TRadioGroup::count() const
{
    return int(m_group->buttons().size());
}

// ---- TUpDown ------------------------------------------------------------------------

TUpDown::TUpDown(const QString& name, QLineEdit* buddy, int min, int max, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_min(min), m_max(max), m_last(min)
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(this);
    auto* down = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    // As high as its field, the two arrows one above the other.
    const int height = std::max(16, buddy ? buddy->sizeHint().height() : 22);
    up->setFixedSize(16, height / 2);
    down->setFixedSize(16, height - height / 2);
    setFixedSize(16, height);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { setPosition(positionOrLast() + 1); });
    connect(down, &QToolButton::clicked, this, [this] { setPosition(positionOrLast() - 1); });
}

bool TUpDown::position(int& value) const
{
    int32_t n = 0;
    if (!ParseOptionNumber(m_buddy->text(), n) || n < m_min || n > m_max)
        return false;
    value = n;
    return true;
}

int TUpDown::positionOrLast() const
{
    int v = m_last;
    position(v);
    return v;
}

void TUpDown::setPosition(int value)
{
    m_last = qBound(m_min, value, m_max);
    m_buddy->setText(QString::number(m_last));
}

// ---- Owner-drawn combo items ----------------------------------------------------------

namespace {

// Selected items on blue (colour value 16752640), the others on colour 1 of
// the scheme; the text 5 pixels right and 1 down from the item's corner.
class OptionsComboDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        const QColor fill = selected ? ColorOfValue(16752640)
                          : (ColorScheme[0].isValid() ? ColorScheme[0] : option.palette.base().color());
        p->fillRect(option.rect, fill);
        p->setFont(option.font);
        p->setPen(option.palette.text().color());
        const QRect r = option.rect.adjusted(5, 1, 0, 0);
        p->drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data().toString());
    }
};

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QCheckBox(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QLineEdit* lineEdit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QComboBox* comboBox(QWidget* parent, const char* name, const QStringList& items, bool editable = false)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(editable);
    c->addItems(items);
    c->setItemDelegate(new OptionsComboDelegate(c));
    return c;
}

QLabel* label(QWidget* parent, const QString& text, const char* name = nullptr)
{
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    return l;
}

QWidget* page(QTabWidget* tabs, const char* name, const QString& caption)
{
    auto* w = new QWidget(tabs);
    w->setObjectName(QString::fromLatin1(name));
    tabs->addTab(w, caption);
    return w;
}

QToolButton* alignButton(QWidget* parent, const char* name, const QString& text, QButtonGroup* group)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setCheckable(true);
    group->addButton(b);
    return b;
}

} // namespace

// ---- TForm3 --------------------------------------------------------------------------

// The dialog's size: room for the largest page, and within an 800 x 600
// screen with the window frame.
const QSize OptionsDialogSize(700, 500);

TForm3::TForm3(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Vistamo! - Options"));
    setModal(true);
    buildPages();
    InstallHelpKey(this, QStringLiteral("Options.htm"));

    TimerOnActivate = MakeNamedTimer(this, "TimerOnActivate", 1);
    connect(TimerOnActivate, &QTimer::timeout, this, &TForm3::TimerOnActivateTimer);
    TimerAltKey = MakeNamedTimer(this, "TimerAltKey", 10);
    connect(TimerAltKey, &QTimer::timeout, this, &TForm3::TimerAltKeyTimer);

    // The tabs: selected red with white text (green under the mouse), the
    // tab under the mouse in the scheme's colour 3.
    const QColor hover = ColorScheme[2].isValid() ? ColorScheme[2] : QColor(0xC0, 0xD8, 0xF0);
    PageControl1->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { color: black; padding: 3px 6px; }"
                       "QTabBar::tab:hover { background: %1; }"
                       "QTabBar::tab:selected { background: rgb(255,0,0); color: white; }"
                       "QTabBar::tab:selected:hover { background: rgb(0,128,0); color: white; }")
            .arg(hover.name()));

    // Create: the active page is "Include"; the controls take the records.
    if (!UIFontName.isEmpty()) {
        QFont f = font();
        f.setFamily(UIFontName);
        if (UIFontSize > 0)
            f.setPointSize(UIFontSize);
        setFont(f);
    }
    PageControl1->setCurrentWidget(IncludeSheet);
    // Number fields are as wide as their longest value, the CD text lines
    // as wide as their 38 characters.
    const QFontMetrics metrics(font());
    const int numberWidth = metrics.horizontalAdvance(QStringLiteral("00000000")) + 12;
    for (QLineEdit* e : {MinSizeEdit, MaxSizeEdit, MaxPicEdit, MAxAttachEdit, MaxSFAttachEdit, LEMon2Width,
                         LEMon2Height, SecondsWaitASEdit, EdMaxEnlarge, EDThumbOrgMin, EdWaittime, EdSupplyAtOnce})
        e->setFixedWidth(numberWidth);
    for (QLineEdit* e : {EditASText1, EditASText2})
        e->setFixedWidth(metrics.averageCharWidth() * 40 + 12);
    // The number fields of the "Include" page line up: their labels share
    // one width.
    QList<QWidget*> includeLabels;
    int labelWidth = 0;
    for (QLineEdit* e : {MinSizeEdit, MaxSizeEdit, MaxPicEdit, MAxAttachEdit, MaxSFAttachEdit}) {
        auto* form = e->parentWidget() ? qobject_cast<QFormLayout*>(e->parentWidget()->layout()) : nullptr;
        if (QWidget* l = form ? form->labelForField(e) : nullptr) {
            includeLabels << l;
            labelWidth = std::max(labelWidth, l->sizeHint().width());
        }
    }
    for (QWidget* l : includeLabels)
        l->setFixedWidth(labelWidth);
    // The dialog fits an 800 x 600 screen; the tabs that do not fit scroll.
    PageControl1->setUsesScrollButtons(true);
    PageControl1->setElideMode(Qt::ElideNone);
    const QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    resize(std::min(OptionsDialogSize.width(), avail.width() - 40), std::min(OptionsDialogSize.height(), avail.height() - 60));
    setValues(OptionsValuesFrom(Settings, AddSettings));
}

void TForm3::buildPages()
{
    auto* outer = new QVBoxLayout(this);
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(8);
    outer->addWidget(Panel2);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    outer->addWidget(PageControl1);

    // "Include"
    IncludeSheet = page(PageControl1, "IncludeSheet", QStringLiteral("Include"));
    {
        auto* grid = new QGridLayout(IncludeSheet);
        auto* types = new QGroupBox(QString(), IncludeSheet);
        auto* tl = new QGridLayout(types);
        static const char* boxNames[] = {"InclJPGBox", "InclJPEGBox", "InclBMPBox", "InclICOBox",
                                         "InclEMFBox", "InclWMFBox", "InclGIFBox"};
        static const char* suffixes[] = {"JPG", "JPEG", "BMP", "ICO", "EMF", "WMF", "GIF"};
        static const char* captions[] = {"*.jpg", "*.jpeg", "*.bmp", "*.ico", "*.emf", "*.wmf", "*.gif"};
        for (int i = 0; i < 7; ++i) {
            InclBoxes[size_t(i)] = checkBox(types, boxNames[i], QString::fromLatin1(captions[i]));
            // The coloured picture and its grey twin laid exactly over it.
            auto* holder = new QWidget(types);
            holder->setFixedSize(18, 18);
            TypeImages[size_t(i)] = label(holder, QString(), nullptr);
            TypeImages[size_t(i)]->setObjectName(QStringLiteral("Im") + QLatin1String(suffixes[i]));
            GreyImages[size_t(i)] = label(holder, QString(), nullptr);
            GreyImages[size_t(i)]->setObjectName(QStringLiteral("GIm") + QLatin1String(suffixes[i]));
            const QIcon icon = QIcon::fromTheme(QStringLiteral("image-x-generic"));
            const QPixmap colour = icon.pixmap(16, 16);
            TypeImages[size_t(i)]->setPixmap(colour);
            GreyImages[size_t(i)]->setPixmap(icon.pixmap(16, 16, QIcon::Disabled));
            for (QLabel* l : {TypeImages[size_t(i)], GreyImages[size_t(i)]})
                l->setGeometry(0, 0, 18, 18);
            GreyImages[size_t(i)]->move(TypeImages[size_t(i)]->x(), 0);
            tl->addWidget(holder, i, 0);
            tl->addWidget(InclBoxes[size_t(i)], i, 1);
            connect(InclBoxes[size_t(i)], &QCheckBox::toggled, this, [this, i] { InclBoxClick(i); });
        }
        grid->addWidget(types, 0, 0, 3, 1);

        auto* size = new QGroupBox(QStringLiteral("Size in Kb"), IncludeSheet);
        auto* sl = new QFormLayout(size);
        MinSizeEdit = lineEdit(size, "MinSizeEdit");
        MaxSizeEdit = lineEdit(size, "MaxSizeEdit");
        sl->addRow(QStringLiteral("Minimum"), MinSizeEdit);
        sl->addRow(QStringLiteral("Maximum"), MaxSizeEdit);
        grid->addWidget(size, 0, 1);

        auto* pics = new QGroupBox(QStringLiteral("Pictures to select"), IncludeSheet);
        auto* pl = new QFormLayout(pics);
        MaxPicEdit = lineEdit(pics, "MaxPicEdit");
        pl->addRow(QStringLiteral("Maximum :"), MaxPicEdit);
        grid->addWidget(pics, 1, 1);

        auto* folders = new QGroupBox(QStringLiteral("Include folders"), IncludeSheet);
        auto* fl = new QVBoxLayout(folders);
        CheckBox2 = checkBox(folders, "CheckBox2", QStringLiteral("Subfolders"));
        InclSysFldrCheckBox = checkBox(folders, "InclSysFldrCheckBox", QStringLiteral("System/Hidden"));
        fl->addWidget(CheckBox2);
        fl->addWidget(InclSysFldrCheckBox);
        grid->addWidget(folders, 2, 1);

        auto* mail = new QGroupBox(QStringLiteral("Mail attachments"), IncludeSheet);
        auto* ml = new QFormLayout(mail);
        MAxAttachEdit = lineEdit(mail, "MAxAttachEdit");
        MaxSFAttachEdit = lineEdit(mail, "MaxSFAttachEdit");
        ml->addRow(QStringLiteral("Picture maximum :"), MAxAttachEdit);
        ml->addRow(QStringLiteral("Sound file max. :"), MaxSFAttachEdit);
        grid->addWidget(mail, 3, 1);
        for (QFormLayout* form : {sl, pl, ml})
            form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        grid->setRowStretch(4, 1);
    }

    // "Play"
    PlaySheet = page(PageControl1, "PlaySheet", QStringLiteral("Play"));
    {
        auto* grid = new QGridLayout(PlaySheet);
        Intervalgroup = new TRadioGroup(QStringLiteral("Intervalgroup"), QStringLiteral("Interval"),
                                        IntervalGroupItems(), PlaySheet);
        RadioGroup1 = new TRadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Playorder"),
                                      PlayOrderItems(), PlaySheet);
        grid->addWidget(Intervalgroup, 0, 0);
        grid->addWidget(RadioGroup1, 0, 1);
        auto* boxes = new QVBoxLayout;
        CheckBox1 = checkBox(PlaySheet, "CheckBox1", QStringLiteral("Continuous play"));
        ManualBox = checkBox(PlaySheet, "ManualBox", QStringLiteral("Start in Manual mode"));
        IgnoreErrorsBox = checkBox(PlaySheet, "IgnoreErrorsBox", QStringLiteral("Ignore errors"));
        CBShowModel = checkBox(PlaySheet, "CBShowModel", QStringLiteral("Show camera model in title"));
        for (QWidget* w : {static_cast<QWidget*>(CheckBox1), static_cast<QWidget*>(ManualBox),
                           static_cast<QWidget*>(IgnoreErrorsBox), static_cast<QWidget*>(CBShowModel)})
            boxes->addWidget(w);
        grid->addLayout(boxes, 1, 0);
        auto* colour = new QHBoxLayout;
        BackGroundButton = button(PlaySheet, "BackGroundButton", QStringLiteral("&Background Color"));
        BackgroundColorLabel = label(PlaySheet, QString(), "BackgroundColorLabel");
        BackgroundColorLabel->setFixedSize(40, 20);
        BackgroundColorLabel->setAutoFillBackground(true);
        colour->addWidget(BackGroundButton);
        colour->addWidget(BackgroundColorLabel);
        colour->addStretch();
        grid->addLayout(colour, 1, 1);
        auto* enlarge = new QHBoxLayout;
        EdMaxEnlarge = lineEdit(PlaySheet, "EdMaxEnlarge");
        UDMaxEnlarge = new TUpDown(QStringLiteral("UDMaxEnlarge"), EdMaxEnlarge, MaxEnlargeMin, MaxEnlargeMax, PlaySheet);
        enlarge->addWidget(label(PlaySheet, QStringLiteral("Maximum picture enlargement :")));
        enlarge->addWidget(EdMaxEnlarge);
        enlarge->addWidget(UDMaxEnlarge);
        enlarge->addWidget(label(PlaySheet, QStringLiteral("%")));
        enlarge->addStretch();
        grid->addLayout(enlarge, 2, 0, 1, 2);
        grid->setRowStretch(3, 1);
        connect(BackGroundButton, &QPushButton::clicked, this, &TForm3::BackGroundButtonClick);
    }

    // "Full Screen"
    FullScreenSheet = page(PageControl1, "FullScreenSheet", QStringLiteral("Full Screen"));
    {
        auto* l = new QVBoxLayout(FullScreenSheet);
        ShowTitlesCheckBox = checkBox(FullScreenSheet, "ShowTitlesCheckBox", QStringLiteral("Show titles"));
        ShowHintsBox = checkBox(FullScreenSheet, "ShowHintsBox", QStringLiteral("Show hints "));
        ShowButtonsCB = checkBox(FullScreenSheet, "ShowButtonsCB",
                                 QStringLiteral("Show navigation buttons when show paused"));
        DoDockCB = checkBox(FullScreenSheet, "DoDockCB",
                            QStringLiteral("Automatically dock navigation buttons to the edge"));
        for (QWidget* w : {static_cast<QWidget*>(ShowTitlesCheckBox), static_cast<QWidget*>(ShowHintsBox),
                           static_cast<QWidget*>(ShowButtonsCB), static_cast<QWidget*>(DoDockCB)})
            l->addWidget(w);
        auto* mon = new QGroupBox(QStringLiteral("Second monitor settings:"), FullScreenSheet);
        auto* ml = new QFormLayout(mon);
        LEMon2Width = lineEdit(mon, "LEMon2Width");
        LEMon2Height = lineEdit(mon, "LEMon2Height");
        CBMon2Manual = checkBox(mon, "CBMon2Manual", QStringLiteral("Center picture on second monitor manually"));
        ml->addRow(QStringLiteral("Width in pixels:"), LEMon2Width);
        ml->addRow(QStringLiteral("Height in pixels:"), LEMon2Height);
        ml->addRow(CBMon2Manual);
        ml->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        l->addWidget(mon);
        l->addStretch();
    }

    // "Edit"
    EditProgramsSheet = page(PageControl1, "EditProgramsSheet", QStringLiteral("Edit"));
    {
        auto* l = new QVBoxLayout(EditProgramsSheet);
        l->addWidget(label(EditProgramsSheet, QStringLiteral("Edit program :")));
        ExtProgComboBox = comboBox(EditProgramsSheet, "ExtProgComboBox", {}, true);
        ExtProgComboBox->setInsertPolicy(QComboBox::NoInsert);
        l->addWidget(ExtProgComboBox);
        auto* row = new QHBoxLayout;
        BrowseButton = button(EditProgramsSheet, "BrowseButton", QStringLiteral("&Browse"));
        RemoveEditProgram = button(EditProgramsSheet, "RemoveEditProgram",
                                   QStringLiteral("&Remove Edit program from list "));
        row->addWidget(BrowseButton);
        row->addWidget(RemoveEditProgram);
        l->addLayout(row);
        ResetFileDateCB = checkBox(EditProgramsSheet, "ResetFileDateCB",
                                   QStringLiteral("Reset file date to date taken (EXIF) after edit, rotate"));
        l->addWidget(ResetFileDateCB);
        l->addStretch();
        connect(BrowseButton, &QPushButton::clicked, this, &TForm3::BrowseButtonClick);
        connect(RemoveEditProgram, &QPushButton::clicked, this, &TForm3::RemoveEditProgramClick);
        connect(ExtProgComboBox, &QComboBox::activated, this, &TForm3::ExtProgComboBoxClick);
    }

    // "Automatic Show/CD"
    AutomaticShowSheet = page(PageControl1, "AutomaticShowSheet", QStringLiteral("Automatic Show/CD"));
    {
        auto* l = new QVBoxLayout(AutomaticShowSheet);
        NeverUseASCheckBox = checkBox(AutomaticShowSheet, "NeverUseASCheckBox", QStringLiteral("Never use Automatic Show"));
        HoldLastShowBox = checkBox(AutomaticShowSheet, "HoldLastShowBox", QStringLiteral("Keep current  Automatic Show "));
        l->addWidget(NeverUseASCheckBox);
        l->addWidget(HoldLastShowBox);
        auto* row = new QHBoxLayout;
        SecondsWaitASEdit = lineEdit(AutomaticShowSheet, "SecondsWaitASEdit");
        SecondsWaitASLabel = label(AutomaticShowSheet, QStringLiteral("seconds to wait before activation"),
                                   "SecondsWaitASLabel");
        row->addWidget(SecondsWaitASEdit);
        row->addWidget(SecondsWaitASLabel);
        row->addStretch();
        l->addLayout(row);
        ASTextLabel = label(AutomaticShowSheet, QStringLiteral("Free text for Automatic Starting CD"), "ASTextLabel");
        EditASText1 = lineEdit(AutomaticShowSheet, "EditASText1");
        EditASText2 = lineEdit(AutomaticShowSheet, "EditASText2");
        EditASText1->setMaxLength(38);
        EditASText2->setMaxLength(38);
        l->addWidget(ASTextLabel);
        l->addWidget(EditASText1);
        l->addWidget(EditASText2);
        Bevel1 = new QFrame(AutomaticShowSheet);
        Bevel1->setObjectName(QStringLiteral("Bevel1"));
        Bevel1->setFrameShape(QFrame::HLine);
        l->addWidget(Bevel1);
        l->addStretch();
        connect(NeverUseASCheckBox, &QCheckBox::toggled, this, &TForm3::NeverUseASCheckBoxClick);
    }

    // "MyShow"
    MyShowTextSheet = page(PageControl1, "MyShowTextSheet", QStringLiteral("MyShow"));
    {
        auto* grid = new QGridLayout(MyShowTextSheet);
        grid->addWidget(label(MyShowTextSheet, QStringLiteral("Interval ")), 0, 0);
        IntervalComboBox = comboBox(MyShowTextSheet, "IntervalComboBox", NewShowIntervalItems());
        grid->addWidget(IntervalComboBox, 0, 1);
        grid->addWidget(label(MyShowTextSheet, QStringLiteral("Playorder")), 1, 0);
        PlayOrderComboBox = comboBox(MyShowTextSheet, "PlayOrderComboBox", NewShowPlayOrderItems());
        grid->addWidget(PlayOrderComboBox, 1, 1);
        grid->addWidget(label(MyShowTextSheet, QStringLiteral("Text label delay")), 2, 0);
        DelayCB = comboBox(MyShowTextSheet, "DelayCB", TextDelayItems());
        grid->addWidget(DelayCB, 2, 1);
        AttachWAVRG = new TRadioGroup(QStringLiteral("AttachWAVRG"), QStringLiteral("Attach Voice file if present"),
                                      {QStringLiteral("Yes"), QStringLiteral("No")}, MyShowTextSheet);
        grid->addWidget(AttachWAVRG, 3, 0);
        auto* sound = new QVBoxLayout;
        sound->addWidget(label(MyShowTextSheet,
                               QStringLiteral("If length of voice file higher than picture interval:")));
        SoundActionCB = comboBox(MyShowTextSheet, "SoundActionCB", SoundActionItems());
        sound->addWidget(SoundActionCB);
        sound->addStretch();
        grid->addLayout(sound, 3, 1);
        FadeCB = checkBox(MyShowTextSheet, "FadeCB", QStringLiteral(" Use Fade out/in"));
        KeepSyncCB = checkBox(MyShowTextSheet, "KeepSyncCB", QStringLiteral("Synchronize MyShow"));
        KeepSyncCB->setToolTip(QStringLiteral("Update MyShow files after every rename or move action"));
        grid->addWidget(FadeCB, 4, 0);
        grid->addWidget(KeepSyncCB, 4, 1);

        auto* align = new QHBoxLayout;
        auto* hGroup = new QButtonGroup(this);
        auto* vGroup = new QButtonGroup(this);
        AlignLeftButton = alignButton(MyShowTextSheet, "AlignLeftButton", QStringLiteral("L"), hGroup);
        AlignCenterButton = alignButton(MyShowTextSheet, "AlignCenterButton", QStringLiteral("C"), hGroup);
        AlignRightButton = alignButton(MyShowTextSheet, "AlignRightButton", QStringLiteral("R"), hGroup);
        TopAlignButton = alignButton(MyShowTextSheet, "TopAlignButton", QStringLiteral("T"), vGroup);
        CenterAlignButton = alignButton(MyShowTextSheet, "CenterAlignButton", QStringLiteral("C"), vGroup);
        BottomAlignButton = alignButton(MyShowTextSheet, "BottomAlignButton", QStringLiteral("B"), vGroup);
        for (QToolButton* b : {AlignLeftButton, AlignCenterButton, AlignRightButton, TopAlignButton,
                               CenterAlignButton, BottomAlignButton}) {
            align->addWidget(b);
            connect(b, &QToolButton::toggled, this, [this](bool on) {
                if (on)
                    PlaceExampleLabel();
            });
        }
        FontSB = button(MyShowTextSheet, "FontSB", QStringLiteral("Font and Basic Colors"));
        ColorSB = button(MyShowTextSheet, "ColorSB", QStringLiteral("Any Color"));
        TransparentCB = checkBox(MyShowTextSheet, "TransparentCB", QStringLiteral("Transparent"));
        align->addWidget(FontSB);
        align->addWidget(ColorSB);
        align->addWidget(TransparentCB);
        align->addStretch();
        grid->addLayout(align, 5, 0, 1, 2);
        grid->setRowStretch(7, 1);
        Panel3 = new QFrame(MyShowTextSheet);
        Panel3->setObjectName(QStringLiteral("Panel3"));
        Panel3->setFrameShape(QFrame::Box);
        Panel3->setFixedSize(300, 80);
        ExampleLabel = label(Panel3, QStringLiteral("Example"), "ExampleLabel");
        grid->addWidget(Panel3, 6, 0, 1, 2);
        connect(FontSB, &QPushButton::clicked, this, &TForm3::FontSBClick);
        connect(ColorSB, &QPushButton::clicked, this, &TForm3::ColorSBClick);
        connect(TransparentCB, &QCheckBox::toggled, this, &TForm3::TransparentCBClick);
    }

    // "Video"
    VideoTextSheet = page(PageControl1, "VideoTextSheet", QStringLiteral("Video"));
    {
        auto* l = new QVBoxLayout(VideoTextSheet);
        l->addWidget(label(VideoTextSheet, QStringLiteral("Video program :")));
        VidProgComboBox = comboBox(VideoTextSheet, "VidProgComboBox", {}, true);
        VidProgComboBox->setInsertPolicy(QComboBox::NoInsert);
        l->addWidget(VidProgComboBox);
        auto* row = new QHBoxLayout;
        BrowseVideoButton = button(VideoTextSheet, "BrowseVideoButton", QStringLiteral("&Browse"));
        RemoveVideoProgram = button(VideoTextSheet, "RemoveVideoProgram",
                                    QStringLiteral("&Remove Video program from list "));
        row->addWidget(BrowseVideoButton);
        row->addWidget(RemoveVideoProgram);
        l->addLayout(row);
        l->addStretch();
        connect(BrowseVideoButton, &QPushButton::clicked, this, &TForm3::BrowseVideoButtonClick);
        connect(RemoveVideoProgram, &QPushButton::clicked, this, &TForm3::RemoveVideoProgramClick);
        connect(VidProgComboBox, &QComboBox::activated, this, &TForm3::VidProgComboBoxClick);
    }

    // "Update/New version", "Playlist", "Voice files"
    UpdateTab = page(PageControl1, "UpdateTab", QStringLiteral("Update/New version"));
    {
        auto* l = new QVBoxLayout(UpdateTab);
        AskUpdateCB = checkBox(UpdateTab, "AskUpdateCB",
                               QStringLiteral("Ask me once a month to check for Update/New version"));
        l->addWidget(AskUpdateCB);
        l->addStretch();
    }
    PlayListTS = page(PageControl1, "PlayListTS", QStringLiteral("Playlist"));
    {
        auto* l = new QVBoxLayout(PlayListTS);
        PLPlayorderRG = new TRadioGroup(QStringLiteral("PLPlayorderRG"), QStringLiteral("Default Playorder (Sound files)"),
                                        {QStringLiteral("Playlist"), QStringLiteral("Random")}, PlayListTS);
        l->addWidget(PLPlayorderRG);
        l->addStretch();
    }
    VoiceTB = page(PageControl1, "VoiceTB", QStringLiteral("Voice files"));
    {
        auto* l = new QVBoxLayout(VoiceTB);
        VoiceRG = new TRadioGroup(QStringLiteral("VoiceRG"), QString(),
                                  {QStringLiteral("Always delete the Voice file"),
                                   QStringLiteral("Prompt me every time this occurs"),
                                   QStringLiteral("Never delete the Voice file")},
                                  VoiceTB);
        l->addWidget(VoiceRG);
        l->addWidget(label(VoiceTB, QStringLiteral("When you save a picture with an existing Voice file")));
        AutoCopyCB = checkBox(VoiceTB, "AutoCopyCB", QStringLiteral("also copy this Voice file"));
        l->addWidget(AutoCopyCB);
        l->addStretch();
    }

    // "Thumbnails"
    TSMultSlideMode = page(PageControl1, "TSMultSlideMode", QStringLiteral("Thumbnails"));
    {
        auto* grid = new QGridLayout(TSMultSlideMode);
        grid->addWidget(label(TSMultSlideMode, QStringLiteral("Number of pictures on one page:")), 0, 0);
        CBMultMode = comboBox(TSMultSlideMode, "CBMultMode", PicturesPerPageItems());
        grid->addWidget(CBMultMode, 0, 1);
        RGFillMode = new TRadioGroup(QStringLiteral("RGFillMode"), QStringLiteral("Fill mode:"),
                                     {QStringLiteral("Top-Bottom"), QStringLiteral("Left-Right")}, TSMultSlideMode);
        grid->addWidget(RGFillMode, 1, 0);
        CBThManualMode = checkBox(TSMultSlideMode, "CBThManualMode", QStringLiteral("Start in Manual mode"));
        grid->addWidget(CBThManualMode, 1, 1);
        auto* drives = new QGroupBox(QStringLiteral("Create thumbnails on:"), TSMultSlideMode);
        auto* dl = new QVBoxLayout(drives);
        CBUseThumbFD = checkBox(drives, "CBUseThumbFD", QStringLiteral("Fixed drives"));
        CBUseThumbNWD = checkBox(drives, "CBUseThumbNWD", QStringLiteral("Network drives"));
        CBUseThumbRD = checkBox(drives, "CBUseThumbRD", QStringLiteral("Removable drives"));
        for (QCheckBox* b : {CBUseThumbFD, CBUseThumbNWD, CBUseThumbRD}) {
            dl->addWidget(b);
            connect(b, &QCheckBox::toggled, this, &TForm3::CBUseThumbFDClick);
        }
        grid->addWidget(drives, 2, 0);
        RGThumbSize = new TRadioGroup(QStringLiteral("RGThumbSize"), QStringLiteral("Required size:"),
                                      ThumbSizeItems(), TSMultSlideMode);
        grid->addWidget(RGThumbSize, 2, 1);
        auto* row = new QHBoxLayout;
        EDThumbOrgMin = lineEdit(TSMultSlideMode, "EDThumbOrgMin");
        UDThumbOrgMin = new TUpDown(QStringLiteral("UDThumbOrgMin"), EDThumbOrgMin, ThumbOrgMinMin, ThumbOrgMinMax,
                                    TSMultSlideMode);
        row->addWidget(label(TSMultSlideMode, QStringLiteral("Minimum size of original (in kb):")));
        row->addWidget(EDThumbOrgMin);
        row->addWidget(UDThumbOrgMin);
        row->addStretch();
        grid->addLayout(row, 3, 0, 1, 2);
        grid->setRowStretch(4, 1);
    }

    // "Upload"
    TbUpload = page(PageControl1, "TbUpload", QStringLiteral("Upload"));
    {
        auto* grid = new QGridLayout(TbUpload);
        grid->addWidget(label(TbUpload, QStringLiteral("Upload program:")), 0, 0);
        EDUploadProgram = lineEdit(TbUpload, "EDUploadProgram");
        grid->addWidget(EDUploadProgram, 0, 1);
        BtnBrowseUpload = button(TbUpload, "BtnBrowseUpload", QStringLiteral("&Browse"));
        grid->addWidget(BtnBrowseUpload, 0, 2);
        EdWaittime = lineEdit(TbUpload, "EdWaittime");
        UDWaittime = new TUpDown(QStringLiteral("UDWaittime"), EdWaittime, UploadWaitMin, UploadWaitMax, TbUpload);
        grid->addWidget(label(TbUpload, QStringLiteral("Seconds to wait to let Upload program initialize itself "
                                                       "before passing pictures")),
                        1, 0, 1, 3);
        auto* r1 = new QHBoxLayout;
        r1->addWidget(EdWaittime);
        r1->addWidget(UDWaittime);
        r1->addStretch();
        grid->addLayout(r1, 2, 0, 1, 3);
        EdSupplyAtOnce = lineEdit(TbUpload, "EdSupplyAtOnce");
        UDSupplyAtOnce = new TUpDown(QStringLiteral("UDSupplyAtOnce"), EdSupplyAtOnce, UploadBatchMin, UploadBatchMax,
                                     TbUpload);
        grid->addWidget(label(TbUpload, QStringLiteral("Number of pictures to supply at once to the upload program")),
                        3, 0, 1, 3);
        auto* r2 = new QHBoxLayout;
        r2->addWidget(EdSupplyAtOnce);
        r2->addWidget(UDSupplyAtOnce);
        r2->addStretch();
        grid->addLayout(r2, 4, 0, 1, 3);
        grid->setRowStretch(5, 1);
        connect(BtnBrowseUpload, &QPushButton::clicked, this, &TForm3::BtnBrowseUploadClick);
    }

    // "SmallPics"
    TBSmallPics = page(PageControl1, "TBSmallPics", QStringLiteral("SmallPics"));
    {
        auto* l = new QVBoxLayout(TBSmallPics);
        CBExcludeSmallPics = checkBox(TBSmallPics, "CBExcludeSmallPics",
                                      QStringLiteral("Always exclude SmallPics folders as subfolder"));
        CBHideSmallPics = checkBox(TBSmallPics, "CBHideSmallPics",
                                   QStringLiteral("Hide SmallPics folders for other programs"));
        l->addWidget(CBExcludeSmallPics);
        l->addWidget(CBHideSmallPics);
        l->addStretch();
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    PictureOptionsDone = button(this, "PictureOptionsDone", QStringLiteral("&Apply"));
    CancelButton = button(this, "CancelButton", QStringLiteral("&Cancel"));
    buttons->addWidget(PictureOptionsDone);
    buttons->addWidget(CancelButton);
    outer->addLayout(buttons);
    connect(PictureOptionsDone, &QPushButton::clicked, this, &TForm3::PictureOptionsDoneClick);
    connect(CancelButton, &QPushButton::clicked, this, &TForm3::CancelButtonClick);
}

// ---- Values in and out -------------------------------------------------------------

void TForm3::setValues(const TOptionsValues& v)
{
    m_loading = true;
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

    Intervalgroup->setItemIndex(v.IntervalIndex);
    RadioGroup1->setItemIndex(v.PlayOrder);
    CheckBox1->setChecked(v.ContinuousPlay);
    ManualBox->setChecked(v.StartManualMode);
    IgnoreErrorsBox->setChecked(v.IgnoreErrors);
    m_backgroundColor = v.BackgroundColor;
    EdMaxEnlarge->setText(v.MaxEnlargeText);
    CBShowModel->setChecked(v.ShowCameraModel);

    ShowTitlesCheckBox->setChecked(v.ShowTitles);
    ShowHintsBox->setChecked(v.ShowHints);
    ShowButtonsCB->setChecked(v.ShowPanelWhenPaused);
    DoDockCB->setChecked(v.DockPanel);
    LEMon2Width->setText(v.Mon2WidthText);
    LEMon2Height->setText(v.Mon2HeightText);
    CBMon2Manual->setChecked(v.Mon2Manual);

    fillProgramList(ExtProgComboBox, v.EditPrograms);
    ExtProgComboBox->setEditText(v.EditProgramText);
    ResetFileDateCB->setChecked(v.ResetFileDate);
    fillProgramList(VidProgComboBox, v.VideoPrograms);
    programButtons(ExtProgComboBox, BrowseButton, RemoveEditProgram);
    programButtons(VidProgComboBox, BrowseVideoButton, RemoveVideoProgram);

    NeverUseASCheckBox->setChecked(v.NeverAutoShow);
    HoldLastShowBox->setChecked(v.KeepAutoShow);
    SecondsWaitASEdit->setText(v.SecondsWaitText);
    EditASText1->setText(v.CDIntroText1);
    EditASText2->setText(v.CDIntroText2);
    Bevel1->setToolTip(AutomaticShowHintPrefix + Settings.AutoShowPath);
    NeverUseASCheckBoxClick();

    IntervalComboBox->setCurrentIndex(v.NewShowIntervalIndex);
    PlayOrderComboBox->setCurrentIndex(v.NewShowPlayOrder);
    DelayCB->setCurrentIndex(v.TextDelay);
    AttachWAVRG->setItemIndex(v.AttachVoiceIndex);
    SoundActionCB->setCurrentIndex(v.VoiceLongerAction);
    FadeCB->setChecked(v.DefaultFade);
    KeepSyncCB->setChecked(v.KeepShowsInSync);
    m_fontName = v.TextFontName;
    m_fontStyle = v.TextFontStyle;
    m_fontSize = v.TextFontSize;
    m_textColor = v.TextColor;
    QFont f = ExampleLabel->font();
    if (!m_fontName.isEmpty())
        f.setFamily(m_fontName);
    if (m_fontSize > 0)
        f.setPointSize(m_fontSize);
    f.setBold(m_fontStyle & 1);
    f.setItalic(m_fontStyle & 2);
    f.setUnderline(m_fontStyle & 4);
    f.setStrikeOut(m_fontStyle & 8);
    ExampleLabel->setFont(f);
    TransparentCB->setChecked(v.TextTransparent);
    const auto press = [](QToolButton* b) { b->setChecked(true); };
    press(v.TextHAlign == QChar('R') ? AlignRightButton : v.TextHAlign == QChar('C') ? AlignCenterButton : AlignLeftButton);
    press(v.TextVAlign == QChar('T') ? TopAlignButton : v.TextVAlign == QChar('C') ? CenterAlignButton : BottomAlignButton);
    setExampleColor(m_backgroundColor);

    AskUpdateCB->setChecked(v.AskMonthlyUpdate);
    PLPlayorderRG->setItemIndex(v.PlaylistPlayOrder);
    VoiceRG->setItemIndex(v.VoiceDeleteMode);
    AutoCopyCB->setChecked(v.AutoCopyVoice);

    CBMultMode->setCurrentIndex(v.PicturesPerPageIndex);
    RGFillMode->setItemIndex(v.ThumbFillMode);
    CBThManualMode->setChecked(v.ThumbManualMode);
    CBUseThumbFD->setChecked(v.ThumbsOnFixedDrives);
    CBUseThumbNWD->setChecked(v.ThumbsOnNetworkDrives);
    CBUseThumbRD->setChecked(v.ThumbsOnRemovableDrives);
    RGThumbSize->setItemIndex(v.ThumbSizeIndex);
    UDThumbOrgMin->setPosition(v.ThumbMinSizeKB);
    CBUseThumbFDClick();

    EDUploadProgram->setText(v.UploaderPath);
    UDWaittime->setPosition(v.UploaderWaitSeconds);
    UDSupplyAtOnce->setPosition(v.UploadBatchSize);

    CBExcludeSmallPics->setChecked(v.ExcludeSmallPics);
    CBHideSmallPics->setChecked(v.HideSmallPics);
    m_loading = false;
    PlaceExampleLabel();
}

TOptionsValues TForm3::values() const
{
    TOptionsValues v;
    for (size_t i = 0; i < 7; ++i)
        v.InclTypes[i] = InclBoxes[i]->isChecked();
    v.MinSizeText = MinSizeEdit->text();
    v.MaxSizeText = MaxSizeEdit->text();
    v.MaxPicText = MaxPicEdit->text();
    v.IncludeSubfolders = CheckBox2->isChecked();
    v.IncludeSystemFolders = InclSysFldrCheckBox->isChecked();
    v.MaxAttachText = MAxAttachEdit->text();
    v.MaxSFAttachText = MaxSFAttachEdit->text();

    v.IntervalIndex = qMax(0, Intervalgroup->itemIndex());
    v.PlayOrder = qMax(0, RadioGroup1->itemIndex());
    v.ContinuousPlay = CheckBox1->isChecked();
    v.StartManualMode = ManualBox->isChecked();
    v.IgnoreErrors = IgnoreErrorsBox->isChecked();
    v.BackgroundColor = m_backgroundColor;
    v.MaxEnlargeText = EdMaxEnlarge->text();
    v.ShowCameraModel = CBShowModel->isChecked();

    v.ShowTitles = ShowTitlesCheckBox->isChecked();
    v.ShowHints = ShowHintsBox->isChecked();
    v.ShowPanelWhenPaused = ShowButtonsCB->isChecked();
    v.DockPanel = DoDockCB->isChecked();
    v.Mon2WidthText = LEMon2Width->text();
    v.Mon2HeightText = LEMon2Height->text();
    v.Mon2Manual = CBMon2Manual->isChecked();

    v.EditPrograms = programList(ExtProgComboBox);
    v.EditProgramText = ExtProgComboBox->currentText();
    v.ResetFileDate = ResetFileDateCB->isChecked();
    v.VideoPrograms = programList(VidProgComboBox);

    v.NeverAutoShow = NeverUseASCheckBox->isChecked();
    v.KeepAutoShow = HoldLastShowBox->isChecked();
    v.SecondsWaitText = SecondsWaitASEdit->text();
    v.CDIntroText1 = EditASText1->text();
    v.CDIntroText2 = EditASText2->text();

    v.NewShowIntervalIndex = qMax(0, IntervalComboBox->currentIndex());
    v.NewShowPlayOrder = qMax(0, PlayOrderComboBox->currentIndex());
    v.TextDelay = qMax(0, DelayCB->currentIndex());
    v.AttachVoiceIndex = AttachWAVRG->itemIndex() == 0 ? 0 : 1;
    v.VoiceLongerAction = qMax(0, SoundActionCB->currentIndex());
    v.DefaultFade = FadeCB->isChecked();
    v.KeepShowsInSync = KeepSyncCB->isChecked();
    v.TextHAlign = AlignLeftButton->isChecked() ? QChar('L') : AlignCenterButton->isChecked() ? QChar('C')
                 : AlignRightButton->isChecked() ? QChar('R') : QChar();
    v.TextVAlign = TopAlignButton->isChecked() ? QChar('T') : CenterAlignButton->isChecked() ? QChar('C')
                 : BottomAlignButton->isChecked() ? QChar('B') : QChar();
    v.TextFontName = m_fontName;
    v.TextFontStyle = m_fontStyle;
    v.TextFontSize = m_fontSize;
    v.TextColor = m_textColor;
    v.TextTransparent = TransparentCB->isChecked();

    v.AskMonthlyUpdate = AskUpdateCB->isChecked();
    v.PlaylistPlayOrder = qMax(0, PLPlayorderRG->itemIndex());
    v.VoiceDeleteMode = qMax(0, VoiceRG->itemIndex());
    v.AutoCopyVoice = AutoCopyCB->isChecked();

    v.PicturesPerPageIndex = CBMultMode->currentIndex();
    v.ThumbFillMode = qMax(0, RGFillMode->itemIndex());
    v.ThumbManualMode = CBThManualMode->isChecked();
    v.ThumbsOnFixedDrives = CBUseThumbFD->isChecked();
    v.ThumbsOnNetworkDrives = CBUseThumbNWD->isChecked();
    v.ThumbsOnRemovableDrives = CBUseThumbRD->isChecked();
    v.ThumbSizeIndex = qMax(0, RGThumbSize->itemIndex());
    v.ThumbMinSizeKB = UDThumbOrgMin->positionOrLast();

    v.UploaderPath = EDUploadProgram->text();
    v.UploaderWaitSeconds = UDWaittime->positionOrLast();
    v.UploadBatchSize = UDSupplyAtOnce->positionOrLast();

    v.ExcludeSmallPics = CBExcludeSmallPics->isChecked();
    v.HideSmallPics = CBHideSmallPics->isChecked();
    return v;
}

// ---- Activation --------------------------------------------------------------------

void TForm3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    TimerOnActivate->start();
}

void TForm3::FormActivate()
{
    QApplication::restoreOverrideCursor();
    // Opened beside the picture-text window of MyShow: its page comes first.
    if (Form10 && Form10->isVisible())
        PageControl1->setCurrentWidget(MyShowTextSheet);
    // The show background colour in effect.
    setExampleColor(PlaybackActive == 1 ? ShowState.BackgroundColor : m_backgroundColor);
    if (PlaybackActive == 1)
        m_intervalAtActivation = IntervalGroupSeconds(qMax(0, Intervalgroup->itemIndex()));
    PictureOptionsDone->setFocus();
}

void TForm3::TimerOnActivateTimer()
{
    TimerOnActivate->stop();
    PageControl1->tabBar()->update();
}

void TForm3::TimerAltKeyTimer()
{
    for (QWidget* w : findChildren<QWidget*>())
        if (qobject_cast<QGroupBox*>(w) || qobject_cast<QFrame*>(w) || qobject_cast<QAbstractButton*>(w))
            w->update();
}

void TForm3::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & Qt::AltModifier)
        TimerAltKey->start();
    QDialog::keyPressEvent(event);
}

QWidget* TForm3::pageCaptioned(const QString& caption) const
{
    for (int i = 0; i < PageControl1->count(); ++i)
        if (PageControl1->tabText(i) == caption)
            return PageControl1->widget(i);
    return nullptr;
}

// ---- Small handlers -----------------------------------------------------------------

void TForm3::InclBoxClick(int type)
{
    GreyImages[size_t(type)]->setVisible(!InclBoxes[size_t(type)]->isChecked());
}

void TForm3::NeverUseASCheckBoxClick()
{
    const bool on = !NeverUseASCheckBox->isChecked();
    HoldLastShowBox->setEnabled(on);
    SecondsWaitASEdit->setEnabled(on);
    SecondsWaitASLabel->setEnabled(on);
    // The CD's text lines stay enabled either way.
    EditASText1->setEnabled(true);
    EditASText2->setEnabled(true);
    ASTextLabel->setEnabled(true);
}

void TForm3::CBUseThumbFDClick()
{
    const bool any = CBUseThumbFD->isChecked() || CBUseThumbNWD->isChecked() || CBUseThumbRD->isChecked();
    RGThumbSize->setEnabled(any);
    UDThumbOrgMin->setEnabled(any);
    EDThumbOrgMin->setEnabled(any);
}

// ---- Program lists -------------------------------------------------------------------

void TForm3::fillProgramList(QComboBox* box, const QStringList& list)
{
    box->clear();
    box->addItems(list.mid(0, OptionsProgramSlots));
    box->setCurrentIndex(list.isEmpty() ? -1 : 0);
}

QStringList TForm3::programList(const QComboBox* box) const
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

void TForm3::programButtons(QComboBox* box, QPushButton* browse, QPushButton* remove)
{
    const QStringList list = programList(box);
    remove->setEnabled(ProgramRemoveEnabled(list));
    browse->setEnabled(ProgramBrowseEnabled(list));
}

void TForm3::browseProgram(QComboBox* box, QPushButton* browse, QPushButton* remove)
{
    // Linux programs carry no ".exe": any file may be chosen.
    const std::optional<QString> chosen =
        platform::chooseOpenFile(QString(), QString(), QStringLiteral("Executable files|*"));
    if (!chosen || chosen->isEmpty())
        return;
    QStringList list = programList(box);
    if (AddProgramAtTop(list, *chosen) == ProgramListAdd::AlreadyListed) {
        platform::showMessage(PromptKind::Information, ProgramAlreadyListedText);
        return;
    }
    fillProgramList(box, list);
    programButtons(box, browse, remove);
}

void TForm3::removeProgram(QComboBox* box, QPushButton* browse, QPushButton* remove)
{
    const QString text = box->currentText();
    if (!text.isEmpty()) {
        QStringList list = programList(box);
        RemoveProgram(list, text);
        fillProgramList(box, list);
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
    programButtons(box, browse, remove);
}

void TForm3::chooseProgram(QComboBox* box, QPushButton* browse, QPushButton* remove, int index)
{
    QStringList list = programList(box);
    if (list.size() > 1 && index > 0) {
        ChooseProgram(list, index);
        fillProgramList(box, list);
    }
    programButtons(box, browse, remove);
}

void TForm3::BrowseButtonClick() { browseProgram(ExtProgComboBox, BrowseButton, RemoveEditProgram); }
void TForm3::RemoveEditProgramClick() { removeProgram(ExtProgComboBox, BrowseButton, RemoveEditProgram); }
void TForm3::ExtProgComboBoxClick(int index) { chooseProgram(ExtProgComboBox, BrowseButton, RemoveEditProgram, index); }
void TForm3::BrowseVideoButtonClick() { browseProgram(VidProgComboBox, BrowseVideoButton, RemoveVideoProgram); }
void TForm3::RemoveVideoProgramClick() { removeProgram(VidProgComboBox, BrowseVideoButton, RemoveVideoProgram); }
void TForm3::VidProgComboBoxClick(int index) { chooseProgram(VidProgComboBox, BrowseVideoButton, RemoveVideoProgram, index); }

void TForm3::BtnBrowseUploadClick()
{
    const std::optional<QString> chosen =
        platform::chooseOpenFile(QString(), QString(), QStringLiteral("Executable files|*"));
    if (chosen && !chosen->isEmpty())
        EDUploadProgram->setText(*chosen);
}

// ---- The example label ------------------------------------------------------------------

void TForm3::setExampleColor(int32_t colorValue)
{
    for (QLabel* l : {BackgroundColorLabel, ExampleLabel}) {
        QPalette p = l->palette();
        p.setColor(QPalette::Window, ColorOfValue(colorValue));
        if (l == ExampleLabel)
            p.setColor(QPalette::WindowText, ColorOfValue(m_textColor));
        l->setPalette(p);
    }
    BackgroundColorLabel->setAutoFillBackground(true);
    ExampleLabel->setAutoFillBackground(!TransparentCB->isChecked());
}

void TForm3::TransparentCBClick()
{
    ExampleLabel->setAutoFillBackground(!TransparentCB->isChecked());
    ExampleLabel->update();
}

void TForm3::PlaceExampleLabel()
{
    if (m_loading)
        return;
    ExampleLabel->adjustSize();
    const QChar h = AlignRightButton->isChecked() ? QChar('R') : AlignCenterButton->isChecked() ? QChar('C') : QChar('L');
    const QChar v = TopAlignButton->isChecked() ? QChar('T') : CenterAlignButton->isChecked() ? QChar('C') : QChar('B');
    ExampleLabel->move(ExampleLabelX(h, Panel3->width(), ExampleLabel->width()),
                       ExampleLabelY(v, Panel3->height(), ExampleLabel->height()));
}

void TForm3::FontSBClick()
{
    QFontDialog dialog(ExampleLabel->font(), this);
    dialog.setObjectName(QStringLiteral("FontDialog"));
    if (platform::execModal(dialog) != QDialog::Accepted)
        return;
    const QFont f = dialog.selectedFont();
    m_fontName = f.family();
    m_fontSize = f.pointSize() > 0 ? f.pointSize() : m_fontSize;
    m_fontStyle = uint8_t((f.bold() ? 1 : 0) | (f.italic() ? 2 : 0) | (f.underline() ? 4 : 0) | (f.strikeOut() ? 8 : 0));
    ExampleLabel->setFont(f);
    PlaceExampleLabel();
}

void TForm3::ColorSBClick()
{
    QColorDialog dialog(ColorOfValue(m_textColor), this);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    if (platform::execModal(dialog) != QDialog::Accepted)
        return;
    m_textColor = ColorValueOf(dialog.selectedColor());
    setExampleColor(m_backgroundColor);
}

void TForm3::BackGroundButtonClick()
{
    QColorDialog dialog(ColorOfValue(m_backgroundColor), this);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    if (platform::execModal(dialog) != QDialog::Accepted)
        return;
    m_backgroundColor = ColorValueOf(dialog.selectedColor());
    setExampleColor(m_backgroundColor);
}

// ---- Cancel and Apply ---------------------------------------------------------------------

void TForm3::CancelButtonClick()
{
    done(1);
}

void TForm3::applyEditCommands(const TOptionsValues& v, int32_t maxEnlarge)
{
    const bool exists = !v.EditProgramText.isEmpty() && EditProgramAcceptable(v.EditProgramText);
    QWidget* speed = Form9 ? Form9->RunExeSpeedButton : nullptr;
    TForm1* form = mainForm();
    const auto enable = [&](bool on, bool alsoSpeed) {
        if (form && form->RunExeToolButton)
            form->RunExeToolButton->setEnabled(on);
        if (form && form->LaunchEditProgram1)
            form->LaunchEditProgram1->setEnabled(on);
        if (alsoSpeed && speed)
            speed->setEnabled(on);
    };
    if (exists && PlaybackActive == 1)
        enable(true, true);
    if (v.EditProgramText.isEmpty()) {
        if (speed)
            speed->setEnabled(false);
        if (PlaybackActive == 1)
            enable(false, false);
    }
    // A changed enlargement limit takes effect in the running show at once.
    if (PlaybackActive == 1 && maxEnlarge != ShowState.EnlargeLimit) {
        ShowState.EnlargeLimit = maxEnlarge;
        if (ShowState.PictureLoaded == 0) {
            ShowState.EnlargePending = true;
        } else {
            ShowState.EnlargeInEffect = maxEnlarge;
            if (form)
                form->SizePictureToDisplay(false);
        }
    }
}

void TForm3::PictureOptionsDoneClick()
{
    TOptionsValues v = values();
    TOptionsCheckContext ctx;
    ctx.editProgramExists = EditProgramAcceptable(v.EditProgramText);
    ctx.secondMonitorSelected = UseMainMonitor == 0;
    TOptionsNumbers n;
    n.MaxEnlarge = Settings.MaxEnlargePercent;
    LastCheck = CheckOptions(v, ctx, n);
    if (LastCheck.ok() || LastCheck.Number >= 16)
        applyEditCommands(v, n.MaxEnlarge);
    if (!LastCheck.ok()) {
        const PromptKind kind = LastCheck.Message.startsWith(QLatin1String("Error ")) ? PromptKind::Error
                                                                                      : PromptKind::Warning;
        platform::showMessage(kind, LastCheck.Message);
        if (QWidget* p = pageCaptioned(LastCheck.Page))
            PageControl1->setCurrentWidget(p);
        if (!LastCheck.Focus.isEmpty())
            if (auto* w = findChild<QWidget*>(LastCheck.Focus))
                w->setFocus();
        return;
    }

    // 1. The additional settings, written at once when changed.
    const bool thumbsOn = ThumbnailsSwitchedOn(AddSettings, v);
    if (AddSettingsDiffer(AddSettings, v, n)) {
        StoreAddSettings(AddSettings, v, n);
        if (!AddSettingsPath.isEmpty()) {
            const platform::RecordResult written = WriteAddSettings(AddSettingsPath, AddSettings);
            if (!written.ok())
                platform::showMessage(PromptKind::Error, written.Message);
            else
                LoadAddSettings(AddSettingsPath, AddSettings, SettingsVersion, UploaderPath);
        }
    }
    if (thumbsOn && !ResetFileDateCB->isChecked()) {
        if (platform::showMessage(PromptKind::Confirmation, ResetFileDateQuestion, platform::kYesNo)
            == PromptAnswer::Yes) {
            ResetFileDateCB->setChecked(true);
            v.ResetFileDate = true;
        }
    }

    // 2., 4.-8., 10. The settings record, in memory.
    StoreOptionsInSettings(Settings, v, n, platform::now().date());

    // 11. The play options in effect; 3. the interval by the interval group,
    // the running show keeping its own when the choice did not change.
    const int32_t runningInterval = ShowState.CurrentInterval;
    ApplyShowOptions();
    const int32_t seconds = IntervalGroupSeconds(v.IntervalIndex);
    if (AutoShowRunning != 1) {
        PlayOptions.IntervalSeconds = seconds;
        ShowState.DefaultInterval = seconds;
    }
    ShowState.CurrentInterval = PlaybackActive == 1 && seconds == m_intervalAtActivation ? runningInterval
                                                                                           : PlayOptions.IntervalSeconds;

    // 12. The automatic show's options follow when the show asks for it.
    if (ShowState.CopyToAutoShowOptions == 1) {
        Settings.AutoShowOptions.IntervalIndex = Settings.IntervalIndex;
        Settings.AutoShowOptions.MaxEnlargePercent = Settings.MaxEnlargePercent;
        Settings.AutoShowOptions.ShowTitles = Settings.ShowTitles;
    }

    // 8.-10. The main window follows: its launch menu and buttons, the
    // MyShow edit button, the video program's glyph and icons.
    if (TForm1* form = mainForm()) {
        form->BuildLaunchMenu();
        form->BuildLaunchButtons();
        if (form->RunExeMyShowTB) {
            const bool listed = form->MyShowSG && form->MyShowSG->rowCount() > 0;
            const bool hidden = !form->FileNotExistLabel || form->FileNotExistLabel->isHidden();
            form->RunExeMyShowTB->setEnabled(hidden && listed && !Settings.EditPrograms[0].isEmpty()
                                             && EditProgramAcceptable(Settings.EditPrograms[0]));
        }
        const QString video = Settings.VideoPrograms[0];
        platform::ReplaceImageListIcon(platform::ImageListId::ImageList1, 22,
                                       video.isEmpty() ? QIcon() : platform::ProgramIcon(video));
        form->LoadVideoProgramIcons();
        if (PlaybackActive == 1) {
            const bool set = !Settings.EditPrograms[0].isEmpty();
            if (form->RunExeToolButton)
                form->RunExeToolButton->setEnabled(set);
            if (form->LaunchEditProgram1)
                form->LaunchEditProgram1->setEnabled(set);
            if (Form9 && Form9->RunExeSpeedButton)
                Form9->RunExeSpeedButton->setEnabled(set);
        }
        if (form->FPlayorderCB)
            form->FPlayorderCB->setCurrentIndex(Settings.PlayOrder);
    }

    // 13.
    done(1);
    if (TForm1* form = mainForm()) {
        form->UpdateHintsButton();
        form->RefreshTreeImages();
    }
    FocusMainWindow();
}

TForm1* TForm3::mainForm() const
{
    if (auto* form = qobject_cast<TForm1*>(parentWidget()))
        return form;
    return Form1;
}
