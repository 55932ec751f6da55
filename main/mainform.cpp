#include "mainform.h"

#include "deflocdlg.h"
#include "defsysdlg.h"
#include "jobpanel.h"
#include "removejobsdlg.h"
#include "startpicture.h"
#include "waitdlg.h"

#include "results/output/outputdlg.h"
#include "ui/busycursor.h"
#include "ui/datagrid.h"
#include "ui/enterastab.h"
#include "ui/helpviewer.h"
#include "ui/messages.h"
#include "ui/modal.h"
#include "ui/numericfield.h"
#include "ui/placement.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kova::mainwin {

using job::HeaderField;
using job::SiteField;

namespace {

constexpr QSize kDesignedSize{562, 470};

QPushButton* topButton(const QString& caption, const QString& hint, int help) {
    auto* button = new QPushButton(caption);
    // Enter presses the button that has the focus, as in the dialogs.
    button->setAutoDefault(true);
    if (!hint.isEmpty()) {
        button->setToolTip(hint);
        button->setStatusTip(hint);
    }
    if (help != 0)
        ui::Help::setContext(button, help);
    return button;
}

void showText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

// A refused entry stays as typed (red) while the job keeps its value, unless a new job or
// another job replaces what the fields show.
void showNumber(ui::NumericField* field, std::optional<double> value, bool newJob) {
    if (value) {
        if (field->value() != value && field->text() != field->picture().format(*value))
            field->setValue(value);
    } else if (field->isValid() || newJob) {
        field->setValue(std::nullopt);
    }
}

} // namespace

MainForm::MainForm(ProgramCommands commands, const QString& alias, QWidget* parent)
    : QMainWindow(parent), commands_(std::move(commands)) {
    setWindowTitle(kProgramTitle);
    wait_ = std::make_unique<WaitDlg>(this);
    dialogs_ = std::make_unique<WindowDialogs>(alias, this, *wait_);
    dialogs_->setBeforeAsking([this] {
        showFields(false);
        showControls();
    });
    session_ = std::make_unique<job::JobSession>(messages_, *dialogs_);
    session_->start(alias);
    crops_ = std::make_unique<ui::DataSource>(&session_->workingCrops());
    crops_->setAutoEdit(false);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar());
    stack_ = new QStackedWidget;
    picture_ = new StartPicture;
    panel_ = new JobPanel(*crops_);
    stack_->addWidget(picture_);
    stack_->addWidget(panel_);
    layout->addWidget(stack_, 1);
    setCentralWidget(central);
    buildMenus();
    connectFields();
    statusBar();
    ui::EnterAsTab::install(this);
    ui::Help::installF1(this);
    resize(kDesignedSize.expandedTo(sizeHint()));
    showSession(true);
}

MainForm::~MainForm() {
    // The controls go before the job session and the data source they show.
    delete takeCentralWidget();
}

QWidget* MainForm::buildTopBar() {
    auto* bar = new QWidget;
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 4, 6, 4);
    exit_ = topButton(QStringLiteral("E&xit"), {}, 0);
    newJob_ = topButton(QStringLiteral("New Job"), QStringLiteral("Enter new job data"), 9);
    prevJob_ = topButton(QStringLiteral("Get Prev Job"), QStringLiteral("Get previous job"), 24);
    saveJob_ = topButton(QStringLiteral("Save Job"), QStringLiteral("Save current job"), 22);
    cancel_ = topButton(QStringLiteral("Cancel"), {}, 39);
    cancel_->setShortcut(QKeySequence(Qt::Key_Escape));
    // Exit and Cancel drop the job: pressing them is not leaving the field being typed in
    // (an empty name would otherwise refuse to let the job go).
    for (QPushButton* b : {exit_, cancel_})
        b->setFocusPolicy(Qt::NoFocus);
    for (QPushButton* b : {exit_, newJob_, prevJob_, saveJob_, cancel_})
        layout->addWidget(b);
    layout->addStretch();
    connect(exit_, &QPushButton::clicked, this, &QWidget::close);
    connect(newJob_, &QPushButton::clicked, this, &MainForm::newJob);
    connect(prevJob_, &QPushButton::clicked, this, &MainForm::getPrevJob);
    connect(saveJob_, &QPushButton::clicked, this, &MainForm::saveJob);
    connect(cancel_, &QPushButton::clicked, this, &MainForm::cancelJob);
    return bar;
}

