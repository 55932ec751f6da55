#pragma once
// How the programs show their modal windows and ask for a line of text. Both go through
// replaceable presenters so that window tests drive every dialog without a person.

#include <QString>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace kova::ui {

// Shows a dialog modally and returns its result; the default runs dialog.exec().
using ModalPresenter = std::function<int(QDialog& dialog)>;
ModalPresenter setModalPresenter(ModalPresenter presenter); // returns the one before
int showModal(QDialog& dialog);

// The input box: the text entered, or nothing when cancelled.
using TextPrompt = std::function<std::optional<QString>(QWidget* parent, const QString& title,
                                                        const QString& prompt)>;
TextPrompt setTextPrompt(TextPrompt prompt); // returns the one before
std::optional<QString> askText(QWidget* parent, const QString& title, const QString& prompt);

} // namespace kova::ui
