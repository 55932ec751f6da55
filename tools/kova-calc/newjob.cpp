#include "newjob.h"

#include "main/job/cropparameters.h"
#include "main/job/jobrecord.h"
#include "main/job/jobsession.h"

#include "store/table.h"

#include <algorithm>
#include <stdexcept>

namespace kova::tools {

using job::HeaderField;

namespace {

// The answers a planner would give for this request: its station and method; No to editing
// the site (Add New Crop follows); nothing else is asked on this path.
class RequestDialogs : public job::JobDialogs {
public:
    explicit RequestDialogs(const NewJobRequest& request) : request_(request) {}
    bool confirm(job::Question, const QString&) override { return false; }
    bool offerSave(const QString&) override { return false; }
    std::optional<QString> pickStation(const QString&) override { return request_.station; }
    int chooseMethod(const job::MethodChoices& choices) override {
        const std::vector<int> offered = job::offeredMethods(choices);
        if (request_.method &&
            std::find(offered.begin(), offered.end(), *request_.method) != offered.end())
            return *request_.method;
        return job::chosenMethod(choices);
    }
    std::optional<QString> pickJob() override { return std::nullopt; }

private:
    const NewJobRequest& request_;
};

[[noreturn]] void refused(const QString& message) {
    throw InputError{message};
}

[[noreturn]] void failed(const job::JobMessageLog& messages) {
    const QString last = messages.items.empty() ? QString() : messages.items.back().text;
    throw std::runtime_error(last.toStdString());
}

QString lastError(const job::JobMessageLog& messages) {
    for (auto it = messages.items.rbegin(); it != messages.items.rend(); ++it)
        if (it->kind == calc::MessageKind::Error)
            return it->text;
    return {};
}

QString methodList(const std::vector<int>& methods) {
    QStringList keys;
    for (int m : methods)
        keys << job::methodKey(m);
    return keys.join(QStringLiteral(", "));
}

bool stationExists(const QString& alias, const QString& name) {
    store::Table climate(QStringLiteral("Climate"), alias);
    climate.setIndexName(QStringLiteral("StaNameIndex"));
    return climate.open() && climate.findKey({name});
}

QString countyOf(const QString& alias, const QString& station) {
    store::Table climate(QStringLiteral("Climate"), alias);
    climate.setIndexName(QStringLiteral("StaNameIndex"));
    return climate.open() && climate.findKey({station}) ? climate.asString(QStringLiteral("County"))
                                                        : QString();
}

class NewJob {
public:
    NewJob(const Options& options, const NewJobRequest& request)
        : options_(options), request_(request), dialogs_(request), session_(messages_, dialogs_) {}

    JobResults run() {
        if (!session_.start(options_.alias))
            refused(lastError(messages_));
        session_.calculation().setWindForm(options_.wind);
        JobResults results;
        try {
            results = build();
        } catch (...) {
            session_.exitProgram();
            throw;
        }
        session_.exitProgram();
        return results;
    }

private:
    JobResults build() {
        if (!stationExists(options_.alias, request_.station))
            refused(QStringLiteral("unknown station '%1'").arg(request_.station));
        session_.newJob();
        type(HeaderField::Name, request_.name);
        if (request_.date)
            type(HeaderField::Date, *request_.date);
        type(HeaderField::Location,
             request_.location.value_or(countyOf(options_.alias, request_.station)));
        type(HeaderField::Planner, request_.planner.value_or(QStringLiteral("kova-calc")));
        getNewClimate();
        JobResults job{
            session_.kova().JobName, session_.kova().StationName, session_.kova().ETMethodText, {}};
        for (const QString& crop : request_.crops)
            job.crops.push_back(addCrop(crop));
        if (request_.save)
            save();
        return job;
    }

    void type(HeaderField field, const QString& text) {
        session_.fieldTyped(field, text);
        session_.fieldLeft(field);
        if (session_.focus() == job::Focus::NameField)
            refused(lastError(messages_));
    }

    void getNewClimate() {
        if (session_.getNewClimate() == job::ClimateResult::Stopped) {
            const QString message = lastError(messages_);
            if (message == job::text::kJobNameUsed)
                refused(QStringLiteral("job name '%1' is already used by a saved job")
                            .arg(session_.fields().name));
            refused(message);
        }
        const std::vector<int>& offered = session_.offeredMethods();
        if (request_.method &&
            std::find(offered.begin(), offered.end(), *request_.method) == offered.end())
            refused(
                QStringLiteral("method %1 is not offered for station '%2' (allowed: %3)")
                    .arg(job::methodKey(*request_.method), request_.station, methodList(offered)));
    }

    CropResults addCrop(const QString& name) {
        const size_t before = messages_.items.size();
        session_.beginAddCrop();
        switch (session_.addCrop(name)) {
        case job::AddCropResult::Unknown:
            refused(QStringLiteral("unknown crop '%1'").arg(name));
        case job::AddCropResult::Refused:
            refused(QStringLiteral("crop '%1': %2").arg(name, lastError(messages_)));
        case job::AddCropResult::Failed:
            failed(messages_);
        case job::AddCropResult::Added:
            break;
        }
        // "OK" of the crop parameters dialog, pressed without an edit.
        job::CropParameters parameters(session_, messages_);
        if (!parameters.open())
            failed(messages_);
        switch (parameters.close()) {
        case job::CropCloseResult::EntriesRefused:
        case job::CropCloseResult::SeasonRefused:
            // One line: the dialog's list of entries to correct, joined.
            refused(QStringLiteral("crop '%1': %2").arg(name, lastError(messages_).simplified()));
        case job::CropCloseResult::Failed:
            failed(messages_);
        case job::CropCloseResult::Computed:
            break;
        }
        const store::Table& wk = session_.workingCrops();
        CropResults c;
        c.crop = wk.asString(QStringLiteral("Crop Name"));
        c.cropNo = wk.asInt(QStringLiteral("Crop No"));
        c.curveIndex = session_.kova().CurveIndex;
        c.kova = session_.kova();
        for (size_t i = before; i < messages_.items.size(); ++i)
            c.messages.push_back({messages_.items[i].kind, messages_.items[i].text});
        return c;
    }

    void save() {
        switch (session_.saveJob()) {
        case job::SaveResult::Refused:
            refused(lastError(messages_));
        case job::SaveResult::Failed:
            failed(messages_);
        default:
            break;
        }
    }

    const Options& options_;
    const NewJobRequest& request_;
    job::JobMessageLog messages_;
    RequestDialogs dialogs_;
    job::JobSession session_;
};

} // namespace

JobResults runNewJob(const Options& options, const NewJobRequest& request) {
    return NewJob(options, request).run();
}

} // namespace kova::tools
