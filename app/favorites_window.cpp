#include "app/favorites_window.h"
#include "base/named_timer.h"

#include "base/environment.h"
#include "base/settings_record.h"
#include "platform/fixed_text.h"
#include "platform/icons.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The grid's cells: headers sky blue, body rows alternating grey, the
// selected row red with white text and one black frame from the type
// column to the right end; the type column shows the show or folder glyph.
class MaintenanceCellDelegate : public QStyledItemDelegate {
public:
    MaintenanceCellDelegate(QTableWidget* grid)
        : QStyledItemDelegate(grid), grid_(grid)
    {
    }
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int row = index.row() + 1;       // grid row 1 .. 9
        const int col = index.column();
        const QRect r = option.rect;
        const bool selected = row == grid_->currentRow() + 1 && col >= 1;
        QColor back = col < 1 ? QColor(0xA6, 0xCA, 0xF0) : (row % 2 ? QColor(0xDE, 0xDE, 0xDE) : QColor(0xFA, 0xFA, 0xFA));
        QColor text = Qt::black;
        if (selected) {
            back = QColor(0xFF, 0x3D, 0x0D);
            text = Qt::white;
        }
        p->fillRect(r, back);
        const QString value = index.data().toString();
        if (col == 1 && (value == QLatin1String("M") || value == QLatin1String("F"))) {
            const QPixmap glyph = platform::ImageListPixmap(platform::ImageListId::MenuIL,
                                                            value == QLatin1String("M") ? 57 : 58);
            p->drawPixmap(r.left() + 2, r.top() + 1, glyph);
        } else {
            p->setPen(text);
            p->setFont(option.font);
            p->save();
            p->setClipRect(r);
            p->drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, value);
            p->restore();
        }
        if (selected) {
            const int anchor = grid_->columnViewportPosition(1);
            p->setPen(Qt::black);
            p->setBrush(Qt::NoBrush);
            p->drawRect(QRect(QPoint(anchor, r.top()), QPoint(r.right() + 5, r.bottom())));
        }
    }

private:
    QTableWidget* grid_;
};

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QFrame* makePanel(QWidget* parent, const char* name)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}
} // namespace

// The grid of entries: sequence, type and folder or show file.
void FavoritesWindow::makeGrid(QVBoxLayout* outer)
{
    SGFolder = new QTableWidget(MaintenanceRows, 3, this);
    SGFolder->setObjectName(QStringLiteral("SGFolder"));
    SGFolder->setSelectionBehavior(QAbstractItemView::SelectRows);
    SGFolder->setSelectionMode(QAbstractItemView::SingleSelection);
    SGFolder->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGFolder->verticalHeader()->setVisible(false);
    SGFolder->verticalHeader()->setDefaultSectionSize(SGFolder->fontMetrics().height() + 6);
    SGFolder->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    SGFolder->setHorizontalHeaderLabels({QStringLiteral("Seq"), QStringLiteral("Type"),
                                         QStringLiteral("Folder or MyShow file")});
    SGFolder->setColumnWidth(0, 35);
    SGFolder->setColumnWidth(1, 35);
    SGFolder->setColumnWidth(2, 1200);
    // Header texts start at the cell's left + 2, as the body's do; a click
    // selects a row without scrolling the long path column sideways.
    SGFolder->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SGFolder->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { padding-left: 2px; }"));
    SGFolder->setAutoScroll(false);
    SGFolder->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    SGFolder->setItemDelegate(new MaintenanceCellDelegate(SGFolder));
    SGFolder->setMouseTracking(true);
    SGFolder->viewport()->installEventFilter(this);
    for (int r = 0; r < MaintenanceRows; ++r)
        for (int c = 0; c < 3; ++c)
            SGFolder->setItem(r, c, new QTableWidgetItem);
    outer->addWidget(SGFolder);
    connect(SGFolder, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        SGFolderSelectCell(row + 1);
    });
}

