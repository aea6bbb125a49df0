// The one seam for every modal prompt of the program: message boxes, input
// boxes and the open/save file and folder choosers.
//
// Code never opens a QMessageBox, QInputDialog or QFileDialog itself; it calls
// the functions below. Tests install a responder that answers each request
// and every request is recorded (what was shown, its kind, texts, buttons and
// the answer given). Without a responder on the offscreen (or minimal) Qt
// platform nothing ever blocks: the default answer is returned and recorded.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
#include <optional>

namespace platform {

// The icon and meaning of a message box.
enum class PromptKind {
    Plain,          // no icon (a bare message box)
    Warning,
    Error,
    Information,
    Confirmation,   // a question
};

// One button of a message box; also the answer (which button was chosen).
// None as an answer means the box was closed without a choice (Escape).
enum class PromptAnswer : unsigned {
    None = 0,
    Ok = 1u << 0,
    Cancel = 1u << 1,
    Yes = 1u << 2,
    No = 1u << 3,
    Abort = 1u << 4,
    Retry = 1u << 5,
    Ignore = 1u << 6,
    All = 1u << 7,        // "Always" in the voice-file question
    NoToAll = 1u << 8,    // "Never"
    YesToAll = 1u << 9,
};

// A set of buttons: PromptAnswer values or-ed together, in the order of the
// enum above on screen.
using PromptButtons = unsigned;
constexpr PromptButtons operator|(PromptAnswer a, PromptAnswer b) { return unsigned(a) | unsigned(b); }
constexpr PromptButtons operator|(PromptButtons a, PromptAnswer b) { return a | unsigned(b); }
constexpr PromptButtons kOk = unsigned(PromptAnswer::Ok);
constexpr PromptButtons kOkCancel = PromptAnswer::Ok | PromptAnswer::Cancel;
constexpr PromptButtons kYesNo = PromptAnswer::Yes | PromptAnswer::No;
constexpr PromptButtons kYesNoCancel = PromptAnswer::Yes | PromptAnswer::No | PromptAnswer::Cancel;

// What sort of prompt was asked for.
enum class PromptType {
    Message,     // message box
    Input,       // one-line text input
    OpenFile,    // choose an existing file
    OpenFiles,   // choose one or more existing files
    SaveFile,    // choose a file name to save to
    Folder,      // choose a folder
    Dialog,      // one of the program's own modal windows (execModal)
};

// One request, as shown to the user.
struct PromptRequest {
    PromptType type = PromptType::Message;
    PromptKind kind = PromptKind::Plain;   // message boxes only
    QString title;                         // window title (empty: the program's name)
    QString text;                          // message text, or the input box's label
    PromptButtons buttons = kOk;           // message boxes only
    PromptAnswer defaultButton = PromptAnswer::None;  // focused button (None: first)
    // Input boxes: the initial text. Choosers: the initial file name.
    QString value;
    // Choosers: the folder to start in.
    QString folder;
    // Choosers: filter in the program's own "Description|*.a;*.b|Other|*.c"
    // form (converted for the dialog).
    QString filter;
    // Save chooser: extension added when the name typed has none ("jpg").
    QString defaultSuffix;
    // Save chooser: the caption of its accept button (empty: "Save").
    QString acceptText;
    // Message boxes: custom captions for buttons, e.g. {PromptAnswer::All, "Always"}.
    QList<QPair<PromptAnswer, QString>> buttonTexts;
    // Dialog: the window itself, so a test's responder can fill it in.
    QDialog* dialog = nullptr;
};

// The answer to one request.
struct PromptReply {
    // Message boxes: the button chosen. Input boxes and choosers: Ok when
    // accepted, Cancel when cancelled.
    PromptAnswer answer = PromptAnswer::None;
    QString value;        // input text, or the chosen path
    QStringList values;   // OpenFiles: every chosen path
    int code = 0;         // Dialog: the modal result (QDialog::Accepted = 1, Rejected = 0, or the window's own)

