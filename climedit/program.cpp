#include "program.h"

#include "modal.h"

#include "ui/aboutbox.h"

namespace kova::climedit {

void showAboutBox(QWidget* parent) {
    ui::AboutBox box(kProgramTitle, kProgramVersion, parent);
    showModal(box);
}

} // namespace kova::climedit
