#pragma once
// How the job workflow talks to whoever drives it: messages (message boxes in the program,
// lines of a tool, a log in tests), the questions and modal choices of the workflow (answered
// by a person through the dialogs, by a tool's options, or by a test), and the loading
// indicator's progress.

#include "etmethod.h"

#include "calc/messages.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kova::job {

using calc::MessageKind;

struct JobMessage {
    MessageKind kind = MessageKind::Error;
    QString text;    // in the planner's words
    QString details; // the table layer's own text, for the box's details; may be empty
};

// Messages of the workflow and of the calculation it runs.
class JobMessages : public calc::CalcMessages {
public:
    virtual void report(const JobMessage& message) = 0;
    void show(MessageKind kind, const QString& text) override { report({kind, text, {}}); }
};

// Keeps every message in order (tools, tests).
class JobMessageLog : public JobMessages {
public:
    void report(const JobMessage& message) override { items.push_back(message); }
    QStringList texts() const;
    std::vector<JobMessage> items;
};

// The Yes/No questions of the workflow. Each has its box: kind, buttons and default button.
enum class Question {
    SaveJobAs,  // "Save job as: NAME?"
    EditSite,   // "Edit site elevation or precipitation ratios?"
    DeleteCrop, // "Do you really want to delete crop NAME?"
    DeleteJob,  // "Do you really want to delete job NAME?"
};

struct QuestionBox {
    bool confirmation = false; // a confirmation box rather than an information box
    bool withHelp = false;     // Yes/No/Help; Help opens `helpContext` and asks again
    int helpContext = 0;
    bool defaultNo = false; // destructive questions default to No
};
QuestionBox questionBox(Question question);

// The modal steps of the workflow the job's driver answers.
class JobDialogs {
public:
    virtual ~JobDialogs() = default;
    // A Yes/No question; true is Yes.
    virtual bool confirm(Question question, const QString& text) = 0;
    // "Save Job?" for the job named: true is "OK" (save), false "No".
    virtual bool offerSave(const QString& jobName) = 0;
    // "Get Climate Station": the 'Station Name' chosen, or nothing when the dialog closed on
    // an empty station list. `current` is the job's station ("" for none).
    virtual std::optional<QString> pickStation(const QString& current) = 0;
    // "Select ET Computation Method" with the radio states given: 1, 2 or 3.
    virtual int chooseMethod(const MethodChoices& choices) = 0;
    // "Select Existing Job to View or Edit": the job chosen, or nothing for "Cancel".
    virtual std::optional<QString> pickJob() = 0;
    // The "Loading...." indicator: shown at 0, advanced to 100, then closed.
    virtual void loading(const QString& jobName, int percent) {
        Q_UNUSED(jobName);
        Q_UNUSED(percent);
    }
    virtual void loadingClosed() {}
};

// The exact texts of the workflow's messages and questions.
namespace text {
inline const QString kEnterJobName = QStringLiteral("Please enter a Job Name.");
inline const QString kEnterLocation = QStringLiteral("Please enter a Job Location.");
inline const QString kEnterPlanner = QStringLiteral("Please enter the planner's name.");
inline const QString kJobNameUsed = QStringLiteral("Job Name already used. Enter a unique name.");
inline const QString kNoPreviousJobs = QStringLiteral("There are no previous jobs available.");
inline const QString kNoActiveJob =
    QStringLiteral("There must be an active job to print a report.");
inline const QString kEditSite = QStringLiteral("Edit site elevation or precipitation ratios?");
inline const QString kNoCurveForMethod =
    QStringLiteral("This crop has no crop curve for the job's ET method. Select another crop");
inline const QString kCalendarYearCurve =
    QStringLiteral("This crop's curve covers one calendar year. Enter a season that does not "
                   "cross the year end.");
inline const QString kWrongPassword = QStringLiteral("Wrong password, please re-enter.");

// A name inside a sentence of the workflow's own messages: "Barley".
inline QString quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}
inline QString saveJobAs(const QString& name) {
    return QStringLiteral("Save job as: ") + name + QLatin1Char('?');
}
inline QString deleteCrop(const QString& name) {
    return QStringLiteral("Do you really want to delete crop ") + name + QLatin1Char('?');
}
inline QString deleteJob(const QString& name) {
    return QStringLiteral("Do you really want to delete job ") + name + QLatin1Char('?');
}
} // namespace text

} // namespace kova::job
