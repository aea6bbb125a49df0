// The options dialog TForm3 ("Vistamo! - Options"): thirteen pages of the
// lasting options. It shows `Settings` and `AddSettings`, checks the typed
// values on "&Apply" and writes them back (the settings record in memory
// only, the additional settings into their file at once), and puts the play
// options into effect. The rules live in app/options_dialog_logic.h.
#pragma once

#include "app/options_dialog_logic.h"

#include <QDialog>
#include <QGroupBox>
#include <QSize>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;
class QWidget;
class TForm1;

// A group of radio buttons with an item index (-1: none chosen).
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& name, const QString& caption, const QStringList& items, QWidget* parent);
    int itemIndex() const;
    void setItemIndex(int index);
    int count() const;

private:
    QButtonGroup* m_group = nullptr;
};

// An up-down control bound to an edit: its position is read from the
// edit's text and its arrows step the number within [min, max].
class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(const QString& name, QLineEdit* buddy, int min, int max, QWidget* parent);
    // The position read from the edit; false when the text is no number in range.
    bool position(int& value) const;
    void setPosition(int value);
    int min() const { return m_min; }
    int max() const { return m_max; }

private:
    QLineEdit* m_buddy;
    int m_min, m_max;
    int m_last = 0;
    friend class TForm3;
    int positionOrLast() const;
};

