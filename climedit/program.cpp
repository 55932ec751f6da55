#include "program.h"

#include "ui/aboutbox.h"
#include "ui/modal.h"

namespace kova::climedit {

void showAboutBox(QWidget* parent) {
    ui::AboutBox box(kProgramTitle, kProgramVersion, parent);
    ui::showModal(box);
}

} // namespace kova::climedit
