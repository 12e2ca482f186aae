// Random input for the main window: clicks, keys, accelerators and commands
// in a seeded order, each step taken only where a user could act (the main
// loop or the end-of-turn wait), with every invariant checked in between.
#pragma once

#include <QObject>
#include <atomic>
#include <string>

#include "monkey/chance.h"

class GameWnd;
class QEventLoop;

class Monkey : public QObject {
public:
    Monkey(GameWnd& wnd, Chance& chance, History& history);

    // Takes `steps` steps, or fewer when the window closes, then ends every
    // wait they left open. Returns what
    // broke, with the steps that led there; empty when nothing did.
    std::string Run(long steps, const std::function<std::string()>& extraCheck);

    // Counts every step, for a watchdog that reports a freeze.
    static std::atomic<long>& Progress();
    // Counts the steps taken inside the end-of-turn wait.
    static long& StepsInWait();

protected:
    bool event(QEvent* event) override;

private:
    void Tick();
    void Post();
    std::string Check(bool nested);
    void Act();
    void Unwind(bool nested);
    void ClickBoard(Qt::MouseButton button, bool twice);
    int LikelyMoveLocation();
    void ClickChild();
    void MoveMouse();
    void PressKey();
    void PressAccelerator();
    void RunCommand();

    GameWnd& wnd_;
    Chance& chance_;
    History& history_;
    std::function<std::string()> extraCheck_;
    QEventLoop* loop_ = nullptr;
    int baseLevel_ = 0;
    std::vector<int> acting_;
    long stepsLeft_ = 0;
    std::string before_;
    std::string broken_;
};
