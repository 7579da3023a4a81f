// The Script Manager and the dialogs are widgets: the test program makes its
// widgets application before any test, as painting tests would otherwise
// bring up a plain GUI application first.

#include <gtest/gtest.h>

#include "script_fixture.h"

namespace {

class WidgetsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ensure_widgets_application(); }
};

[[maybe_unused]] ::testing::Environment* const kWidgets =
    ::testing::AddGlobalTestEnvironment(new WidgetsEnvironment);

}  // namespace
