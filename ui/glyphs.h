#pragma once
// The small pictures of the shared controls: the edit-mode lights of the managed editors
// ("StartLight" green, "StopLight" red), the help buttons' "Help", the navigator's buttons and
// the programs' logo.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kova::ui {

// A glyph by its resource name ("StartLight", "StopLight", "Help"); a null icon for unknown
// names.
QIcon glyph(const QString& name);

enum class NavigatorGlyph { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel };
QIcon navigatorIcon(NavigatorGlyph which);

QPixmap programLogo(int size);

} // namespace kova::ui
