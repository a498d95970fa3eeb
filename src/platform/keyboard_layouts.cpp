// The real keyboard service: the list of layouts from fcitx5, IBus or the X keyboard, and the
// switching through the same source. The X keyboard itself is in keyboard_xkb.cpp.
#include "platform/keyboard_layouts.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#ifdef BRANNOCK_HAVE_DBUS
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QUuid>
#endif

namespace platform {
namespace keyboard {

// ---------------------------------------------------------------------------------------------
// Readers

QStringList layoutsFromXkbQuery(const QString& queryOutput)
{
    static const QRegularExpression layoutLine(QStringLiteral("^layout:[ \\t]*([^\\s]*)[ \\t\\r]*$"),
                                               QRegularExpression::MultilineOption);
    static const QRegularExpression variantLine(QStringLiteral("^variant:[ \\t]*([^\\s]*)[ \\t\\r]*$"),
                                                QRegularExpression::MultilineOption);
    const QRegularExpressionMatch layout = layoutLine.match(queryOutput);
    if (!layout.hasMatch()) return {};
    const QStringList layouts = layout.captured(1).split(QLatin1Char(','));
    const QStringList variants = variantLine.match(queryOutput).captured(1).split(QLatin1Char(','));
    QStringList ids;
    for (int i = 0; i < layouts.size(); ++i) {
        const QString l = layouts[i].trimmed();
        if (l.isEmpty()) continue;
        const QString v = variants.value(i).trimmed();
        ids += v.isEmpty() ? l : l + QLatin1Char('(') + v + QLatin1Char(')');
    }
    return ids;
}

QString readableLayoutName(const QString& id)
{
    static const struct {
        const char* id;
        const char* name;
    } names[] = {
        {"us", "English (US)"},
        {"gb", "English (UK)"},
        {"cn", "Chinese"},
        {"tw", "Chinese (Taiwan)"},
        {"hk", "Chinese (Hong Kong)"},
        {"de", "German"},
        {"fr", "French"},
        {"es", "Spanish"},
        {"it", "Italian"},
        {"jp", "Japanese"},
        {"kr", "Korean"},
        {"ru", "Russian"},
        {"pt", "Portuguese"},
        {"br", "Portuguese (Brazil)"},
        {"ch", "Swiss"},
        {"se", "Swedish"},
        {"no", "Norwegian"},
        {"dk", "Danish"},
        {"fi", "Finnish"},
        {"nl", "Dutch"},
        {"be", "Belgian"},
        {"pl", "Polish"},
        {"cz", "Czech"},
        {"tr", "Turkish"},
    };
    // The layout without its variant: "de(nodeadkeys)" of X, "de-nodeadkeys" of fcitx5.
    const QString base = id.section(QLatin1Char('('), 0, 0).section(QLatin1Char('-'), 0, 0).trimmed();
    for (const auto& n : names)
        if (base.compare(QLatin1String(n.id), Qt::CaseInsensitive) == 0) return QString::fromLatin1(n.name);
    return id;
}

QString fcitxKeyboardLayout(const QString& inputMethod)
{
    static const QLatin1String prefix("keyboard-");
    if (!inputMethod.startsWith(prefix) || inputMethod.size() == prefix.size()) return {};
    return inputMethod.mid(prefix.size());
}

QList<IBusEngine> ibusEnginesFromList(const QString& listEngineOutput)
{
    static const QRegularExpression languageLine(QStringLiteral("^language:\\s*(.*?)\\s*$"));
    static const QRegularExpression engineLine(QStringLiteral("^\\s+(\\S+)(?:\\s+-\\s+(.*?))?\\s*$"));
    QList<IBusEngine> engines;
    QString language;
    for (const QString& line : listEngineOutput.split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch m = languageLine.match(line); m.hasMatch()) {
            language = m.captured(1);
            continue;
        }
        if (const QRegularExpressionMatch m = engineLine.match(line); m.hasMatch())
            engines += IBusEngine{m.captured(1), m.captured(2), language};
    }
    return engines;
}

QStringList ibusPreloadEngines(const QString& readConfigOutput)
{
    static const QRegularExpression line(QStringLiteral("^\\s*preload-engines:\\s*(.*)$"),
                                         QRegularExpression::MultilineOption);
    // A GLib string list: '...' items, or "..." for one that holds a single quote.
    static const QRegularExpression item(QStringLiteral("'([^']*)'|\"([^\"]*)\""));
    const QRegularExpressionMatch m = line.match(readConfigOutput);
    if (!m.hasMatch()) return {};
    QStringList engines;
    for (const QRegularExpressionMatch& i : item.globalMatch(m.captured(1))) {
        const QString name = i.captured(1).isEmpty() ? i.captured(2) : i.captured(1);
        if (!name.isEmpty()) engines += name;
    }
    return engines;
}

QString ibusCurrentEngine(const QString& engineOutput)
{
    static const QRegularExpression engineName(QStringLiteral("^[A-Za-z0-9_:.@+\\-]+$"));
    const QStringList lines = engineOutput.trimmed().split(QLatin1Char('\n'));
    if (lines.size() != 1) return {};
    const QString name = lines[0].trimmed();
    return engineName.match(name).hasMatch() ? name : QString();
}

QString ibusKeyboardLayout(const QString& engine)
{
    // "xkb:LAYOUT:VARIANT:LANGUAGES"
    const QStringList parts = engine.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts[0] != QLatin1String("xkb") || parts[1].isEmpty()) return {};
    const QString variant = parts.value(2);
    return variant.isEmpty() ? parts[1] : parts[1] + QLatin1Char('(') + variant + QLatin1Char(')');
}

