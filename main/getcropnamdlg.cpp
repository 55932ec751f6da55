#include "getcropnamdlg.h"

#include "main/job/jobsession.h"
#include "ui/datacontrols.h"
#include "ui/datagrid.h"
#include "ui/helpviewer.h"
#include "ui/labels.h"
#include "ui/messages.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kova::mainwin {

namespace {

constexpr int kAddCropHelp = 11;
const QString kCopName = QStringLiteral("Cop Name");

QLabel* plain(QLabel* label) {
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

GetCropNamDlg::GetCropNamDlg(job::JobSession& session, QWidget* parent)
    : QDialog(parent), session_(session), crops_(QStringLiteral("KovaCrop"), session.alias()) {
    setWindowTitle(QStringLiteral("Get Crop Name"));
    // Created crops are maintained in the crop editor: here they are only chosen.
    source_.setAutoEdit(false);
    crops_.setIndexName(QStringLiteral("CropNameIndex"));
    if (!crops_.open())
        ui::Messages::error(QStringLiteral("The created crops cannot be listed."),
                            crops_.errorString(), parent);
    crops_.first();

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    ok_->setToolTip(QStringLiteral("Save crop and continue"));
    ok_->setEnabled(crops_.isOpen() && !crops_.isEmpty());
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    cancel_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &GetCropNamDlg::takeCrop);
    connect(cancel_, &QPushButton::clicked, this, &GetCropNamDlg::reject);
    auto* bar = new QHBoxLayout;
    bar->addWidget(ok_);
    bar->addWidget(cancel_);
    bar->addStretch();
    bar->addWidget(ui::helpButton(kAddCropHelp));

    auto* chosen = plain(ui::bold(new ui::DataLabel(&source_, kCopName)));
    chosen->setObjectName(QStringLiteral("cropName"));
    grid_ = new ui::DataGrid(
        &source_, {{kCopName, QStringLiteral("Crop Name"), ui::GridColumn::kFieldWidth, true}});
    ui::Help::setContext(grid_, kAddCropHelp);
    connect(grid_, &QAbstractItemView::doubleClicked, this, [this] {
        if (ok_->isEnabled())
            takeCrop();
    });
    auto* list = new QVBoxLayout;
    list->addWidget(new QLabel(QStringLiteral("Crop Name")));
    list->addWidget(chosen);
    list->addWidget(new QLabel(QStringLiteral("Select Crop Name")));
    list->addWidget(grid_, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(list, 1);
    body->addWidget(buildCropData(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(body, 1);
    ui::Help::setContext(this, kAddCropHelp);
    ui::Help::installF1(this);
    resize(720, 460);
    grid_->setFocus();
}

QWidget* GetCropNamDlg::buildCropData() {
    auto* group = new QGroupBox(QStringLiteral("Crop Data (display only)"));
    auto* form = new QVBoxLayout(group);
    const std::pair<const char*, const char*> curves[] = {
        {"Basil (Grass Reference) Curve Name", "Bas Crop Curve Name"},
        {"Blaney Criddle Kc Crop Curve Name", "BC Crop Curve Name"},
    };
    for (const auto& [caption, field] : curves) {
        form->addWidget(new QLabel(QLatin1String(caption)));
        auto* value =
            plain(ui::coloured(new ui::DataLabel(&source_, QLatin1String(field)), Qt::darkBlue));
        value->setObjectName(QLatin1String(field));
        form->addWidget(value);
    }
    humidityWind_ = new ui::DataRadioGroup(
        &source_, QStringLiteral("Humidity/Wind"), QStringLiteral("Humidity/Wind Condition"),
        {QStringLiteral("Humid - Moderate Wind"), QStringLiteral("Humid - Strong Wind"),
         QStringLiteral("Arid - Moderate Wind"), QStringLiteral("Arid - Strong Wind")},
        {QStringLiteral("HM"), QStringLiteral("HS"), QStringLiteral("AM"), QStringLiteral("AS")},
        2);
    humidityWind_->setReadOnly(true);
    form->addWidget(humidityWind_);
    form->addWidget(new QLabel(QStringLiteral("Notes")));
    auto* notes = new ui::DataMemo(&source_, QStringLiteral("Notes"));
    notes->setReadOnly(true);
    notes->setObjectName(QStringLiteral("notes"));
    form->addWidget(notes, 1);
    return group;
}

void GetCropNamDlg::takeCrop() {
    if (done_ || crops_.isEmpty())
        return;
    done_ = true;
    const QString name = crops_.asString(kCopName);
    crops_.close();
    // A crop already in the job or without a curve for its method is refused with its message,
    // and the job's state is put back as for Cancel.
    added_ = session_.addCrop(name) == job::AddCropResult::Added;
    accept();
}

void GetCropNamDlg::reject() {
    if (!done_) {
        done_ = true;
        session_.cancelAddCrop();
    }
    crops_.close();
    QDialog::reject();
}

} // namespace kova::mainwin
