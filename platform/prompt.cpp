// The prompt seam: every modal prompt goes through ask(), which either hands
// the request to a test's responder, answers it without blocking on a
// headless platform, or shows the real dialog.
#include "platform/prompt.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <memory>

namespace platform {
namespace {

struct PromptState {
    PromptResponder responder;
    QList<PromptRecord> log;
};

PromptState& state()
{
    static PromptState s;
    return s;
}

// Buttons in the order they appear on screen.
constexpr PromptAnswer kButtonOrder[] = {
    PromptAnswer::Yes, PromptAnswer::YesToAll, PromptAnswer::No, PromptAnswer::Ok,
    PromptAnswer::Cancel, PromptAnswer::Abort, PromptAnswer::Retry, PromptAnswer::Ignore,
    PromptAnswer::All, PromptAnswer::NoToAll,
};

bool hasButton(PromptButtons set, PromptAnswer b) { return (set & unsigned(b)) != 0; }

bool headless()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return true;
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

QString defaultTitle(const PromptRequest& r)
{
    if (!r.title.isEmpty())
        return r.title;
    if (r.type == PromptType::Message) {
        switch (r.kind) {
        case PromptKind::Warning: return QStringLiteral("Warning");
        case PromptKind::Error: return QStringLiteral("Error");
        case PromptKind::Information: return QStringLiteral("Information");
        case PromptKind::Confirmation: return QStringLiteral("Confirm");
        case PromptKind::Plain: break;
        }
    }
    const QString app = QGuiApplication::applicationDisplayName();
    return app.isEmpty() ? QStringLiteral("Vistamo!") : app;
}

// "Description|*.a;*.b|Other|*.c" -> "Description (*.a *.A *.b *.B);;Other (*.c *.C)".
// Linux names are case-sensitive, so an extension pattern also takes its
// upper-case form; "*.*" means every file.
QString toQtFilter(const QString& filter)
{
    if (filter.isEmpty())
        return QString();
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (QString p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            p = p.trimmed();
            if (p == QLatin1String("*.*")) {
                patterns << QStringLiteral("*");
                continue;
            }
            patterns << p;
            if (p.toUpper() != p)
                patterns << p.toUpper();
        }
        out << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    if (parts.size() == 1)
        out << parts[0];
    return out.join(QStringLiteral(";;"));
}

QString cleanPath(const QString& path)
{
    if (path.isEmpty())
        return path;
    return QDir::cleanPath(path);
}

QString startPath(const PromptRequest& r)
{
    if (r.value.isEmpty())
        return r.folder;
    if (r.folder.isEmpty() || QDir::isAbsolutePath(r.value))
        return r.value;
    return QDir(r.folder).filePath(r.value);
}

PromptReply showDialog(const PromptRequest& r)
{
    QWidget* parent = QApplication::activeWindow();
    const QString title = defaultTitle(r);
    switch (r.type) {
    case PromptType::Message: {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setText(r.text);
        switch (r.kind) {
        case PromptKind::Warning: box.setIcon(QMessageBox::Warning); break;
        case PromptKind::Error: box.setIcon(QMessageBox::Critical); break;
        case PromptKind::Information: box.setIcon(QMessageBox::Information); break;
        case PromptKind::Confirmation: box.setIcon(QMessageBox::Question); break;
        case PromptKind::Plain: box.setIcon(QMessageBox::NoIcon); break;
        }
        QList<QPair<QAbstractButton*, PromptAnswer>> made;
        for (PromptAnswer b : kButtonOrder) {
            if (!hasButton(r.buttons, b))
                continue;
            QString text;
            for (const auto& t : r.buttonTexts)
                if (t.first == b)
                    text = t.second;
            QAbstractButton* button = nullptr;
            if (text.isEmpty()) {
                QMessageBox::StandardButton sb = QMessageBox::Ok;
                switch (b) {
                case PromptAnswer::Ok: sb = QMessageBox::Ok; break;
                case PromptAnswer::Cancel: sb = QMessageBox::Cancel; break;
                case PromptAnswer::Yes: sb = QMessageBox::Yes; break;
                case PromptAnswer::No: sb = QMessageBox::No; break;
                case PromptAnswer::Abort: sb = QMessageBox::Abort; break;
                case PromptAnswer::Retry: sb = QMessageBox::Retry; break;
                case PromptAnswer::Ignore: sb = QMessageBox::Ignore; break;
                case PromptAnswer::All: sb = QMessageBox::YesToAll; text = QStringLiteral("&All"); break;
                case PromptAnswer::YesToAll: sb = QMessageBox::YesToAll; break;
                case PromptAnswer::NoToAll: sb = QMessageBox::NoToAll; break;
                case PromptAnswer::None: break;
                }
                if (text.isEmpty())
                    button = box.addButton(sb);
            }
            if (!button) {
                const bool rejecting = b == PromptAnswer::Cancel || b == PromptAnswer::No
                                       || b == PromptAnswer::NoToAll || b == PromptAnswer::Abort;
                button = box.addButton(text, rejecting ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
            }
            made << qMakePair(button, b);
            if (b == r.defaultButton)
                box.setDefaultButton(qobject_cast<QPushButton*>(button));
        }
        if (made.isEmpty())
            made << qMakePair(static_cast<QAbstractButton*>(box.addButton(QMessageBox::Ok)), PromptAnswer::Ok);
        box.exec();
        QAbstractButton* clicked = box.clickedButton();
        for (const auto& m : made)
            if (m.first == clicked)
                return PromptReply::button(m.second);
        return PromptReply::button(hasButton(r.buttons, PromptAnswer::Cancel) ? PromptAnswer::Cancel
                                                                              : PromptAnswer::None);
    }
    case PromptType::Input: {
        bool ok = false;
        const QString text = QInputDialog::getText(parent, title, r.text, QLineEdit::Normal, r.value, &ok);
        return ok ? PromptReply::ok(text) : PromptReply::cancel();
    }
    case PromptType::OpenFile: {
        const QString f = QFileDialog::getOpenFileName(parent, title, startPath(r), toQtFilter(r.filter));
        return f.isEmpty() ? PromptReply::cancel() : PromptReply::ok(cleanPath(f));
    }
    case PromptType::OpenFiles: {
        const QStringList fs = QFileDialog::getOpenFileNames(parent, title, startPath(r), toQtFilter(r.filter));
        if (fs.isEmpty())
            return PromptReply::cancel();
        PromptReply reply = PromptReply::ok(cleanPath(fs.first()));
        reply.values.clear();
        for (const QString& f : fs)
            reply.values << cleanPath(f);
        return reply;
    }
    case PromptType::SaveFile: {
        QFileDialog dialog(parent, title, r.folder, toQtFilter(r.filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!r.defaultSuffix.isEmpty())
            dialog.setDefaultSuffix(r.defaultSuffix);
        if (!r.value.isEmpty())
            dialog.selectFile(startPath(r));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return PromptReply::cancel();
        return PromptReply::ok(cleanPath(dialog.selectedFiles().first()));
    }
    case PromptType::Folder: {
        const QString d = QFileDialog::getExistingDirectory(parent, title, r.folder);
        return d.isEmpty() ? PromptReply::cancel() : PromptReply::ok(cleanPath(d));
    }
    case PromptType::Dialog:
        if (!r.dialog)
            return PromptReply::result(0);
        return PromptReply::result(r.dialog->exec());
    }
    return defaultReply(r);
}

} // namespace

PromptReply defaultReply(const PromptRequest& request)
{
    if (request.type != PromptType::Message)
        return PromptReply::cancel();
    if (request.defaultButton != PromptAnswer::None && hasButton(request.buttons, request.defaultButton))
        return PromptReply::button(request.defaultButton);
    for (PromptAnswer b : {PromptAnswer::Cancel, PromptAnswer::No, PromptAnswer::Ok})
        if (hasButton(request.buttons, b))
            return PromptReply::button(b);
    for (PromptAnswer b : kButtonOrder)
        if (hasButton(request.buttons, b))
            return PromptReply::button(b);
    return PromptReply::button(PromptAnswer::Ok);
}

PromptReply ask(const PromptRequest& request)
{
    PromptState& s = state();
    PromptReply reply;
    if (s.responder) {
        // Copy first: a responder may replace itself.
        const PromptResponder responder = s.responder;
        reply = responder(request);
    } else if (headless()) {
        reply = defaultReply(request);
    } else {
        reply = showDialog(request);
    }
    if (reply.answer == PromptAnswer::Ok && reply.values.isEmpty() && !reply.value.isEmpty())
        reply.values << reply.value;
    s.log.append(PromptRecord{request, reply});
    return reply;
}

PromptAnswer showMessage(PromptKind kind, const QString& text, PromptButtons buttons,
                         PromptAnswer defaultButton, const QString& title)
{
    return showMessageWithTexts(kind, text, buttons, {}, defaultButton, title);
}

PromptAnswer showMessageWithTexts(PromptKind kind, const QString& text, PromptButtons buttons,
                                  const QList<QPair<PromptAnswer, QString>>& buttonTexts,
                                  PromptAnswer defaultButton, const QString& title)
{
    PromptRequest r;
    r.type = PromptType::Message;
    r.kind = kind;
    r.text = text;
    r.buttons = buttons ? buttons : kOk;
    r.defaultButton = defaultButton;
    r.title = title;
    r.buttonTexts = buttonTexts;
    return ask(r).answer;
}

std::optional<QString> askText(const QString& title, const QString& label, const QString& initial)
{
    PromptRequest r;
    r.type = PromptType::Input;
    r.title = title;
    r.text = label;
    r.value = initial;
    r.buttons = kOkCancel;
    const PromptReply reply = ask(r);
    if (!reply.accepted())
        return std::nullopt;
    return reply.value;
}

std::optional<QString> chooseOpenFile(const QString& title, const QString& folder,
                                      const QString& filter, const QString& initialName)
{
    PromptRequest r;
    r.type = PromptType::OpenFile;
    r.title = title;
    r.folder = folder;
    r.filter = filter;
    r.value = initialName;
    r.buttons = kOkCancel;
    const PromptReply reply = ask(r);
    if (!reply.accepted() || reply.value.isEmpty())
        return std::nullopt;
    return reply.value;
}

QStringList chooseOpenFiles(const QString& title, const QString& folder, const QString& filter)
{
    PromptRequest r;
    r.type = PromptType::OpenFiles;
    r.title = title;
    r.folder = folder;
    r.filter = filter;
    r.buttons = kOkCancel;
    const PromptReply reply = ask(r);
    return reply.accepted() ? reply.values : QStringList();
}

std::optional<QString> chooseSaveFile(const QString& title, const QString& folder,
                                      const QString& filter, const QString& initialName,
                                      const QString& defaultSuffix)
{
    PromptRequest r;
    r.type = PromptType::SaveFile;
    r.title = title;
    r.folder = folder;
    r.filter = filter;
    r.value = initialName;
    r.defaultSuffix = defaultSuffix;
    r.buttons = kOkCancel;
    const PromptReply reply = ask(r);
    if (!reply.accepted() || reply.value.isEmpty())
        return std::nullopt;
    return reply.value;
}

std::optional<QString> chooseFolder(const QString& title, const QString& startFolder)
{
    PromptRequest r;
    r.type = PromptType::Folder;
    r.title = title;
    r.folder = startFolder;
    r.buttons = kOkCancel;
    const PromptReply reply = ask(r);
    if (!reply.accepted() || reply.value.isEmpty())
        return std::nullopt;
    return reply.value;
}

int execModal(QDialog& dialog)
{
    PromptRequest r;
    r.type = PromptType::Dialog;
    r.title = dialog.windowTitle();
    r.text = dialog.objectName();
    r.buttons = kOkCancel;
    r.dialog = &dialog;
    const PromptReply reply = ask(r);
    // The window is gone when the call returns; keep no pointer to it.
    if (!state().log.isEmpty() && state().log.last().request.dialog == &dialog)
        state().log.last().request.dialog = nullptr;
    return reply.code;
}

void setPromptResponder(PromptResponder responder)
{
    state().responder = std::move(responder);
}

const QList<PromptRecord>& promptLog()
{
    return state().log;
}

void clearPromptLog()
{
    state().log.clear();
}

ScopedPromptResponder::ScopedPromptResponder(PromptResponder responder)
{
    clearPromptLog();
    setPromptResponder(std::move(responder));
}

ScopedPromptResponder::ScopedPromptResponder(QList<PromptReply> replies)
{
    clearPromptLog();
    auto queue = std::make_shared<QList<PromptReply>>(std::move(replies));
    setPromptResponder([queue](const PromptRequest& request) {
        if (queue->isEmpty())
            return defaultReply(request);
        return queue->takeFirst();
    });
}

ScopedPromptResponder::~ScopedPromptResponder()
{
    setPromptResponder({});
}

} // namespace platform
