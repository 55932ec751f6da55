#include "navigator.h"

#include "messages.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace kova::ui {

using store::EditState;

namespace {

struct ButtonInfo {
    Navigator::Button button;
    NavigatorGlyph glyph;
    const char* hint;
};

constexpr ButtonInfo kButtons[] = {
    {Navigator::First, NavigatorGlyph::First, "Goto first record"},
    {Navigator::Prior, NavigatorGlyph::Prior, "Goto previous record"},
    {Navigator::Next, NavigatorGlyph::Next, "Goto next record"},
    {Navigator::Last, NavigatorGlyph::Last, "Goto last record"},
    {Navigator::Insert, NavigatorGlyph::Insert, "Insert record"},
    {Navigator::Delete, NavigatorGlyph::Delete, "Delete record"},
    {Navigator::Edit, NavigatorGlyph::Edit, "Edit record"},
    {Navigator::Post, NavigatorGlyph::Post, "Post edit"},
    {Navigator::Cancel, NavigatorGlyph::Cancel, "Cancel edit"},
};

} // namespace

QString Navigator::hint(Button which) {
    for (const ButtonInfo& info : kButtons)
        if (info.button == which)
            return QString::fromLatin1(info.hint);
    return {};
}

Navigator::Navigator(DataSource* source, Buttons buttons, QWidget* parent)
    : QWidget(parent), source_(source) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (const ButtonInfo& info : kButtons) {
        if (!buttons.testFlag(info.button))
            continue;
        auto* button = new QToolButton;
        button->setIcon(navigatorIcon(info.glyph));
        button->setIconSize(QSize(16, 16));
        button->setToolTip(QString::fromLatin1(info.hint));
        button->setAutoRaise(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumSize(26, 24);
        const Button which = info.button;
        connect(button, &QToolButton::clicked, this, [this, which] { act(which); });
        layout->addWidget(button);
        buttons_[which] = button;
    }
    store::Table* table = source_->table();
    connect(table, &store::Table::currentChanged, this, &Navigator::updateButtons);
    connect(table, &store::Table::rowsReset, this, &Navigator::updateButtons);
    connect(table, &store::Table::stateChanged, this, &Navigator::updateButtons);
    updateButtons();
}

QToolButton* Navigator::button(Button which) const {
    const auto found = buttons_.find(which);
    return found == buttons_.end() ? nullptr : found->second;
}

void Navigator::click(Button which) {
    if (QToolButton* b = button(which); b && b->isEnabled())
        b->click();
}

void Navigator::updateButtons() {
    const store::Table* table = source_->table();
    const EditState state = table->state();
    const bool open = state != EditState::Inactive;
    const bool editing = state == EditState::Edit || state == EditState::Insert;
    const int count = open ? table->recordCount() : 0;
    const int position = open ? table->recNo() : -1;
    const bool browsing = state == EditState::Browse;
    const std::map<Button, bool> enabled = {
        {First, open && count > 0 && (position > 0 || editing)},
        {Prior, open && count > 0 && (position > 0 || editing)},
        {Next, open && count > 0 && (position < count - 1 || editing)},
        {Last, open && count > 0 && (position < count - 1 || editing)},
        {Insert, open},
        {Delete, open && count > 0 && state != EditState::Insert},
        {Edit, browsing && count > 0},
        {Post, editing},
        {Cancel, editing},
    };
    for (const auto& [which, button] : buttons_)
        button->setEnabled(enabled.at(which));
}

void Navigator::act(Button which) {
    store::Table* table = source_->table();
    auto report = [this](bool ok, const QString& action) {
        if (!ok)
            source_->tellFailure(action);
    };
    switch (which) {
    case First:
    case Last:
    case Next:
    case Prior:
        // Moving off a row in edit posts it; the data source checks the boxes first.
        if (!source_->post())
            return;
        if (which == First)
            table->first();
        else if (which == Last)
            table->last();
        else if (which == Next)
            table->next();
        else
            table->prior();
        break;
    case Insert:
        if (!source_->post())
            return;
        if (!table->insert())
            Messages::error(
                failureText(
                    QStringLiteral("A new %1 cannot be added").arg(source_->rowWords().noun),
                    table->errorString()),
                table->errorString(), window());
        if (table->state() == EditState::Insert)
            emit inserted();
        break;
    case Delete: {
        const QString warning = deleteWarning_ ? deleteWarning_() : QString();
        if (Messages::confirmDestructive(QStringLiteral("Delete record?"), {}, warning, window()))
            report(table->remove(), QStringLiteral("deleted"));
        break;
    }
    case Edit:
        report(table->edit(), QStringLiteral("changed"));
        break;
    case Post:
        source_->post();
        break;
    case Cancel:
        table->cancel();
        break;
    }
    updateButtons();
}

} // namespace kova::ui
