#pragma once
// The humidity/wind categories of the basal curves and created crops: humid or arid climate,
// moderate or strong wind, always offered in the order HM, HS, AM, AS.

#include <QString>
#include <QStringList>

namespace kova::cropedit {

inline constexpr int kCategoryCount = 4;

// "HM", "HS", "AM", "AS".
const QStringList& categoryCodes();
// The code at `index` (0..3); empty for any other index.
QString categoryCode(int index);
// The position of a code (0..3); -1 for any other text.
int categoryIndex(const QString& code);
// "Humid - Moderate wind [HM]": how the lists and reports name a category.
QString categoryName(const QString& code);

} // namespace kova::cropedit
