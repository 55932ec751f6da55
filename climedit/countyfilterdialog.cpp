#include "countyfilterdialog.h"

#include "ui/datagrid.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QVBoxLayout>

namespace kova::climedit {

CountyFilterDialog::CountyFilterDialog(ui::DataSource& counties, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Select County"));
    auto* layout = new QVBoxLayout(this);
    grid_ = new ui::DataGrid(&counties, {{QStringLiteral("County"), QStringLiteral("County"), 0}});
    grid_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(grid_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(grid_, &QAbstractItemView::doubleClicked, this, &QDialog::accept);
    resize(320, 420);
}

} // namespace kova::climedit
