#include "aboutbox.h"

#include "glyphs.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kova::ui {

AboutBox::AboutBox(const QString& programName, const QString& version, QWidget* parent)
    : QDialog(parent), programName_(programName), version_(version) {
    setWindowTitle(QStringLiteral("About %1").arg(programName));

    auto* logo = new QLabel;
    logo->setPixmap(programLogo(64));
    auto* name = new QLabel(programName);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    name->setFont(bold);
    name->setObjectName(QStringLiteral("programName"));
    auto* versionLabel = new QLabel(QStringLiteral("Version %1").arg(version));
    versionLabel->setObjectName(QStringLiteral("version"));
    auto* purpose = new QLabel(QStringLiteral("Irrigation water requirements for farm sites"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(versionLabel);
    texts->addWidget(purpose);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

} // namespace kova::ui
