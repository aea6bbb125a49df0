// The full-screen show window `Form9`: two alternating picture slots, the
// title and text labels, the navigation and control panels. The least play
// steps through a list of pictures on a timer; keys: Escape stops, Space
// pauses and continues, the cursor keys step by hand.
#pragma once

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;

class TForm9 : public QWidget {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* TitleLabel = nullptr;
    std::array<QLabel*, 5> TextLabels{};   // textlabel0, TextLabel1..TextLabel4
    QLabel* SpeedLabel = nullptr;
    QLabel* Label1 = nullptr;
    QTimer* SpeedTimer = nullptr;
    QTimer* LabelTimer = nullptr;
    QTimer* StepTimer = nullptr;           // the least play's interval timer
    QFrame* NavPanel = nullptr;
    QFrame* HintPanel = nullptr;
    QFrame* ControlPanel = nullptr;
    QToolButton* SaveSB = nullptr;
    QToolButton* StopButton = nullptr;
    QToolButton* OneBackwardsSpeedButton = nullptr;
    QToolButton* OneForwardSpeedButton = nullptr;
    QToolButton* ShowForwardSpeedButton = nullptr;
    QToolButton* ShowInReverseSpeedButton = nullptr;
    QToolButton* StartShowSpeedButton = nullptr;
    QToolButton* RunExeSpeedButton = nullptr;
    QToolButton* WindowScreenSpeedButton = nullptr;
    QToolButton* VolumeSpeedButton = nullptr;
    QToolButton* PlaylistBASB = nullptr;
    QToolButton* PlaylistFWSB = nullptr;
    QToolButton* SBRotateLeft = nullptr;
    QToolButton* SBRotateRight = nullptr;
    QToolButton* SBRatio = nullptr;
    QToolButton* SBManualMode = nullptr;
    QToolButton* SBInfo = nullptr;
    QMenu* PMRatio = nullptr;

    // Plays `pictures` in the given order, `intervalMs` apart, looping when
    // `continuous` is set. `ended` is called once the show has stopped.
    void Play(const QStringList& pictures, const QList<int>& order, int intervalMs, bool continuous,
              bool showTitles, std::function<void()> ended);
    // One step: +1 forward, -1 back (by hand or by the timer).
    void Step(int direction);
    void TogglePause();
    // Closes the window and reports the end once.
    void StopSlideShow();

    int CurrentPosition() const { return position_; }
    QString CurrentPicture() const;
    bool Paused() const { return paused_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showCurrent();

    QStringList pictures_;
    QList<int> order_;
    int position_ = -1;
    bool continuous_ = false;
    bool showTitles_ = false;
    bool paused_ = false;
    bool stopping_ = false;
    std::function<void()> ended_;
};

extern TForm9* Form9;

// Loads a picture fitted into `box` (JPEG decoded at a reduced DCT scale).
QImage LoadShowPicture(const QString& path, QSize box);