// The rows of buttons: moving and removing entries, Apply and Cancel.
void FavoritesWindow::makeButtonPanels(QVBoxLayout* outer)
{
    Panel2 = makePanel(this, "Panel2");
    auto* p2 = new QHBoxLayout(Panel2);
    BtnUp = makeButton(Panel2, "BtnUp", QStringLiteral("&Up"));
    BtnDown = makeButton(Panel2, "BtnDown", QStringLiteral("&Down"));
    BtnRemove = makeButton(Panel2, "BtnRemove", QStringLiteral("&Remove"));
    BtnClear = makeButton(Panel2, "BtnClear", QStringLiteral("C&lear all entries"));
    for (QPushButton* b : {BtnUp, BtnDown, BtnRemove, BtnClear})
        p2->addWidget(b);
    p2->addStretch();
    outer->addWidget(Panel2);

    Panel3 = makePanel(this, "Panel3");
    auto* p3 = new QHBoxLayout(Panel3);
    p3->addStretch();
    BtnApply = makeButton(Panel3, "BtnApply", QStringLiteral("&Apply"));
    BtnCancel = makeButton(Panel3, "BtnCancel", QStringLiteral("&Cancel"));
    p3->addWidget(BtnApply);
    p3->addWidget(BtnCancel);
    outer->addWidget(Panel3);

    connect(BtnUp, &QPushButton::clicked, this, &FavoritesWindow::BtnUpClick);
    connect(BtnDown, &QPushButton::clicked, this, &FavoritesWindow::BtnDownClick);
    connect(BtnRemove, &QPushButton::clicked, this, &FavoritesWindow::BtnRemoveClick);
    connect(BtnClear, &QPushButton::clicked, this, &FavoritesWindow::BtnClearClick);
    connect(BtnApply, &QPushButton::clicked, this, &FavoritesWindow::BtnApplyClick);
    connect(BtnCancel, &QPushButton::clicked, this, &FavoritesWindow::BtnCancelClick);
}

// The title and the text of Label1 for favorites or recent shows.
void FavoritesWindow::setCaptionsByMode(QVBoxLayout* p1)
{
    if (m_favorites) {
        setWindowTitle(QStringLiteral("Maintenance Favorites"));
        Label1->setWordWrap(false);
    } else {
        setWindowTitle(QStringLiteral("Maintenance Recent"));
        Label1->setText(QStringLiteral("When playing a slide show that is marked as Favorite, this slide show will "
                                       "not appear in Recent"));
        p1->setContentsMargins(p1->contentsMargins().left(), 8, p1->contentsMargins().right(),
                               p1->contentsMargins().bottom());
    }
}

FavoritesWindow::FavoritesWindow(TSettingsRecord& settings, const EnvironmentInfo& environment, uint8_t favoritesMaintenanceMode,
                 QWidget* parent)
    : QDialog(parent), FavoritesMaintenanceMode(favoritesMaintenanceMode), m_settings(settings),
      m_favorites(FavoritesMaintenanceMode == 1)
{
    setObjectName(QStringLiteral("Form36"));
    setModal(true);
    resize(640, 360);
    auto* outer = new QVBoxLayout(this);

    Panel1 = makePanel(this, "Panel1");
    auto* p1 = new QVBoxLayout(Panel1);
    Label1 = new QLabel(QStringLiteral("New favorite folders can be added by right clicking on a folder in the folder tree"),
                        Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    p1->addWidget(Label1);
    outer->addWidget(Panel1);

    makeGrid(outer);
    makeButtonPanels(outer);

    TimerOnActivate = MakeNamedTimer(this, "TimerOnActivate", 1);
    connect(TimerOnActivate, &QTimer::timeout, this, &FavoritesWindow::TimerOnActivateTimer);
    TimerAltKey = MakeNamedTimer(this, "TimerAltKey", 10);
    connect(TimerAltKey, &QTimer::timeout, this, &FavoritesWindow::TimerAltKeyTimer);

    setCaptionsByMode(p1);
    BtnApply->setEnabled(false);
    if (!environment.UIFontName.isEmpty()) {
        QFont f = font();
        f.setFamily(environment.UIFontName);
        if (environment.UIFontSize > 0)
            f.setPointSize(environment.UIFontSize);
        setFont(f);
    }
    FormActivate();
}

void FavoritesWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    TimerOnActivate->start();
}

