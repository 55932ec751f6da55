#pragma once
// A private database with five grass curves in CrpForag, the table under the data-aware
// tests, and a message responder that answers instead of a person.

#include "store/table.h"
#include "tempdatabase.h"
#include "ui/datasource.h"
#include "ui/messages.h"

#include <QVariantMap>
#include <gtest/gtest.h>
#include <memory>

namespace kova::test {

struct GrassCurve {
    const char* name;
    const char* category;
    double lowKc;
    bool hay;
};

inline constexpr GrassCurve kGrassCurves[] = {
    {"Alfalfa", "HM", 0.30, true}, {"Bermuda", "AS", 0.45, false}, {"Clover", "HS", 0.35, true},
    {"Fescue", "AM", 0.40, false}, {"Timothy", "HM", 0.50, true},
};

class GrassTable : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(table.open()) << table.errorString().toStdString();
        for (const GrassCurve& curve : kGrassCurves) {
            ASSERT_TRUE(table.append());
            table.setValue(QStringLiteral("Crop Curve Name"), QString::fromLatin1(curve.name));
            table.setValue(QStringLiteral("Climate/Wind"), QString::fromLatin1(curve.category));
            table.setValue(QStringLiteral("Low Kc"), curve.lowKc);
            table.setValue(QStringLiteral("Hay"), curve.hay);
            table.setValue(QStringLiteral("Marked"), false);
            ASSERT_TRUE(table.post()) << table.errorString().toStdString();
        }
        table.first();
    }

    // What another program would read from the database now.
    QVariant stored(const QString& name, const QString& field) {
        store::Table reader(QStringLiteral("CrpForag"));
        reader.open();
        return reader.findKey({name}) ? reader.value(field) : QVariant();
    }

    TempDatabase database{TempDatabase::Contents::EmptySchema};
    store::Table table{QStringLiteral("CrpForag")};
    ui::DataSource source{&table};
    std::shared_ptr<ui::ScriptedResponder> answers = std::make_shared<ui::ScriptedResponder>();
    ui::ResponderScope scope{answers};
};

} // namespace kova::test
