#pragma once
// Test fakes of the operating-system services: in memory, recording what the screens ask for,
// with results a test chooses. Install them with the set... functions of services.h, or all at
// once with FakeServices.
#include "platform/services.h"

#include <QMap>

namespace platform {

// The registry in memory, with the naming rules of the real store (SettingsData).
class FakeSettings final : public SettingsStore {
public:
    std::optional<QString> read(const QString& keyPath, const QString& valueName) override;
    bool write(const QString& keyPath, const QString& valueName, const QString& value) override;
    bool keyExists(const QString& keyPath) override;
    bool createKey(const QString& keyPath) override;

    SettingsData data;
    bool failWrites = false; // writes and key creations fail and change nothing
    int reads = 0;           // calls of read()
    int writes = 0;          // calls of write(), failed ones included
};

class FakeShell final : public Shell {
public:
    struct Started {
        QString path;
        QStringList args;
        bool operator==(const Started&) const = default;
    };
    struct Shortcut {
        QString name, target, workingFolder, iconPath;
        bool operator==(const Shortcut&) const = default;
    };

    bool open(const QString& folderOrAddress) override;
    bool startProgram(const QString& path, const QStringList& args = {}) override;
    bool writeDesktopShortcut(const QString& name, const QString& target, const QString& workingFolder,
                              const QString& iconPath) override;

    // Every request is recorded, whatever its result.
    QStringList opened;
    QList<Started> started;
    QList<Shortcut> shortcuts;
    bool openResult = true;
    bool startResult = true;
    bool shortcutResult = true;
};

class FakeKeyboardLayouts final : public KeyboardLayouts {
public:
    struct Layout {
        QString id;
        QString inputMethod; // empty for a plain keyboard
        QString name;        // layoutName(); the id when empty
    };

    FakeKeyboardLayouts() = default;
    explicit FakeKeyboardLayouts(QList<Layout> list)
        : list(std::move(list))
    {}

    QStringList layouts() override;
    QString inputMethodName(int index) override;
    bool activate(int index) override; // succeeds for an index of the list
    int active() override;
    QString layoutName(int index) override;

    QList<Layout> list;
    int current = 0;      // active(); -1 when the list is empty
    QList<int> activated; // every activate() asked for, failed ones included
};

class FakeWebFetcher final : public WebFetcher {
public:
    std::optional<QString> fetchText(const QString& address, int timeoutMs) override;

    // Address -> page text; an address that is not here, or maps to nothing, fails.
    QMap<QString, std::optional<QString>> pages;
    struct Request {
        QString address;
        int timeoutMs;
        bool operator==(const Request&) const = default;
    };
    QList<Request> requests;
};

// All four fakes, installed for the life of the object and then the real services restored.
class FakeServices {
public:
    FakeServices();
    ~FakeServices();
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    FakeSettings settings;
    FakeShell shell;
    FakeKeyboardLayouts keyboard;
    FakeWebFetcher web;
};

} // namespace platform