void FavoritesWindow::FormActivate()
{
    for (int r = 0; r < MaintenanceRows; ++r)
        SGFolder->item(r, 0)->setText(QString::number(r + 1));
    const auto& source = m_favorites ? m_settings.Favorites : m_settings.RecentFolders;
    for (size_t i = 0; i < m_list.size(); ++i)
        m_list[i] = source[i];
    // A list read with gaps is shown packed, as every edit keeps it.
    PackMaintenanceList(m_list);
    FillGrid();
    selectRow(qMax(1, selectedRow()));
    applyButtonRules();
    m_activated = true;
}

void FavoritesWindow::FillGrid()
{
    for (int r = 0; r < MaintenanceRows; ++r) {
        const QString& e = m_list[size_t(r)];
        SGFolder->item(r, 1)->setText(MaintenanceEntryType(e));
        SGFolder->item(r, 2)->setText(e.isEmpty() ? EmptyEntryText : e);
    }
    SGFolder->viewport()->update();
}

int FavoritesWindow::selectedRow() const
{
    return SGFolder->currentRow() + 1;
}

void FavoritesWindow::selectRow(int row)
{
    SGFolder->setCurrentCell(qBound(1, row, MaintenanceRows) - 1, qMax(1, SGFolder->currentColumn()));
    SGFolder->viewport()->update();
}

void FavoritesWindow::applyButtonRules()
{
    const MaintenanceButtons b = MaintenanceButtonRules(m_list, selectedRow());
    BtnRemove->setEnabled(b.Remove);
    BtnUp->setEnabled(b.Up);
    BtnDown->setEnabled(b.Down);
    BtnClear->setEnabled(b.Clear);
}

void FavoritesWindow::SGFolderSelectCell(int row)
{
    Q_UNUSED(row);
    applyButtonRules();
    SGFolder->viewport()->update();
}

void FavoritesWindow::edited(int row)
{
    FillGrid();
    selectRow(row);
    applyButtonRules();
    BtnApply->setEnabled(true);
}

void FavoritesWindow::BtnUpClick()
{
    const int row = selectedRow();
    if (MaintenanceButtonRules(m_list, row).Up)
        edited(MoveMaintenanceEntryUp(m_list, row));
}

void FavoritesWindow::BtnDownClick()
{
    const int row = selectedRow();
    if (MaintenanceButtonRules(m_list, row).Down)
        edited(MoveMaintenanceEntryDown(m_list, row));
}

void FavoritesWindow::BtnRemoveClick()
{
    const int row = selectedRow();
    if (MaintenanceButtonRules(m_list, row).Remove)
        edited(RemoveMaintenanceEntry(m_list, row));
}

void FavoritesWindow::BtnClearClick()
{
    edited(ClearMaintenanceList(m_list));
}

void FavoritesWindow::BtnApplyClick()
{
    auto& target = m_favorites ? m_settings.Favorites : m_settings.RecentFolders;
    for (size_t i = 0; i < target.size(); ++i)
        target[i] = platform::FixedTextCut(m_list[i], 200);
    emit ListApplied(m_favorites);
    done(QDialog::Accepted);
}

void FavoritesWindow::BtnCancelClick()
{
    done(QDialog::Rejected);
}

void FavoritesWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & Qt::AltModifier)
        TimerAltKey->start();
    QDialog::keyPressEvent(event);
}

bool FavoritesWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == SGFolder->viewport() && event->type() == QEvent::MouseMove && !SGFolder->hasFocus())
        SGFolder->setFocus();
    return QDialog::eventFilter(watched, event);
}

void FavoritesWindow::TimerOnActivateTimer()
{
    TimerOnActivate->stop();
    for (QFrame* panel : {Panel1, Panel2, Panel3})
        panel->update();
    TimerAltKey->start();
}

void FavoritesWindow::TimerAltKeyTimer()
{
    for (QWidget* w : findChildren<QWidget*>())
        if (qobject_cast<QFrame*>(w) || qobject_cast<QAbstractButton*>(w))
            w->update();
}
