#pragma once
// Base of the test programs that drive one window with fake services: every
// test function gets a fresh window, shown on screen where the program asks
// for it, and nothing of it outlives the function.
#include <QObject>
#include <memory>

#include "tests/support/Spielhilfe.h"

class SpielTest : public QObject {
    Q_OBJECT
protected:
    explicit SpielTest(bool zeigen = false) : zeigen_(zeigen) {}
    fakes::Spiel& s() { return *spiel_; }
    Flinkblick& w() { return spiel_->w(); }

protected slots:
    void init();
    void cleanup();

private:
    bool zeigen_;
    std::unique_ptr<fakes::Spiel> spiel_;
};
