#include "modal.h"

#include <QDialog>
#include <QInputDialog>

namespace kova::climedit {

namespace {

ModalPresenter& presenter() {
    static ModalPresenter current = [](QDialog& dialog) { return dialog.exec(); };
    return current;
}

TextPrompt& prompt() {
    static TextPrompt current = [](QWidget* parent, const QString& title,
                                   const QString& label) -> std::optional<QString> {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, title, label, QLineEdit::Normal, {}, &ok);
        if (!ok)
            return std::nullopt;
        return text;
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

} // namespace kova::climedit
