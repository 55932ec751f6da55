#include "program.h"

#include "ui/aboutbox.h"
#include "ui/modal.h"

namespace kova::cropedit {

void showAboutBox(QWidget* parent) {
    ui::AboutBox box(kProgramTitle, kProgramVersion, parent);
    ui::showModal(box);
}

} // namespace kova::cropedit
