#pragma once

#include "CommandButton.h"
#include "FormGraf.h"
#include "Label.h"
#include "PictureBox.h"
#include "ScriptedPort.h"
#include "Timer.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace velmor::testing {

// A graph window on a scripted port, with the sweep's bounds; the test loads it and delivers
// the ticks itself. Its maps go into a Graf folder of its own: beside the program, there from
// the start; or the user's, made on the first save.
struct ScriptedGraph {
    explicit ScriptedGraph(int limit1 = 80, int limit2 = 80, int power = 70,
                           bool userFolder = false)
        : mapsFolder{dir.filePath(QStringLiteral("data/Graf")), userFolder} {
        state.loadLimit1 = static_cast<qint16>(limit1);
        state.loadLimit2 = static_cast<qint16>(limit2);
        state.powerLimit = static_cast<qint16>(power);
        if (!userFolder)
            QDir().mkpath(mapsFolder.path);
        form = std::make_unique<FormGraf>(
            state,
            [this] {
                auto made = std::make_unique<ScriptedPort>();
                port = made.get();
                return made;
            },
            mapsFolder);
    }

    ui::CommandButton* button(const char* name) const {
        return form->findChild<ui::CommandButton*>(name);
    }
    QString label1() const { return form->findChild<ui::Label*>("Label1")->caption(); }
    const ui::PictureBox& picture() const { return *form->findChild<ui::PictureBox*>("Picture1"); }
    bool timerOn() const { return form->findChild<ui::Timer*>("Timer1")->enabled(); }

    // Started, and ticked with nominal readings until the sweep has ended.
    void runToTheEnd() {
        button("Command3")->click();
        for (int ticks = 0; ticks < 20000 && !button("Command5")->isEnabled(); ++ticks) {
            port->queueReply({0, 128, 128, 128});
            form->tick();
        }
    }

    QTemporaryDir dir; // the Graf folder of its own
    MapsFolder mapsFolder;
    SharedState state;
    ScriptedPort* port = nullptr;
    std::unique_ptr<FormGraf> form;
};

} // namespace velmor::testing
