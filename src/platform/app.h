#pragma once
// The application object: where the program lives, what it is called, one running copy.
#include <QString>
#include <functional>

namespace platform::app {

// The program's folder (the folder of the executable) without a trailing separator.
// Tests point it at a temporary installation.
QString path();
void setPath(const QString& folder);

// The executable's name without folder and without extension.
QString exeName();
void setExeName(const QString& name);

// The application title: used as the title of a message box that is given none.
QString title();
void setTitle(const QString& title);

// The program's version.
constexpr int Major = 2;
constexpr int Minor = 0;
constexpr int Revision = 1;

// True when another copy of this program is already running for this user. The first call
// takes a per-user lock for the program named by exeName() and keeps it until the process ends.
bool prevInstance();
// Lets the lock go (tests; the lock also ends with the process).
void releaseInstanceLock();

// Ends the program at once. Tests replace the ending by a handler of their own.
[[noreturn]] void endNow();
void end();
void setEndHandler(std::function<void()> handler); // empty restores the real ending

} // namespace platform::app