    bool accepted() const { return answer == PromptAnswer::Ok; }
    static PromptReply button(PromptAnswer a) { return PromptReply{a, {}, {}, 0}; }
    static PromptReply ok(const QString& v) { return PromptReply{PromptAnswer::Ok, v, {v}, 1}; }
    static PromptReply cancel() { return PromptReply{PromptAnswer::Cancel, {}, {}, 0}; }
    static PromptReply result(int modalResult)
    {
        return PromptReply{modalResult ? PromptAnswer::Ok : PromptAnswer::Cancel, {}, {}, modalResult};
    }
};

// ---- Asking ----------------------------------------------------------------

// Shows a message box and returns the button chosen.
PromptAnswer showMessage(PromptKind kind, const QString& text,
                         PromptButtons buttons = kOk,
                         PromptAnswer defaultButton = PromptAnswer::None,
                         const QString& title = QString());

// Message box with buttons whose captions differ from the standard ones
// (e.g. Yes / No / "Always" / "Never").
PromptAnswer showMessageWithTexts(PromptKind kind, const QString& text, PromptButtons buttons,
                                  const QList<QPair<PromptAnswer, QString>>& buttonTexts,
                                  PromptAnswer defaultButton = PromptAnswer::None,
                                  const QString& title = QString());

// Input box: returns the text entered, or nothing when cancelled.
std::optional<QString> askText(const QString& title, const QString& label,
                               const QString& initial = QString());

// File choosers: return the chosen path(s), or nothing / empty when cancelled.
std::optional<QString> chooseOpenFile(const QString& title, const QString& folder,
                                      const QString& filter, const QString& initialName = QString());
QStringList chooseOpenFiles(const QString& title, const QString& folder, const QString& filter);
std::optional<QString> chooseSaveFile(const QString& title, const QString& folder,
                                      const QString& filter, const QString& initialName = QString(),
                                      const QString& defaultSuffix = QString(),
                                      const QString& acceptText = QString());
std::optional<QString> chooseFolder(const QString& title, const QString& startFolder = QString());

// The general entry every function above goes through.
PromptReply ask(const PromptRequest& request);

// Buttons in the order they appear on screen.
inline constexpr PromptAnswer kPromptButtonOrder[] = {
    PromptAnswer::Yes, PromptAnswer::YesToAll, PromptAnswer::No, PromptAnswer::Ok,
    PromptAnswer::Cancel, PromptAnswer::Abort, PromptAnswer::Retry, PromptAnswer::Ignore,
    PromptAnswer::All, PromptAnswer::NoToAll,
};
constexpr bool hasPromptButton(PromptButtons set, PromptAnswer b) { return (set & unsigned(b)) != 0; }

// ---- Showing ---------------------------------------------------------------

// Shows the real dialog for a request nobody else answers. The windows'
// library installs it (InstallPromptDialogs); without one, and always on a
// headless platform, the default reply is given.
using PromptPresenter = std::function<PromptReply(const PromptRequest&)>;
void setPromptPresenter(PromptPresenter presenter);

// Drops the log's pointers to a modal window that is about to go away.
void forgetPromptDialog(const QDialog* dialog);

// ---- Windows that step aside ------------------------------------------------

// Told `true` as a prompt opens while no other is open, and `false` when the
// last open prompt has closed, whoever answers it (the user, a test, the
// default). A window that stays on top hides meanwhile, so that it never
// covers a question.
using PromptOpenWatcher = std::function<void(bool open)>;
int addPromptOpenWatcher(PromptOpenWatcher watcher);
void removePromptOpenWatcher(int id);

// Marks a prompt open for its lifetime: ask() uses it, and so does a modal
// window of the program that is shown without going through ask().
class PromptOpenScope {
public:
    PromptOpenScope();
    ~PromptOpenScope();
    PromptOpenScope(const PromptOpenScope&) = delete;
    PromptOpenScope& operator=(const PromptOpenScope&) = delete;
};

// ---- Tests -----------------------------------------------------------------

using PromptResponder = std::function<PromptReply(const PromptRequest&)>;

// Installs (or, with an empty function, removes) the responder that answers
// every request instead of a dialog.
void setPromptResponder(PromptResponder responder);

// One recorded request with the reply it got.
struct PromptRecord {
    PromptRequest request;
    PromptReply reply;
};

// Every request made since the last clearPromptLog(), oldest first.
const QList<PromptRecord>& promptLog();
void clearPromptLog();

// The answer given when nobody answers (no responder on the offscreen
// platform): for message boxes the default button when one is set, else the
// safest button present (Cancel, then No, then Ok, then the first);
// input boxes and choosers are cancelled.
PromptReply defaultReply(const PromptRequest& request);

// Installs a responder for the lifetime of the object and clears the log;
// removes the responder again when destroyed.
class ScopedPromptResponder {
public:
    explicit ScopedPromptResponder(PromptResponder responder);
    // Answers requests from the list in order; after the list runs out, the
    // default reply is given.
    explicit ScopedPromptResponder(QList<PromptReply> replies);
    ~ScopedPromptResponder();
    ScopedPromptResponder(const ScopedPromptResponder&) = delete;
    ScopedPromptResponder& operator=(const ScopedPromptResponder&) = delete;
};

} // namespace platform