// ---------------------------------------------------------------------------------------------
// Programs

namespace {

class ProcessRunner final : public CommandRunner {
public:
    std::optional<Result> run(const QString& program, const QStringList& args, int timeoutMs) override
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::SeparateChannels);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(program, args, QIODevice::ReadOnly);
        if (!p.waitForStarted(timeoutMs)) return std::nullopt;
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished(timeoutMs);
            return std::nullopt;
        }
        if (p.exitStatus() != QProcess::NormalExit) return std::nullopt;
        return Result{p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput())};
    }
    QString find(const QString& name) override { return QStandardPaths::findExecutable(name); }
};

} // namespace

std::unique_ptr<CommandRunner> processRunner()
{
    return std::make_unique<ProcessRunner>();
}

// ---------------------------------------------------------------------------------------------
// fcitx5 over D-Bus

#ifdef BRANNOCK_HAVE_DBUS
namespace {

const QString FcitxService = QStringLiteral("org.fcitx.Fcitx5");
const QString FcitxPath = QStringLiteral("/controller");
const QString FcitxInterface = QStringLiteral("org.fcitx.Fcitx.Controller1");

class DBusFcitx final : public FcitxController {
public:
    explicit DBusFcitx(const QDBusConnection& bus, bool own)
        : bus_(bus)
        , own_(own)
    {}
    ~DBusFcitx() override
    {
        if (own_) QDBusConnection::disconnectFromBus(bus_.name());
    }