QAction* MainForm::addMenuItem(QMenu* menu, const QString& caption, std::function<void()> command,
                               const QString& hint) {
    QAction* item = menu->addAction(caption, this, std::move(command));
    if (!hint.isEmpty())
        item->setStatusTip(hint);
    menuItems_ << item;
    return item;
}

void MainForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    addMenuItem(file, QStringLiteral("&New Job"), [this] { newJob(); });
    addMenuItem(file, QStringLiteral("&Review or Edit Job..."), [this] { getPrevJob(); });
    addMenuItem(file, QStringLiteral("&Save Job"), [this] { saveJob(); });
    addMenuItem(
        file, QStringLiteral("&Maintain Job Database..."), [this] { maintainJobs(); },
        QStringLiteral("Delete old jobs"));
    file->addSeparator();
    // Closing asks the save question, once, as the button does.
    addMenuItem(file, QStringLiteral("E&xit"), [this] { close(); });

    QMenu* reports = menuBar()->addMenu(QStringLiteral("Reports"));
    addMenuItem(reports, QStringLiteral("Single Crop &Report"),
                [this] { runCropReport(commands_.reports.singleCropReport); });
    addMenuItem(reports, QStringLiteral("Single Crop &Details"),
                [this] { runCropReport(commands_.reports.singleCropDetails); });
    addMenuItem(reports, QStringLiteral("Job Crop &Summary"),
                [this] { runCropReport(commands_.reports.jobCropSummary); });
    addMenuItem(reports, QStringLiteral("&List of Jobs"),
                [this] { commands_.reports.listOfJobs(session_->alias(), this); });

    QMenu* options = menuBar()->addMenu(QStringLiteral("Options"));
    addMenuItem(options, QStringLiteral("&System Defaults"), [this] { systemDefaults(); });
    addMenuItem(options, QStringLiteral("&Local Defaults"), [this] { localDefaults(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    addMenuItem(help, QStringLiteral("&Contents"), [] { ui::Help::showContents(); });
    addMenuItem(help, QStringLiteral("&Search for Help on..."), [] { ui::Help::showSearch(); });
    addMenuItem(help, QStringLiteral("&About"), [this] { showAboutBox(this); });
}

QAction* MainForm::menuItem(const QString& caption) const {
    for (QAction* item : menuItems_)
        if (item->text() == caption)
            return item;
    return nullptr;
}

void MainForm::watch(QWidget* field, Field which) {
    fields_[field] = which;
    field->installEventFilter(this);
}

void MainForm::connectFields() {
    const std::pair<QLineEdit*, HeaderField> texts[] = {
        {panel_->nameEdit, HeaderField::Name},
        {panel_->dateEdit, HeaderField::Date},
        {panel_->locationEdit, HeaderField::Location},
        {panel_->plannerEdit, HeaderField::Planner},
    };
    for (const auto& [edit, field] : texts) {
        watch(edit, field);
        connect(edit, &QLineEdit::textEdited, this, [this, which = field](const QString& text) {
            pending_ = which;
            session_->fieldTyped(which, text);
            showControls();
        });
    }
    const std::pair<ui::NumericField*, SiteField> numbers[] = {
        {panel_->elevationEdit, SiteField::Elevation},
        {panel_->ratio50Edit, SiteField::Ratio50},
        {panel_->ratio80Edit, SiteField::Ratio80},
    };
    for (const auto& [edit, field] : numbers) {
        watch(edit, field);
        connect(edit, &QLineEdit::textEdited, this, [this, edit, which = field] {
            pending_ = which;
            // A value the field refuses is no value: the job keeps the one it has.
            session_->siteTyped(which, edit->isValid() ? edit->value() : std::nullopt);
            showControls();
        });
    }
    connect(panel_->getNewClimateButton, &QPushButton::clicked, this, &MainForm::getNewClimate);
    connect(panel_->displayButton, &QPushButton::clicked, this, &MainForm::displayCrop);
    connect(panel_->addCropButton, &QPushButton::clicked, this, &MainForm::addNewCrop);
    connect(panel_->editCropButton, &QPushButton::clicked, this, &MainForm::editCrop);
    connect(panel_->deleteCropButton, &QPushButton::clicked, this, &MainForm::deleteCrop);
    connect(panel_->cropGrid, &QAbstractItemView::doubleClicked, this, [this] {
        if (panel_->displayButton->isEnabled())
            displayCrop();
    });
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    const auto it = fields_.find(watched);
    if (it != fields_.end()) {
        const Field which = it->second;
        if (event->type() == QEvent::FocusIn) {
            pending_ = which;
        } else if (event->type() == QEvent::FocusOut && pending_ == which) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Another window taking the focus (a message box, a menu) is not leaving the field.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                pending_.reset();
                leaving_ = which;
                QMetaObject::invokeMethod(this, &MainForm::leaveQueuedField, Qt::QueuedConnection);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::leaveQueuedField() {
    if (!leaving_)
        return;
    const Field which = *leaving_;
    leaving_.reset();
    leaveField(which);
}

void MainForm::leaveField(Field which) {
    // Fields of a job dropped meanwhile are not left into the next one.
    if (!session_->controls().jobPanel)
        return;
    if (const auto* header = std::get_if<HeaderField>(&which))
        session_->fieldLeft(*header);
    else
        session_->siteLeft(std::get<SiteField>(which));
    showControls();
    showFocus();
}

void MainForm::leaveBeforeCommand(bool checksName) {
    for (std::optional<Field>* field : {&leaving_, &pending_}) {
        if (!*field)
            continue;
        const Field which = **field;
        field->reset();
        if (checksName || which != Field(HeaderField::Name))
            leaveField(which);
    }
}

void MainForm::runCommand(const std::function<void()>& command, bool checksName) {
    leaveBeforeCommand(checksName);
    command();
}

// --- commands ----------------------------------------------------------------------------

void MainForm::newJob() {
    runCommand([this] {
        if (session_->newJob())
            showSession(true);
        else
            showSession();
    });
}

void MainForm::getPrevJob() {
    runCommand([this] {
        session_->getPrevJob();
        showSession(true);
    });
}

void MainForm::saveJob() {
    runCommand([this] {
        session_->saveJob();
        showSession();
    });
}

void MainForm::cancelJob() {
    runCommand(
        [this] {
            const bool cancelled = session_->cancelJob();
            showSession(cancelled);
        },
        false);
}

void MainForm::getNewClimate() {
    runCommand([this] {
        const job::ClimateResult result = session_->getNewClimate();
        showSession();
        // No to "Edit site elevation or precipitation ratios?": Add New Crop follows.
        if (result == job::ClimateResult::AddCrop)
            addNewCrop();
    });
}

void MainForm::addNewCrop() {
    if (!commands_.crops.addNewCrop)
        return;
    runCommand([this] {
        session_->beginAddCrop();
        commands_.crops.addNewCrop(*session_, commands_.results, this);
        showSession();
    });
}

void MainForm::editCrop() {
    if (!commands_.crops.editCrop)
        return;
    runCommand([this] {
        commands_.crops.editCrop(*session_, commands_.results, this);
        showSession();
    });
}

void MainForm::displayCrop() {
    runCommand([this] {
        bool computed = false;
        {
            ui::BusyCursor busy;
            computed = session_->displayCrop();
        }
        if (computed)
            results::showCropResults(cropContext(), commands_.results, this);
        showSession();
    });
}

void MainForm::deleteCrop() {
    runCommand([this] {
        session_->deleteCrop();
        showSession();
    });
}

void MainForm::maintainJobs() {
    runCommand([this] {
        RemoveJobsDlg remove(*session_, this);
        ui::showModal(remove);
        showSession(!session_->controls().jobPanel);
    });
}

void MainForm::systemDefaults() {
    DefSysDlg defaults(session_->alias(), this);
    ui::showModal(defaults);
}

void MainForm::localDefaults() {
    DefLocDlg defaults(session_->alias(), this);
    ui::showModal(defaults);
}

void MainForm::runCropReport(const JobCommand& report) {
    if (!session_->hasCrops()) {
        ui::Messages::information(job::text::kNoActiveJob, this);
        return;
    }
    report(*session_, this);
    showSession();
}

results::CropResultsContext MainForm::cropContext() {
    return {session_->calculation(), session_->workingCrops(), session_->alias()};
}

// --- what the session shows --------------------------------------------------------------

void MainForm::showSession(bool newJob) {
    showFields(newJob);
    showControls();
    showFocus();
}

void MainForm::showFields(bool newJob) {
    const job::JobFields& f = session_->fields();
    showText(panel_->nameEdit, f.name);
    showText(panel_->dateEdit, f.date);
    showText(panel_->locationEdit, f.location);
    showText(panel_->plannerEdit, f.planner);
    panel_->stationName->setText(f.stationName);
    panel_->county->setText(f.county);
    panel_->stationNo->setText(f.stationNo);
    panel_->latitude->setText(f.latitude);
    panel_->longitude->setText(f.longitude);
    showNumber(panel_->elevationEdit, f.elevation, newJob);
    showNumber(panel_->ratio50Edit, f.ratio50, newJob);
    showNumber(panel_->ratio80Edit, f.ratio80, newJob);
    panel_->etLabel->setText(f.etMethod);
}

void MainForm::showControls() {
    const job::MainControls& c = session_->controls();
    const bool database = session_->hasDatabase();
    setWindowTitle(c.caption);
    stack_->setCurrentWidget(c.jobPanel ? static_cast<QWidget*>(panel_) : picture_);
    panel_->uniqueLabel->setVisible(c.uniqueNote);
    const std::pair<QPushButton*, bool> buttons[] = {
        {newJob_, c.newJob},
        {prevJob_, c.prevJob},
        {saveJob_, c.saveJob},
        {cancel_, c.cancel},
        {panel_->getNewClimateButton, c.getNewClimate},
        {panel_->displayButton, c.displayCrop},
        {panel_->addCropButton, c.addCrop && commands_.crops.addNewCrop},
        {panel_->editCropButton, c.editCrop && commands_.crops.editCrop},
        {panel_->deleteCropButton, c.deleteCrop},
    };
    for (const auto& [button, enabled] : buttons)
        button->setEnabled(enabled);
    for (QLineEdit* edit :
         {panel_->nameEdit, panel_->dateEdit, panel_->locationEdit, panel_->plannerEdit})
        edit->setEnabled(c.headerFields);
    panel_->climateGroup->setEnabled(c.climateGroup);
    for (ui::NumericField* edit : {panel_->elevationEdit, panel_->ratio50Edit, panel_->ratio80Edit})
        edit->setEnabled(c.siteFields);
    panel_->cropGrid->setEnabled(c.cropGrid);

    const ReportCommands& r = commands_.reports;
    const std::pair<const char*, bool> items[] = {
        {"&New Job", c.newJob},
        {"&Review or Edit Job...", c.prevJob},
        {"&Save Job", c.saveJob},
        {"&Maintain Job Database...", database},
        {"Single Crop &Report", database && r.singleCropReport},
        {"Single Crop &Details", database && r.singleCropDetails},
        {"Job Crop &Summary", database && r.jobCropSummary},
        {"&List of Jobs", database && r.listOfJobs},
        {"&System Defaults", database},
        {"&Local Defaults", database},
    };
    for (const auto& [caption, enabled] : items)
        menuItem(QLatin1String(caption))->setEnabled(enabled);
}

void MainForm::showFocus() {
    switch (session_->focus()) {
    case job::Focus::NewJobButton:
        newJob_->setFocus();
        break;
    case job::Focus::NameField:
        panel_->nameEdit->setFocus();
        break;
    case job::Focus::ElevationField:
        panel_->elevationEdit->setFocus();
        break;
    case job::Focus::CropGrid:
        panel_->cropGrid->setFocus();
        break;
    case job::Focus::Unchanged:
        break;
    }
}

// --- window ------------------------------------------------------------------------------

bool MainForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        ui::Help::setHelpFile(kHelpFile);
    } else if (event->type() == QEvent::Show && !placed_) {
        placed_ = true;
        ui::applyKeepOnScreen(this);
    }
    return QMainWindow::event(event);
}

void MainForm::closeEvent(QCloseEvent* event) {
    leaveBeforeCommand(false);
    // The save question, once, whichever way the window is closed.
    if (!session_->exitProgram()) {
        event->ignore();
        showSession();
        return;
    }
    event->accept();
}

} // namespace kova::mainwin
