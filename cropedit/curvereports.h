#pragma once
// The reports of the curve and crop type windows, each over its table as the table shows it
// (its order, range and filter). Every one is headed "Kova Crop Database".

#include "report/tablereport.h"

#include <memory>

namespace kova::cropedit {

using report::TableReport;

// "List of All Blaney Criddle Annual Crop Curves": each curve with its 21 Kc values.
std::unique_ptr<TableReport> buildBCAnnualList(store::Table& curves);
// "List of All Blaney Criddle Perennial Crop Curves": each curve with its 25 Kc values.
std::unique_ptr<TableReport> buildBCPerennialList(store::Table& curves);
// "List of All Annual Crop Type Curves": crop type, Fs1, Fs2, Fs3, DaysMin, DaysMax.
std::unique_ptr<TableReport> buildCropTypeList(store::Table& types);

// "List of All Field and Vegetable Crop Curves": name, crop type, category.
std::unique_ptr<TableReport> buildFieldVegList(store::Table& curves);
// "Selected Field and Vegetable Crop Details": name, crop type, category, Kcp, Kcm.
std::unique_ptr<TableReport> buildFieldVegDetails(store::Table& curves);
// "List of All Perennial and Special Crop Curves": name, category, ground cover, conditions.
std::unique_ptr<TableReport> buildPerennialList(store::Table& curves);
// "Selected Perennial Crop Curves (Details)": every field with the monthly Kc and notes.
std::unique_ptr<TableReport> buildPerennialDetails(store::Table& curves);
// "List of All Grass and Forage Legume Crop Curves": name, category, low and high Kc.
std::unique_ptr<TableReport> buildGrassList(store::Table& curves);
// "Selected Grass and Forage Legume Crops": the Kc and peak values and notes.
std::unique_ptr<TableReport> buildGrassDetails(store::Table& curves);

} // namespace kova::cropedit
