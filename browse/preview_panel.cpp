// The preview panel: its widgets at their designed places, the picture
// fitted into its box, the message in place of a picture, the information
// lines and the buttons.
#include "browse/preview_panel.h"
#include "platform/designed_widgets.h"
#include "platform/icons.h"

#include "browse/info_lines_layout.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStringList>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace {

void setShown(QWidget* w, bool shown)
{
    if (w)
        w->setVisible(shown);
}

// The information lines are placed by their panel's layout, which gives
// each the width its text needs (wrapped when the panel is too narrow). It
// places them again at once: a text that does not change leaves the layout
// as it was, so nothing else would ask for it.
void setLine(QLabel* label, const QString& text)
{
    label->setText(text);
    if (QLayout* lines = label->parentWidget()->layout()) {
        lines->invalidate();
        lines->activate();
    }
}

// A name keeps its hyphenated parts on one row ("E-M1"): a word joiner after
// each hyphen forbids the break there, and shows nothing.
QString keepHyphenatedWords(QString text)
{
    return text.replace(QLatin1Char('-'), QStringLiteral("-\u2060"));
}

} // namespace

PreviewPanel::PreviewPanel(Kind kind, QWidget* parent) : QFrame(parent), m_kind(kind)
{
    const bool browse = kind == Kind::Browse;
    // The browse preview's widgets' names end in "4".
    const QByteArray suffix = browse ? "4" : "";
    const auto name = [&suffix](const char* base) { return QByteArray(base) + suffix; };
    setObjectName(browse ? QStringLiteral("TreeThumbnailPanel") : QStringLiteral("Panel1"));
    setFrameShape(QFrame::StyledPanel);

    m_bevel = platform::PlacedFrame(this, browse ? "Bevel3" : "Bevel1", QRect(6, 6, 190, 178), QFrame::Box);
    m_noShowPanel = platform::PlacedFrame(this, name("NoShowPanel").constData(), QRect(12, 12, 178, 166));
    m_image = platform::PlacedLabel(this, browse ? "Image4" : "image2", QRect(18, 28, 166, 124));
    m_image->setAlignment(Qt::AlignCenter);
    m_image->installEventFilter(this);
    m_editFromRight.fill(kNotPlaced);
    // The messages span the picture's box, centred, so that each shows whole.
    const QRect message(12, 79, 178, 18);
    m_cannotOpen = platform::PlacedLabel(this, name("CannotOpenLabel").constData(), message, QStringLiteral("Can not show picture"));
    m_video = platform::PlacedLabel(this, name("VideoLabel").constData(), message, QStringLiteral("Video file"));
    m_fileNotExist = platform::PlacedLabel(this, name("FileNotExistLabel").constData(), message,
                               QStringLiteral("File does not exist"));
    m_sizeDatePanel = platform::PlacedFrame(this, name("SizeDatePanel").constData(), QRect(201, 100, 185, 84));
    m_sizeDatePanel->installEventFilter(this);
    m_fileDate = platform::PlacedLabel(m_sizeDatePanel, name("FileDateLabel").constData(), QRect(4, 4, 177, 16));
    m_fileSize = platform::PlacedLabel(m_sizeDatePanel, name("FileSizeLabel").constData(), QRect(4, 22, 177, 16));
    m_model = platform::PlacedLabel(m_sizeDatePanel, name("ModelLabel").constData(), QRect(4, 40, 177, 16));
    m_readOnly = platform::PlacedLabel(m_sizeDatePanel, name("ReadOnlyLabel").constData(), QRect(4, 58, 177, 16));
    if (browse) {
        // The date follows the size on its line when both fit.
        auto* lines = new InfoLinesLayout(m_sizeDatePanel, 22);
        lines->addLine({m_fileSize, m_fileDate});
        lines->addLine({m_model});
        lines->addLine({m_readOnly});
    } else {
        auto* lines = new InfoLinesLayout(m_sizeDatePanel, 4);
        for (QLabel* line : {m_fileDate, m_fileSize, m_model, m_readOnly})
            lines->addLine({line});
    }
    m_playOrderLabel = platform::PlacedLabel(this, browse ? "Label7" : "Label2", QRect(201, 6, 120, 16));
    m_playOrder = platform::Named(new QComboBox(this), browse ? "FPlayorderCB" : "ShowPlayOrderCB");
    m_playOrder->setGeometry(201, 24, 120, 22);
    connect(m_playOrder, &QComboBox::activated, this, &PreviewPanel::playOrderChosen);
    if (browse)
        buildBrowseExtras();
    else
        buildMyShowExtras();
    // The edit programs' buttons: under the play order in the browse
    // preview, one row lower in the MyShow preview.
    const QByteArray editName = browse ? "Exe4SB" : "ExeSB";
    for (int k = 0; k < 5; ++k) {
        QToolButton* b = platform::PlacedButton(this, (editName + QByteArray::number(k)).constData(), QRect(201 + 24 * k, browse ? 54 : 80, 22, 22));
        b->hide();
        connect(b, &QToolButton::clicked, this, [this, k] { emit editProgramClicked(k); });
        m_editPrograms[size_t(k)] = b;
    }
    if (browse) {
        m_siblingPanel = platform::PlacedFrame(this, "TarnivoPanel", QRect(330, 6, 56, 40));
        m_siblingPanel->hide();
    }
    for (QLabel* l : {m_cannotOpen, m_video, m_fileNotExist}) {
        l->setAlignment(Qt::AlignCenter);
        l->hide();
    }
}

