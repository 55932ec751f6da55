#include "jobboxes.h"

#include "etmethoddlg.h"
#include "getclimdlg.h"
#include "joblistform.h"
#include "saveform.h"
#include "waitdlg.h"

#include "ui/messages.h"
#include "ui/modal.h"

namespace kova::mainwin {

namespace {

ui::MessageKind boxKind(calc::MessageKind kind) {
    switch (kind) {
    case calc::MessageKind::Error:
        return ui::MessageKind::Error;
    case calc::MessageKind::Warning:
        return ui::MessageKind::Warning;
    case calc::MessageKind::Information:
        break;
    }
    return ui::MessageKind::Information;
}

} // namespace

void BoxMessages::report(const job::JobMessage& message) {
    ui::Message box(boxKind(message.kind), {}, message.text, ui::MessageButtons::Ok);
    box.details = message.details;
    ui::Messages::show(box, parent_);
}

void WindowDialogs::showJob() const {
    if (beforeAsking_)
        beforeAsking_();
}

bool WindowDialogs::confirm(job::Question question, const QString& text) {
    showJob();
    const job::QuestionBox look = job::questionBox(question);
    ui::Message box(
        look.confirmation ? ui::MessageKind::Confirmation : ui::MessageKind::Information, {}, text,
        look.withHelp ? ui::MessageButtons::YesNoHelp : ui::MessageButtons::YesNo,
        look.helpContext);
    box.destructive = look.defaultNo;
    return ui::Messages::show(box, parent_) == ui::Answer::Yes;
}

bool WindowDialogs::offerSave(const QString& jobName) {
    showJob();
    SaveForm prompt(jobName, parent_);
    return ui::showModal(prompt) == QDialog::Accepted;
}

std::optional<QString> WindowDialogs::pickStation(const QString& current) {
    showJob();
    GetClimDlg stations(alias_, current, parent_);
    // No Cancel: closing the dialog in any way takes the station selected.
    ui::showModal(stations);
    return stations.chosenStation();
}

int WindowDialogs::chooseMethod(const job::MethodChoices& choices) {
    showJob();
    ETMethodDlg methods(choices, parent_);
    ui::showModal(methods);
    return methods.method();
}

std::optional<QString> WindowDialogs::pickJob() {
    showJob();
    JobListForm jobs(alias_, parent_);
    if (ui::showModal(jobs) != QDialog::Accepted)
        return std::nullopt;
    return jobs.selectedJob();
}

void WindowDialogs::loading(const QString& jobName, int percent) {
    if (!busy_)
        busy_.emplace();
    wait_.showProgress(jobName, percent);
}

void WindowDialogs::loadingClosed() {
    wait_.hide();
    busy_.reset();
    parent_->activateWindow();
}

} // namespace kova::mainwin
