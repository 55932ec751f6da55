#pragma once
// The job workflow's messages, questions and modal choices as the main program shows them:
// message boxes (through the shared responder, so tests answer them) and the dialogs of the
// job (through the modal presenter).

#include "main/job/jobfeedback.h"
#include "ui/busycursor.h"

#include <functional>
#include <optional>

class QWidget;

namespace kova::mainwin {

class WaitDlg;

// Every message in a box of its kind, the table layer's text in the box's details.
class BoxMessages : public job::JobMessages {
public:
    explicit BoxMessages(QWidget* parent) : parent_(parent) {}
    void report(const job::JobMessage& message) override;

private:
    QWidget* parent_;
};

class WindowDialogs : public job::JobDialogs {
public:
    WindowDialogs(const QString& alias, QWidget* parent, WaitDlg& wait)
        : alias_(alias), parent_(parent), wait_(wait) {}

    // What runs before the workflow asks anything, so the window behind a question or dialog
    // shows the job as it stands (the station just chosen behind the method choice and behind
    // "Edit site elevation or precipitation ratios?").
    void setBeforeAsking(std::function<void()> show) { beforeAsking_ = std::move(show); }

    bool confirm(job::Question question, const QString& text) override;
    bool offerSave(const QString& jobName) override;
    std::optional<QString> pickStation(const QString& current) override;
    int chooseMethod(const job::MethodChoices& choices) override;
    std::optional<QString> pickJob() override;
    // The indicator, with the busy cursor while the job loads.
    void loading(const QString& jobName, int percent) override;
    void loadingClosed() override;

private:
    QString alias_;
    QWidget* parent_;
    WaitDlg& wait_;
    std::optional<ui::BusyCursor> busy_;
    void showJob() const;

    std::function<void()> beforeAsking_;
};

} // namespace kova::mainwin
