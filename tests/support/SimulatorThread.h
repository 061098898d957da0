// The receiver simulator on a thread of its own, playing one transfer over its
// pseudo-terminal while the test drives the PC's side. Link vormante_receiver_sim.
#pragma once

#include "ReceiverSimulator.h"

#include <QString>

#include <chrono>
#include <string>
#include <thread>
#include <utility>

namespace vormante::testsupport {

class SimulatorThread {
public:
    // Unpaced, with time-outs long enough for a busy machine; `linger` is how long
    // the simulator waits for the PC to close the line after a transfer.
    explicit SimulatorThread(vormante::sim::SimulatorOptions options,
                             std::chrono::seconds linger = std::chrono::seconds(5))
        : opts(std::move(options)) {
        opts.paced = false;
        opts.timeout = std::chrono::seconds(20);
        opts.linger = linger;
        opened = simulator.Open(&error);
    }
    SimulatorThread(const SimulatorThread&) = delete;
    SimulatorThread& operator=(const SimulatorThread&) = delete;
    ~SimulatorThread() {
        simulator.Cancel();
        if (worker.joinable())
            worker.join();
    }

    // False when the pseudo-terminal could not be opened.
    bool Start() {
        if (!opened)
            return false;
        worker = std::thread([this] { result = simulator.Run(opts); });
        return true;
    }
    const vormante::sim::SimulatorResult& Finish() {
        if (worker.joinable())
            worker.join();
        return result;
    }
    QString device() const { return QString::fromStdString(simulator.devicePath()); }

    vormante::sim::SimulatorOptions opts;
    std::string error;
    vormante::sim::ReceiverSimulator simulator;
    std::thread worker;
    vormante::sim::SimulatorResult result;
    bool opened = false;
};

} // namespace vormante::testsupport