void PreviewPanel::buildBrowseExtras()
{
    m_voiceBevel = platform::PlacedFrame(this, "VoiceBevel", QRect(322, 54, 50, 28), QFrame::Box);
    m_micro = platform::PlacedButton(this, "MicroSB", QRect(325, 57, 22, 22));
    m_voicePlay = platform::PlacedButton(this, "VoicePlaySB", QRect(348, 57, 22, 22));
    // The frame never stands empty: both buttons show their glyphs, the
    // recording one greyed (this system records no voice), and nothing of
    // it shows before a picture is previewed.
    const QIcon voice = platform::ImageListIcon(platform::ImageListId::MenuIL, 103);
    m_micro->setIcon(voice);
    m_micro->setEnabled(false);
    m_voicePlay->setIcon(voice);
    m_voicePlay->setToolTip(QStringLiteral("Play voice recording"));
    for (QWidget* w : {static_cast<QWidget*>(m_voiceBevel), static_cast<QWidget*>(m_micro),
                       static_cast<QWidget*>(m_voicePlay)})
        w->hide();
}

void PreviewPanel::buildMyShowExtras()
{
    m_pictureCount = platform::PlacedLabel(this, "NrofPicLabel", QRect(347, 24, 40, 16));
    m_pictureInList = platform::PlacedLabel(this, "PicInListLabel", QRect(300, 6, 86, 16));
    m_copyShow = platform::PlacedButton(this, "CopyVXOButton", QRect(297, 54, 28, 24));
    m_mail = platform::PlacedButton(this, "MailSP", QRect(330, 54, 28, 24));
    m_upload = platform::PlacedButton(this, "UploadSp", QRect(359, 54, 28, 24));
    m_musicBlack = platform::PlacedLabel(this, "MusicBlackIm", QRect(272, 54, 20, 20));
    m_musicPurple = platform::PlacedLabel(this, "MusicPurpleIm", QRect(272, 54, 20, 20));
    m_musicBlack->hide();
    m_musicPurple->hide();
}

bool PreviewPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_sizeDatePanel && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        placeEditPrograms();
    if (watched == m_image && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        emit pictureClicked();
    return QFrame::eventFilter(watched, event);
}

// ---- the picture ---------------------------------------------------------------------

void PreviewPanel::showPicture(const QImage& image, const QRect& box, const QString& path)
{
    if (!image.isNull() && !box.isEmpty()) {
        const double fy = double(box.height()) / image.height();
        const double fx = double(box.width()) / image.width();
        const double f = fy >= fx ? fx : fy;
        const int w = std::max(1, int(std::nearbyint(image.width() * f)));
        const int h = std::max(1, int(std::nearbyint(image.height() * f)));
        m_image->setScaledContents(true);
        m_image->setPixmap(QPixmap::fromImage(image));
        m_image->setGeometry(box.left() + (box.width() - w) / 2, box.top() + (box.height() - h) / 2, w, h);
        m_image->show();
        m_image->repaint();
    }
    // The picture the preview shows, for the menus that name it.
    m_image->setProperty("picturePath", path);
}

void PreviewPanel::setPictureShown(bool shown) { m_image->setVisible(shown); }
bool PreviewPanel::pictureShown() const { return !m_image->isHidden(); }
QPixmap PreviewPanel::picture() const { return m_image->pixmap(); }
QString PreviewPanel::picturePath() const { return m_image->property("picturePath").toString(); }
QRect PreviewPanel::pictureGeometry() const { return m_image->geometry(); }

// ---- the message -------------------------------------------------------------------

void PreviewPanel::showMessage(Message message)
{
    m_message = message;
    setShown(m_cannotOpen, message == Message::CannotShow);
    setShown(m_video, message == Message::Video);
    setShown(m_fileNotExist, message == Message::FileNotExist);
    setShown(m_noShowPanel, message != Message::None);
}

