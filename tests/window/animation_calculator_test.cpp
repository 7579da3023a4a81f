// The calculator dialog: its keys, OK and Cancel, and its end.

#include <gtest/gtest.h>

#include <QPushButton>

#include "window/animation_adapter.h"
#include "window/calculator_dialog.h"
#include "window_test_support.h"

namespace {

struct RecordingKeys : CalculatorKeys {
    std::vector<CalcKey> keys;
    int finished = 0;
    int cancelled = 0;
    bool accept = true;
    bool key(CalcKey k) override
    {
        keys.push_back(k);
        return accept;
    }
    bool finish() override
    {
        ++finished;
        return true;
    }
    void cancel() override { ++cancelled; }
};

void press(TCalc& dialog, const QString& name)
{
    auto* button = dialog.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    button->click();
}

TEST(TCalc, KeysOkAndCancelReachTheProvider)
{
    ensure_widgets_application();
    RecordingKeys keys;
    TCalc dialog(keys);
    for (CalcKey k : {CalcKey::D7, CalcKey::Point, CalcKey::Plus, CalcKey::Sqrt, CalcKey::Open,
                      CalcKey::Pi, CalcKey::Back, CalcKey::Clear, CalcKey::Atan})
        press(dialog, QStringLiteral("key_") + TCalc::key_label(k));
    EXPECT_EQ(keys.keys, (std::vector<CalcKey>{CalcKey::D7, CalcKey::Point, CalcKey::Plus, CalcKey::Sqrt,
                                               CalcKey::Open, CalcKey::Pi, CalcKey::Back, CalcKey::Clear,
                                               CalcKey::Atan}));
    // Every key of the calculator has its button.
    for (int k = static_cast<int>(CalcKey::D0); k <= static_cast<int>(CalcKey::Clear); ++k)
        EXPECT_NE(dialog.findChild<QPushButton*>(QStringLiteral("key_") + TCalc::key_label(static_cast<CalcKey>(k))),
                  nullptr)
            << k;

    dialog.show_expression(QStringLiteral("AB+2"), QStringLiteral("=  7.00"));
    EXPECT_EQ(dialog.expression(), QStringLiteral("AB+2"));
    EXPECT_EQ(dialog.value(), QStringLiteral("=  7.00"));

    press(dialog, QStringLiteral("ok"));
    EXPECT_EQ(keys.finished, 1);
    press(dialog, QStringLiteral("cancel"));
    EXPECT_EQ(keys.cancelled, 1);
    // Closed once: later presses reach nobody.
    press(dialog, QStringLiteral("key_1"));
    dialog.reject();
    EXPECT_EQ(keys.keys.size(), 9u);
    EXPECT_EQ(keys.cancelled, 1);
}

TEST(TCalc, TheToolkitViewClosesItsDialogWhenItGoes)
{
    ensure_widgets_application();
    RecordingKeys keys;
    std::unique_ptr<CalculatorView> view = qt_calculator_factory()(keys);
    TCalc* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = dynamic_cast<TCalc*>(w); d && d->isVisible())
            dialog = d;
    ASSERT_NE(dialog, nullptr);
    view->show_expression("sin(30)", "=  0.50");
    EXPECT_EQ(dialog->expression(), QStringLiteral("sin(30)"));
    QPointer<TCalc> watch(dialog);
    view.reset();
    ASSERT_FALSE(watch.isNull());  // deferred: it may be inside one of its own calls
    EXPECT_FALSE(watch->isVisible());
    process_deferred_deletes();
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(keys.cancelled, 0);
}

}  // namespace
