#pragma once
// The operating-system services the screens use, behind small interfaces: a Linux
// implementation for the program, fakes for tests (services_fake.h).
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>
#include <optional>

namespace platform {

// Settings store in place of the registry: string values under key paths
// ("Software\\Maker\\Module"), per user, one store shared by every sibling module of the family.
// As in the registry, key and value names are matched without regard to letter case and keep the
// case they were first written with; a key path's parts are separated by backslashes, and empty
// parts are ignored ("Software\\Maker\\" is "Software\\Maker"). Texts are kept whole, whatever their
// characters: the registry's byte-count quirks are the caller's to reproduce.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Nothing when the key or the value does not exist.
    virtual std::optional<QString> read(const QString& keyPath, const QString& valueName) = 0;
    // Creates the key (and its parents) when it does not exist.
    virtual bool write(const QString& keyPath, const QString& valueName, const QString& value) = 0;
    // A key exists once created, written to, or when one of its sub-keys exists.
    virtual bool keyExists(const QString& keyPath) = 0;
    virtual bool createKey(const QString& keyPath) = 0;
    // Where the values are kept, to name in a message; empty when nowhere the user could look.
    virtual QString location() const { return {}; }
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a folder or a web address in the desktop's default handler. An address has a scheme
    // ("http://...", "mailto:...") or begins with "www."; anything else is a local path, and a
    // path that does not exist fails.
    virtual bool open(const QString& folderOrAddress) = 0;
    // Starts a program by its path, without a shell, not waited for, in the program's folder. A
    // name ending ".exe" (any letter case) that does not exist starts the same name without
    // ".exe" when that exists. False when there is nothing to start or it cannot be started.
    virtual bool startProgram(const QString& path, const QStringList& args = {}) = 0;
    // Writes a shortcut to a program on the user's desktop, named name (a trailing ".lnk" is
    // dropped), replacing one of the same name. False when the desktop folder does not exist or
    // the file cannot be written.
    virtual bool writeDesktopShortcut(const QString& name, const QString& target,
                                      const QString& workingFolder, const QString& iconPath) = 0;
};

// Keyboard layouts and input methods; indexes are 0-based in layouts()' order.
class KeyboardLayouts {
public:
    virtual ~KeyboardLayouts() = default;
    virtual QStringList layouts() = 0;              // layout ids, in the system's order
    virtual QString inputMethodName(int index) = 0; // a readable name; empty when there is none
    virtual bool activate(int index) = 0;           // false for an index out of range
    virtual int active() = 0;                       // -1 when no layout is known
    // A readable name of the keyboard layout itself ("English (US)"), whether or not it has an
    // input method; the id when no better name is known.
    virtual QString layoutName(int index);
};

// A page on its way (WebFetcher::start): the screen polls it from its own timer. Destroying it
// cancels a fetch that has not ended.
class WebReply {
public:
    enum class State { Pending, Done, Failed };
    virtual ~WebReply() = default;
    virtual State state() const = 0;
    virtual QString text() const = 0; // the page's text once Done, as fetchText() gives it
};

// Fetches a web page's text.
class WebFetcher {
public:
    virtual ~WebFetcher() = default;
    // Starts fetching a page and returns at once; the fetch goes on in the event loop and the
    // reply says when it has ended. A page whose body exceeds maxBytes fails as soon as that is
    // known. No time-out of its own: the caller bounds the wait and drops the reply. The default
    // fetches at once through fetchText() (fakes), giving a reply that has already ended.
    virtual std::unique_ptr<WebReply> start(const QString& address, qint64 maxBytes);
    // The page's text, or nothing when it could not be fetched within the time-out (no answer,
    // a network error or an error status such as 404). For an HTML page the text is that of its
    // body as a browser shows it (tags, scripts and styles gone, entities resolved), like the
    // browser control's body text; any other page is its content, decoded.
    virtual std::optional<QString> fetchText(const QString& address, int timeoutMs) = 0;
};

// The services in force; set... with nullptr returns to the real one. The caller keeps
// ownership of what it installs and must restore the real service before destroying it.
// The real ones act on this user's desktop and settings: tests install fakes (FakeServices).
// Single-threaded, like the screens that use them.
SettingsStore& settings();
Shell& shell();
KeyboardLayouts& keyboardLayouts();
WebFetcher& webFetcher();
void setSettings(SettingsStore* s);
void setShell(Shell* s);
void setKeyboardLayouts(KeyboardLayouts* k);
void setWebFetcher(WebFetcher* w);

// ---------------------------------------------------------------------------------------------
// The pieces of the real services, exposed for tests and for the fakes.

// The keys and values of a settings store in memory, with the store's naming rules, and its file
// format: UTF-8 text, one "[key path]" line per key followed by its "name=value" lines, in the
// order written. Values are kept as they are, blanks included; "%" and control characters are
// written as "%XX" (and in names also "=", "[", ";" and "#"), so any text survives a round trip.
class SettingsData {
public:
    std::optional<QString> read(const QString& keyPath, const QString& valueName) const;
    void write(const QString& keyPath, const QString& valueName, const QString& value);
    bool keyExists(const QString& keyPath) const;
    void createKey(const QString& keyPath);
    QStringList keys() const; // the key paths held, as first written

    QByteArray serialize() const;
    // Nothing when the text is not in the format (a line that is neither a key nor a value,
    // a value before the first key, bytes that are not UTF-8).
    static std::optional<SettingsData> parse(const QByteArray& text);
    // What can be read of a text: every line that is not in the format is left out (a value
    // whose key cannot be read with it), and `damaged` tells whether any was.
    static SettingsData parseReadable(const QByteArray& text, bool* damaged = nullptr);

