#pragma once
// The climate editor's window tests: the shared window fixture and the program's data module.

#include "windowfixture.h"

#include "climedit/datamodule.h"

#include <memory>

namespace kova::climedit::test {

class ClimEditFixture : public kova::test::WindowFixture {
protected:
    explicit ClimEditFixture(Contents contents = Contents::Delivered)
        : WindowFixture(contents), dm(std::make_unique<DataModule>()) {}

    std::unique_ptr<DataModule> dm;
};

} // namespace kova::climedit::test