    bool running() override
    {
        if (!bus_.isConnected()) return false;
        const QDBusMessage reply =
            call(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                 QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"), {FcitxService});
        return reply.type() == QDBusMessage::ReplyMessage && reply.signature() == QLatin1String("b") &&
               reply.arguments().value(0).toBool();
    }

    std::optional<FcitxGroup> group() override
    {
        const QDBusMessage current = controller(QStringLiteral("CurrentInputMethodGroup"));
        if (current.signature() != QLatin1String("s")) return std::nullopt;
        const QDBusMessage info =
            controller(QStringLiteral("InputMethodGroupInfo"), {current.arguments().value(0).toString()});
        if (info.signature() != QLatin1String("sa(ss)")) return std::nullopt;
        FcitxGroup g;
        g.defaultLayout = info.arguments().value(0).toString();
        const QDBusArgument items = info.arguments().value(1).value<QDBusArgument>();
        items.beginArray();
        while (!items.atEnd()) {
            FcitxItem item;
            items.beginStructure();
            items >> item.name >> item.layout;
            items.endStructure();
            g.items += item;
        }
        items.endArray();

        const QDBusMessage available = controller(QStringLiteral("AvailableInputMethods"));
        if (available.signature() == QLatin1String("a(ssssssb)")) {
            const QDBusArgument list = available.arguments().value(0).value<QDBusArgument>();
            list.beginArray();
            while (!list.atEnd()) {
                QString uniqueName, name, nativeName, icon, label, language;
                bool configurable = false;
                list.beginStructure();
                list >> uniqueName >> name >> nativeName >> icon >> label >> language >> configurable;
                list.endStructure();
                g.names.insert(uniqueName, name);
            }
            list.endArray();
        }
        return g;
    }

    QString currentInputMethod() override
    {
        const QDBusMessage reply = controller(QStringLiteral("CurrentInputMethod"));
        return reply.signature() == QLatin1String("s") ? reply.arguments().value(0).toString() : QString();
    }

    bool setCurrentInputMethod(const QString& name) override
    {
        return controller(QStringLiteral("SetCurrentIM"), {name}).type() == QDBusMessage::ReplyMessage;
    }

private:
    QDBusMessage call(const QString& service, const QString& path, const QString& interface,
                      const QString& method, const QVariantList& args)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(args);
        return bus_.call(message, QDBus::Block, TimeoutMs);
    }
    QDBusMessage controller(const QString& method, const QVariantList& args = {})
    {
        const QDBusMessage reply = call(FcitxService, FcitxPath, FcitxInterface, method, args);
        return reply.type() == QDBusMessage::ReplyMessage ? reply : QDBusMessage();
    }

    QDBusConnection bus_;
    bool own_;
};

} // namespace
#endif

std::unique_ptr<FcitxController> fcitxOnBus(const QString& address)
{
#ifdef BRANNOCK_HAVE_DBUS
    const QString name = QStringLiteral("brannock-keyboard-") + QUuid::createUuid().toString(QUuid::Id128);
    return std::make_unique<DBusFcitx>(QDBusConnection::connectToBus(address, name), true);
#else
    Q_UNUSED(address);
    return nullptr;
#endif
}

