#include "programwindow.h"

#include "glyphs.h"
#include "helpviewer.h"
#include "hint.h"
#include "placement.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kova::ui {

ProgramWindow::ProgramWindow(const QString& caption, const QString& banner, const QString& subtitle,
                             const QString& helpFile, std::function<void()> showAbout,
                             QWidget* parent)
    : QMainWindow(parent), helpFile_(helpFile) {
    setWindowTitle(caption);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(10);

    auto* top = new QHBoxLayout;
    auto* logo = new QLabel;
    logo->setPixmap(programLogo(64));
    top->addWidget(logo);
    auto* titles = new QVBoxLayout;
    auto* title = new QLabel(banner);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);
    titles->addWidget(title);
    if (!subtitle.isEmpty())
        titles->addWidget(new QLabel(subtitle));
    top->addLayout(titles);
    top->addStretch();
    layout->addLayout(top);

    commands_ = new QVBoxLayout;
    layout->addLayout(commands_);
    layout->addStretch();

    auto* bottom = new QHBoxLayout;
    about_ = makeButton(QStringLiteral("&About Program"), {});
    help_ = makeButton(QStringLiteral("&Help"), {});
    close_ = makeButton(QStringLiteral("Close"), QStringLiteral("Close the program"));
    for (QPushButton* b : {about_, help_, close_})
        bottom->addWidget(b);
    layout->addLayout(bottom);
    connect(about_, &QPushButton::clicked, this, std::move(showAbout));
    connect(help_, &QPushButton::clicked, this, [] { Help::showContents(); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    setCentralWidget(central);
    statusBar();
    Help::installF1(this);
}

QPushButton* ProgramWindow::makeButton(const QString& text, const QString& hint) {
    auto* button = new QPushButton(text);
    button->setMinimumHeight(34);
    if (!hint.isEmpty())
        setHint(button, hint);
    return button;
}

QPushButton* ProgramWindow::addCommand(const QString& text, const QString& hint) {
    QPushButton* button = makeButton(text, hint);
    (group_ ? group_ : commands_)->addWidget(button);
    return button;
}

void ProgramWindow::beginGroup(const QString& title) {
    auto* box = new QGroupBox(title);
    group_ = new QVBoxLayout(box);
    commands_->addWidget(box);
}

void ProgramWindow::endGroup() {
    group_ = nullptr;
}

bool ProgramWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Help::setHelpFile(helpFile_);
    else if (event->type() == QEvent::Show)
        applyKeepOnScreen(this);
    return QMainWindow::event(event);
}

} // namespace kova::ui
