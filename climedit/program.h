#pragma once
// The climate editor's name as its windows and About box show it.

#include <QString>

class QWidget;

namespace kova::climedit {

inline const QString kProgramTitle = QStringLiteral("Kova Climate database program (KovaClim)");
inline const QString kProgramVersion = QStringLiteral("1.0");
// The program's help, by the name its windows give it.
inline const QString kHelpFile = QStringLiteral("Kovaclim.Hlp");

void showAboutBox(QWidget* parent);

} // namespace kova::climedit
