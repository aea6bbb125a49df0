// The application object of Vistamo!: a QApplication whose event delivery
// shows an exception that escapes an event handler and then ends the
// program, instead of letting it tear the process down without a word.
#pragma once
#include <QApplication>
#include <functional>

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Called with the exception's message; by default an error box, then
    // the program ends (as the main window's AppException does).
    static void setExceptionHandler(std::function<void(const QString&)> handler);
};

// Runs the exception handling for one message (used by notify).
void ReportEscapedException(const QString& message);
