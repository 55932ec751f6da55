#include "entrylook.h"

#include <QLineEdit>

namespace kova::ui {

EntryLook::EntryLook(QLineEdit* box) : box_(box), normal_(box->palette()) {}

bool EntryLook::show(bool valid) {
    if (valid == shownValid_)
        return false;
    shownValid_ = valid;
    if (valid) {
        box_->setPalette(normal_);
    } else {
        QPalette error = normal_;
        error.setColor(QPalette::Base, errorBackground());
        error.setColor(QPalette::Text, errorText());
        box_->setPalette(error);
    }
    return true;
}

} // namespace kova::ui
