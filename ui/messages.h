#pragma once
// Modal message boxes of the four kinds with the button sets OK, Yes/No and Yes/No/Help.
// Every box goes through one responder: the desktop responder shows a real box, tests and
// headless runs install one that answers from a script and records what was asked.

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace kova::ui {

enum class MessageKind { Error, Warning, Information, Confirmation };
enum class MessageButtons { Ok, YesNo, YesNoHelp };
enum class Answer { Ok, Yes, No, Help };

struct Message {
    Message() = default;
    Message(MessageKind kind, QString title, QString text, MessageButtons buttons,
            int helpContext = 0)
        : kind(kind), title(std::move(title)), text(std::move(text)), buttons(buttons),
          helpContext(helpContext) {}

    MessageKind kind = MessageKind::Information;
    QString title; // empty: the kind's own title ("Error", "Warning", "Information", "Confirm")
    QString text;  // shown exactly as given
    MessageButtons buttons = MessageButtons::Ok;
    int helpContext = 0;     // opened when Help is pressed
    QString informativeText; // smaller text under the text (what a question is about)
    QString details;         // technical text, in the box's "Details" section
    // The question deletes or replaces data: No is its default button, so Enter destroys
    // nothing.
    bool destructive = false;
};

QString defaultTitle(MessageKind kind);

class MessageResponder {
public:
    virtual ~MessageResponder() = default;
    // One press of a button of the box; Help may be answered, the box is then asked again.
    virtual Answer respond(const Message& message, QWidget* parent) = 0;
};

// Shows a real QMessageBox with the kind's icon.
class DialogResponder : public MessageResponder {
public:
    Answer respond(const Message& message, QWidget* parent) override;
};

// Answers from a queue and records every message, for tests and windowless runs. With the
// queue empty it answers OK or No, the answers that change nothing.
class ScriptedResponder : public MessageResponder {
public:
    void queue(Answer answer) { answers_.push_back(answer); }
    Answer respond(const Message& message, QWidget* parent) override;
    const std::vector<Message>& asked() const { return asked_; }
    void clear() { asked_.clear(); }

private:
    std::deque<Answer> answers_;
    std::vector<Message> asked_;
};

class Messages {
public:
    // Replaces the responder of the process; returns the previous one.
    static std::shared_ptr<MessageResponder> setResponder(std::shared_ptr<MessageResponder> r);
    static MessageResponder& responder();
    // Where a Help answer goes (the help viewer installs itself here).
    static void setHelpOpener(std::function<void(int context)> opener);

    // Asks until the answer is not Help, opening help at the message's context for each Help.
    static Answer show(const Message& message, QWidget* parent = nullptr);

    static void error(const QString& text, QWidget* parent = nullptr);
    static void warning(const QString& text, QWidget* parent = nullptr);
    static void information(const QString& text, QWidget* parent = nullptr);
    // A confirmation with Yes and No; true for Yes.
    static bool confirm(const QString& text, const QString& title = {}, QWidget* parent = nullptr);
    // A confirmation before deleting or replacing data: No is the default button; `about`
    // (the row's name) shows under the text.
    static bool confirmDestructive(const QString& text, const QString& title = {},
                                   const QString& about = {}, QWidget* parent = nullptr);
    // An error in the user's words with the technical text in the box's details.
    static void error(const QString& text, const QString& details, QWidget* parent);
};

// Installs a responder for the lifetime of a scope and puts the previous one back.
class ResponderScope {
public:
    explicit ResponderScope(std::shared_ptr<MessageResponder> responder)
        : previous_(Messages::setResponder(std::move(responder))) {}
    ~ResponderScope() { Messages::setResponder(previous_); }
    ResponderScope(const ResponderScope&) = delete;
    ResponderScope& operator=(const ResponderScope&) = delete;

private:
    std::shared_ptr<MessageResponder> previous_;
};

} // namespace kova::ui
