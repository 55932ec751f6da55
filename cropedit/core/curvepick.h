#pragma once
// The two curve pickers of the created-crop window as steps on the crop row, without their
// dialogs: what they choose first (a new crop: the last-used choices of CrpLastUse; an
// existing crop: its own curves), what each click writes into the row, the check made on OK
// and what Cancel puts back. The dialogs show the choices and forward the clicks.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <vector>

namespace kova::store {
class Table;
}

namespace kova::cropedit {

// What both pickers do with the crop row.
class CurvePick {
public:
    bool newCrop() const { return newCrop_; }
    // Cancel: a new crop keeps what the picker wrote (its first choices stay); an existing
    // crop gets back exactly what it held before the picker was shown.
    void cancel();
    // The crop row must be posted when the picker closes (never while a new crop is composed:
    // that is left to the window).
    bool postsOnClose() const { return !newCrop_; }

protected:
    CurvePick(store::Table& crop, QStringList fields, bool newCrop);
    // Puts the crop row in edit unless it is in edit already.
    void startEdit();
    void write(const QString& field, const QVariant& value);
    QString cropValue(const QString& field) const;
    // Whether `name` is one of the curves `listed` shows (letter case ignored).
    static bool lists(store::Table& listed, const QString& name);

    store::Table& crop_;

private:
    QStringList fields_;
    bool newCrop_;
    bool wasBrowsing_;
    std::vector<QVariant> before_;
};

// "BC Kc Crop Curve Data": 'BC Crop Type' and 'BC Crop Curve Name' of the crop.
class TR21Pick : public CurvePick {
public:
    enum Type { Annual = 0, Perennial = 1 };
    TR21Pick(store::Table& crop, store::Table& annual, store::Table& perennial,
             store::Table& lastUse, bool newCrop);

    // Showing the picker; the message to show, empty when none.
    QString begin();
    int typeIndex() const { return type_; }               // -1: none chosen
    store::Table* listedTable() const { return listed_; } // nullptr: none listed
    // A click on "BC Kc Curve Type".
    void chooseType(int type);
    // OK: the warning to show when the crop's curve is not one the list offers; else empty.
    QString checkChoice() const;

private:
    store::Table* tableOf(int type) const;
    void showType(int type); // selects and lists without writing

    store::Table& annual_;
    store::Table& perennial_;
    store::Table& lastUse_;
    int type_ = -1;
    store::Table* listed_ = nullptr;
};

// "Get Basal Kc Curve Data": 'Bas Crop Type', 'Humidity/Wind' and 'Bas Crop Curve Name'.
class BasalPick : public CurvePick {
public:
    // The basal tables in the order of "Kc Curve Type": field and vegetable, perennial and
    // specialty, grasses and forage legumes.
    BasalPick(store::Table& crop, std::array<store::Table*, 3> curves, store::Table& lastUse,
              bool newCrop);

    // Showing the picker; the messages to show, in order.
    QStringList begin();
    int typeIndex() const { return type_; }         // -1: none chosen
    int categoryIndex() const { return category_; } // -1: none chosen
    store::Table* listedTable() const { return listed_; }
    // Clicks on "Kc Curve Type" and on "Humidity/Wind".
    void chooseType(int type);
    void chooseCategory(int category);
    // OK: the warning to show when the crop's curve is not one the list offers; else empty.
    // No basal curve at all is a choice too.
    QString checkChoice() const;

private:
    void list(); // the table of the type chosen, only its curves of the category chosen

    std::array<store::Table*, 3> curves_;
    store::Table& lastUse_;
    int type_ = -1;
    int category_ = -1;
    store::Table* listed_ = nullptr;
};

} // namespace kova::cropedit
