// One preview panel of the main window: a frame with the picture box, the
// messages that stand in for a picture, the information lines (size, date,
// camera, read-only), the play-order box and five edit-program buttons. The
// window makes two: the browse preview under the tree, whose widgets' names
// end in "4" and which adds the voice buttons and the sibling program's
// panel, and the MyShow preview under the list, which adds the picture
// count, the copy, mail and upload buttons and the music marks. Every
// widget carries its objectName; the window's layout places them by name.
#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>

#include <array>

class QComboBox;
class QIcon;
class QImage;
class QLabel;
class QPixmap;
class QToolButton;

class PreviewPanel : public QFrame {
    Q_OBJECT
public:
    enum class Kind { Browse, MyShow };
    // What the panel shows in place of a picture.
    enum class Message { None, CannotShow, Video, FileNotExist };

    // The panel's widgets at their designed places inside it; the window
    // places the panel itself.
    PreviewPanel(Kind kind, QWidget* parent);

    Kind kind() const { return m_kind; }

    // ---- the picture ----------------------------------------------------
    // Fits `image` into `box` (panel coordinates, no enlargement limit),
    // centred, shows it and remembers `path` as the picture shown.
    void showPicture(const QImage& image, const QRect& box, const QString& path);
    void setPictureShown(bool shown);
    bool pictureShown() const;
    QPixmap picture() const;
    // The picture last shown (empty before the first).
    QString picturePath() const;
    // Where the picture box stands now.
    QRect pictureGeometry() const;

    // ---- the message in place of the picture ------------------------------
    // Shows that message (framed) and hides the others; None hides them all
    // with their frame.
    void showMessage(Message message);
    Message message() const { return m_message; }

    // ---- the information lines ------------------------------------------
    // Each line sizes itself to its text; the read-only line shows or not.
    void setInfoLines(const QString& size, const QString& date, const QString& camera, bool readOnly);
    // The camera line alone (its facts are read after the other lines).
    void setCameraLine(const QString& camera);
    void setInfoShown(bool shown);
    bool infoShown() const;
    int infoWidth() const;

    // ---- the play order ---------------------------------------------------
    void setPlayOrderItems(const QStringList& items);
    void setPlayOrder(int index);
    int playOrderCount() const;

    // ---- the edit programs' buttons ---------------------------------------
    void hideEditPrograms();
    void showEditProgram(int index, const QIcon& icon, const QString& hint);
    // `left` is counted in the information panel (SizeDatePanel).
    void moveEditProgram(int index, int left);

    // ---- the browse preview's own -----------------------------------------
    // The record button shows for `record`; the frame and the play button
    // for `play`, enabled by `playEnabled`.
    void setVoiceControls(bool record, bool play, bool playEnabled);
    void setVoicePlayLook(const QIcon& icon, const QString& hint);
    void setSiblingPanelShown(bool shown);

    // ---- the MyShow preview's own -----------------------------------------
    void setCopyShowHint(const QString& hint);
    void setUploadHint(const QString& hint);
    // The upload button takes `enabled` or `disabled` as its state is.
    void setUploadGlyphs(const QPixmap& enabled, const QPixmap& disabled);

signals:
    // A left click on the picture.
    void pictureClicked();
    // A new play order was chosen in the box.
    void playOrderChosen(int index);
    // An edit program's button was clicked.
    void editProgramClicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBrowseExtras();
    void buildMyShowExtras();
    // The edit programs' buttons at their distance from the information
    // panel's right edge.
    void placeEditPrograms();

    Kind m_kind;
    Message m_message = Message::None;
    QFrame* m_bevel = nullptr;
    QFrame* m_noShowPanel = nullptr;
    QLabel* m_image = nullptr;
    QLabel* m_cannotOpen = nullptr;
    QLabel* m_video = nullptr;
    QLabel* m_fileNotExist = nullptr;
    QFrame* m_sizeDatePanel = nullptr;
    QLabel* m_fileDate = nullptr;
    QLabel* m_fileSize = nullptr;
    QLabel* m_model = nullptr;
    QLabel* m_readOnly = nullptr;
    QLabel* m_playOrderLabel = nullptr;
    QComboBox* m_playOrder = nullptr;
    std::array<QToolButton*, 5> m_editPrograms{};
    static constexpr int kNotPlaced = -1000000;
    std::array<int, 5> m_editFromRight{};
    // The browse preview's.
    QFrame* m_voiceBevel = nullptr;
    QToolButton* m_micro = nullptr;
    QToolButton* m_voicePlay = nullptr;
    QFrame* m_siblingPanel = nullptr;
    // The MyShow preview's.
    QLabel* m_pictureCount = nullptr;
    QLabel* m_pictureInList = nullptr;
    QToolButton* m_copyShow = nullptr;
    QToolButton* m_mail = nullptr;
    QToolButton* m_upload = nullptr;
    QLabel* m_musicBlack = nullptr;
    QLabel* m_musicPurple = nullptr;
};
