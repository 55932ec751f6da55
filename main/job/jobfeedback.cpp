#include "jobfeedback.h"

namespace kova::job {

namespace {

constexpr int kEditSiteHelp = 19029;

} // namespace

QStringList JobMessageLog::texts() const {
    QStringList out;
    for (const JobMessage& m : items)
        out << m.text;
    return out;
}

QuestionBox questionBox(Question question) {
    switch (question) {
    case Question::SaveJobAs:
        return {true, false, 0, false};
    case Question::EditSite:
        return {true, true, kEditSiteHelp, false};
    case Question::DeleteCrop:
    case Question::DeleteJob:
        break;
    }
    return {false, false, 0, true};
}

} // namespace kova::job
