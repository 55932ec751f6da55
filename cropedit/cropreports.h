#pragma once
// The two reports of the created-crop window, over `KovaCrop` as the table shows it.

#include "report/tablereport.h"

#include <memory>

namespace kova::cropedit {

// "List of All Crop Items": crop name, basal curve name, TR21 curve name.
std::unique_ptr<report::TableReport> buildCropList(store::Table& crops);
// "Selected Local Crops, Details": every field of each crop shown (the marked ones).
std::unique_ptr<report::TableReport> buildCropDetails(store::Table& crops);

} // namespace kova::cropedit
