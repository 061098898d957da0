// A countdown the test runs out by hand, and the pair of them an engine uses.
#pragma once

#include "transfer/Countdown.h"
#include "transfer/TransferEngine.h"

#include <memory>

class FakeCountdown : public vormante::Countdown {
public:
    void Start(std::chrono::milliseconds interval) override {
        running = true;
        lastInterval = interval;
        ++starts;
    }
    void Stop() override { running = false; }
    bool IsRunning() const override { return running; }

    // Time runs out: expires only a running countdown, as a timer would.
    void RunOut() {
        if (!running)
            return;
        running = false;
        if (expired)
            expired();
    }

    bool running = false;
    std::chrono::milliseconds lastInterval{0};
    int starts = 0;
};

// Puts two fake countdowns into the engine; the engine owns them.
struct FakeCountdowns {
    FakeCountdown* silence = nullptr;
    FakeCountdown* handshakeWait = nullptr;

    explicit FakeCountdowns(vormante::TransferEngine& engine) {
        auto silenceCountdown = std::make_unique<FakeCountdown>();
        auto handshakeCountdown = std::make_unique<FakeCountdown>();
        silence = silenceCountdown.get();
        handshakeWait = handshakeCountdown.get();
        engine.UseCountdowns(std::move(silenceCountdown), std::move(handshakeCountdown));
    }
};