    // "\\Software\\\\Maker\\" -> "Software\\Maker"
    static QString normalizeKeyPath(const QString& keyPath);

private:
    struct Value {
        QString name;
        QString text;
    };
    struct Key {
        QString path;
        QList<Value> values;
    };
    Key* find(const QString& normalizedPath);
    const Key* find(const QString& normalizedPath) const;
    Key& ensure(const QString& normalizedPath);
    QList<Key> keys_;
};

// The store of the program: one file shared by the family, by default
// QStandardPaths::GenericConfigLocation + "/brannock-family/registry.ini" (~/.config/...), or the
// file named by the environment variable BRANNOCK_SETTINGS_FILE, or the one given. Every read
// reads the file afresh; every change re-reads it and rewrites it whole (platform::saveFileWhole) under a lock
// file beside it (".lock"), so programs writing at the same time keep each other's keys. Lines
// that are not in the format are left out and the next change rewrites the file with what could
// be read; a file that exists but cannot be opened or read is never overwritten: the change fails.
class FileSettingsStore final : public SettingsStore {
public:
    FileSettingsStore(); // the default location, or BRANNOCK_SETTINGS_FILE
    explicit FileSettingsStore(const QString& fileName);
    static QString defaultFileName();
    QString fileName() const { return fileName_; }

    std::optional<QString> read(const QString& keyPath, const QString& valueName) override;
    bool write(const QString& keyPath, const QString& valueName, const QString& value) override;
    bool keyExists(const QString& keyPath) override;
    bool createKey(const QString& keyPath) override;
    QString location() const override { return fileName_; }

private:
    // Nothing when the file exists but cannot be read; `damaged` when lines were left out.
    std::optional<SettingsData> load(bool* damaged = nullptr) const;
    template <class Change> bool change(Change&& apply);
    QString fileName_;
};

// The shell of the program: QDesktopServices for folders and addresses, QProcess for programs,
// a freedesktop launcher file for shortcuts, in QStandardPaths::DesktopLocation or the folder
// named by BRANNOCK_DESKTOP_DIR or the one given.
class DesktopShell final : public Shell {
public:
    DesktopShell();
    explicit DesktopShell(const QString& desktopFolder);
    QString desktopFolder() const { return desktopFolder_; }

    bool open(const QString& folderOrAddress) override;
    bool startProgram(const QString& path, const QStringList& args = {}) override;
    bool writeDesktopShortcut(const QString& name, const QString& target, const QString& workingFolder,
                              const QString& iconPath) override;

    // What open() hands to the desktop; an invalid URL when there is nothing to open.
    static QUrl urlFor(const QString& folderOrAddress);
    // The file startProgram() starts for path (the ".exe" mapping; "\\" read as "/" when only
    // that names a file); empty when there is none.
    static QString resolveProgram(const QString& path);
    // The launcher file's text: Type=Application, Name, Exec (the target after the ".exe"
    // mapping, quoted), Path (the working folder), Icon (when given), Terminal=false.
    static QString desktopEntry(const QString& name, const QString& target, const QString& workingFolder,
                                const QString& iconPath);
    // The file name writeDesktopShortcut() writes for name, without folder.
    static QString shortcutFileName(const QString& name);

private:
    QString desktopFolder_;
};

namespace keyboard {
struct Sources;
struct State;
} // namespace keyboard

// The keyboard of the program (keyboard_layouts.h): the input methods of fcitx5's current group
// when fcitx5 runs, else IBus's chosen engines when IBus runs, else the groups of the X keyboard
// ("layout: us,de" gives two), else the current layout only, which switching leaves alone. A plain
// keyboard has no input-method name. layouts() asks the system afresh; the other calls keep to the
// list it last gave (asked once when none was), so an index keeps its meaning until the next
// layouts(). A source that fails or does not answer in time counts as absent.
class SystemKeyboardLayouts final : public KeyboardLayouts {
public:
    SystemKeyboardLayouts(); // the real sources
    explicit SystemKeyboardLayouts(keyboard::Sources&& sources);
    ~SystemKeyboardLayouts() override;
    SystemKeyboardLayouts(const SystemKeyboardLayouts&) = delete;
    SystemKeyboardLayouts& operator=(const SystemKeyboardLayouts&) = delete;

    QStringList layouts() override;
    QString inputMethodName(int index) override;
    bool activate(int index) override;
    int active() override;
    QString layoutName(int index) override;

private:
    keyboard::State* d_; // owned
};

// The web of the program: an HTTP(S) GET by QNetworkAccessManager in a local event loop (the
// caller's timers keep ticking meanwhile; input to the windows waits until the fetch ends),
// redirects followed, ended after the time-out (a time-out of 0 or less means 30 s). Only http
// and https addresses are fetched.
class NetWebFetcher final : public WebFetcher {
public:
    std::optional<QString> fetchText(const QString& address, int timeoutMs) override;
    // The same GET without the local loop: each reply has a network manager of its own.
    std::unique_ptr<WebReply> start(const QString& address, qint64 maxBytes) override;

    // The content's text: charset of the Content-Type, else of an HTML meta tag, else UTF-8 when
    // the bytes are valid UTF-8, else GB18030 (a superset of GBK). HTML (by its Content-Type, or
    // by its look when the type says nothing) is reduced to its text.
    static QString decodeBody(const QByteArray& body, const QString& contentType);
};

} // namespace platform
