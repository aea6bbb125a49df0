// The prompt seam: every modal prompt goes through ask(), which either hands
// the request to a test's responder, answers it without blocking on a
// headless platform, or hands it to the presenter that shows the real
// dialog (installed by the windows' library, see prompt_dialogs.h).
#include "platform/prompt.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace platform {
namespace {

struct PromptState {
    PromptResponder responder;
    PromptPresenter presenter;
    QList<PromptRecord> log;
    int openPrompts = 0;
    int nextWatcherId = 1;
    QList<QPair<int, PromptOpenWatcher>> watchers;
};

PromptState& state()
{
    static PromptState s;
    return s;
}


bool headless()
{
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || !app->inherits("QApplication"))
        return true;
    const QString name = QGuiApplication::platformName();
    return name == QLatin1String("offscreen") || name == QLatin1String("minimal");
}

// Tells the watchers that prompts open or have all closed.
void tellWatchers(bool open)
{
    // A copy: a watcher may add or remove watchers.
    const QList<QPair<int, PromptOpenWatcher>> watchers = state().watchers;
    for (const auto& w : watchers)
        if (w.second)
            w.second(open);
}

} // namespace

int addPromptOpenWatcher(PromptOpenWatcher watcher)
{
    PromptState& s = state();
    const int id = s.nextWatcherId++;
    s.watchers.append({id, std::move(watcher)});
    return id;
}

void removePromptOpenWatcher(int id)
{
    PromptState& s = state();
    for (qsizetype i = 0; i < s.watchers.size(); ++i)
        if (s.watchers[i].first == id) {
            s.watchers.removeAt(i);
            return;
        }
}

PromptOpenScope::PromptOpenScope()
{
    if (state().openPrompts++ == 0)
        tellWatchers(true);
}

PromptOpenScope::~PromptOpenScope()
{
    if (--state().openPrompts == 0)
        tellWatchers(false);
}

PromptReply defaultReply(const PromptRequest& request)
{
    if (request.type != PromptType::Message)
        return PromptReply::cancel();
    if (request.defaultButton != PromptAnswer::None && hasPromptButton(request.buttons, request.defaultButton))
        return PromptReply::button(request.defaultButton);
    for (PromptAnswer b : {PromptAnswer::Cancel, PromptAnswer::No, PromptAnswer::Ok})
        if (hasPromptButton(request.buttons, b))
            return PromptReply::button(b);
    for (PromptAnswer b : kPromptButtonOrder)
        if (hasPromptButton(request.buttons, b))
            return PromptReply::button(b);
    return PromptReply::button(PromptAnswer::Ok);
}

PromptReply ask(const PromptRequest& request)
{
    PromptState& s = state();
    PromptReply reply;
    const PromptOpenScope open;
    if (s.responder) {
        // Copy first: a responder may replace itself.
        const PromptResponder responder = s.responder;
        reply = responder(request);
    } else if (headless() || !s.presenter) {
        reply = defaultReply(request);
    } else {
        // Copy first: the dialog's event loop may install another presenter.
        const PromptPresenter presenter = s.presenter;
        reply = presenter(request);
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
                                      const QString& defaultSuffix, const QString& acceptText)
{
    PromptRequest r;
    r.type = PromptType::SaveFile;
    r.title = title;
    r.folder = folder;
    r.filter = filter;
    r.value = initialName;
    r.defaultSuffix = defaultSuffix;
    r.acceptText = acceptText;
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

void setPromptPresenter(PromptPresenter presenter)
{
    state().presenter = std::move(presenter);
}

void forgetPromptDialog(const QDialog* dialog)
{
    for (PromptRecord& record : state().log)
        if (record.request.dialog == dialog)
            record.request.dialog = nullptr;
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
