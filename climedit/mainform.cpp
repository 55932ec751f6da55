#include "mainform.h"

#include "climdbform.h"
#include "datamodule.h"
#include "program.h"
#include "seldirform.h"
#include "whrform.h"

#include "ui/glyphs.h"
#include "ui/helpviewer.h"
#include "ui/modal.h"
#include "ui/placement.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kova::climedit {

MainForm::MainForm(DataModule& dm, QWidget* parent) : QMainWindow(parent), dm_(dm) {
    setWindowTitle(kProgramTitle);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(10);

    auto* banner = new QHBoxLayout;
    auto* logo = new QLabel;
    logo->setPixmap(ui::programLogo(64));
    banner->addWidget(logo);
    auto* title = new QLabel(QStringLiteral("Kova Climate Database"));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);
    banner->addWidget(title);
    banner->addStretch();
    layout->addLayout(banner);

    auto* commands = new QVBoxLayout;
    layout->addLayout(commands);
    auto add = [this, commands](const QString& text, const QString& hint) {
        QPushButton* button = addCommand(text, hint);
        commands->addWidget(button);
        return button;
    };
    import_ = add(QStringLiteral("New or add to Climate (Temperature/Precipitation] DB"),
                  QStringLiteral("Import county temperature and precipitation text files"));
    climate_ = add(QStringLiteral("Edit Climate [Temperature/Precipitation] DB"),
                   QStringLiteral("Edit the climate stations"));
    whr_ = add(QStringLiteral("Edit Wind/Humidity/Radiation DB"),
               QStringLiteral("Edit the wind, humidity and radiation sites"));
    connect(import_, &QPushButton::clicked, this, &MainForm::runImport);
    connect(climate_, &QPushButton::clicked, this, &MainForm::editClimate);
    connect(whr_, &QPushButton::clicked, this, &MainForm::editWHR);

    auto* bottom = new QHBoxLayout;
    QPushButton* about = addCommand(QStringLiteral("&About Program"), {});
    QPushButton* help = addCommand(QStringLiteral("&Help"), {});
    QPushButton* close = addCommand(QStringLiteral("Close"), QStringLiteral("Close the program"));
    for (QPushButton* b : {about, help, close})
        bottom->addWidget(b);
    layout->addStretch();
    layout->addLayout(bottom);
    connect(about, &QPushButton::clicked, this, [this] { showAboutBox(this); });
    connect(help, &QPushButton::clicked, this, [] { ui::Help::showContents(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    setCentralWidget(central);
    statusBar();
    ui::Help::installF1(this);
    resize(560, 340);
}

QPushButton* MainForm::addCommand(const QString& text, const QString& hint) {
    auto* button = new QPushButton(text);
    button->setMinimumHeight(34);
    if (!hint.isEmpty()) {
        button->setToolTip(hint);
        button->setStatusTip(hint);
    }
    return button;
}

bool MainForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        ui::Help::setHelpFile(kHelpFile);
        dm_.setImportChain(true);
    } else if (event->type() == QEvent::Show) {
        ui::applyKeepOnScreen(this);
    }
    return QMainWindow::event(event);
}

void MainForm::runImport() {
    SelDirForm directory(dm_, this);
    ui::showModal(directory);
}

void MainForm::editClimate() {
    dm_.setImportChain(false);
    ClimDBForm stations(dm_, this);
    ui::showModal(stations);
}

void MainForm::editWHR() {
    WHRForm whr(dm_, this);
    ui::showModal(whr);
}

} // namespace kova::climedit
