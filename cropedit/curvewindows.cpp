#include "curvewindows.h"

#include "cropedit/core/humiditywind.h"
#include "ui/datacontrols.h"
#include "ui/hint.h"

#include <QMenu>
#include <QMenuBar>

namespace kova::cropedit {

ui::DataNumericEdit* numberBox(ui::DataSource& source, const QString& field, const QString& picture,
                               const QString& hint, int maxWidth) {
    auto* box = new ui::DataNumericEdit(&source, field, picture);
    ui::setHint(box, hint);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(maxWidth);
    return box;
}

ui::DataRadioGroup* categoryGroup(ui::DataSource& source, const QString& field,
                                  const QString& title, const QStringList& items) {
    return new ui::DataRadioGroup(&source, field, title, items, categoryCodes());
}

void addShowByMenu(QMenuBar* menuBar, ui::DataSource& source, const QString& nameIndex) {
    QMenu* menu = menuBar->addMenu(QStringLiteral("Show By"));
    const char* const captions[kCategoryCount] = {"Humid - Mod Wind", "Humid - Strong Wind",
                                                  "Arid - Mod Wind", "Arid - Strong Wind"};
    for (int category = 0; category < kCategoryCount; ++category)
        menu->addAction(QLatin1String(captions[category]), menu, [&source, category] {
            source.showKeyRange(QStringLiteral("HWIndex"), categoryCode(category));
        });
    menu->addSeparator();
    // Every curve, whatever its name begins with.
    menu->addAction(QStringLiteral("Show All"), menu,
                    [&source, nameIndex] { source.showInOrder(nameIndex); });
}

} // namespace kova::cropedit
