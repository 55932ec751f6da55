#pragma once
// How the import talks to whoever runs it: messages (shown as message boxes by the windows,
// printed by the command-line tool), Yes/No questions (answered by a person, a flag or a
// test) and progress.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kova::climimport {

enum class MessageKind { Error, Warning, Information };

struct ImportMessage {
    MessageKind kind = MessageKind::Error;
    QString text;
};

class ImportMessages {
public:
    virtual ~ImportMessages() = default;
    virtual void report(const ImportMessage& message) = 0;
};

// Answers the confirmation boxes of the import: true is Yes.
class ImportAnswerer {
public:
    virtual ~ImportAnswerer() = default;
    virtual bool confirm(const QString& question) = 0;
};

// Keeps every message in order; used by the tool's summary and by tests.
class MessageLog : public ImportMessages {
public:
    void report(const ImportMessage& message) override { messages_.push_back(message); }
    const std::vector<ImportMessage>& messages() const { return messages_; }
    QStringList texts() const;
    void clear() { messages_.clear(); }

private:
    std::vector<ImportMessage> messages_;
};

// done of total steps; `item` names the file or county just finished.
using ImportProgress = std::function<void(int done, int total, const QString& item)>;

} // namespace kova::climimport