// The options dialog's size (it fits an 800 x 600 screen).
extern const QSize OptionsDialogSize;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    QTabWidget* PageControl1 = nullptr;
    QFrame* Panel2 = nullptr;
    QWidget* IncludeSheet = nullptr;
    QWidget* PlaySheet = nullptr;
    QWidget* FullScreenSheet = nullptr;
    QWidget* EditProgramsSheet = nullptr;
    QWidget* AutomaticShowSheet = nullptr;
    QWidget* MyShowTextSheet = nullptr;
    QWidget* VideoTextSheet = nullptr;
    QWidget* UpdateTab = nullptr;
    QWidget* PlayListTS = nullptr;
    QWidget* VoiceTB = nullptr;
    QWidget* TSMultSlideMode = nullptr;
    QWidget* TbUpload = nullptr;
    QWidget* TBSmallPics = nullptr;

    // "Include"
    std::array<QCheckBox*, 7> InclBoxes{};   // InclJPGBox .. InclGIFBox
    std::array<QLabel*, 7> TypeImages{};     // ImJPG .. ImGIF
    std::array<QLabel*, 7> GreyImages{};     // GImJPG .. GImGIF
    QLineEdit* MinSizeEdit = nullptr;
    QLineEdit* MaxSizeEdit = nullptr;
    QLineEdit* MaxPicEdit = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* InclSysFldrCheckBox = nullptr;
    QLineEdit* MAxAttachEdit = nullptr;
    QLineEdit* MaxSFAttachEdit = nullptr;
    // "Play"
    TRadioGroup* Intervalgroup = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* ManualBox = nullptr;
    QCheckBox* IgnoreErrorsBox = nullptr;
    QPushButton* BackGroundButton = nullptr;
    QLabel* BackgroundColorLabel = nullptr;
    QLineEdit* EdMaxEnlarge = nullptr;
    TUpDown* UDMaxEnlarge = nullptr;
    QCheckBox* CBShowModel = nullptr;
    // "Full Screen"
    QCheckBox* ShowTitlesCheckBox = nullptr;
    QCheckBox* ShowHintsBox = nullptr;
    QCheckBox* ShowButtonsCB = nullptr;
    QCheckBox* DoDockCB = nullptr;
    QLineEdit* LEMon2Width = nullptr;
    QLineEdit* LEMon2Height = nullptr;
    QCheckBox* CBMon2Manual = nullptr;
    // "Edit"
    QComboBox* ExtProgComboBox = nullptr;
    QPushButton* BrowseButton = nullptr;
    QPushButton* RemoveEditProgram = nullptr;
    QCheckBox* ResetFileDateCB = nullptr;
    // "Automatic Show/CD"
    QCheckBox* NeverUseASCheckBox = nullptr;
    QCheckBox* HoldLastShowBox = nullptr;
    QLineEdit* SecondsWaitASEdit = nullptr;
    QLabel* SecondsWaitASLabel = nullptr;
    QLineEdit* EditASText1 = nullptr;
    QLineEdit* EditASText2 = nullptr;
    QLabel* ASTextLabel = nullptr;
    QFrame* Bevel1 = nullptr;
    // "MyShow"
    QComboBox* IntervalComboBox = nullptr;
    QComboBox* PlayOrderComboBox = nullptr;
    QComboBox* DelayCB = nullptr;
    TRadioGroup* AttachWAVRG = nullptr;
    QComboBox* SoundActionCB = nullptr;
    QCheckBox* FadeCB = nullptr;
    QCheckBox* KeepSyncCB = nullptr;
    QToolButton* AlignLeftButton = nullptr;
    QToolButton* AlignCenterButton = nullptr;
    QToolButton* AlignRightButton = nullptr;
    QToolButton* TopAlignButton = nullptr;
    QToolButton* CenterAlignButton = nullptr;
    QToolButton* BottomAlignButton = nullptr;
    QPushButton* FontSB = nullptr;
    QPushButton* ColorSB = nullptr;
    QCheckBox* TransparentCB = nullptr;
    QFrame* Panel3 = nullptr;
    QLabel* ExampleLabel = nullptr;
    // "Video"
    QComboBox* VidProgComboBox = nullptr;
    QPushButton* BrowseVideoButton = nullptr;
    QPushButton* RemoveVideoProgram = nullptr;
    // "Update/New version", "Playlist", "Voice files"
    QCheckBox* AskUpdateCB = nullptr;
    TRadioGroup* PLPlayorderRG = nullptr;
    TRadioGroup* VoiceRG = nullptr;
    QCheckBox* AutoCopyCB = nullptr;
    // "Thumbnails"
    QComboBox* CBMultMode = nullptr;
    TRadioGroup* RGFillMode = nullptr;
    QCheckBox* CBThManualMode = nullptr;
    QCheckBox* CBUseThumbFD = nullptr;
    QCheckBox* CBUseThumbNWD = nullptr;
    QCheckBox* CBUseThumbRD = nullptr;
    TRadioGroup* RGThumbSize = nullptr;
    QLineEdit* EDThumbOrgMin = nullptr;
    TUpDown* UDThumbOrgMin = nullptr;
    // "Upload"
    QLineEdit* EDUploadProgram = nullptr;
    QPushButton* BtnBrowseUpload = nullptr;
    QLineEdit* EdWaittime = nullptr;
    TUpDown* UDWaittime = nullptr;
    QLineEdit* EdSupplyAtOnce = nullptr;
    TUpDown* UDSupplyAtOnce = nullptr;
    // "SmallPics"
    QCheckBox* CBExcludeSmallPics = nullptr;
    QCheckBox* CBHideSmallPics = nullptr;
    // Beside the pages.
    QPushButton* PictureOptionsDone = nullptr;
    QPushButton* CancelButton = nullptr;
    QTimer* TimerOnActivate = nullptr;
    QTimer* TimerAltKey = nullptr;

    // The values the controls show now, and loading them into the controls.
    TOptionsValues values() const;
    void setValues(const TOptionsValues& v);

    // Handlers.
    void FormActivate();
    void PictureOptionsDoneClick();
    void CancelButtonClick();
    void InclBoxClick(int type);
    void NeverUseASCheckBoxClick();
    void CBUseThumbFDClick();
    void BrowseButtonClick();
    void RemoveEditProgramClick();
    void ExtProgComboBoxClick(int index);
    void BrowseVideoButtonClick();
    void RemoveVideoProgramClick();
    void VidProgComboBoxClick(int index);
    void FontSBClick();
    void ColorSBClick();
    void BackGroundButtonClick();
    void TransparentCBClick();
    void PlaceExampleLabel();
    void BtnBrowseUploadClick();
    void TimerOnActivateTimer();
    void TimerAltKeyTimer();

    // The page whose tab caption is `caption` (nullptr when none).
    QWidget* pageCaptioned(const QString& caption) const;
    // The last failed check of Apply (number 0 when it passed or none ran).
    TOptionsCheck LastCheck;

    // Closing the window (Escape, the frame's close box) is Cancel.
    void reject() override { CancelButtonClick(); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildPages();
    void fillProgramList(QComboBox* box, const QStringList& list);
    QStringList programList(const QComboBox* box) const;
    void programButtons(QComboBox* box, QPushButton* browse, QPushButton* remove);
    void browseProgram(QComboBox* box, QPushButton* browse, QPushButton* remove);
    void removeProgram(QComboBox* box, QPushButton* browse, QPushButton* remove);
    void chooseProgram(QComboBox* box, QPushButton* browse, QPushButton* remove, int index);
    void setExampleColor(int32_t colorValue);
    void applyEditCommands(const TOptionsValues& v, int32_t maxEnlarge);
    // The main window that opened the dialog (else the program's one).
    TForm1* mainForm() const;

    // Kept for Apply: the text font chosen, the colours, the remembered interval.
    QString m_fontName;
    uint8_t m_fontStyle = 0;
    int32_t m_fontSize = 0;
    int32_t m_textColor = 0;
    int32_t m_backgroundColor = 0;
    int32_t m_intervalAtActivation = 0;
    bool m_loading = false;
};

// Colour values (blue-green-red) to and from QColor.
int32_t ColorValueOf(const QColor& color);
QColor ColorOfValue(int32_t value);
