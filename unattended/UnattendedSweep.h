#pragma once

#include "MapFile.h"
#include "MapRecord.h"
#include "PortRecovery.h"
#include "SerialPort.h"
#include "SharedState.h"
#include "SweepProgress.h"
#include "SweepRecorder.h"
#include "SweepRequest.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>

namespace ui {
class PictureBox;
}

namespace velmor {

// The cross-load sweep without a window: what the graph window does from its load to the save,
// with the limits given. The port opens and takes the all-off frame, the supply goes on, and every
// 100 ms a tick reads the reply, advances the sweep, paints the cell on a map of the graph
// window's size and sends the next frame; the end frame comes last. Then the map, its data, the
// summary and, if asked, the report are saved, and finished() gives the exit status. Every way out
// with the port open ends with the all-off frame (supply off, no load) before the port closes.
class UnattendedSweep : public QObject {
    Q_OBJECT
public:
    // Progress goes to the stream: redrawn in place on a terminal, one line per row otherwise.
    struct Output {
        std::FILE* stream = stdout;
        bool terminal = false;
    };

    // The recorder, if any, keeps the sweep's test record as the graph window's does.
    // The map and its files are saved as the target names them inside the maps folder.
    UnattendedSweep(SweepRequest request, QString mapsFolder, MapPath target,
                    const PortFactory& makePort, Output output, SweepRecorder* recorder = nullptr);
    ~UnattendedSweep() override;

    // Opens the port and sends the all-off frame; the ticks follow. Returns why the port cannot
    // be opened, or nothing.
    std::optional<QString> start();

    // Stops the sweep: the loads and the supply go off, the port closes, and the exit status is 1.
    void interrupt();

signals:
    void finished(int status);

private:
    void tick();
    void linkChanged(const std::optional<QString>& lostReason);
    // Redraws the bar, or writes the line of the row the tick finished, which holds the cells up
    // to the given count.
    void showProgress(const std::optional<ReplyFrame>& reply, std::optional<int> rowDone,
                      int cellsThroughRow);
    int save();
    // Once, while the port is open: the end frame if asked, then the all-off frame.
    void switchOff(bool sendEndFrame);
    // Switches off (the end frame too unless it went already), lets the frames leave, closes the
    // port, and finishes; the record, if one is open, ends as given.
    void finish(int status, bool sendEndFrame, std::optional<SweepEnd> recordEnd);

    SweepRequest request_;
    QString mapsFolder_;
    MapPath target_;
    Output output_;
    SharedState state_;
    std::unique_ptr<SerialPort> port_;
    PortRecovery recovery_;
    std::unique_ptr<ui::PictureBox> map_;
    MapRecord record_;
    QTimer timer_;
    QElapsedTimer clock_;
    QElapsedTimer lastHeard_; // since the last reply, or since the start
    SweepProgress progress_;
    SweepRecorder* recorder_;
    bool finishing_ = false;
    bool switchedOff_ = false;
};

} // namespace velmor