std::unique_ptr<FcitxController> fcitxOnSessionBus()
{
#ifdef BRANNOCK_HAVE_DBUS
    // Only a bus the environment names: no bus is started for the asking.
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return std::make_unique<DBusFcitx>(QDBusConnection::sessionBus(), false);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString socket = runtime + QStringLiteral("/bus");
    if (!runtime.isEmpty() && QFileInfo::exists(socket))
        return fcitxOnBus(QStringLiteral("unix:path=") + socket);
#endif
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// The list

namespace {

QList<Entry> fcitxEntries(const FcitxGroup& g)
{
    QList<Entry> entries;
    for (const FcitxItem& item : g.items) {
        Entry e;
        e.source = Entry::Source::Fcitx;
        e.id = item.name;
        const QString keyboard = fcitxKeyboardLayout(item.name);
        const QString name = g.names.value(item.name);
        if (keyboard.isEmpty()) {
            e.inputMethod = name.isEmpty() ? item.name : name;
            e.layoutName = readableLayoutName(item.layout.isEmpty() ? g.defaultLayout : item.layout);
        } else {
            e.layoutName = name.isEmpty() ? readableLayoutName(keyboard) : name;
        }
        entries += e;
    }
    return entries;
}

std::optional<CommandRunner::Result> runOk(CommandRunner& runner, const QString& program,
                                           const QStringList& args)
{
    std::optional<CommandRunner::Result> r = runner.run(program, args, TimeoutMs);
    if (!r || r->exitCode != 0) return std::nullopt;
    return r;
}

QList<Entry> ibusEntries(CommandRunner& runner, const QString& ibus, const QString& current)
{
    QStringList chosen;
    if (const auto config = runOk(runner, ibus, {QStringLiteral("read-config")}))
        chosen = ibusPreloadEngines(config->output);
    if (!chosen.contains(current)) chosen += current;
    QMap<QString, IBusEngine> known;
    if (const auto list = runOk(runner, ibus, {QStringLiteral("list-engine")}))
        for (const IBusEngine& e : ibusEnginesFromList(list->output))
            known.insert(e.name, e);

    QList<Entry> entries;
    for (const QString& engine : chosen) {
        const IBusEngine info = known.value(engine);
        Entry e;
        e.source = Entry::Source::IBus;
        e.id = engine;
        const QString keyboard = ibusKeyboardLayout(engine);
        if (keyboard.isEmpty()) {
            e.inputMethod = info.longName.isEmpty() ? engine : info.longName;
            e.layoutName = info.language.isEmpty() ? e.inputMethod : info.language;
        } else {
            e.layoutName = info.longName.isEmpty() ? readableLayoutName(keyboard) : info.longName;
        }
        entries += e;
    }
    return entries;
}

QList<Entry> xkbEntries(const QStringList& layouts, const XkbDisplay::State& state)
{
    // setxkbmap names the groups the server holds; without it the server's own names stand.
    QStringList ids = layouts.isEmpty() ? state.groupNames : layouts;
    if (!state.groupNames.isEmpty() && ids.size() > state.groupNames.size())
        ids = ids.mid(0, state.groupNames.size());
    QList<Entry> entries;
    for (int g = 0; g < ids.size(); ++g) {
        Entry e;
        e.source = Entry::Source::XkbGroup;
        e.id = ids[g];
        e.group = g;
        const QString serverName = state.groupNames.value(g);
        e.layoutName = serverName.isEmpty() ? readableLayoutName(ids[g]) : serverName;
        entries += e;
    }
    return entries;
}

} // namespace

QList<Entry> probe(Sources& sources)
{
    if (sources.fcitx && sources.fcitx->running())
        if (const std::optional<FcitxGroup> g = sources.fcitx->group(); g && !g->items.isEmpty())
            return fcitxEntries(*g);

    QStringList xkbLayouts;
    if (sources.runner) {
        const QString ibus = sources.runner->find(QStringLiteral("ibus"));
        if (!ibus.isEmpty())
            if (const auto engine = runOk(*sources.runner, ibus, {QStringLiteral("engine")})) {
                const QString current = ibusCurrentEngine(engine->output);
                if (!current.isEmpty()) return ibusEntries(*sources.runner, ibus, current);
            }
        const QString setxkbmap = sources.x11 ? sources.runner->find(QStringLiteral("setxkbmap")) : QString();
        if (!setxkbmap.isEmpty())
            if (const auto query = runOk(*sources.runner, setxkbmap, {QStringLiteral("-query")}))
                xkbLayouts = layoutsFromXkbQuery(query->output);
    }

    if (sources.xkb)
        if (const std::optional<XkbDisplay::State> state = sources.xkb->state()) {
            const QList<Entry> groups = xkbEntries(xkbLayouts, *state);
            if (!groups.isEmpty()) return groups;
        }

    Entry current;
    current.id = xkbLayouts.value(0);
    if (current.id.isEmpty()) current.id = sources.fallbackLayout;
    if (current.id.isEmpty()) current.id = QStringLiteral("us");
    current.layoutName = readableLayoutName(current.id);
    return {current};
}

struct State {
    Sources sources;
    QList<Entry> entries;
    bool probed = false;

    const QList<Entry>& list()
    {
        if (!probed) {
            entries = probe(sources);
            probed = true;
        }
        return entries;
    }
    QString ibus() { return sources.runner ? sources.runner->find(QStringLiteral("ibus")) : QString(); }
};

} // namespace keyboard

