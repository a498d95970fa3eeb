#pragma once
// The parts of the real keyboard service (SystemKeyboardLayouts, services.h): where the list of
// layouts comes from, how a layout is switched, and the readers of the answers of the programs
// and buses asked. Each source sits behind a small interface so that tests can stand in for it.
#include "platform/services.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace platform::keyboard {

// ---------------------------------------------------------------------------------------------
// Readers of the sources' answers (pure)

// The layouts of the X keyboard's groups from setxkbmap's "-query" answer: "layout: us,de" with
// "variant: ,nodeadkeys" -> "us", "de(nodeadkeys)". Empty when the answer has no layout line.
QStringList layoutsFromXkbQuery(const QString& queryOutput);

// A readable name for a layout id ("us" -> "English (US)", "de(nodeadkeys)" -> "German"); the id
// itself when none is known.
QString readableLayoutName(const QString& id);

// One input method of fcitx5's current group: its unique name ("pinyin", "keyboard-us") and
// the keyboard layout it types with (empty: the group's default layout).
struct FcitxItem {
    QString name;
    QString layout;
    bool operator==(const FcitxItem&) const = default;
};

// What fcitx5 says about its input methods, as its controller gives it.
struct FcitxGroup {
    QString defaultLayout;        // "us"
    QList<FcitxItem> items;       // in the group's order
    QMap<QString, QString> names; // unique name -> readable name, of every available input method
};

// A plain keyboard of fcitx5 ("keyboard-us", "keyboard-de-nodeadkeys"): its layout ("us",
// "de-nodeadkeys"); empty for an input method that is not a plain keyboard.
QString fcitxKeyboardLayout(const QString& inputMethod);

// An IBus engine as "ibus list-engine" lists it: "  libpinyin - Intelligent Pinyin" under
// "language: Chinese".
struct IBusEngine {
    QString name;
    QString longName;
    QString language;
    bool operator==(const IBusEngine&) const = default;
};
QList<IBusEngine> ibusEnginesFromList(const QString& listEngineOutput);

// The engines the user chose, from "ibus read-config": "  preload-engines: ['xkb:us::eng',
// 'libpinyin']" -> "xkb:us::eng", "libpinyin". Empty when there is no such line or it is "@as []".
QStringList ibusPreloadEngines(const QString& readConfigOutput);

// The engine of "ibus engine" ("libpinyin\n" -> "libpinyin"); empty when the answer is not one
// engine name (nothing set, an error text).
QString ibusCurrentEngine(const QString& engineOutput);

// A plain keyboard of IBus ("xkb:de:nodeadkeys:ger"): its layout ("de(nodeadkeys)"); empty for
// an engine that is not a plain keyboard.
QString ibusKeyboardLayout(const QString& engine);

// ---------------------------------------------------------------------------------------------
// The sources

// Runs a program by its path with an argument list, never through a shell, waiting at most
// timeoutMs (a program still running then is killed).
class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    struct Result {
        int exitCode = -1;
        QString output;
    };
    // Nothing when the program does not start or does not end in time; else its exit code and
    // standard output, whatever the code.
    virtual std::optional<Result> run(const QString& program, const QStringList& args, int timeoutMs) = 0;
    // The path of a program found in PATH; empty when there is none.
    virtual QString find(const QString& name) = 0;
};

// The X keyboard extension of the display in use.
class XkbDisplay {
public:
    virtual ~XkbDisplay() = default;
    struct State {
        int group = 0;          // the locked (active) group, 0-based
        QStringList groupNames; // the server's readable group names ("English (US)", "German")
    };
    // Nothing when there is no X display or it has no keyboard extension.
    virtual std::optional<State> state() = 0;
    // Locks the keyboard to group (0-based); false when that cannot be done.
    virtual bool lockGroup(int group) = 0;
};

// fcitx5's controller on the session bus (org.fcitx.Fcitx5, /controller,
// org.fcitx.Fcitx.Controller1).
class FcitxController {
public:
    virtual ~FcitxController() = default;
    virtual bool running() = 0;
    // The current group's input methods; nothing when the controller does not answer.
    virtual std::optional<FcitxGroup> group() = 0;
    // The input method in use; empty when none or no answer. Like the switch below, it concerns
    // the window fcitx5 has the focus of (the program's own, through Qt's fcitx5 module): with no
    // such window fcitx5 answers empty and a switch changes nothing.
    virtual QString currentInputMethod() = 0;
    virtual bool setCurrentInputMethod(const QString& name) = 0;
};

// The real sources: QProcess; libX11 and QtDBus, each null when the program is built without it.
// The display and the bus are asked only when the environment names them (DISPLAY;
// DBUS_SESSION_BUS_ADDRESS or $XDG_RUNTIME_DIR/bus, so that no bus is started for the asking),
// and every bus call has a short time-out.
std::unique_ptr<CommandRunner> processRunner();
std::unique_ptr<XkbDisplay> x11Display();
std::unique_ptr<FcitxController> fcitxOnSessionBus();
// fcitx5's controller on the bus at a D-Bus address ("unix:path=..."); for tests.
std::unique_ptr<FcitxController> fcitxOnBus(const QString& address);

// How long a program or a bus call may take before it counts as failed.
constexpr int TimeoutMs = 1500;

// ---------------------------------------------------------------------------------------------
// The list

// One layout of the list and how it is switched to.
struct Entry {
    enum class Source { Current, XkbGroup, Fcitx, IBus };
    Source source = Source::Current;
    QString id;          // the layout or input method as its source names it
    QString inputMethod; // readable input-method name; empty for a plain keyboard
    QString layoutName;  // readable layout name
    int group = 0;       // the X group, for XkbGroup
};

// The parts a SystemKeyboardLayouts works with; any may be null (that source is absent).
struct Sources {
    std::unique_ptr<CommandRunner> runner;
    std::unique_ptr<XkbDisplay> xkb;
    std::unique_ptr<FcitxController> fcitx;
    bool x11 = false; // an X display is named: setxkbmap may be asked
    // The layout to offer when no source gives one ("us" from the locale's territory, say).
    QString fallbackLayout;
};

// The list, asked afresh: fcitx5's current group when fcitx5 runs; else IBus's chosen engines
// when ibus-daemon answers (the engine in use added when it is not among them); else the X
// keyboard's groups when the display answers (with setxkbmap's layouts); else the one current
// layout (setxkbmap's first, else the fallback, else "us"), which switching leaves alone.
QList<Entry> probe(Sources& sources);

} // namespace platform::keyboard
