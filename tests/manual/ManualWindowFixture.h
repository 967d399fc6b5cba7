#pragma once

#include "CommandButton.h"
#include "Form1.h"
#include "HScrollBar.h"
#include "Label.h"
#include "ScriptedPort.h"
#include "Shape.h"
#include "TextBox.h"
#include "Timer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace velmor::testing {

// A freshly loaded manual window on a scripted port. The handlers are called directly, as the
// message loop would call them; no event loop runs, so the window's own timers never tick.
class ManualWindow : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        form = Form1::load(
            state,
            [this] {
                auto made = std::make_unique<ScriptedPort>();
                port = made.get();
                return made;
            },
            &error);
        ASSERT_TRUE(form) << error.toStdString();
    }

    ui::Label* label(const char* name) const { return find<ui::Label>(name); }
    ui::CommandButton* button(const char* name) const { return find<ui::CommandButton>(name); }
    ui::HScrollBar* scroll(const char* name) const { return find<ui::HScrollBar>(name); }
    ui::Shape* shape(const char* name) const { return find<ui::Shape>(name); }
    ui::Timer* timer(const char* name) const { return find<ui::Timer>(name); }
    QString caption(const char* name) const { return label(name)->caption(); }
    QString text1() const { return find<ui::TextBox>("Text1")->text(); }

    // One measurement tick on the given reply.
    void tickWith(std::initializer_list<int> reply) {
        port->queueReply(reply);
        form->timer1Tick();
    }

    // Switched on with the given load settings, nothing sent yet.
    void switchOnWith(int setting5, int setting12, int setting33) {
        button("Command1")->click();
        scroll("HScroll1")->setValue(setting5);
        scroll("HScroll2")->setValue(setting12);
        scroll("HScroll3")->setValue(setting33);
    }

    std::vector<quint8> sent() const { return port->written(); }

    SharedState state;
    ScriptedPort* port = nullptr;
    std::unique_ptr<Form1> form;

private:
    template <class Control> Control* find(const char* name) const {
        auto* control = form->control<Control>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
};

} // namespace velmor::testing
