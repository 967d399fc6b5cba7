#pragma once

#include "CommandButton.h"
#include "FormGraf.h"
#include "Label.h"
#include "PictureBox.h"
#include "ScriptedPort.h"
#include "Shape.h"
#include "Timer.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace velmor::testing {

// A graph window on a scripted port, loaded as the manual window's switch would load it. Its
// maps go into a Graf folder of its own: beside the program, there from the start; or the
// user's, made on the first save.
struct GrafWindow {
    QTemporaryDir dir;
    MapsFolder mapsFolder;
    SharedState state;
    std::shared_ptr<PortLog> log = std::make_shared<PortLog>();
    ScriptedPort* port = nullptr;
    std::unique_ptr<FormGraf> form;

    // The port's open fails with this error when one is given.
    std::optional<QString> openError;

    explicit GrafWindow(int loadLimit1 = 80, int loadLimit2 = 80, int powerLimit = 70,
                        bool userFolder = false)
        : mapsFolder{dir.filePath(QStringLiteral("data/Graf")), userFolder} {
        state.loadLimit1 = static_cast<qint16>(loadLimit1);
        state.loadLimit2 = static_cast<qint16>(loadLimit2);
        state.powerLimit = static_cast<qint16>(powerLimit);
        if (!userFolder)
            QDir().mkpath(mapsFolder.path);
        form = std::make_unique<FormGraf>(
            state,
            [this] {
                auto made = std::make_unique<ScriptedPort>(log);
                port = made.get();
                if (openError)
                    made->failOpenWith(*openError);
                return made;
            },
            mapsFolder);
    }

    template <class Control> Control* get(const char* name) const {
        return form->control<Control>(QString::fromLatin1(name));
    }
    ui::CommandButton* button(const char* name) const { return get<ui::CommandButton>(name); }
    ui::Label* label1() const { return get<ui::Label>("Label1"); }
    ui::Shape* shape(const char* name) const { return get<ui::Shape>(name); }
    ui::PictureBox* picture1() const { return get<ui::PictureBox>("Picture1"); }
    ui::Timer* timer1() const { return form->findChild<ui::Timer*>(QStringLiteral("Timer1")); }

    // Started, and ticked with nominal readings until the sweep has ended.
    void runToTheEnd() {
        button("Command3")->click();
        for (int ticks = 0; ticks < 20000 && !button("Command5")->isEnabled(); ++ticks) {
            port->queueReply({0, 128, 128, 128});
            form->tick();
        }
    }
};

} // namespace velmor::testing
