#include "importfeedback.h"

#include <QStringList>

namespace kova::climimport {

QStringList MessageLog::texts() const {
    QStringList result;
    for (const ImportMessage& m : messages_)
        result << m.text;
    return result;
}

} // namespace kova::climimport
