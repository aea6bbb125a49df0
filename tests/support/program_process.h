// The real program as a child process of a test: a home folder of its own
// (HOME, XDG_* and a private runtime folder), started on the Qt platform the
// test names, and waited for until its instance answers on its socket.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>

namespace testsupport {

struct ProgramHome {
    QString root;
    QString data;   // the program's data folder below root
    QProcessEnvironment env;
};

// A fresh home folder; the program runs on `platform` (QT_QPA_PLATFORM).
ProgramHome makeProgramHome(const QString& platform);

// Starts the program in the home with the arguments; its errors go to ours.
std::unique_ptr<QProcess> startProgram(const ProgramHome& h, const QStringList& args = {});

// The instance in `slot` has created its windows and answers on its socket
// (false when the process ended first or a minute passed).
bool waitInstanceAnswers(const ProgramHome& h, int slot, QProcess& p);

} // namespace testsupport
