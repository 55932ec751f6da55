#pragma once
// The crop editor's name as its windows and About box show it, and its help.

#include <QString>

class QWidget;

namespace kova::cropedit {

inline const QString kProgramTitle = QStringLiteral("Kova Crop database program (KovaCrop)");
inline const QString kProgramVersion = QStringLiteral("1.0");
// The help file as the program names it at start, and as its windows name it afterwards.
inline const QString kInstalledHelpFile =
    QStringLiteral("c:\\Program Files\\Verdane\\Kova\\Kovacrop.Hlp");
inline const QString kHelpFile = QStringLiteral("Kovacrop.Hlp");
// Every crop report is headed with the database's name.
inline const QString kReportHeading = QStringLiteral("Kova Crop Database");

void showAboutBox(QWidget* parent);

} // namespace kova::cropedit