// ---------------------------------------------------------------------------------------------
// SystemKeyboardLayouts

using keyboard::Entry;

namespace {

keyboard::Sources realSources()
{
    keyboard::Sources s;
    s.runner = keyboard::processRunner();
    s.xkb = keyboard::x11Display();
    s.fcitx = keyboard::fcitxOnSessionBus();
    s.x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const QLocale locale = qGuiApp ? QGuiApplication::inputMethod()->locale() : QLocale::system();
    if (locale.territory() != QLocale::AnyTerritory && locale.language() != QLocale::C)
        s.fallbackLayout = QLocale::territoryToCode(locale.territory()).toLower();
    return s;
}

} // namespace

SystemKeyboardLayouts::SystemKeyboardLayouts()
    : SystemKeyboardLayouts(realSources())
{}

SystemKeyboardLayouts::SystemKeyboardLayouts(keyboard::Sources&& sources)
    : d_(new keyboard::State{std::move(sources), {}, false})
{}

SystemKeyboardLayouts::~SystemKeyboardLayouts()
{
    delete d_;
}

QStringList SystemKeyboardLayouts::layouts()
{
    d_->probed = false;
    QStringList ids;
    for (const Entry& e : d_->list())
        ids += e.id;
    return ids;
}

QString SystemKeyboardLayouts::inputMethodName(int index)
{
    return d_->list().value(index).inputMethod;
}

QString SystemKeyboardLayouts::layoutName(int index)
{
    return d_->list().value(index).layoutName;
}

bool SystemKeyboardLayouts::activate(int index)
{
    const QList<Entry>& list = d_->list();
    if (index < 0 || index >= list.size()) return false;
    const Entry& e = list[index];
    keyboard::Sources& s = d_->sources;
    switch (e.source) {
    case Entry::Source::Current:
        return true;
    case Entry::Source::XkbGroup:
        return s.xkb && s.xkb->lockGroup(e.group);
    case Entry::Source::Fcitx:
        return s.fcitx && s.fcitx->setCurrentInputMethod(e.id);
    case Entry::Source::IBus: {
        const QString ibus = d_->ibus();
        if (ibus.isEmpty()) return false;
        const auto set = s.runner->run(ibus, {QStringLiteral("engine"), e.id}, keyboard::TimeoutMs);
        if (!set) return false;
        if (set->exitCode == 0) return true;
        // "ibus engine NAME" also fails when only its follow-up, setting the X layout, fails: the
        // engine in use tells.
        return active() == index;
    }
    }
    return false;
}

int SystemKeyboardLayouts::active()
{
    const QList<Entry>& list = d_->list();
    if (list.isEmpty()) return -1;
    keyboard::Sources& s = d_->sources;
    QString current;
    switch (list[0].source) {
    case Entry::Source::Current:
        return 0;
    case Entry::Source::XkbGroup: {
        const auto state = s.xkb ? s.xkb->state() : std::nullopt;
        return state && state->group >= 0 && state->group < list.size() ? state->group : -1;
    }
    case Entry::Source::Fcitx:
        if (s.fcitx) current = s.fcitx->currentInputMethod();
        break;
    case Entry::Source::IBus: {
        const QString ibus = d_->ibus();
        if (ibus.isEmpty()) return -1;
        const auto engine = s.runner->run(ibus, {QStringLiteral("engine")}, keyboard::TimeoutMs);
        if (engine && engine->exitCode == 0) current = keyboard::ibusCurrentEngine(engine->output);
        break;
    }
    }
    if (current.isEmpty()) return -1;
    for (int i = 0; i < list.size(); ++i)
        if (list[i].id == current) return i;
    return -1;
}

} // namespace platform
