#include "cropreportdlg.h"

#include "ui/datagrid.h"
#include "ui/datasource.h"
#include "ui/helpviewer.h"

#include "store/table.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::results {

namespace {
constexpr int kReportsHelp = 19021;
const QString kCropName = QStringLiteral("Crop Name");
} // namespace

CropReportDlg::CropReportDlg(store::Table& workingCrops, QWidget* parent)
    : QDialog(parent), workingCrops_(workingCrops),
      source_(new ui::DataSource(&workingCrops, this)),
      grid_(new ui::DataGrid(source_, {{kCropName, kCropName, 0, true}}, this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)),
      cancelButton_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(QStringLiteral("Print Crop Report"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select Crop for Report"), this));
    grid_->horizontalHeader()->setVisible(false);
    layout->addWidget(grid_);
    auto* buttons = new QDialogButtonBox(this);
    okButton_->setDefault(true);
    buttons->addButton(okButton_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton_, QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(okButton_, &QPushButton::clicked, this, &CropReportDlg::okButtonClick);
    connect(cancelButton_, &QPushButton::clicked, this, &CropReportDlg::cancelButtonClick);
    connect(grid_, &QAbstractItemView::doubleClicked, this, &CropReportDlg::okButtonClick);
    ui::Help::setContext(this, kReportsHelp);
    ui::Help::installF1(this);
    resize(320, 300);
}

void CropReportDlg::okButtonClick() {
    cropName_ = workingCrops_.asString(kCropName);
    reportCancelled_ = false;
    accept();
}

void CropReportDlg::cancelButtonClick() {
    reportCancelled_ = true;
    reject();
}

} // namespace kova::results
