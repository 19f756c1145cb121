#pragma once
// What the main window lends the commands that another folder carries out
// for it (the radio's read, write and information read,
// radio/radiocommands.h): File > Save for the save question, the lock of its
// commands while a transfer runs without a modal dialog, and opening a child
// over it. The main window's form implements it; which menu entry runs
// which command is wired where both are known (mainwindow/radiomenu.h).
#include <memory>

#include "forms/mainwindowcalls.h"

namespace rp {

class Form;

class MainWindowCommands : public MainWindowCalls {
public:
    // Locked: every command entry is disabled but those that may run during
    // a transfer, and the grids open no editor.
    virtual void LockCommands(bool locked) = 0;
    virtual bool CommandsLocked() const = 0;
    // Opens `child` over the main window, as the window's own Form::Open.
    virtual void OpenChild(std::unique_ptr<Form> child) = 0;
};

}  // namespace rp
