// The application object of Vistamo!: a QApplication whose event delivery
// shows an exception that escapes an event handler and then ends the
// program, instead of letting it tear the process down without a word.
#pragma once
#include <QApplication>
#include <QObject>
#include <QString>

// The report of an exception that escaped an event handler: `escaped`
// carries its message, once; a report made while one runs (the message box
// runs more events) is dropped.
class EscapedExceptionReport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void Report(const QString& message);

signals:
    void escaped(const QString& message);

private:
    bool m_reporting = false;
};

class KeyboardHookApplication : public QApplication {
    Q_OBJECT
public:
    KeyboardHookApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Where the exceptions that escape an event handler are reported; the
    // program connects ShowExceptionAndEnd to its `escaped`.
    EscapedExceptionReport& exceptionReport() { return m_exceptionReport; }

private:
    EscapedExceptionReport m_exceptionReport;
};

// An error box with the exception's message, then the program ends (as the
// main window's AppException does).
void ShowExceptionAndEnd(const QString& message);
