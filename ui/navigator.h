#pragma once
// The record navigator: first, prior, next, last and, when asked for, insert, delete, edit,
// post and cancel, each with its hint. Buttons are enabled by the table's position and state.

#include "datasource.h"
#include "glyphs.h"

#include <QFlags>
#include <QWidget>
#include <functional>
#include <map>

class QToolButton;

namespace kova::ui {

class Navigator : public QWidget {
    Q_OBJECT
public:
    enum Button {
        First = 0x1,
        Prior = 0x2,
        Next = 0x4,
        Last = 0x8,
        Insert = 0x10,
        Delete = 0x20,
        Edit = 0x40,
        Post = 0x80,
        Cancel = 0x100,
    };
    Q_DECLARE_FLAGS(Buttons, Button)
    static constexpr Buttons kMoves = Buttons(First | Prior | Next | Last);
    static constexpr Buttons kAll =
        Buttons(First | Prior | Next | Last | Insert | Delete | Edit | Post | Cancel);

    Navigator(DataSource* source, Buttons buttons = kMoves, QWidget* parent = nullptr);

    QToolButton* button(Button which) const; // nullptr when not shown
    // What else deleting the current row affects, told under the delete question; empty when
    // nothing.
    void setDeleteWarning(std::function<QString()> warning) { deleteWarning_ = std::move(warning); }
    static QString hint(Button which);
    void click(Button which);

signals:
    void inserted(); // after Insert: windows move the focus to their first box

private:
    void updateButtons();
    void act(Button which);

    DataSource* source_;
    std::map<Button, QToolButton*> buttons_;
    std::function<QString()> deleteWarning_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Navigator::Buttons)

} // namespace kova::ui
