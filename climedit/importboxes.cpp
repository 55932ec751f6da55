#include "importboxes.h"

#include "ui/messages.h"

namespace kova::climedit {

void BoxMessages::report(const climimport::ImportMessage& message) {
    switch (message.kind) {
    case climimport::MessageKind::Error:
        ui::Messages::error(message.text, parent_);
        return;
    case climimport::MessageKind::Warning:
        ui::Messages::warning(message.text, parent_);
        return;
    case climimport::MessageKind::Information:
        ui::Messages::information(message.text, parent_);
        return;
    }
}

bool BoxAnswerer::confirm(const QString& question) {
    // The import asks only before it replaces a county's stations.
    return ui::Messages::confirmDestructive(question, {}, {}, parent_);
}

} // namespace kova::climedit
