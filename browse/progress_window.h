// The progress window of a folder walk (`ProgressWindow`): a caption and one label
// `DeleteLabel` on `Panel1` telling what is being deleted. Single border,
// always on top, centred on the main window; not modal.
#pragma once

#include <QWidget>

struct EnvironmentInfo;
class QFrame;
class QLabel;
class QTimer;

// The window whose objectName is "Form26".
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    // The window takes the interface font of `environment`.
    explicit ProgressWindow(const EnvironmentInfo& environment, QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* DeleteLabel = nullptr;
    QTimer* TimerOnActivate = nullptr;   // 1 ms one-shot: the header laid over Panel1

    // Shown with the caption, centred on `over` and in front.
    void ShowWithCaption(const QString& caption, QWidget* over);
    void SetLabel(const QString& text);

    ~ProgressWindow() override;

private:
    void TimerOnActivateTimer();
    // While a question is open the window, which stays on top, is hidden
    // and comes back when the question has closed.
    void stepAsideForPrompt(bool promptOpen);

    int m_promptWatcher = 0;
    bool m_hiddenForPrompt = false;
};
