#include "modal.h"

#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>

namespace kova::ui {

namespace {

ModalPresenter& presenter() {
    static ModalPresenter current = [](QDialog& dialog) { return dialog.exec(); };
    return current;
}

TextPrompt& prompt() {
    static TextPrompt current = [](QWidget* parent, const QString& title,
                                   const QString& label) -> std::optional<QString> {
        QInputDialog input(parent);
        input.setWindowTitle(title);
        input.setLabelText(label);
        input.setTextValue({});
        // Room for the whole title and a long name.
        if (auto* box = input.findChild<QLineEdit*>())
            box->setMinimumWidth(300);
        if (input.exec() != QDialog::Accepted)
            return std::nullopt;
        return input.textValue();
    };
    return current;
}

} // namespace

ModalPresenter setModalPresenter(ModalPresenter next) {
    ModalPresenter before = std::move(presenter());
    presenter() = std::move(next);
    return before;
}

int showModal(QDialog& dialog) {
    return presenter()(dialog);
}

TextPrompt setTextPrompt(TextPrompt next) {
    TextPrompt before = std::move(prompt());
    prompt() = std::move(next);
    return before;
}

std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label) {
    return prompt()(parent, title, label);
}

} // namespace kova::ui