// ---- the information lines -------------------------------------------------------------

void PreviewPanel::setInfoLines(const QString& size, const QString& date, const QString& camera, bool readOnly)
{
    setLine(m_fileSize, size);
    setLine(m_fileDate, date);
    setLine(m_model, keepHyphenatedWords(camera));
    setShown(m_readOnly, readOnly);
}

void PreviewPanel::setCameraLine(const QString& camera) { setLine(m_model, keepHyphenatedWords(camera)); }
void PreviewPanel::setInfoShown(bool shown) { m_sizeDatePanel->setVisible(shown); }
bool PreviewPanel::infoShown() const { return !m_sizeDatePanel->isHidden(); }
int PreviewPanel::infoWidth() const { return m_sizeDatePanel->width(); }

// ---- the play order ----------------------------------------------------------------

void PreviewPanel::setPlayOrderItems(const QStringList& items)
{
    m_playOrder->clear();
    m_playOrder->addItems(items);
    // The list that drops down is as wide as its longest item, whatever the
    // width of the box.
    QAbstractItemView* list = m_playOrder->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth()
                          + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    // The box itself grows to show its longest item, as far as the room up
    // to its right neighbour (the picture count, or the voice frame) allows.
    const QWidget* neighbour = m_kind == Kind::Browse ? static_cast<QWidget*>(m_voiceBevel)
                                                      : static_cast<QWidget*>(m_pictureCount);
    const int room = neighbour ? neighbour->x() - 4 - m_playOrder->x() : m_playOrder->width();
    int longest = 0;
    for (const QString& item : items)
        longest = std::max(longest, m_playOrder->fontMetrics().horizontalAdvance(item));
    QStyleOptionComboBox option;
    option.initFrom(m_playOrder);
    const QSize needed = m_playOrder->style()->sizeFromContents(
        QStyle::CT_ComboBox, &option, QSize(longest + 4, m_playOrder->fontMetrics().height()), m_playOrder);
    const int wanted = std::min(needed.width(), room);
    if (wanted > m_playOrder->width())
        m_playOrder->resize(wanted, m_playOrder->height());
}

void PreviewPanel::setPlayOrder(int index) { m_playOrder->setCurrentIndex(index); }
int PreviewPanel::playOrderCount() const { return m_playOrder->count(); }

// ---- the edit programs' buttons -------------------------------------------------------

void PreviewPanel::hideEditPrograms()
{
    for (QToolButton* b : m_editPrograms)
        b->hide();
}

void PreviewPanel::showEditProgram(int index, const QIcon& icon, const QString& hint)
{
    QToolButton* b = m_editPrograms.at(size_t(index));
    b->setIcon(icon);
    b->setToolTip(hint);
    b->show();
}

void PreviewPanel::moveEditProgram(int index, int left)
{
    // `left` counts in the information panel; the button keeps its distance
    // from that panel's right edge when the layouts move and size it.
    m_editFromRight.at(size_t(index)) = m_sizeDatePanel->width() - left;
    placeEditPrograms();
}

void PreviewPanel::placeEditPrograms()
{
    for (size_t k = 0; k < m_editPrograms.size(); ++k) {
        if (m_editFromRight[k] == kNotPlaced)
            continue;
        QToolButton* b = m_editPrograms[k];
        b->move(m_sizeDatePanel->x() + m_sizeDatePanel->width() - m_editFromRight[k], b->y());
    }
}

// ---- the browse preview's own -----------------------------------------------------------

void PreviewPanel::setVoiceControls(bool record, bool play, bool playEnabled)
{
    setShown(m_micro, record);
    setShown(m_voiceBevel, play);
    setShown(m_voicePlay, play);
    if (m_voicePlay)
        m_voicePlay->setEnabled(playEnabled);
}

void PreviewPanel::setVoicePlayLook(const QIcon& icon, const QString& hint)
{
    if (!m_voicePlay)
        return;
    m_voicePlay->setToolTip(hint);
    m_voicePlay->setIcon(icon);
}

void PreviewPanel::setSiblingPanelShown(bool shown) { setShown(m_siblingPanel, shown); }

// ---- the MyShow preview's own -----------------------------------------------------------

void PreviewPanel::setCopyShowHint(const QString& hint)
{
    if (m_copyShow)
        m_copyShow->setToolTip(hint);
}

void PreviewPanel::setUploadHint(const QString& hint)
{
    if (m_upload)
        m_upload->setToolTip(hint);
}

void PreviewPanel::setUploadGlyphs(const QPixmap& enabled, const QPixmap& disabled)
{
    if (m_upload)
        m_upload->setIcon(QIcon(m_upload->isEnabled() ? enabled : disabled));
}
