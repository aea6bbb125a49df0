#include "platform/prompt_dialogs.h"

#include "platform/title_width.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QWidget>

namespace platform {
namespace {

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

QMessageBox::Icon iconOf(PromptKind kind)
{
    switch (kind) {
    case PromptKind::Warning: return QMessageBox::Warning;
    case PromptKind::Error: return QMessageBox::Critical;
    case PromptKind::Information: return QMessageBox::Information;
    case PromptKind::Confirmation: return QMessageBox::Question;
    case PromptKind::Plain: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

// The standard button of an answer; `text` gets a caption where the
// standard button's own would be wrong ("&All").
QMessageBox::StandardButton standardButtonOf(PromptAnswer b, QString& text)
{
    switch (b) {
    case PromptAnswer::Ok: return QMessageBox::Ok;
    case PromptAnswer::Cancel: return QMessageBox::Cancel;
    case PromptAnswer::Yes: return QMessageBox::Yes;
    case PromptAnswer::No: return QMessageBox::No;
    case PromptAnswer::Abort: return QMessageBox::Abort;
    case PromptAnswer::Retry: return QMessageBox::Retry;
    case PromptAnswer::Ignore: return QMessageBox::Ignore;
    case PromptAnswer::All: text = QStringLiteral("&All"); return QMessageBox::YesToAll;
    case PromptAnswer::YesToAll: return QMessageBox::YesToAll;
    case PromptAnswer::NoToAll: return QMessageBox::NoToAll;
    case PromptAnswer::None: break;
    }
    return QMessageBox::Ok;
}

// A message box with the request's buttons, in their fixed order, captioned
// by the request where it names a caption.
PromptReply showMessageBox(const PromptRequest& r, QWidget* parent, const QString& title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(r.text);
    box.setIcon(iconOf(r.kind));
    QList<QPair<QAbstractButton*, PromptAnswer>> made;
    for (PromptAnswer b : kPromptButtonOrder) {
        if (!hasPromptButton(r.buttons, b))
            continue;
        QString text;
        for (const auto& t : r.buttonTexts)
            if (t.first == b)
                text = t.second;
        QAbstractButton* button = nullptr;
        if (text.isEmpty()) {
            const QMessageBox::StandardButton sb = standardButtonOf(b, text);
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
    // The box sizes itself when shown; a row of the title's width keeps it
    // at least as wide as its title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const QMargins m = grid->contentsMargins();
        grid->addItem(new QSpacerItem(TitleBarWidth(title) - m.left() - m.right(), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const auto& m : made)
        if (m.first == clicked)
            return PromptReply::button(m.second);
    return PromptReply::button(hasPromptButton(r.buttons, PromptAnswer::Cancel) ? PromptAnswer::Cancel
                                                                          : PromptAnswer::None);
}

PromptReply showDialog(const PromptRequest& r)
{
    QWidget* parent = QApplication::activeWindow();
    const QString title = defaultTitle(r);
    switch (r.type) {
    case PromptType::Message:
        return showMessageBox(r, parent, title);
    case PromptType::Input: {
        QInputDialog dialog(parent);
        dialog.setWindowTitle(title);
        dialog.setLabelText(r.text);
        dialog.setTextValue(r.value);
        KeepWidthForTitle(&dialog);
        if (dialog.exec() != QDialog::Accepted)
            return PromptReply::cancel();
        return PromptReply::ok(dialog.textValue());
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
        if (!r.acceptText.isEmpty())
            dialog.setLabelText(QFileDialog::Accept, r.acceptText);
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

void InstallPromptDialogs()
{
    setPromptPresenter(showDialog);
}

int execModal(QDialog& dialog)
{
    PromptRequest r;
    r.type = PromptType::Dialog;
    r.title = dialog.windowTitle();
    r.text = dialog.objectName();
    r.buttons = kOkCancel;
    r.dialog = &dialog;
    KeepWidthForTitle(&dialog);
    const PromptReply reply = ask(r);
    // The window is gone when the call returns; keep no pointer to it.
    forgetPromptDialog(&dialog);
    return reply.code;
}

} // namespace platform
