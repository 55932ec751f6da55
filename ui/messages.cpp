#include "messages.h"

#include <QLabel>
#include <QMessageBox>
#include <algorithm>

namespace kova::ui {

namespace {

std::shared_ptr<MessageResponder>& currentResponder() {
    static std::shared_ptr<MessageResponder> responder = std::make_shared<DialogResponder>();
    return responder;
}

std::function<void(int)>& helpOpener() {
    static std::function<void(int)> opener;
    return opener;
}

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    case MessageKind::Information:
        break;
    }
    return QMessageBox::Information;
}

int widestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// A short question ("Delete?") makes a narrow box: its title bar would cut the row's name and
// the name under the text would break. The box is made as wide as they need, within reason. A
// text wider than that is left to the box, which wraps it: a minimum width set on its label
// would take the place of the text's own and cut the text off.
void widenForTitleAndName(QMessageBox& box) {
    auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!text)
        return;
    constexpr int kTitleBarExtras = 140; // icon and buttons of a title bar
    constexpr int kWidest = 520;
    const QFontMetrics metrics(box.font());
    const int wanted =
        std::max(metrics.horizontalAdvance(box.windowTitle()) * 11 / 10 + kTitleBarExtras - 60,
                 widestLine(metrics, box.informativeText()) + 8);
    if (wanted > widestLine(metrics, box.text()))
        text->setMinimumWidth(std::min(wanted, kWidest));
}

} // namespace

QString defaultTitle(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return QStringLiteral("Error");
    case MessageKind::Warning:
        return QStringLiteral("Warning");
    case MessageKind::Confirmation:
        return QStringLiteral("Confirm");
    case MessageKind::Information:
        break;
    }
    return QStringLiteral("Information");
}

Answer DialogResponder::respond(const Message& message, QWidget* parent) {
    QMessageBox box(iconOf(message.kind),
                    message.title.isEmpty() ? defaultTitle(message.kind) : message.title,
                    message.text, QMessageBox::NoButton, parent);
    box.setInformativeText(message.informativeText);
    box.setDetailedText(message.details);
    widenForTitleAndName(box);
    if (message.buttons == MessageButtons::Ok) {
        box.addButton(QMessageBox::Ok);
    } else {
        box.addButton(QMessageBox::Yes);
        box.addButton(QMessageBox::No);
        if (message.buttons == MessageButtons::YesNoHelp)
            box.addButton(QMessageBox::Help);
        box.setDefaultButton(message.destructive ? QMessageBox::No : QMessageBox::Yes);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Help:
        return Answer::Help;
    default:
        return message.buttons == MessageButtons::Ok ? Answer::Ok : Answer::No;
    }
}

Answer ScriptedResponder::respond(const Message& message, QWidget*) {
    asked_.push_back(message);
    if (!answers_.empty()) {
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return message.buttons == MessageButtons::Ok ? Answer::Ok : Answer::No;
}

std::shared_ptr<MessageResponder>
Messages::setResponder(std::shared_ptr<MessageResponder> responder) {
    auto previous = currentResponder();
    currentResponder() = responder ? std::move(responder) : std::make_shared<DialogResponder>();
    return previous;
}

MessageResponder& Messages::responder() {
    return *currentResponder();
}

void Messages::setHelpOpener(std::function<void(int)> opener) {
    helpOpener() = std::move(opener);
}

Answer Messages::show(const Message& message, QWidget* parent) {
    for (;;) {
        const Answer answer = responder().respond(message, parent);
        if (answer != Answer::Help)
            return answer;
        if (helpOpener())
            helpOpener()(message.helpContext);
    }
}

void Messages::error(const QString& text, QWidget* parent) {
    show({MessageKind::Error, {}, text, MessageButtons::Ok, 0}, parent);
}

void Messages::warning(const QString& text, QWidget* parent) {
    show({MessageKind::Warning, {}, text, MessageButtons::Ok, 0}, parent);
}

void Messages::information(const QString& text, QWidget* parent) {
    show({MessageKind::Information, {}, text, MessageButtons::Ok, 0}, parent);
}

bool Messages::confirm(const QString& text, const QString& title, QWidget* parent) {
    return show({MessageKind::Confirmation, title, text, MessageButtons::YesNo, 0}, parent) ==
           Answer::Yes;
}

bool Messages::confirmDestructive(const QString& text, const QString& title, const QString& about,
                                  QWidget* parent) {
    Message question{MessageKind::Confirmation, title, text, MessageButtons::YesNo, 0};
    question.informativeText = about;
    question.destructive = true;
    return show(question, parent) == Answer::Yes;
}

void Messages::error(const QString& text, const QString& details, QWidget* parent) {
    Message message{MessageKind::Error, {}, text, MessageButtons::Ok, 0};
    message.details = details;
    show(message, parent);
}

} // namespace kova::ui
