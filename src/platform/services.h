#pragma once
// The operating-system services the screens use, behind small interfaces: a Linux
// implementation for the program, fakes for tests.
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// Settings store in place of the registry: string values under key paths
// ("Software\\Maker\\Module"), per user, one store shared by every sibling module of the family.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<QString> read(const QString& keyPath, const QString& valueName) = 0;
    virtual bool write(const QString& keyPath, const QString& valueName, const QString& value) = 0;
    virtual bool keyExists(const QString& keyPath) = 0;
    virtual bool createKey(const QString& keyPath) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a folder or a web address in the desktop's default handler.
    virtual bool open(const QString& folderOrAddress) = 0;
    // Starts a program by its path, without a shell, not waited for. A name ending ".exe" that
    // does not exist starts the same name without ".exe" when only that exists.
    virtual bool startProgram(const QString& path, const QStringList& args = {}) = 0;
    // Writes a shortcut to a program on the user's desktop.
    virtual bool writeDesktopShortcut(const QString& name, const QString& target, const QString& workingFolder,
                                      const QString& iconPath) = 0;
};

// Keyboard layouts and input methods.
class KeyboardLayouts {
public:
    virtual ~KeyboardLayouts() = default;
    virtual QStringList layouts() = 0;              // layout ids, in the system's order
    virtual QString inputMethodName(int index) = 0; // a readable name; empty when there is none
    virtual bool activate(int index) = 0;
    virtual int active() = 0;
};

// Fetches a web page's text.
class WebFetcher {
public:
    virtual ~WebFetcher() = default;
    // The page's text, or nothing when it could not be fetched within the time-out.
    virtual std::optional<QString> fetchText(const QString& address, int timeoutMs) = 0;
};

// The services in force; set... with nullptr returns to the real one.
SettingsStore& settings();
Shell& shell();
KeyboardLayouts& keyboardLayouts();
WebFetcher& webFetcher();
void setSettings(SettingsStore* s);
void setShell(Shell* s);
void setKeyboardLayouts(KeyboardLayouts* k);
void setWebFetcher(WebFetcher* w);

} // namespace platform
